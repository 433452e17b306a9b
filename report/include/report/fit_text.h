#pragma once

// The texts of a torsion fit that zelmara-scan --fit prints and the fit window shows: its
// figures, the table of its points and the warnings.

#include "fitting/torsion_fit.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// One figure of a fit: its name with the unit, and its value as "%g" writes it.
struct FitFigure {
    std::string_view name;
    std::string value;
};

// V1 ... V6, the offset, the points used and left out, the RMSE and the largest error, in that
// order.
std::vector<FitFigure> FitFigures(const TorsionFit& fit);

// Angle, reference, fitted, residual, used.
inline constexpr std::array<std::string_view, 5> kFitPointHeadings = {
    "Ángulo", "Referencia (kcal/mol)", "Ajuste (kcal/mol)", "Residuo (kcal/mol)", "Usado"};

// One row per point in the fit's order: the numbers as "%g" writes them, then "sí" or "no".
std::vector<std::array<std::string, 5>> FitPointRows(const TorsionFit& fit);

// A profile's note or a fit's warning as a line of its own: "aviso: " and the text.
std::string WarningText(std::string_view text);
