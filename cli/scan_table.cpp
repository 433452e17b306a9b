#include "scan_table.h"

#include "row_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Three "%g" texts of at most kNumberTextCapacity - 1 chars, two separators and the line end.
constexpr std::size_t kMaxRowLineBytes = 3 * (kNumberTextCapacity - 1) + 3;

// Neither the header nor a "%g" text holds a comma, a quote or a line break, so no CSV field
// ever needs quoting and both forms differ only in the separator.
void AppendHeader(std::string& line, char separator)
{
    line += "Ángulo";
    line += separator;
    line += "Derivada de V";
    line += separator;
    line += "V(Kcal/mol)";
    line += '\n';
}

char* CopyText(char* out, const char* text)
{
    const std::size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return out + length;
}

}  // namespace

ScanTableWriter::ScanTableWriter(TableFormat format, RowOrder order, TableOutput output)
    : separator_(format == TableFormat::Csv ? ',' : '\t'), order_(order), output_(std::move(output))
{
    std::string header;
    AppendHeader(header, separator_);
    Append(header);
    headerEnd_ = used_;
}

void ScanTableWriter::EnsureRoom(std::size_t bytes)
{
    if (text_.size() - used_ < bytes) text_.resize(std::max(2 * text_.size(), used_ + bytes));
}

void ScanTableWriter::Append(std::string_view text)
{
    EnsureRoom(text.size());
    std::memcpy(text_.data() + used_, text.data(), text.size());
    used_ += text.size();
}

void ScanTableWriter::Add(const ExtremumRow& row)
{
    EnsureRoom(kMaxRowLineBytes);
    if (order_ == RowOrder::LargestAngleFirst) lineStarts_.push_back(static_cast<std::uint32_t>(used_));

    const ExtremumRowText texts = FormatRow(row);
    char* out = text_.data() + used_;
    out = CopyText(out, texts.angle);
    *out++ = separator_;
    out = CopyText(out, texts.derivative);
    *out++ = separator_;
    out = CopyText(out, texts.potential);
    *out++ = '\n';
    used_ = static_cast<std::size_t>(out - text_.data());

    if (order_ == RowOrder::ScanOrder && used_ >= kOutputPieceBytes) FlushScanOrder();
}

void ScanTableWriter::FlushScanOrder()
{
    if (used_ > 0) output_(std::string_view(text_.data(), used_));
    used_ = 0;
}

void ScanTableWriter::WriteLargestAngleFirst()
{
    output_(std::string_view(text_.data(), headerEnd_));
    std::vector<char> piece(kOutputPieceBytes);
    std::size_t pieceUsed = 0;
    std::size_t lineEnd = used_;
    for (auto start = lineStarts_.rbegin(); start != lineStarts_.rend(); ++start) {
        const std::size_t length = lineEnd - *start;
        if (piece.size() - pieceUsed < length) {
            output_(std::string_view(piece.data(), pieceUsed));
            pieceUsed = 0;
        }
        std::memcpy(piece.data() + pieceUsed, text_.data() + *start, length);
        pieceUsed += length;
        lineEnd = *start;
    }
    if (pieceUsed > 0) output_(std::string_view(piece.data(), pieceUsed));
}

void ScanTableWriter::Finish()
{
    if (order_ == RowOrder::ScanOrder)
        FlushScanOrder();
    else
        WriteLargestAngleFirst();
    used_ = 0;
    lineStarts_.clear();
}

void WriteScanTable(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                    const TableOutput& output)
{
    ScanTableWriter writer(format, order, output);
    ScanForExtrema(V, h, [&writer](const ExtremumRow& row) { writer.Add(row); });
    writer.Finish();
}

std::string ScanTableText(const CoefficientSet& V, double h, TableFormat format, RowOrder order)
{
    std::string table;
    WriteScanTable(V, h, format, order, [&table](std::string_view piece) { table += piece; });
    return table;
}
