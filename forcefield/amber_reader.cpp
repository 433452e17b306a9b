#include "forcefield/amber_reader.h"

#include "forcefield/torsion_terms.h"
#include "line_text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <cmath>

namespace {

enum class Section { Other, Dihedrals, Impropers };

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool IsBlankLine(std::string_view line) { return Trimmed(line).empty(); }

// The section a frcmod keyword line starts, if the line is one.
std::optional<Section> KeywordSection(std::string_view line)
{
    const std::string_view word = Trimmed(line);
    if (word == "DIHE" || word == "DIHEDRAL") return Section::Dihedrals;
    if (word == "IMPR" || word == "IMPROPER") return Section::Impropers;
    static constexpr std::string_view kOthers[] = {"MASS", "BOND", "ANGL", "ANGLE", "NONB", "NONBON", "CMAP",
                                                   "HBON", "IPOL", "LJEDIT", "END"};
    if (std::ranges::find(kOthers, word) != std::end(kOthers)) return Section::Other;
    return std::nullopt;
}

// The four numbers of a dihedral line after its types: IDIVF, PK, PHASE, PN.
std::optional<std::array<double, 4>> DihedralNumbers(std::string_view rest)
{
    std::array<double, 4> numbers{};
    const std::vector<std::string_view> words = Words(rest);
    bool free = words.size() >= 4;
    for (std::size_t i = 0; free && i < 4; ++i) free = ReadDouble(words[i], numbers[i]);
    if (free) return numbers;
    // Fixed columns, where numbers may touch: I4 then three F15.
    static constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kColumns{{{0, 4}, {4, 15}, {19, 15}, {34, 15}}};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto [start, width] = kColumns[i];
        if (start >= rest.size() || !ReadDouble(Trimmed(rest.substr(start, width)), numbers[i])) return std::nullopt;
    }
    return numbers;
}

class AmberReader {
public:
    AmberReader(std::string_view text, const std::string& fileName) : text_(text), file_(fileName) {}

    ForceFieldReading Read()
    {
        const bool frcmod = HasKeywordLines();
        LineCursor lines(text_);
        std::string_view line;
        int blocksEnded = 0;  // parm.dat: blank-line-ended blocks after the title
        bool hydrophilicSeen = false;
        Section section = Section::Other;
        while (lines.Next(line) && reading_.ok()) {
            const int number = lines.number();
            if (number == 1 && !KeywordSection(line)) continue;  // the title
            if (frcmod) {
                if (const auto keyword = KeywordSection(line)) {
                    EndTorsion(number);
                    section = *keyword;
                    continue;
                }
            } else if (blocksEnded == 1 && !hydrophilicSeen) {
                hydrophilicSeen = true;
                continue;
            } else {
                section = blocksEnded == 3 ? Section::Dihedrals : blocksEnded == 4 ? Section::Impropers : Section::Other;
            }
            if (IsBlankLine(line)) {
                EndTorsion(number);
                if (!frcmod) ++blocksEnded;
                section = frcmod ? Section::Other : section;
                continue;
            }
            if (section == Section::Impropers)
                ++reading_.impropersSkipped;
            else if (section == Section::Dihedrals)
                ReadDihedral(line, number);
        }
        EndTorsion(lines.number());
        return std::move(reading_);
    }

private:
    bool HasKeywordLines() const
    {
        LineCursor lines(text_);
        std::string_view line;
        while (lines.Next(line))
            if (KeywordSection(line)) return true;
        return false;
    }

    void Fail(int line, const std::string& message)
    {
        if (reading_.ok()) reading_.error = Located(file_, line, message);
    }

    void EndTorsion(int line)
    {
        if (!continued_) return;
        Fail(line, "el último término (PN negativo) anuncia otra línea de la misma torsión, que falta");
        continued_ = false;
    }

    void ReadDihedral(std::string_view line, int number)
    {
        if (line.size() < 12 || line[2] != '-' || line[5] != '-' || line[8] != '-') {
            Fail(number, "se esperaban los tipos «A -B -C -D » en las columnas 1 a 11");
            return;
        }
        const auto numbers = DihedralNumbers(line.substr(11));
        if (!numbers) {
            Fail(number, "se esperaban IDIVF, PK, PHASE y PN tras los tipos");
            return;
        }
        const auto [idivf, pk, phase, pn] = *numbers;
        std::vector<std::string> types;
        for (std::size_t column : {0, 3, 6, 9}) types.emplace_back(Trimmed(line.substr(column, 2)));
        if (continued_ && types != reading_.torsions.back().types) {
            Fail(number, "tras un PN negativo, la línea siguiente ha de tener los mismos tipos");
            return;
        }
        if (!continued_) {
            reading_.torsions.push_back(NewTorsion(types, file_, number));
            terms_ = TorsionTerms();
        }
        if (idivf == 0)
            terms_.Refuse("IDIVF es 0");
        else
            terms_.AddPeriodic(pk / idivf, std::abs(pn), phase);
        continued_ = pn < 0;
        terms_.Finish(reading_.torsions.back());
    }

    std::string_view text_;
    const std::string& file_;
    ForceFieldReading reading_;
    TorsionTerms terms_;
    bool continued_ = false;
};

}  // namespace

ForceFieldReading ReadAmber(std::string_view text, const std::string& fileName)
{
    return AmberReader(text, fileName).Read();
}
