#include "forcefield/charmm_reader.h"

#include "forcefield/torsion_terms.h"
#include "line_text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

enum class Section { Other, Dihedrals, Impropers };

// The section a line starts, if it starts one.
std::optional<Section> SectionStarted(std::string_view firstWord)
{
    std::string key;
    for (char c : firstWord.substr(0, 4)) key += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (key == "DIHE" || key == "PHI") return Section::Dihedrals;
    if (key == "IMPR" || key == "IMPH") return Section::Impropers;
    static constexpr std::string_view kOthers[] = {"ATOM", "BOND", "ANGL", "THET", "CMAP", "NONB", "NBON",
                                                   "NBFI", "HBON", "END",  "RETU", "READ"};
    if (std::ranges::find(kOthers, key) != std::end(kOthers)) return Section::Other;
    return std::nullopt;
}

}  // namespace

ForceFieldReading ReadCharmm(std::string_view text, const std::string& fileName)
{
    ForceFieldReading reading;
    Section section = Section::Other;
    std::array<std::string_view, 4> lastTypes{};
    TorsionTerms terms;
    bool open = false;  // terms belong to reading.torsions.back()
    const auto close = [&] {
        if (open) terms.Finish(reading.torsions.back());
        open = false;
    };

    LineCursor lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        const std::vector<std::string_view> words = Words(BeforeComment(line, "!"));
        if (words.empty()) continue;
        if (const auto started = SectionStarted(words[0])) {
            close();
            section = *started;
            continue;
        }
        if (section == Section::Impropers) {
            ++reading.impropersSkipped;
            continue;
        }
        if (section != Section::Dihedrals) continue;

        double k = 0.0, n = 0.0, delta = 0.0;
        if (words.size() != 7 || !ReadDouble(words[4], k) || !ReadDouble(words[5], n) || !ReadDouble(words[6], delta)) {
            reading.error = Located(fileName, lines.number(),
                                    "se esperaba «T1 T2 T3 T4 Kchi n delta» en la sección DIHEDRALS");
            return reading;
        }
        const std::array<std::string_view, 4> types{words[0], words[1], words[2], words[3]};
        if (!open || types != lastTypes) {
            close();
            reading.torsions.push_back(NewTorsion({types.begin(), types.end()}, fileName, lines.number()));
            terms = TorsionTerms();
            lastTypes = types;
            open = true;
        }
        terms.AddPeriodic(k, n, delta);
    }
    close();
    return reading;
}
