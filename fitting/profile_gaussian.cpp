// The Gaussian output reader (see profile_readers.h).

#include "fitting/profile_readers.h"

#include "profile_text.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kRelaxedSummary = "Summary of Optimized Potential Surface Scan";
constexpr std::string_view kRigidSummary = "Summary of the potential surface scan:";

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The line numbers (indices into lines) of every line holding part.
std::vector<std::size_t> LinesWith(const std::vector<TextLine>& lines, std::string_view part)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (Contains(lines[i].text, part)) found.push_back(i);
    return found;
}

// A line of column numbers "  1   2   3": its count, or 0.
std::size_t ColumnHeader(std::string_view line)
{
    const std::vector<std::string_view> words = Words(line);
    for (const std::string_view word : words)
        if (word.empty() || !std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return 0;
    return words.size();
}

// The scanned coordinate of a relaxed scan: the name (D25) of the parameter-table line
// "! D25   D(3,4,9,10)   180.0   Scan   !" before the summary.
struct ScannedCoordinate {
    std::string name;
    std::string error;
};

ScannedCoordinate FindScannedCoordinate(const std::vector<TextLine>& lines, std::size_t summary, std::string_view name)
{
    std::vector<std::string> names;
    std::string definition;
    int lineNumber = 0;
    // Only this job's table: a file may hold several jobs, each with its own scan.
    std::size_t job = summary;
    while (job > 0 && !Contains(lines[job].text, "Initial command:")) --job;
    for (std::size_t i = job; i < summary; ++i) {
        const std::vector<std::string_view> words = Words(lines[i].text);
        if (words.size() != 6 || words[0] != "!" || words[4] != "Scan" || words[5] != "!") continue;
        if (std::find(names.begin(), names.end(), words[1]) == names.end()) names.emplace_back(words[1]);
        definition = words[2];
        lineNumber = lines[i].number;
    }
    if (names.empty())
        return {{}, LineError(name, lines[summary].number, "no se encuentra la coordenada explorada (la línea «Scan» de la tabla de parámetros)")};
    if (names.size() > 1)
        return {{}, LineError(name, lineNumber, "la exploración recorre " + std::to_string(names.size()) +
                                                    " coordenadas; solo se admite un diedro")};
    if (!definition.starts_with("D("))
        return {{}, LineError(name, lineNumber, "la coordenada explorada " + names.front() + " no es un diedro")};
    return {names.front(), {}};
}

struct Summary {
    std::vector<RawPoint> points;
    bool complete = false;
};

// The relaxed summary starting at lines[start]: per column, the coordinate's value and the energy.
Summary ReadRelaxedSummary(const std::vector<TextLine>& lines, std::size_t start, const std::string& coordinate)
{
    Summary summary;
    double shift = 0.0;
    const std::string_view title = lines[start].text;
    if (const std::size_t add = title.find("(add "); add != std::string_view::npos) {
        const std::vector<std::string_view> words = Words(title.substr(add + 5));
        const auto value = words.empty() ? std::nullopt : ParseNumber(words.front());
        if (!value) return summary;
        shift = *value;
    }
    std::size_t i = start + 1;
    bool anyBlock = false;
    while (i < lines.size()) {
        const std::size_t columns = ColumnHeader(lines[i].text);
        if (columns == 0) break;
        if (++i == lines.size()) return summary;
        const std::string_view eigen = lines[i].text;
        const std::size_t dashes = eigen.find("Eigenvalues --");
        if (dashes == std::string_view::npos) return summary;
        const auto energies = RunTogetherNumbers(eigen.substr(dashes + 14));
        if (!energies || energies->size() != columns) return summary;
        const int energyLine = lines[i].number;
        std::optional<std::vector<double>> angles;
        for (++i; i < lines.size(); ++i) {
            const std::vector<std::string_view> words = Words(lines[i].text);
            if (words.empty()) break;
            const std::string_view row = Trimmed(lines[i].text);
            const auto values = RunTogetherNumbers(row.substr(words[0].size()));
            if (!values || values->size() != columns || ParseNumber(words[0])) break;
            if (words[0] == coordinate) angles = values;
        }
        if (!angles) return summary;
        for (std::size_t c = 0; c < columns; ++c)
            summary.points.push_back({(*angles)[c], (*energies)[c] + shift, energyLine});
        anyBlock = true;
    }
    summary.complete = anyBlock;
    return summary;
}

// The rigid summary starting at lines[start]: "N  variable ...  energy ..." rows between dashes;
// the first variable column and the last energy column. Rows without a number for the energy
// are failed points.
Summary ReadRigidSummary(const std::vector<TextLine>& lines, std::size_t start, std::vector<std::string>& notes,
                         std::string_view name)
{
    Summary summary;
    if (start + 2 >= lines.size()) return summary;
    const std::size_t columns = Words(lines[start + 1].text).size();
    if (columns < 3 || !Trimmed(lines[start + 2].text).starts_with("----")) return summary;
    for (std::size_t i = start + 3; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = Words(lines[i].text);
        if (!words.empty() && words[0].starts_with("----")) {
            summary.complete = true;
            return summary;
        }
        const auto angle = words.size() >= 2 ? ParseNumber(words[1]) : std::nullopt;
        if (!angle || !ParseNumber(words[0])) return summary;
        const auto energy = words.size() == columns ? ParseNumber(words.back()) : std::nullopt;
        if (energy)
            summary.points.push_back({*angle, *energy, lines[i].number});
        else
            notes.push_back(LineError(name, lines[i].number, "el punto no tiene energía y se deja fuera"));
    }
    return summary;
}

// The number of variables a rigid scan steps, from its "Variable  Value  No. Steps" table.
std::size_t RigidScanVariables(const std::vector<TextLine>& lines)
{
    const std::vector<std::size_t> tables = LinesWith(lines, "No. Steps Step-Size");
    if (tables.empty()) return 1;
    std::size_t count = 0;
    for (std::size_t i = tables.back() + 2; i < lines.size(); ++i, ++count) {
        const std::vector<std::string_view> words = Words(lines[i].text);
        if (words.size() != 4 || !ParseNumber(words[0])) break;
    }
    return std::max<std::size_t>(count, 1);
}

}  // namespace

