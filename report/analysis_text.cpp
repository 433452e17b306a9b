#include "report/analysis_text.h"

#include "text/number_text.h"

#include <utility>

namespace {

// No field holds a comma, a quote or a line break, so no CSV field needs quoting.
template <typename Fields>
void AppendLine(std::string& text, const Fields& fields, TableFormat format)
{
    const char separator = format == TableFormat::Csv ? ',' : '\t';
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) text += separator;
        text += field;
        first = false;
    }
    text += '\n';
}

}  // namespace

std::string_view StationaryKindWord(StationaryKind kind)
{
    switch (kind) {
    case StationaryKind::Minimum: return "mínimo";
    case StationaryKind::Maximum: return "máximo";
    case StationaryKind::Inflection: break;
    }
    return "inflexión";
}

std::vector<PointRow> PointRows(const ConformationalAnalysis& analysis)
{
    std::vector<PointRow> rows;
    rows.reserve(analysis.points.size());
    // The conformers are the minima among the points, in the same increasing order.
    auto conformer = analysis.conformers.begin();
    for (const StationaryPoint& point : analysis.points) {
        PointRow row{std::string(StationaryKindWord(point.kind)), FormatG(point.angle), FormatG(point.potential), {}, {}};
        if (point.kind == StationaryKind::Minimum && conformer != analysis.conformers.end()) {
            row[3] = FormatG(conformer->relativePotential);
            row[4] = FormatG(100.0 * conformer->population);
            ++conformer;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<BarrierRow> BarrierRows(const ConformationalAnalysis& analysis)
{
    std::vector<BarrierRow> rows;
    rows.reserve(analysis.barriers.size());
    for (const Barrier& barrier : analysis.barriers)
        rows.push_back({FormatG(barrier.from), FormatG(barrier.to), FormatG(barrier.over), FormatG(barrier.height)});
    return rows;
}

std::string AnalysisTableText(const ConformationalAnalysis& analysis, TableFormat format)
{
    std::string text;
    AppendLine(text, kPointHeadings, format);
    if (analysis.constant) {
        text += kConstantPotentialText;
        text += '\n';
        return text;
    }
    for (const PointRow& row : PointRows(analysis)) AppendLine(text, row, format);
    text += '\n';
    AppendLine(text, kBarrierHeadings, format);
    for (const BarrierRow& row : BarrierRows(analysis)) AppendLine(text, row, format);
    return text;
}
