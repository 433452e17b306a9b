#pragma once

// The fit of an energy profile as zelmara-scan --fit prints it: text (TSV or CSV) and JSON.

#include "core/conformational_analysis.h"
#include "report/scan_table.h"

#include "fitting/energy_profile.h"
#include "fitting/torsion_fit.h"

#include <string>
#include <string_view>

// The text form, ending in a line end: lines "Archivo", "Formato", "Términos", "V1" ... "V6",
// "Desplazamiento", the point counts, "RMSE" and the largest residual, each a name and a value;
// an empty line and the table of points (angle, reference, fitted, residual, "sí"/"no" for used);
// an empty line and the profile's own minima (angle, energy); an empty line and the analysis of
// the fitted V as AnalysisTableText gives it. Numbers are "%g" texts; CSV fields are quoted
// where they need it.
std::string FitReportText(std::string_view fileName, ProfileFormat format, const TorsionFit& fit,
                          const ConformationalAnalysis& analysis, TableFormat table);

// The JSON form, ending in a line end: {"file", "format", "terms", "points": [{"angle",
// "reference", "fitted", "residual", "used"}, ...], "V": [V1 ... V6], "offset", "used",
// "left_out", "rmse", "max_error", "profile_minima": [{"angle", "energy"}, ...], "warning"
// (null when there is none), "analysis": the object zelmara-scan --analyze --json prints}.
std::string FitReportJson(std::string_view fileName, ProfileFormat format, const TorsionFit& fit,
                          const ConformationalAnalysis& analysis);

// text as a JSON string: quoted, with '"', '\\' and control characters escaped and every byte
// that is not part of valid UTF-8 replaced by U+FFFD.
std::string JsonString(std::string_view text);
