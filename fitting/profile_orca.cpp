// The ORCA output reader (see profile_readers.h).

#include "fitting/profile_readers.h"

#include "profile_text.h"

#include <string>

namespace {

constexpr std::string_view kSurfaceBlock = "The Calculated Surface using the 'Actual Energy'";

bool IsOrcaOutput(std::string_view text)
{
    return text.find("O   R   C   A") != std::string_view::npos || text.find(kSurfaceBlock) != std::string_view::npos;
}

// Rows "angle energy" from lines[first] up to the first blank line or the end. Fails, naming
// the line, on a row of another form.
ProfileReading ReadRows(const std::vector<TextLine>& lines, std::size_t first, std::string_view name,
                        std::vector<std::string> notes)
{
    std::vector<RawPoint> raw;
    ProfileReading failed;
    for (std::size_t i = first; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = Words(lines[i].text);
        if (words.empty()) {
            if (raw.empty()) continue;
            break;
        }
        if (words.front().starts_with('#')) continue;
        const auto angle = ParseNumber(words[0]);
        if (!angle) {
            failed.error = LineError(name, lines[i].number, "se esperaba una fila con ángulo y energía");
            return failed;
        }
        if (words.size() > 2) {
            failed.error = LineError(name, lines[i].number, "la exploración recorre más de un parámetro; solo se admite un diedro");
            return failed;
        }
        const auto energy = words.size() == 2 ? ParseNumber(words[1]) : std::nullopt;
        if (!energy) {
            notes.push_back(LineError(name, lines[i].number, "el punto no tiene energía y se deja fuera"));
            continue;
        }
        raw.push_back({*angle, *energy, lines[i].number});
    }
    return MakeProfile(ProfileFormat::Orca, raw, kKcalPerHartree, name, std::move(notes));
}

}  // namespace

ProfileReading ReadOrcaProfile(std::string_view text, std::string_view name)
{
    const std::vector<TextLine> lines = SplitLines(text);
    if (!IsOrcaOutput(text)) return ReadRows(lines, 0, name, {});

    std::vector<std::size_t> blocks;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].text.find(kSurfaceBlock) != std::string_view::npos) blocks.push_back(i);
    if (blocks.empty()) {
        ProfileReading failed;
        failed.error = LineError(name, 0, "no hay ninguna superficie calculada («The Calculated Surface using the "
                                          "'Actual Energy'»): el cálculo no es una exploración o no la terminó");
        return failed;
    }
    std::vector<std::string> notes;
    if (blocks.size() > 1)
        notes.push_back(LineError(name, lines[blocks.back()].number, "el archivo tiene " + std::to_string(blocks.size()) +
                                                                         " superficies calculadas; se usa la última"));
    return ReadRows(lines, blocks.back() + 1, name, std::move(notes));
}
