#include "cli/force_field_program.h"

#include "analysis_json.h"
#include "forcefield/force_field_file.h"
#include "cli/json_text.h"
#include "text/number_text.h"

#include <algorithm>
#include <map>

namespace {

constexpr int kExitBadArguments = 2;

bool IsWildcard(const std::string& name) { return name.empty() || name == "X" || name == "x"; }

bool SameNames(const std::vector<std::string>& file, const std::vector<std::string>& asked, bool reversed)
{
    for (std::size_t i = 0; i < file.size(); ++i) {
        const std::string& name = file[reversed ? file.size() - 1 - i : i];
        if (!IsWildcard(name) && name != asked[i]) return false;
    }
    return true;
}

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 15];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string ShownTypes(const std::vector<std::string>& types)
{
    std::string shown;
    for (const std::string& type : types) {
        if (!shown.empty()) shown += ' ';
        shown += type.empty() ? "\"\"" : type;
    }
    return shown;
}

std::string Source(const ForceFieldTorsion& torsion) { return torsion.file + ":" + std::to_string(torsion.line); }

// Max V - min V over the turn: both are at stationary points.
double RotationBarrier(const ConformationalAnalysis& analysis)
{
    if (analysis.points.empty()) return 0.0;
    const auto [low, high] = std::ranges::minmax(analysis.points, {}, &StationaryPoint::potential);
    return high.potential - low.potential;
}

class Listing {
public:
    Listing(const ScanRequest& request, const ForceFieldFileReading& file) : request_(request), file_(file) {}

    std::string Table() const
    {
        const char separator = request_.format == TableFormat::Csv ? ',' : '\t';
        std::string text;
        const auto row = [&](const std::vector<std::string>& cells) {
            for (std::size_t i = 0; i < cells.size(); ++i) {
                if (i > 0) text += separator;
                text += separator == ',' ? CsvField(cells[i]) : cells[i];
            }
            text += '\n';
        };
        row({"Tipos", "Origen", "V1", "V2", "V3", "V4", "V5", "V6", "Desplazamiento", "Mínimos", "Barrera de rotación"});
        for (const ForceFieldTorsion& torsion : file_.reading.torsions) {
            if (!Wanted(torsion)) continue;
            std::vector<std::string> cells{ShownTypes(torsion.types), Source(torsion)};
            const ConformationalAnalysisResult& analysis = Analysis(torsion);
            if (!torsion.converted() || !analysis.ok()) {
                cells.push_back(torsion.converted() ? analysis.refusal : torsion.refusal);
                row(cells);
                continue;
            }
            // "%g", as every table of the program; --json has the exact values.
            for (std::size_t n = 1; n <= 6; ++n) cells.push_back(FormatG(torsion.V[n]));
            cells.push_back(FormatG(torsion.offset));
            std::string minima;
            for (const Conformer& conformer : analysis.analysis.conformers) {
                if (!minima.empty()) minima += ' ';
                minima += FormatG(conformer.angle);
            }
            cells.push_back(minima);
            cells.push_back(FormatG(RotationBarrier(analysis.analysis)));
            row(cells);
        }
        return text;
    }

    std::string Json() const
    {
        std::string json = "{\"file\": " + JsonString(request_.forceFieldPath) + ", \"format\": " +
                           JsonString(FormatName(file_.format)) + ", \"torsions\": [";
        bool first = true;
        for (const ForceFieldTorsion& torsion : file_.reading.torsions) {
            if (!Wanted(torsion)) continue;
            json += first ? "\n" : ",\n";
            first = false;
            json += "{\"types\": [";
            for (std::size_t i = 0; i < torsion.types.size(); ++i) json += (i ? ", " : "") + JsonString(torsion.types[i]);
            json += "], \"source\": " + JsonString(Source(torsion));
            const ConformationalAnalysisResult& analysis = Analysis(torsion);
            if (!torsion.converted() || !analysis.ok()) {
                json += ", \"error\": " + JsonString(torsion.converted() ? analysis.refusal : torsion.refusal) + "}";
                continue;
            }
            json += ", \"V\": [";
            for (std::size_t n = 1; n <= 6; ++n) json += (n > 1 ? ", " : "") + JsonNumber(torsion.V[n]);
            std::string analysisJson = AnalysisJson(torsion.V, analysis.analysis);
            while (!analysisJson.empty() && analysisJson.back() == '\n') analysisJson.pop_back();
            json += "], \"offset\": " + JsonNumber(torsion.offset) + ", \"analysis\": " + analysisJson + "}";
        }
        json += "], \"impropers_skipped\": " + std::to_string(file_.reading.impropersSkipped) + "}\n";
        return json;
    }

private:
    bool Wanted(const ForceFieldTorsion& torsion) const
    {
        return !request_.typesGiven || TypesMatch(torsion.types, request_.types);
    }

    // Force fields repeat their parameters under many type names: each distinct V is analysed once.
    const ConformationalAnalysisResult& Analysis(const ForceFieldTorsion& torsion) const
    {
        static const ConformationalAnalysisResult kNone;
        if (!torsion.converted()) return kNone;
        auto [known, added] = analyses_.try_emplace(torsion.V);
        if (added) known->second = AnalyzeConformations(torsion.V, request_.temperature);
        return known->second;
    }

    const ScanRequest& request_;
    const ForceFieldFileReading& file_;
    mutable std::map<CoefficientSet, ConformationalAnalysisResult> analyses_;
};

}  // namespace

bool TypesMatch(const std::vector<std::string>& fileTypes, const std::vector<std::string>& asked)
{
    if (asked.size() == 1) return std::ranges::find(fileTypes, asked[0]) != fileTypes.end();
    if (fileTypes.size() == asked.size()) return SameNames(fileTypes, asked, false) || SameNames(fileTypes, asked, true);
    if (fileTypes.size() == 2 && asked.size() == 4) return TypesMatch(fileTypes, {asked[1], asked[2]});
    if (fileTypes.size() == 4 && asked.size() == 2) return TypesMatch({fileTypes[1], fileTypes[2]}, asked);
    return false;
}

int ListForceField(const ScanRequest& request, std::string& out, std::vector<std::string>& notes, std::string& error)
{
    ForceFieldOptions options;
    if (!request.forceFieldFormat.empty()) options.format = FormatNamed(request.forceFieldFormat);
    options.lammps.style = request.lammpsStyle;
    if (!request.lammpsUnits.empty()) options.lammps.units = LammpsUnitsNamed(request.lammpsUnits);
    const ForceFieldFileReading file = ReadForceFieldFile(request.forceFieldPath, options);
    if (!file.reading.ok()) {
        error = file.reading.error;
        return kExitBadArguments;
    }
    notes = file.reading.notes;
    const Listing listing(request, file);
    out = request.json ? listing.Json() : listing.Table();
    return 0;
}
