#include "profile_text.h"

#include "text/double_from_chars.h"
#include "text/number_text.h"

#include <algorithm>
#include <cmath>

std::vector<TextLine> SplitLines(std::string_view text)
{
    std::vector<TextLine> lines;
    int number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back({line, number++});
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumber(std::string_view text)
{
    // Checked by hand first: from_chars alone would take "inf", "nan" and a lone exponent part.
    std::string spelled(text);
    std::size_t i = 0;
    if (i < spelled.size() && (spelled[i] == '+' || spelled[i] == '-')) ++i;
    if (i < spelled.size() && spelled[i] == '+') return std::nullopt;
    bool digits = false;
    while (i < spelled.size() && IsDigit(spelled[i])) ++i, digits = true;
    if (i < spelled.size() && spelled[i] == '.')
        for (++i; i < spelled.size() && IsDigit(spelled[i]); ++i) digits = true;
    if (!digits) return std::nullopt;
    if (i < spelled.size() && (spelled[i] == 'e' || spelled[i] == 'E' || spelled[i] == 'd' || spelled[i] == 'D')) {
        spelled[i++] = 'e';
        if (i < spelled.size() && (spelled[i] == '+' || spelled[i] == '-')) ++i;
        if (i == spelled.size() || !IsDigit(spelled[i])) return std::nullopt;
        while (i < spelled.size() && IsDigit(spelled[i])) ++i;
    }
    if (i != spelled.size()) return std::nullopt;
    const char* first = spelled.data() + (spelled[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = DoubleFromChars(first, spelled.data() + spelled.size(), value);
    if (error != std::errc() || end != spelled.data() + spelled.size()) {
        if (error != std::errc::result_out_of_range) return std::nullopt;
        // Beyond the doubles: an overflow is infinite (refused later), an underflow zero.
        const std::size_t exponent = spelled.find('e');
        const bool underflow = exponent != std::string::npos && spelled[exponent + 1] == '-';
        return std::copysign(underflow ? 0.0 : HUGE_VAL, spelled[0] == '-' ? -1.0 : 1.0);
    }
    return value;
}

std::optional<std::vector<double>> RunTogetherNumbers(std::string_view text)
{
    std::vector<double> numbers;
    for (const std::string_view word : Words(text)) {
        std::size_t start = 0;
        for (std::size_t i = 1; i <= word.size(); ++i) {
            const bool cut = i == word.size() ||
                             ((word[i] == '-' || word[i] == '+') && (IsDigit(word[i - 1]) || word[i - 1] == '.'));
            if (!cut) continue;
            const auto number = ParseNumber(word.substr(start, i - start));
            if (!number) return std::nullopt;
            numbers.push_back(*number);
            start = i;
        }
    }
    return numbers;
}

std::string LineError(std::string_view name, int line, std::string_view what)
{
    std::string text(name);
    if (line > 0) text += ", línea " + std::to_string(line);
    text += ": ";
    text += what;
    return text;
}

ProfileReading MakeProfile(ProfileFormat format, const std::vector<RawPoint>& raw, double kcalPerUnit,
                           std::string_view name, std::vector<std::string> notes)
{
    ProfileReading reading;
    if (raw.empty()) {
        reading.error = LineError(name, 0, "no hay ningún punto con ángulo y energía");
        return reading;
    }
    EnergyProfile& profile = reading.profile;
    profile.format = format;
    profile.notes = std::move(notes);
    for (const RawPoint& point : raw) {
        const double energy = point.energy * kcalPerUnit;
        if (!std::isfinite(point.angle) || std::fabs(point.angle) > kMaxProfileAngle) {
            reading.error = LineError(name, point.line, "el ángulo " + FormatG(point.angle) + " no es válido");
            return reading;
        }
        if (!std::isfinite(energy) || std::fabs(energy) > kMaxProfileEnergy) {
            reading.error = LineError(name, point.line, "la energía " + FormatG(point.energy) +
                                                            " no es finita o es desmesurada");
            return reading;
        }
        double angle = std::fmod(point.angle, 360.0);
        if (angle < 0.0) angle += 360.0;
        if (!(angle < 360.0)) angle = 0.0;   // -1e-17 + 360 rounds to 360
        profile.points.push_back({angle + 0.0, energy, point.line});
    }
    const double lowest = std::min_element(profile.points.begin(), profile.points.end(), [](const auto& a, const auto& b) {
                              return a.energy < b.energy;
                          })->energy;
    for (ProfilePoint& point : profile.points) point.energy -= lowest;
    return reading;
}

double KcalPerMolPer(EnergyUnit unit)
{
    switch (unit) {
    case EnergyUnit::Hartree: return kKcalPerHartree;
    case EnergyUnit::KilojoulePerMol: return 1.0 / kKilojoulePerKcal;
    case EnergyUnit::ElectronVolt: return kKcalPerElectronVolt;
    case EnergyUnit::KcalPerMol: break;
    }
    return 1.0;
}

const char* ProfileFormatName(ProfileFormat format)
{
    switch (format) {
    case ProfileFormat::Xtb: return "xtb";
    case ProfileFormat::Gaussian: return "gaussian";
    case ProfileFormat::Orca: return "orca";
    case ProfileFormat::Table: break;
    }
    return "table";
}
