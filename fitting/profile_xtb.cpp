// The xtb scan-log reader and the dihedral of an xtb input (see profile_readers.h).

#include "fitting/profile_readers.h"

#include "profile_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

struct Vector3 {
    double x, y, z;
};

Vector3 Minus(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The dihedral a-b-c-d in degrees (-180, 180], the sign IUPAC's: positive when, looking along
// b -> c, a turns clockwise onto d. Nothing when three of the atoms lie on a line.
std::optional<double> Dihedral(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d)
{
    const Vector3 b0 = Minus(a, b), b1 = Minus(c, b), b2 = Minus(d, c);
    const double length = std::sqrt(Dot(b1, b1));
    if (!(length > 0.0)) return std::nullopt;
    const Vector3 axis{b1.x / length, b1.y / length, b1.z / length};
    // The two outer bonds projected onto the plane normal to the axis b -> c.
    const auto project = [&axis](const Vector3& v) {
        const double along = Dot(v, axis);
        return Vector3{v.x - along * axis.x, v.y - along * axis.y, v.z - along * axis.z};
    };
    const Vector3 v = project(b0), w = project(b2);
    if (!(Dot(v, v) > 1e-16 * Dot(b0, b0)) || !(Dot(w, w) > 1e-16 * Dot(b2, b2))) return std::nullopt;
    return std::atan2(Dot(Cross(axis, v), w), Dot(v, w)) * 180.0 / std::numbers::pi;
}

// The number after "energy:" on a frame's comment line.
std::optional<double> CommentEnergy(std::string_view comment)
{
    const std::size_t at = comment.find("energy:");
    if (at == std::string_view::npos) return std::nullopt;
    const std::vector<std::string_view> words = Words(comment.substr(at + 7));
    if (words.empty()) return std::nullopt;
    return ParseNumber(words.front());
}

std::optional<int> AtomCount(std::string_view line)
{
    const std::vector<std::string_view> words = Words(line);
    if (words.size() != 1) return std::nullopt;
    const auto count = ParseNumber(words.front());
    if (!count || *count < 1 || *count > 1e7 || *count != std::floor(*count)) return std::nullopt;
    return static_cast<int>(*count);
}

std::string AtomsText(const DihedralAtoms& atoms)
{
    return std::to_string(atoms[0]) + "," + std::to_string(atoms[1]) + "," + std::to_string(atoms[2]) + "," +
           std::to_string(atoms[3]);
}

// One xyz frame starting at lines[first]: its dihedral and the energy on its comment line.
struct Frame {
    std::size_t lineCount = 0;   // 0: the last frame is cut short
    int atomCount = 0;
    double angle = 0.0;
    std::optional<double> energy;
    int commentLine = 0;
    std::string error;
};

Frame ReadFrame(const std::vector<TextLine>& lines, std::size_t first, std::string_view name, const DihedralAtoms& atoms)
{
    Frame frame;
    const auto count = AtomCount(lines[first].text);
    if (!count) {
        frame.error = LineError(name, lines[first].number, "se esperaba el número de átomos de un fotograma xyz");
        return frame;
    }
    frame.atomCount = *count;
    if (lines.size() - first < static_cast<std::size_t>(*count) + 2) return frame;
    for (const int atom : atoms)
        if (atom < 1 || atom > *count) {
            frame.error = LineError(name, lines[first].number, "el diedro " + AtomsText(atoms) +
                                                                   " nombra un átomo que no existe (el fotograma tiene " +
                                                                   std::to_string(*count) + ")");
            return frame;
        }
    Vector3 position[4];
    for (std::size_t k = 0; k < 4; ++k) {
        const TextLine& atomLine = lines[first + 1 + static_cast<std::size_t>(atoms[k])];
        const std::vector<std::string_view> words = Words(atomLine.text);
        std::optional<double> xyz[3];
        for (std::size_t axis = 0; axis < 3 && words.size() >= 4; ++axis) xyz[axis] = ParseNumber(words[axis + 1]);
        if (!xyz[0] || !xyz[1] || !xyz[2] || !std::isfinite(*xyz[0] + *xyz[1] + *xyz[2])) {
            frame.error = LineError(name, atomLine.number, "se esperaba un átomo: símbolo y tres coordenadas");
            return frame;
        }
        position[k] = {*xyz[0], *xyz[1], *xyz[2]};
    }
    const auto angle = Dihedral(position[0], position[1], position[2], position[3]);
    if (!angle) {
        frame.error = LineError(name, lines[first].number, "los átomos del diedro " + AtomsText(atoms) + " están alineados");
        return frame;
    }
    frame.angle = *angle;
    frame.commentLine = lines[first + 1].number;
    frame.energy = CommentEnergy(lines[first + 1].text);
    frame.lineCount = static_cast<std::size_t>(*count) + 2;
    return frame;
}

}  // namespace

