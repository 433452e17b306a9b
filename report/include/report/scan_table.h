#pragma once

#include "core/coefficient_set.h"
#include "core/extremum_scan.h"
#include "text/number_text.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// The result table as text: the form zelmara-scan prints and the window copies and saves.

// Field separator of the table: TAB, or RFC 4180 commas. Lines end in LF either way.
enum class TableFormat { Tab, Csv };

// LargestAngleFirst is the order of the main window's list; ScanOrder is increasing angle.
enum class RowOrder { LargestAngleFirst, ScanOrder };

// Receives the table's bytes in pieces, in output order.
using TableOutput = std::function<void(std::string_view)>;

// Grid points per piece of the table: a piece holds at most this many lines.
inline constexpr std::size_t kTableBlockPoints = 16384;

// Room WriteTableRowLine needs: three number texts, two separators and the line end.
inline constexpr std::size_t kTableRowLineCapacity = 3 * kNumberTextCapacity + 3;

// The table's column headings, which the main window's list shows too.
inline constexpr std::array<std::string_view, 3> kTableHeadings = {
    "Ángulo", "Derivada de V", "V(Kcal/mol)"};

// The header line: kTableHeadings with its line end. Neither it nor a "%g" text holds a comma,
// a quote or a line break, so no CSV field ever needs quoting.
std::string TableHeaderLine(TableFormat format);

// Writes the line of row (its three "%g" texts and the line end) at out, which must have room
// for kTableRowLineCapacity chars, and returns the end of what it wrote.
char* WriteTableRowLine(char* out, const ExtremumRow& row, TableFormat format);

// Writes the text of one row at out and returns its end; called on several threads at once.
using RowTextWriter = std::function<char*(char* out, const ExtremumRow& row)>;

// The most a RowTextWriter may write for one row.
inline constexpr std::size_t kMaxRowTextBytes = 1024;

// Scans V with step h and hands output the text writeRow makes for every accepted grid point,
// in the given order. The grid is scanned in blocks of kTableBlockPoints points on up to
// `threads` threads (see MakeInOrder); the bytes are the same for every thread count, and
// whatever the order only a few blocks' text is held at once. Rethrows a failure to allocate,
// and whatever output throws.
void WriteScanRows(const CoefficientSet& V, double h, RowOrder order, const RowTextWriter& writeRow,
                   const TableOutput& output, unsigned threads);

// The table: the header line, then WriteScanRows with the line of every row.
void WriteScanTable(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                    const TableOutput& output, unsigned threads);

// The whole table as one string, made on `threads` threads.
std::string ScanTableText(const CoefficientSet& V, double h, TableFormat format, RowOrder order,
                          unsigned threads = 1);
