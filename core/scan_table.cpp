#include "scan_table.h"

#include "grid_blocks.h"
#include "ordered_pieces.h"

#include <cstddef>
#include <iterator>
#include <vector>

namespace {

char Separator(TableFormat format)
{
    return format == TableFormat::Csv ? ',' : '\t';
}

// Row lines gathered in a fixed buffer and appended to a text in large steps, since most lines
// are a dozen bytes and appending each alone would cost more than writing it.
class RowLines {
public:
    RowLines(std::string& text, TableFormat format) : text_(text), format_(format) {}

    void Add(const ExtremumRow& row)
    {
        if (std::end(buffer_) - used_ < static_cast<std::ptrdiff_t>(kTableRowLineCapacity)) Flush();
        used_ = WriteTableRowLine(used_, row, format_);
    }

    // Appends the lines not yet in the text. Call after the last Add.
    void Flush()
    {
        text_.append(buffer_, used_);
        used_ = buffer_;
    }

private:
    std::string& text_;
    const TableFormat format_;
    char buffer_[16384];
    char* used_ = buffer_;
};

}  // namespace

std::string TableHeaderLine(TableFormat format)
{
    const char separator = Separator(format);
    return std::string("Ángulo") + separator + "Derivada de V" + separator + "V(Kcal/mol)\n";
}

char* WriteTableRowLine(char* out, const ExtremumRow& row, TableFormat format)
{
    const char separator = Separator(format);
    out = WriteG(out, out + kNumberTextCapacity, row.angle);
    *out++ = separator;
    out = WriteG(out, out + kNumberTextCapacity, row.derivative);
    *out++ = separator;
    out = WriteG(out, out + kNumberTextCapacity, row.potential);
    *out++ = '\n';
    return out;
}

void WriteScanTable(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                    const TableOutput& output, unsigned threads)
{
    const std::vector<GridBlock> blocks = SplitGrid(h, kTableBlockPoints);
    const bool reversed = order == RowOrder::LargestAngleFirst;

    // The rows of a block are found in increasing angle; the largest-angle-first table takes
    // the blocks from the last and the rows of each from its end.
    const PieceMaker makeBlockLines = [&](std::size_t index, std::string& text) {
        const GridBlock& block = blocks[reversed ? blocks.size() - 1 - index : index];
        std::vector<ExtremumRow> rows;
        rows.reserve(block.points);
        ScanGridBlock(V, h, block, [&rows](const ExtremumRow& row) { rows.push_back(row); });
        RowLines lines(text, format);
        if (reversed)
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) lines.Add(*row);
        else
            for (const ExtremumRow& row : rows) lines.Add(row);
        lines.Flush();
    };

    output(TableHeaderLine(format));
    MakeInOrder(blocks.size(), threads, makeBlockLines, [&output](std::string_view text) {
        if (!text.empty()) output(text);
    });
}

std::string ScanTableText(const CoefficientSet& V, double h, TableFormat format, RowOrder order, unsigned threads)
{
    std::string table;
    WriteScanTable(V, h, format, order, [&table](std::string_view piece) { table += piece; }, threads);
    return table;
}
