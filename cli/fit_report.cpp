#include "cli/fit_report.h"

#include "analysis_json.h"
#include "report/analysis_text.h"
#include "cli/json_text.h"
#include "text/number_text.h"
#include "cli/shown_text.h"
#include "report/fit_text.h"

#include <initializer_list>

namespace {

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void AppendLine(std::string& text, std::initializer_list<std::string_view> fields, TableFormat table)
{
    bool first = true;
    for (const std::string_view field : fields) {
        if (!first) text += table == TableFormat::Csv ? ',' : '\t';
        text += table == TableFormat::Csv ? CsvField(field) : std::string(field);
        first = false;
    }
    text += '\n';
}

// The length of the valid UTF-8 sequence at text[i], or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size() || (length == 2 && lead < 0xC2) || lead > 0xF4) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    if (length == 3 && ((lead == 0xE0 && byte(i + 1) < 0xA0) || (lead == 0xED && byte(i + 1) >= 0xA0))) return 0;
    if (length == 4 && ((lead == 0xF0 && byte(i + 1) < 0x90) || (lead == 0xF4 && byte(i + 1) >= 0x90))) return 0;
    return length;
}

}  // namespace

std::string JsonString(std::string_view text)
{
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            json += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            static const char kHex[] = "0123456789abcdef";
            json += "\\u00";
            json += kHex[c >> 4];
            json += kHex[c & 15];
        } else {
            json.append(text.substr(i, length));
        }
        i += length;
    }
    return json + '"';
}

std::string FitReportText(std::string_view fileName, ProfileFormat format, const TorsionFit& fit,
                          const ConformationalAnalysis& analysis, TableFormat table)
{
    std::string text;
    AppendLine(text, {"Archivo", ShownText(fileName)}, table);
    AppendLine(text, {"Formato", ProfileFormatName(format)}, table);
    AppendLine(text, {"Términos", TermsText(fit.terms)}, table);
    for (const FitFigure& figure : FitFigures(fit)) AppendLine(text, {figure.name, figure.value}, table);
    text += '\n';
    AppendLine(text, {kFitPointHeadings[0], kFitPointHeadings[1], kFitPointHeadings[2], kFitPointHeadings[3],
                      kFitPointHeadings[4]},
               table);
    for (const std::array<std::string, 5>& row : FitPointRows(fit))
        AppendLine(text, {row[0], row[1], row[2], row[3], row[4]}, table);
    text += '\n';
    AppendLine(text, {"Mínimo del perfil", "Energía (kcal/mol)"}, table);
    for (const ProfileMinimum& minimum : fit.profileMinima)
        AppendLine(text, {FormatG(minimum.angle), FormatG(minimum.energy)}, table);
    text += '\n';
    return text + AnalysisTableText(analysis, table);
}

std::string FitReportJson(std::string_view fileName, ProfileFormat format, const TorsionFit& fit,
                          const ConformationalAnalysis& analysis)
{
    std::string json = "{\"file\": " + JsonString(fileName) + ", \"format\": \"" + ProfileFormatName(format) +
                       "\", \"terms\": [";
    for (int n = 1, count = 0; n <= 6; ++n)
        if (fit.terms[static_cast<std::size_t>(n)]) {
            if (count++ > 0) json += ", ";
            json += static_cast<char>('0' + n);
        }
    json += "],\n\"points\": [";
    for (std::size_t i = 0; i < fit.points.size(); ++i) {
        const FittedPoint& p = fit.points[i];
        json += std::string(i ? ",\n" : "\n") + "{\"angle\": " + JsonNumber(p.angle) + ", \"reference\": " +
                JsonNumber(p.reference) + ", \"fitted\": " + JsonNumber(p.fitted) + ", \"residual\": " +
                JsonNumber(p.residual) + ", \"used\": " + (p.used ? "true" : "false") + "}";
    }
    json += "],\n\"V\": [";
    for (int n = 1; n <= 6; ++n) {
        if (n > 1) json += ", ";
        json += JsonNumber(fit.V[static_cast<std::size_t>(n)]);
    }
    json += "], \"offset\": " + JsonNumber(fit.offset) + ", \"used\": " + std::to_string(fit.used) +
            ", \"left_out\": " + std::to_string(fit.leftOut) + ", \"rmse\": " + JsonNumber(fit.rmse) +
            ", \"max_error\": " + JsonNumber(fit.maxError) + ",\n\"profile_minima\": [";
    for (std::size_t i = 0; i < fit.profileMinima.size(); ++i)
        json += std::string(i ? ", " : "") + "{\"angle\": " + JsonNumber(fit.profileMinima[i].angle) +
                ", \"energy\": " + JsonNumber(fit.profileMinima[i].energy) + "}";
    json += "],\n\"warning\": " + (fit.warning.empty() ? std::string("null") : JsonString(fit.warning)) +
            ",\n\"analysis\": ";
    std::string analysisJson = AnalysisJson(fit.V, analysis);
    if (!analysisJson.empty() && analysisJson.back() == '\n') analysisJson.pop_back();
    return json + analysisJson + "}\n";
}
