#pragma once

// The conformational analysis as text, the same wherever it is shown: the window's lists take
// its rows, zelmara-scan --analyze prints its table. Spanish headings and type words; numbers
// as "%g" texts that do not depend on the process locale.

#include "core/conformational_analysis.h"
#include "report/scan_table.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::array<std::string_view, 5> kPointHeadings = {
    "Tipo", "Ángulo", "V(Kcal/mol)", "ΔV(Kcal/mol)", "Población (%)"};
inline constexpr std::array<std::string_view, 4> kBarrierHeadings = {
    "Desde", "Hasta", "Sobre", "Barrera(Kcal/mol)"};

// Said instead of any row when every coefficient is zero.
inline constexpr std::string_view kConstantPotentialText = "El potencial es constante: no hay puntos extremos.";

// "mínimo", "máximo" or "inflexión".
std::string_view StationaryKindWord(StationaryKind kind);

using PointRow = std::array<std::string, 5>;
using BarrierRow = std::array<std::string, 4>;

// One row per stationary point, in the analysis's order (increasing angle): type, angle, V, and
// for a minimum its ΔV and population in percent (empty for maxima and inflections).
std::vector<PointRow> PointRows(const ConformationalAnalysis& analysis);

// One row per barrier, in the analysis's order: from, to, over, height.
std::vector<BarrierRow> BarrierRows(const ConformationalAnalysis& analysis);

// The analysis as zelmara-scan --analyze prints it, TSV or CSV: the point headings and a line per
// point row; then an empty line, the barrier headings and a line per barrier row. A constant
// potential gives the point headings and kConstantPotentialText alone.
std::string AnalysisTableText(const ConformationalAnalysis& analysis, TableFormat format);
