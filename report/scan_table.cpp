#include "report/scan_table.h"

#include "core/grid_blocks.h"
#include "system/ordered_pieces.h"

#include <cstddef>
#include <iterator>
#include <vector>

namespace {

static_assert(kTableRowLineCapacity <= kMaxRowTextBytes);

char Separator(TableFormat format)
{
    return format == TableFormat::Csv ? ',' : '\t';
}

// Row texts gathered in a fixed buffer and appended to a text in large steps, since most rows
// are a dozen bytes and appending each alone would cost more than writing it.
class RowTexts {
public:
    RowTexts(std::string& text, const RowTextWriter& writeRow) : text_(text), writeRow_(writeRow) {}

    void Add(const ExtremumRow& row)
    {
        if (std::end(buffer_) - used_ < static_cast<std::ptrdiff_t>(kMaxRowTextBytes)) Flush();
        used_ = writeRow_(used_, row);
    }

    // Appends the rows not yet in the text. Call after the last Add.
    void Flush()
    {
        text_.append(buffer_, used_);
        used_ = buffer_;
    }

private:
    std::string& text_;
    const RowTextWriter& writeRow_;
    char buffer_[16 * kMaxRowTextBytes];
    char* used_ = buffer_;
};

}  // namespace

std::string TableHeaderLine(TableFormat format)
{
    std::string line;
    for (const std::string_view heading : kTableHeadings) {
        if (!line.empty()) line += Separator(format);
        line += heading;
    }
    line += '\n';
    return line;
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

void WriteScanRows(const CoefficientSet& V, double h, RowOrder order, const RowTextWriter& writeRow,
                   const TableOutput& output, unsigned threads)
{
    const std::vector<GridBlock> blocks = SplitGrid(h, kTableBlockPoints);
    const bool reversed = order == RowOrder::LargestAngleFirst;

    // The rows of a block are found in increasing angle; the largest-angle-first table takes
    // the blocks from the last and the rows of each from its end.
    const PieceMaker makeBlockText = [&](std::size_t index, std::string& text) {
        const GridBlock& block = blocks[reversed ? blocks.size() - 1 - index : index];
        std::vector<ExtremumRow> rows;
        rows.reserve(block.points);
        ScanGridBlock(V, h, block, [&rows](const ExtremumRow& row) { rows.push_back(row); });
        RowTexts texts(text, writeRow);
        if (reversed)
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) texts.Add(*row);
        else
            for (const ExtremumRow& row : rows) texts.Add(row);
        texts.Flush();
    };
    MakeInOrder(blocks.size(), threads, makeBlockText, [&output](std::string_view text) {
        if (!text.empty()) output(text);
    });
}

void WriteScanTable(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                    const TableOutput& output, unsigned threads)
{
    output(TableHeaderLine(format));
    const RowTextWriter writeLine = [format](char* out, const ExtremumRow& row) {
        return WriteTableRowLine(out, row, format);
    };
    WriteScanRows(V, h, order, writeLine, output, threads);
}

std::string ScanTableText(const CoefficientSet& V, double h, TableFormat format, RowOrder order, unsigned threads)
{
    std::string table;
    WriteScanTable(V, h, format, order, [&table](std::string_view piece) { table += piece; }, threads);
    return table;
}
