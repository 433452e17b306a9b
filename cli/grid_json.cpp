#include "grid_json.h"

#include "cli/json_text.h"

#include <cstring>
#include <string>
#include <string_view>

namespace {

char* CopyText(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// Every row is written as ",\n{...}"; the comma before the first row is dropped on delivery,
// which is the one place that knows which row comes first.
char* WriteRowObject(char* out, const ExtremumRow& row)
{
    out = CopyText(out, ",\n{\"angle\": ");
    out = WriteJsonNumber(out, row.angle);
    out = CopyText(out, ", \"derivative\": ");
    out = WriteJsonNumber(out, row.derivative);
    out = CopyText(out, ", \"potential\": ");
    out = WriteJsonNumber(out, row.potential);
    *out++ = '}';
    return out;
}

}  // namespace

void WriteGridJson(const CoefficientSet& V, double h, RowOrder order, const TableOutput& output, unsigned threads)
{
    std::string opening = "{\"V\": [";
    for (int n = 1; n <= 6; ++n) opening.append(n > 1 ? ", " : "").append(JsonNumber(V[n]));
    opening.append("], \"precision\": ").append(JsonNumber(h)).append(", \"rows\": [");
    output(opening);

    bool firstRow = true;
    WriteScanRows(V, h, order, WriteRowObject, [&](std::string_view text) {
        if (firstRow) text.remove_prefix(1);
        firstRow = false;
        output(text);
    }, threads);
    output("\n]}\n");
}
