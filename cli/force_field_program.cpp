#include "cli/force_field_program.h"

#include "analysis_json.h"
#include "forcefield/force_field_file.h"
#include "forcefield/torsion_row_text.h"
#include "cli/json_text.h"

namespace {

constexpr int kExitBadArguments = 2;

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

class Listing {
public:
    Listing(const ScanRequest& request, const ForceFieldFileReading& file)
        : request_(request), file_(file), analyses_(request.temperature)
    {
    }

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
        row(std::vector<std::string>(kTorsionHeadings.begin(), kTorsionHeadings.end()));
        for (const ForceFieldTorsion& torsion : file_.reading.torsions) {
            if (!Wanted(torsion)) continue;
            std::vector<std::string> cells{ShownTypes(torsion.types), TorsionSource(torsion)};
            const TorsionRowText shown = TorsionRow(torsion, analyses_.Of(torsion));
            if (!shown.refusal.empty()) {
                cells.push_back(shown.refusal);
            } else {
                cells.insert(cells.end(), shown.V.begin(), shown.V.end());
                cells.insert(cells.end(), {shown.offset, shown.minima, shown.barrier});
            }
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
            json += "], \"source\": " + JsonString(TorsionSource(torsion));
            const ConformationalAnalysisResult& analysis = analyses_.Of(torsion);
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

    const ScanRequest& request_;
    const ForceFieldFileReading& file_;
    mutable TorsionAnalyses analyses_;
};

}  // namespace

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
