#pragma once

#include "conformational_analysis.h"
#include "scan_table.h"

#include <string>

// The conformational analysis as zelmara-scan --analyze prints it, TSV or CSV (numbers as
// "%g"): the header "Tipo", "Ángulo", "V(Kcal/mol)", "ΔV(Kcal/mol)", "Población (%)" and a line
// per stationary point in increasing angle, typed "mínimo", "máximo" or "inflexión", ΔV and
// population left empty but for minima; then an empty line, the header "Desde", "Hasta",
// "Sobre", "Barrera(Kcal/mol)" and a line per barrier. A constant potential gives the first
// header and the line "El potencial es constante: no hay puntos extremos." alone.
std::string AnalysisTableText(const ConformationalAnalysis& analysis, TableFormat format);
