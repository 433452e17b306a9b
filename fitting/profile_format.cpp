// The choice of a reader (see profile_readers.h).

#include "fitting/profile_readers.h"

#include "profile_text.h"

namespace {

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The text opens like an xtb scan log: an atom count alone on the first line, then a comment
// line with "energy:".
bool LooksLikeXtbLog(std::string_view text)
{
    const std::vector<TextLine> lines = SplitLines(text.substr(0, 4096));
    if (lines.size() < 2) return false;
    const std::vector<std::string_view> words = Words(lines[0].text);
    return words.size() == 1 && ParseNumber(words[0]) && Contains(lines[1].text, "energy:");
}

}  // namespace

ProfileFormat DetectProfileFormat(std::string_view text, std::string_view fileName)
{
    if (Contains(text, "Entering Gaussian System") || Contains(text, "Gaussian, Inc.")) return ProfileFormat::Gaussian;
    if (Contains(text, "O   R   C   A") || fileName.ends_with(".relaxscanact.dat")) return ProfileFormat::Orca;
    if (LooksLikeXtbLog(text)) return ProfileFormat::Xtb;
    return ProfileFormat::Table;
}

ProfileReading ReadProfile(ProfileFormat format, std::string_view text, std::string_view name,
                           std::optional<EnergyUnit> unit, const DihedralAtoms& atoms)
{
    switch (format) {
    case ProfileFormat::Xtb: return ReadXtbProfile(text, name, atoms);
    case ProfileFormat::Gaussian: return ReadGaussianProfile(text, name);
    case ProfileFormat::Orca: return ReadOrcaProfile(text, name);
    case ProfileFormat::Table: break;
    }
    return ReadTableProfile(text, name, unit);
}
