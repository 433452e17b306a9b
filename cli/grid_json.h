#pragma once

#include "core/coefficient_set.h"
#include "report/scan_table.h"

// The grid table as one JSON object:
//   {"V": [V1, ..., V6], "precision": h, "rows": [
//   {"angle": ..., "derivative": ..., "potential": ...},
//   ...
//   ]}
// with a row per accepted grid point in the given order, numbers as WriteJsonNumber writes
// them, and a line end after the closing brace. Made and streamed like WriteScanTable.
void WriteGridJson(const CoefficientSet& V, double h, RowOrder order, const TableOutput& output, unsigned threads);
