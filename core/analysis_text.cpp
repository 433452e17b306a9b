#include "analysis_text.h"

#include "number_text.h"

#include <initializer_list>
#include <string_view>

namespace {

// No field holds a comma, a quote or a line break, so no CSV field needs quoting.
void AppendLine(std::string& text, std::initializer_list<std::string_view> fields, TableFormat format)
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

std::string_view KindWord(StationaryKind kind)
{
    switch (kind) {
    case StationaryKind::Minimum:
        return "mínimo";
    case StationaryKind::Maximum:
        return "máximo";
    case StationaryKind::Inflection:
        break;
    }
    return "inflexión";
}

}  // namespace

std::string AnalysisTableText(const ConformationalAnalysis& analysis, TableFormat format)
{
    std::string text;
    AppendLine(text, {"Tipo", "Ángulo", "V(Kcal/mol)", "ΔV(Kcal/mol)", "Población (%)"}, format);
    if (analysis.constant) {
        text += "El potencial es constante: no hay puntos extremos.\n";
        return text;
    }

    // The minima among the points are the conformers, in the same increasing order.
    auto conformer = analysis.conformers.begin();
    for (const StationaryPoint& point : analysis.points) {
        std::string relative, population;
        if (point.kind == StationaryKind::Minimum && conformer != analysis.conformers.end()) {
            relative = FormatG(conformer->relativePotential);
            population = FormatG(100.0 * conformer->population);
            ++conformer;
        }
        AppendLine(text, {KindWord(point.kind), FormatG(point.angle), FormatG(point.potential), relative, population},
                   format);
    }

    text += '\n';
    AppendLine(text, {"Desde", "Hasta", "Sobre", "Barrera(Kcal/mol)"}, format);
    for (const Barrier& barrier : analysis.barriers)
        AppendLine(text, {FormatG(barrier.from), FormatG(barrier.to), FormatG(barrier.over), FormatG(barrier.height)},
                   format);
    return text;
}
