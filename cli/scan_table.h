#pragma once

#include "coefficient_set.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Field separator of the table: TAB, or RFC 4180 commas. Lines end in LF either way.
enum class TableFormat { Tab, Csv };

// LargestAngleFirst is the order of the main window's list; ScanOrder is increasing angle.
enum class RowOrder { LargestAngleFirst, ScanOrder };

// Receives the table's bytes in pieces, in output order.
using TableOutput = std::function<void(std::string_view)>;

// Grid points per piece of the table: a piece holds at most this many lines.
inline constexpr std::size_t kTableBlockPoints = 16384;

// Scans V with step h and hands output the table: the header line "Ángulo", "Derivada de V",
// "V(Kcal/mol)", then one line per accepted grid point with its three "%g" texts, in the given
// order. The grid is scanned in blocks of kTableBlockPoints points on up to `threads` threads;
// the bytes are the same for every thread count, and whatever the order only a few blocks'
// text is held at once. Rethrows a failure to allocate.
void WriteScanTable(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                    const TableOutput& output, unsigned threads);

// The whole table as one string, made on `threads` threads.
std::string ScanTableText(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                          unsigned threads = 1);
