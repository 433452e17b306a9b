#include "analysis_json.h"

#include "cli/json_text.h"

#include <string_view>

namespace {

std::string_view KindName(StationaryKind kind)
{
    switch (kind) {
    case StationaryKind::Minimum:
        return "minimum";
    case StationaryKind::Maximum:
        return "maximum";
    case StationaryKind::Inflection:
        break;
    }
    return "inflection";
}

// A JSON list of items, one per line; describe(text, item) appends one item's object.
template <class Item, class Describe>
void AppendList(std::string& text, std::string_view key, const std::vector<Item>& items, Describe describe)
{
    text.append(",\n \"").append(key).append("\": [");
    for (std::size_t i = 0; i < items.size(); ++i) {
        text.append(i == 0 ? "\n  " : ",\n  ");
        describe(text, items[i]);
    }
    text.append(items.empty() ? "]" : "\n ]");
}

}  // namespace

std::string AnalysisJson(const CoefficientSet& V, const ConformationalAnalysis& analysis)
{
    std::string text = "{\"V\": [";
    for (int n = 1; n <= 6; ++n) text.append(n > 1 ? ", " : "").append(JsonNumber(V[n]));
    text.append("], \"temperature_K\": ").append(JsonNumber(analysis.temperature));
    text.append(", \"constant\": ").append(analysis.constant ? "true" : "false");

    AppendList(text, "stationary_points", analysis.points, [](std::string& out, const StationaryPoint& point) {
        out.append("{\"angle\": ").append(JsonNumber(point.angle));
        out.append(", \"type\": \"").append(KindName(point.kind));
        out.append("\", \"V\": ").append(JsonNumber(point.potential));
        out.append(", \"d2V\": ").append(JsonNumber(point.curvature)).append("}");
    });
    AppendList(text, "minima", analysis.conformers, [](std::string& out, const Conformer& minimum) {
        out.append("{\"angle\": ").append(JsonNumber(minimum.angle));
        out.append(", \"V\": ").append(JsonNumber(minimum.potential));
        out.append(", \"relative_V\": ").append(JsonNumber(minimum.relativePotential));
        out.append(", \"population\": ").append(JsonNumber(minimum.population));
        out.append(", \"basin\": [").append(JsonNumber(minimum.basinFrom));
        out.append(", ").append(JsonNumber(minimum.basinTo)).append("]}");
    });
    AppendList(text, "barriers", analysis.barriers, [](std::string& out, const Barrier& barrier) {
        out.append("{\"from\": ").append(JsonNumber(barrier.from));
        out.append(", \"to\": ").append(JsonNumber(barrier.to));
        out.append(", \"over\": ").append(JsonNumber(barrier.over));
        out.append(", \"height\": ").append(JsonNumber(barrier.height)).append("}");
    });
    text.append("}\n");
    return text;
}
