// The plain-table reader (see profile_readers.h).

#include "fitting/profile_readers.h"

#include "profile_text.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

enum class Separator { Unknown, Tab, Comma, Semicolon, Blanks };

// The line without its comment.
std::string_view WithoutComment(std::string_view line)
{
    line = Trimmed(line);
    if (line.starts_with(';')) return {};
    return Trimmed(line.substr(0, line.find_first_of("#!")));
}

Separator SeparatorOf(std::string_view line)
{
    if (line.find('\t') != std::string_view::npos) return Separator::Tab;
    if (line.find(';') != std::string_view::npos) return Separator::Semicolon;
    if (line.find(',') != std::string_view::npos) return Separator::Comma;
    return Separator::Blanks;
}

std::vector<std::string_view> Fields(std::string_view line, Separator separator)
{
    if (separator == Separator::Blanks) return Words(line);
    const char mark = separator == Separator::Tab ? '\t' : separator == Separator::Comma ? ',' : ';';
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t end = line.find(mark);
        fields.push_back(Trimmed(line.substr(0, end)));
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    return fields;
}

// A field's number; with ';' as separator one decimal comma stands for the point.
std::optional<double> FieldNumber(std::string_view field, Separator separator)
{
    if (separator == Separator::Semicolon && field.find('.') == std::string_view::npos &&
        std::count(field.begin(), field.end(), ',') == 1) {
        std::string withPoint(field);
        withPoint[withPoint.find(',')] = '.';
        return ParseNumber(withPoint);
    }
    return ParseNumber(field);
}

// The unit a header names, if any, as a word of its own: "energy (hartree)", "E / kJ/mol".
std::optional<EnergyUnit> HeaderUnit(std::string_view header)
{
    std::string word;
    for (std::size_t i = 0; i <= header.size(); ++i) {
        const unsigned char c = i < header.size() ? static_cast<unsigned char>(header[i]) : ' ';
        if (std::isalnum(c) || c == '.') {
            word += static_cast<char>(std::tolower(c));
            continue;
        }
        if (word == "hartree" || word == "hartrees" || word == "au" || word == "a.u." || word == "eh")
            return EnergyUnit::Hartree;
        if (word == "kcal") return EnergyUnit::KcalPerMol;
        if (word == "kj") return EnergyUnit::KilojoulePerMol;
        if (word == "ev") return EnergyUnit::ElectronVolt;
        word.clear();
    }
    return std::nullopt;
}

}  // namespace

ProfileReading ReadTableProfile(std::string_view text, std::string_view name, std::optional<EnergyUnit> unit)
{
    Separator separator = Separator::Unknown;
    std::optional<EnergyUnit> headerUnit;
    bool headerSeen = false;
    std::vector<RawPoint> raw;
    std::vector<std::string> notes;
    ProfileReading failed;
    for (const TextLine& line : SplitLines(text)) {
        const std::string_view content = WithoutComment(line.text);
        if (content.empty()) continue;
        const Separator here = separator == Separator::Unknown ? SeparatorOf(content) : separator;
        const std::vector<std::string_view> fields = Fields(content, here);
        const auto angle = FieldNumber(fields.front(), here);
        if (!angle) {
            if (headerSeen || !raw.empty()) {
                failed.error = LineError(name, line.number, "se esperaba un ángulo y una energía");
                return failed;
            }
            headerSeen = true;
            headerUnit = HeaderUnit(content);
            continue;
        }
        separator = here;
        if (fields.size() == 1 || (fields.size() == 2 && fields[1].empty())) {
            notes.push_back(LineError(name, line.number, "el punto no tiene energía y se deja fuera"));
            continue;
        }
        if (fields.size() != 2) {
            failed.error = LineError(name, line.number, "se esperaban dos columnas, ángulo y energía, y hay " +
                                                            std::to_string(fields.size()));
            return failed;
        }
        const auto energy = FieldNumber(fields[1], here);
        if (!energy) {
            failed.error = LineError(name, line.number, "la energía no es un número");
            return failed;
        }
        raw.push_back({*angle, *energy, line.number});
    }
    const EnergyUnit chosen = unit ? *unit : headerUnit ? *headerUnit : EnergyUnit::KcalPerMol;
    return MakeProfile(ProfileFormat::Table, raw, KcalPerMolPer(chosen), name, std::move(notes));
}