ProfileReading ReadGaussianProfile(std::string_view text, std::string_view name)
{
    const std::vector<TextLine> lines = SplitLines(text);
    ProfileReading failed;
    if (!Contains(text, "Gaussian, Inc.") && !Contains(text, "Entering Gaussian System") &&
        !Contains(text, kRelaxedSummary) && !Contains(text, kRigidSummary)) {
        failed.error = LineError(name, 0, "no es una salida de Gaussian");
        return failed;
    }
    std::vector<std::size_t> summaries = LinesWith(lines, kRelaxedSummary);
    const bool relaxed = !summaries.empty();
    if (!relaxed) summaries = LinesWith(lines, kRigidSummary);
    if (summaries.empty()) {
        failed.error = LineError(name, 0, "no hay ningún resumen de exploración: el cálculo no es una exploración "
                                          "o se detuvo antes de terminarla");
        return failed;
    }
    if (!relaxed && RigidScanVariables(lines) > 1) {
        failed.error = LineError(name, 0, "la exploración recorre más de una variable; solo se admite un diedro");
        return failed;
    }

    std::vector<std::string> notes;
    for (auto at = summaries.rbegin(); at != summaries.rend(); ++at) {
        Summary summary;
        if (relaxed) {
            const ScannedCoordinate coordinate = FindScannedCoordinate(lines, *at, name);
            if (!coordinate.error.empty()) {
                failed.error = coordinate.error;
                return failed;
            }
            summary = ReadRelaxedSummary(lines, *at, coordinate.name);
        } else {
            summary = ReadRigidSummary(lines, *at, notes, name);
        }
        if (!summary.complete) {
            notes.push_back(LineError(name, lines[*at].number, "el resumen de la exploración está incompleto y se deja de lado"));
            continue;
        }
        if (summaries.size() > 1)
            notes.push_back(LineError(name, lines[*at].number, "el archivo tiene " + std::to_string(summaries.size()) +
                                                                  " resúmenes de exploración; se usa este, el último completo"));
        const std::vector<std::size_t> jobs = LinesWith(lines, "Initial command:");
        if (!jobs.empty() && jobs.back() > *at)
            notes.push_back(LineError(name, lines[jobs.back()].number,
                                      "tras el resumen empieza otro cálculo que no llegó a su resumen"));
        return MakeProfile(ProfileFormat::Gaussian, summary.points, kKcalPerHartree, name, std::move(notes));
    }
    failed.error = LineError(name, lines[summaries.back()].number,
                             "el resumen de la exploración está incompleto: el archivo parece truncado");
    return failed;
}
