#include "fitting/torsion_fit.h"

#include "householder_qr.h"

#include "core/conformational_analysis.h"
#include "text/number_text.h"
#include "core/potential.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

// The term n's column: 1/2 (1 - cos n(180 - phi)), evaluated as Potential evaluates a term.
double TermValue(int n, double phi)
{
    return (1.0 - std::cos(((n * (180.0 - phi)) * std::numbers::pi) / 180.0)) * 0.5;
}

std::string OptionRefusal(const FitOptions& options)
{
    if (std::none_of(options.terms.begin() + 1, options.terms.end(), [](bool chosen) { return chosen; }))
        return "no se ha elegido ningún término que ajustar";
    if (options.cutoff && !(*options.cutoff >= 0.0 && std::isfinite(*options.cutoff)))
        return "el corte debe ser un número de kcal/mol mayor o igual que 0";
    if (options.boltzmann && !(*options.boltzmann >= kMinTemperature && *options.boltzmann <= kMaxTemperature))
        return "la temperatura de Boltzmann debe estar entre " + FormatG(kMinTemperature) + " y " +
               FormatG(kMaxTemperature) + " K";
    return {};
}

std::vector<ProfileMinimum> ProfileMinima(const TorsionFit& fit)
{
    std::vector<ProfileMinimum> lowest;   // the lowest energy at each angle, increasing angle
    for (const FittedPoint& point : fit.points)
        if (point.used) lowest.push_back({point.angle, point.reference});
    std::sort(lowest.begin(), lowest.end(), [](const ProfileMinimum& a, const ProfileMinimum& b) {
        return a.angle < b.angle || (a.angle == b.angle && a.energy < b.energy);
    });
    lowest.erase(std::unique(lowest.begin(), lowest.end(),
                             [](const ProfileMinimum& a, const ProfileMinimum& b) { return a.angle == b.angle; }),
                 lowest.end());
    const std::size_t count = lowest.size();
    if (count < 2) return lowest;

    // Round the turn only when the gap across 0 is no wider than the others' widest, about.
    double widest = 0.0;
    for (std::size_t i = 1; i < count; ++i) widest = std::max(widest, lowest[i].angle - lowest[i - 1].angle);
    const bool roundTurn = 360.0 - lowest.back().angle + lowest.front().angle <= 1.5 * widest;
    constexpr double kNone = std::numeric_limits<double>::infinity();
    std::vector<ProfileMinimum> minima;
    for (std::size_t i = 0; i < count; ++i) {
        const double before = i > 0 ? lowest[i - 1].energy : roundTurn ? lowest[count - 1].energy : kNone;
        const double after = i + 1 < count ? lowest[i + 1].energy : roundTurn ? lowest[0].energy : kNone;
        if (lowest[i].energy < before && lowest[i].energy <= after) minima.push_back(lowest[i]);
    }
    if (minima.empty())
        minima.push_back(*std::min_element(lowest.begin(), lowest.end(), [](const auto& a, const auto& b) {
            return a.energy < b.energy;
        }));
    return minima;
}

}  // namespace

std::string TermsText(const TermSet& terms)
{
    std::string text;
    for (int n = 1; n <= 6; ++n)
        if (terms[static_cast<std::size_t>(n)]) {
            if (!text.empty()) text += ',';
            text += static_cast<char>('0' + n);
        }
    return text;
}

TorsionFitResult FitTorsion(const std::vector<ProfilePoint>& points, const FitOptions& options)
{
    TorsionFitResult result;
    result.refusal = OptionRefusal(options);
    if (!result.ok()) return result;
    if (points.empty()) {
        result.refusal = "el perfil no tiene ningún punto";
        return result;
    }

    std::vector<int> chosen;
    for (int n = 1; n <= 6; ++n)
        if (options.terms[static_cast<std::size_t>(n)]) chosen.push_back(n);
    const std::size_t columns = 1 + chosen.size();

    std::vector<ProfilePoint> used;
    for (const ProfilePoint& point : points)
        if (!options.cutoff || point.energy <= *options.cutoff) used.push_back(point);
    std::sort(used.begin(), used.end(), [](const ProfilePoint& a, const ProfilePoint& b) {
        return a.angle < b.angle || (a.angle == b.angle && a.energy < b.energy);
    });

    std::vector<double> design, energies;
    design.reserve(used.size() * columns);
    for (const ProfilePoint& point : used) {
        const double root =
            options.boltzmann ? std::sqrt(std::exp(-point.energy / (kGasConstant * *options.boltzmann))) : 1.0;
        design.push_back(root);
        for (const int n : chosen) design.push_back(root * TermValue(n, point.angle));
        energies.push_back(root * point.energy);
    }
    const LeastSquaresSolution solution =
        SolveLeastSquares(std::move(design), std::move(energies), used.size(), columns, kRankTolerance);
    if (solution.rank < columns) {
        result.refusal = "los puntos no bastan para los términos pedidos: hay " + std::to_string(solution.rank) +
                         " puntos independientes (de ángulo |180 − φ| distinto y de peso no nulo) y los términos " +
                         TermsText(options.terms) + " con el desplazamiento necesitan " + std::to_string(columns);
        return result;
    }

    TorsionFit& fit = result.fit;
    fit.terms = options.terms;
    fit.offset = solution.x[0];
    for (std::size_t k = 0; k < chosen.size(); ++k) fit.V[static_cast<std::size_t>(chosen[k])] = solution.x[k + 1];
    double squares = 0.0, low = 0.0, high = 0.0;
    bool any = false;
    for (const ProfilePoint& point : points) {
        const double fitted = fit.offset + Potential(fit.V, point.angle);
        const bool isUsed = !options.cutoff || point.energy <= *options.cutoff;
        fit.points.push_back({point.angle, point.energy, fitted, point.energy - fitted, isUsed});
        if (!isUsed) {
            ++fit.leftOut;
            continue;
        }
        ++fit.used;
        fit.maxError = std::max(fit.maxError, std::fabs(point.energy - fitted));
        low = any ? std::min(low, point.energy) : point.energy;
        high = any ? std::max(high, point.energy) : point.energy;
        any = true;
    }
    // Summed in the sorted order, so that the RMSE too is the same for any order of the points.
    for (const ProfilePoint& point : used) {
        const double residual = point.energy - (fit.offset + Potential(fit.V, point.angle));
        squares += residual * residual;
    }
    fit.rmse = std::sqrt(squares / fit.used);
    if (!std::isfinite(fit.rmse) || !std::isfinite(fit.offset) ||
        !std::all_of(fit.V.begin(), fit.V.end(), [](double v) { return std::isfinite(v); })) {
        result.refusal = "el ajuste no da números finitos: los puntos están demasiado cerca de no determinar los términos";
        return result;
    }
    fit.profileMinima = ProfileMinima(fit);
    if (high > low && fit.rmse > kPoorFitShare * (high - low))
        fit.warning = "el ajuste se aparta del perfil (RMSE " + FormatG(fit.rmse) + " kcal/mol, el " +
                      FormatG(std::round(100.0 * fit.rmse / (high - low))) +
                      " % de su intervalo): los seis términos de coseno no describen este perfil; si tiene "
                      "puntos muy altos (un choque estérico), déjelos fuera con un corte (--cutoff)";
    return result;
}
