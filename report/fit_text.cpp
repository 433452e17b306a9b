#include "report/fit_text.h"

#include "text/number_text.h"

namespace {

constexpr std::string_view kCoefficientNames[] = {"V1 (kcal/mol)", "V2 (kcal/mol)", "V3 (kcal/mol)",
                                                  "V4 (kcal/mol)", "V5 (kcal/mol)", "V6 (kcal/mol)"};

}  // namespace

std::vector<FitFigure> FitFigures(const TorsionFit& fit)
{
    std::vector<FitFigure> figures;
    for (int n = 1; n <= 6; ++n)
        figures.push_back({kCoefficientNames[n - 1], FormatG(fit.V[static_cast<std::size_t>(n)])});
    figures.push_back({"Desplazamiento (kcal/mol)", FormatG(fit.offset)});
    figures.push_back({"Puntos usados", std::to_string(fit.used)});
    figures.push_back({"Puntos excluidos", std::to_string(fit.leftOut)});
    figures.push_back({"RMSE (kcal/mol)", FormatG(fit.rmse)});
    figures.push_back({"Error máximo (kcal/mol)", FormatG(fit.maxError)});
    return figures;
}

std::vector<std::array<std::string, 5>> FitPointRows(const TorsionFit& fit)
{
    std::vector<std::array<std::string, 5>> rows;
    rows.reserve(fit.points.size());
    for (const FittedPoint& point : fit.points)
        rows.push_back({FormatG(point.angle), FormatG(point.reference), FormatG(point.fitted),
                        FormatG(point.residual), point.used ? "sí" : "no"});
    return rows;
}

std::string WarningText(std::string_view text)
{
    return "aviso: " + std::string(text);
}
