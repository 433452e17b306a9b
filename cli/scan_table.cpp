#include "scan_table.h"

#include "grid_blocks.h"
#include "ordered_pieces.h"
#include "number_text.h"

#include <cstddef>
#include <iterator>
#include <vector>

namespace {

// Neither the header nor a "%g" text holds a comma, a quote or a line break, so no CSV field
// ever needs quoting and both forms differ only in the separator.
std::string HeaderLine(char separator)
{
    std::string line = "Ángulo";
    line += separator;
    line += "Derivada de V";
    line += separator;
    line += "V(Kcal/mol)";
    line += '\n';
    return line;
}

// Row lines gathered in a fixed buffer and appended to a text in large steps, since most lines
// are a dozen bytes and appending each alone would cost more than writing it.
class RowLines {
public:
    RowLines(std::string& text, char separator) : text_(text), separator_(separator) {}

    void Add(const ExtremumRow& row)
    {
        if (std::end(buffer_) - used_ < static_cast<std::ptrdiff_t>(kMaxLineBytes)) Flush();
        used_ = WriteG(used_, used_ + kNumberTextCapacity, row.angle);
        *used_++ = separator_;
        used_ = WriteG(used_, used_ + kNumberTextCapacity, row.derivative);
        *used_++ = separator_;
        used_ = WriteG(used_, used_ + kNumberTextCapacity, row.potential);
        *used_++ = '\n';
    }

    // Appends the lines not yet in the text. Call after the last Add.
    void Flush()
    {
        text_.append(buffer_, used_);
        used_ = buffer_;
    }

private:
    // Room for three number texts as WriteG requires, two separators and the line end.
    static constexpr std::size_t kMaxLineBytes = 3 * kNumberTextCapacity + 3;

    std::string& text_;
    const char separator_;
    char buffer_[16384];
    char* used_ = buffer_;
};

}  // namespace

void WriteScanTable(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                    const TableOutput& output, unsigned threads)
{
    const char separator = format == TableFormat::Csv ? ',' : '\t';
    const std::vector<GridBlock> blocks = SplitGrid(h, kTableBlockPoints);
    const bool reversed = order == RowOrder::LargestAngleFirst;

    // The rows of a block are found in increasing angle; the largest-angle-first table takes
    // the blocks from the last and the rows of each from its end.
    const PieceMaker makeBlockLines = [&](std::size_t index, std::string& text) {
        const GridBlock& block = blocks[reversed ? blocks.size() - 1 - index : index];
        std::vector<ExtremumRow> rows;
        rows.reserve(block.points);
        ScanGridBlock(V, h, block, [&rows](const ExtremumRow& row) { rows.push_back(row); });
        RowLines lines(text, separator);
        if (reversed)
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) lines.Add(*row);
        else
            for (const ExtremumRow& row : rows) lines.Add(row);
        lines.Flush();
    };

    output(HeaderLine(separator));
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
