#pragma once

#include "core/coefficient_set.h"
#include "core/conformational_analysis.h"

#include <string>

// The conformational analysis of V as one JSON object, ending in a line end:
//   {"V": [V1, ..., V6], "temperature_K": T, "constant": false,
//    "stationary_points": [{"angle", "type": "minimum" | "maximum" | "inflection", "V", "d2V"}, ...],
//    "minima": [{"angle", "V", "relative_V", "population", "basin": [from, to]}, ...],
//    "barriers": [{"from", "to", "over", "height"}, ...]}
// lists in the analysis's order (increasing angle; barriers by "from"), one item per line,
// numbers as WriteJsonNumber writes them. A constant potential has "constant": true and the
// three lists empty.
std::string AnalysisJson(const CoefficientSet& V, const ConformationalAnalysis& analysis);
