#pragma once

#include "coefficient_set.h"
#include "extremum_scan.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Field separator of the table: TAB, or RFC 4180 commas. Lines end in LF either way.
enum class TableFormat { Tab, Csv };

// LargestAngleFirst is the order of the main window's list; ScanOrder is increasing angle.
enum class RowOrder { LargestAngleFirst, ScanOrder };

// Receives the table's bytes in large pieces, in output order.
using TableOutput = std::function<void(std::string_view)>;

// Builds the result table: the header line "Ángulo", "Derivada de V", "V(Kcal/mol)", then one
// line per row with its three "%g" texts. Rows must be added in scan order. Row texts are kept in
// one growing buffer (only as long as the order requires) and handed to the output in pieces of
// about kOutputPieceBytes, never per line.
class ScanTableWriter {
public:
    static constexpr std::size_t kOutputPieceBytes = std::size_t{1} << 20;

    ScanTableWriter(TableFormat format, RowOrder order, TableOutput output);

    // Appends the line of row.
    void Add(const ExtremumRow& row);

    // Hands every byte not yet written to the output, in the table's order. Call once, last.
    void Finish();

private:
    void EnsureRoom(std::size_t bytes);
    void Append(std::string_view text);
    void FlushScanOrder();
    void WriteLargestAngleFirst();

    char separator_;
    RowOrder order_;
    TableOutput output_;
    std::vector<char> text_;            // header and row lines; only the first used_ bytes count
    std::size_t used_ = 0;
    std::size_t headerEnd_ = 0;
    // Start of each kept row line. 32 bits suffice: at most about 1.8 million lines of at
    // most 96 bytes each.
    std::vector<std::uint32_t> lineStarts_;
};

// Scans V with step h and hands the whole table to output.
void WriteScanTable(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                    const TableOutput& output);

// The whole table of the scan of V with step h, as one string.
std::string ScanTableText(const CoefficientSet& V, double h, TableFormat format, RowOrder order);