ProfileReading ReadXtbProfile(std::string_view text, std::string_view name, const DihedralAtoms& atoms)
{
    const std::vector<TextLine> lines = SplitLines(text);
    std::vector<RawPoint> raw;
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < lines.size();) {
        if (Trimmed(lines[i].text).empty()) {
            ++i;
            continue;
        }
        const Frame frame = ReadFrame(lines, i, name, atoms);
        if (!frame.error.empty()) {
            ProfileReading failed;
            failed.error = frame.error;
            return failed;
        }
        if (frame.lineCount == 0) {
            notes.push_back(LineError(name, lines[i].number, "el último fotograma está incompleto y se deja fuera"));
            break;
        }
        if (frame.energy)
            raw.push_back({frame.angle, *frame.energy, frame.commentLine});
        else
            notes.push_back(LineError(name, frame.commentLine, "el fotograma no tiene energía y se deja fuera"));
        i += frame.lineCount;
    }
    return MakeProfile(ProfileFormat::Xtb, raw, kKcalPerHartree, name, std::move(notes));
}

AngleReading ReadXyzDihedral(std::string_view text, std::string_view name, const DihedralAtoms& atoms)
{
    const std::vector<TextLine> lines = SplitLines(text);
    AngleReading reading;
    std::size_t first = 0;
    while (first < lines.size() && Trimmed(lines[first].text).empty()) ++first;
    if (first == lines.size()) {
        reading.error = LineError(name, 0, "el archivo está vacío");
        return reading;
    }
    const Frame frame = ReadFrame(lines, first, name, atoms);
    reading.error = frame.error;
    if (reading.ok() && frame.lineCount == 0)
        reading.error = LineError(name, lines[first].number, "el archivo xyz tiene menos átomos de los que anuncia");
    reading.atomCount = frame.atomCount;
    reading.angle = frame.angle < 0.0 ? frame.angle + 360.0 : frame.angle;
    return reading;
}

DihedralReading ReadXtbInputDihedral(std::string_view text, std::string_view name)
{
    DihedralReading reading;
    for (const TextLine& line : SplitLines(text)) {
        const std::string_view content = Trimmed(line.text);
        if (!content.starts_with("dihedral:")) continue;
        std::string list(content.substr(9));
        for (char& c : list)
            if (c == ',') c = ' ';
        const std::vector<std::string_view> words = Words(list);
        for (std::size_t k = 0; k < 4; ++k) {
            const auto atom = k < words.size() ? ParseNumber(words[k]) : std::nullopt;
            if (!atom || *atom < 1 || *atom > 1e7 || *atom != std::floor(*atom)) {
                reading.error = LineError(name, line.number, "la línea dihedral: no nombra cuatro átomos");
                return reading;
            }
            reading.atoms[k] = static_cast<int>(*atom);
        }
        return reading;
    }
    reading.error = LineError(name, 0, "no hay ninguna línea dihedral: que diga qué diedro se explora");
    return reading;
}

std::optional<DihedralAtoms> ReadDihedralAtoms(std::string_view text)
{
    DihedralAtoms atoms{};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string_view part = text.substr(0, text.find(','));
        if (part.empty() || part.size() > 7 || !std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        atoms[k] = std::stoi(std::string(part));
        if (atoms[k] < 1) return std::nullopt;
        if (k < 3) {
            if (part.size() == text.size()) return std::nullopt;
            text.remove_prefix(part.size() + 1);
        } else if (part.size() != text.size()) {
            return std::nullopt;
        }
    }
    return atoms;
}
