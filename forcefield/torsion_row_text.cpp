#include "forcefield/torsion_row_text.h"

#include "text/number_text.h"

#include <algorithm>

namespace {

// Max V - min V over the turn: both are at stationary points.
double RotationBarrier(const ConformationalAnalysis& analysis)
{
    if (analysis.points.empty()) return 0.0;
    const auto [low, high] = std::ranges::minmax(analysis.points, {}, &StationaryPoint::potential);
    return high.potential - low.potential;
}

}  // namespace

std::string ShownTypes(const std::vector<std::string>& types)
{
    std::string shown;
    for (const std::string& type : types) {
        if (!shown.empty()) shown += ' ';
        shown += type.empty() ? "\"\"" : type;
    }
    return shown;
}

std::string TorsionSource(const ForceFieldTorsion& torsion)
{
    return torsion.file + ":" + std::to_string(torsion.line);
}

const ConformationalAnalysisResult& TorsionAnalyses::Of(const ForceFieldTorsion& torsion)
{
    static const ConformationalAnalysisResult kNone;
    if (!torsion.converted()) return kNone;
    auto [known, added] = known_.try_emplace(torsion.V);
    if (added) known->second = AnalyzeConformations(torsion.V, temperature_);
    return known->second;
}

TorsionRowText TorsionRow(const ForceFieldTorsion& torsion, const ConformationalAnalysisResult& analysis)
{
    TorsionRowText row;
    if (!torsion.converted() || !analysis.ok()) {
        row.refusal = torsion.converted() ? analysis.refusal : torsion.refusal;
        return row;
    }
    for (std::size_t n = 1; n <= 6; ++n) row.V[n - 1] = FormatG(torsion.V[n]);
    row.offset = FormatG(torsion.offset);
    for (const Conformer& conformer : analysis.analysis.conformers) {
        if (!row.minima.empty()) row.minima += ' ';
        row.minima += FormatG(conformer.angle);
    }
    row.barrier = FormatG(RotationBarrier(analysis.analysis));
    return row;
}
