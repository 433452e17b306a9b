#include "core/conformational_analysis.h"

#include "basin_weight.h"
#include "core/potential.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// d2V/dphi2 = 1/2 sum_n n^2 Vn cos(n (180 - phi)), per radian squared, turned into per degree
// squared; each term angle as Potential forms it.
double Curvature(const CoefficientSet& V, double phi)
{
    const double s = 180.0 - phi;
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) {
        if (V[n] == 0.0) continue;
        sum = sum + std::cos(TermAngle(n, s)) * ((n * n) * V[n]);
    }
    constexpr double kHalfPerDegreeSquared = 0.5 * (kPi / 180.0) * (kPi / 180.0);
    return sum * kHalfPerDegreeSquared;
}

std::string Refusal(const CoefficientSet& V, double temperature)
{
    for (int n = 1; n <= 6; ++n) {
        const std::string name = "El coeficiente V" + std::to_string(n);
        if (!std::isfinite(V[n])) return name + " no es un número finito.";
        if (std::fabs(V[n]) > kMaxAnalysedCoefficient)
            return name + " es demasiado grande para el análisis: su valor absoluto no puede superar " +
                   FormatG(kMaxAnalysedCoefficient) + ".";
    }
    if (!(temperature >= kMinTemperature && temperature <= kMaxTemperature))
        return "La temperatura debe estar entre " + FormatG(kMinTemperature) + " y " + FormatG(kMaxTemperature) + " K.";
    return {};
}

// Going upward from 'from', the angle travelled to reach 'to' (through 360 if needed), in (0, 360].
double UpwardDistance(double from, double to)
{
    const double d = to - from;
    return d > 0.0 ? d : d + 360.0;
}

std::vector<std::size_t> IndicesOfKind(const std::vector<StationaryPoint>& points, StationaryKind kind)
{
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (points[i].kind == kind) indices.push_back(i);
    return indices;
}

// The highest maximum met going upward from point 'from' to point 'to' (exclusive); the whole
// turn when from == to.
const StationaryPoint& HighestMaximumBetween(const std::vector<StationaryPoint>& points, std::size_t from, std::size_t to)
{
    const StationaryPoint* highest = nullptr;
    for (std::size_t i = (from + 1) % points.size(); i != to; i = (i + 1) % points.size()) {
        const StationaryPoint& p = points[i];
        if (p.kind == StationaryKind::Maximum && (highest == nullptr || p.potential > highest->potential)) highest = &p;
    }
    return *highest;
}

void AddConformers(const CoefficientSet& V, ConformationalAnalysis& analysis)
{
    const std::vector<StationaryPoint>& points = analysis.points;
    const std::vector<std::size_t> minima = IndicesOfKind(points, StationaryKind::Minimum);
    const std::vector<std::size_t> maxima = IndicesOfKind(points, StationaryKind::Maximum);
    double lowest = points[minima.front()].potential;
    for (const std::size_t i : minima) lowest = std::min(lowest, points[i].potential);

    const double RT = kGasConstant * analysis.temperature;
    const BasinWeight basinWeight(V, RT);
    std::vector<double> weights;
    double total = 0.0;
    for (const std::size_t i : minima) {
        const StationaryPoint& m = points[i];
        // Minima and maxima alternate, so the basin's ends are the nearest maxima either side.
        const auto after = std::upper_bound(maxima.begin(), maxima.end(), i);
        const double to = points[after == maxima.end() ? maxima.front() : *after].angle;
        const double from = points[after == maxima.begin() ? maxima.back() : *(after - 1)].angle;
        const double relative = m.potential - lowest;
        analysis.conformers.push_back({m.angle, m.potential, relative, 0.0, from, to});
        weights.push_back(basinWeight(m.angle, UpwardDistance(from, m.angle), UpwardDistance(m.angle, to)) *
                          std::exp(-relative / RT));
        total += weights.back();
    }
    for (std::size_t k = 0; k < weights.size(); ++k) analysis.conformers[k].population = weights[k] / total;
}

void AddBarriers(ConformationalAnalysis& analysis)
{
    const std::vector<StationaryPoint>& points = analysis.points;
    const std::vector<std::size_t> minima = IndicesOfKind(points, StationaryKind::Minimum);
    const auto add = [&](const StationaryPoint& from, const StationaryPoint& to, const StationaryPoint& over) {
        analysis.barriers.push_back({from.angle, to.angle, over.angle, std::max(0.0, over.potential - from.potential)});
    };
    for (std::size_t k = 0; k < minima.size(); ++k) {
        const std::size_t next = minima[(k + 1) % minima.size()];
        const StationaryPoint& over = HighestMaximumBetween(points, minima[k], next);
        add(points[minima[k]], points[next], over);
        if (next != minima[k]) add(points[next], points[minima[k]], over);
    }
    std::sort(analysis.barriers.begin(), analysis.barriers.end(), [](const Barrier& a, const Barrier& b) {
        return a.from != b.from ? a.from < b.from : a.over < b.over;
    });
}

}  // namespace

ConformationalAnalysisResult AnalyzeConformations(const CoefficientSet& V, double temperature)
{
    ConformationalAnalysisResult result;
    result.refusal = Refusal(V, temperature);
    if (!result.ok()) return result;

    ConformationalAnalysis& analysis = result.analysis;
    analysis.temperature = temperature;
    analysis.constant = std::all_of(V.begin() + 1, V.end(), [](double v) { return v == 0.0; });
    if (analysis.constant) return result;

    for (const StationaryAngle& s : FindStationaryAngles(V))
        analysis.points.push_back({s.angle, s.kind, Potential(V, s.mirrorAngle), Curvature(V, s.mirrorAngle)});
    AddConformers(V, analysis);
    AddBarriers(analysis);
    return result;
}
