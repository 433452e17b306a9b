#include "forcefield/lammps_reader.h"

#include "forcefield/torsion_terms.h"
#include "line_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::string_view kStyles[] = {"opls", "fourier", "charmm", "charmmfsw", "harmonic", "multi/harmonic"};

bool KnownStyle(std::string_view style) { return std::ranges::find(kStyles, style) != std::end(kStyles); }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

class LammpsReader {
public:
    LammpsReader(const std::string& fileName, const LammpsOptions& options)
        : file_(fileName), options_(options), style_(options.style)
    {
    }

    ForceFieldReading Read(std::string_view text)
    {
        if (IsScript(text))
            ReadScript(text);
        else
            ReadData(text);
        return std::move(reading_);
    }

private:
    static bool IsScript(std::string_view text)
    {
        LineCursor lines(text);
        std::string_view line;
        while (lines.Next(line)) {
            const auto words = Words(BeforeComment(line, "#"));
            if (!words.empty() && (words[0] == "dihedral_coeff" || words[0] == "dihedral_style")) return true;
        }
        return false;
    }

    void Fail(int line, const std::string& message)
    {
        if (reading_.ok()) reading_.error = Located(file_, line, message);
    }

    double Scale() const { return KilocaloriesPerMolePer(options_.units.value_or(units_)); }

    void ReadScript(std::string_view text)
    {
        LineCursor lines(text);
        std::string_view line;
        while (reading_.ok() && lines.Next(line)) {
            const auto words = Words(BeforeComment(line, "#"));
            if (words.empty()) continue;
            if (words[0] == "units" && words.size() >= 2) {
                const auto units = LammpsUnitsNamed(words[1]);
                if (!units && !options_.units) Fail(lines.number(), "unidades no admitidas " + QuotedWord(words[1]));
                units_ = units.value_or(units_);
            } else if (words[0] == "dihedral_style" && words.size() >= 2 && options_.style.empty()) {
                style_ = words[1];
            } else if (words[0] == "improper_coeff") {
                ++reading_.impropersSkipped;
            } else if (words[0] == "dihedral_coeff") {
                ReadCoefficients({words.begin() + 1, words.end()}, lines.number());
            }
        }
    }

    void ReadData(std::string_view text)
    {
        enum class Section { Other, Dihedrals, Impropers } section = Section::Other;
        LineCursor lines(text);
        std::string_view line;
        lines.Next(line);  // the title
        while (reading_.ok() && lines.Next(line)) {
            const std::size_t hash = line.find('#');
            const std::string_view content = Trimmed(line.substr(0, hash));
            const auto words = Words(content);
            if (words.empty()) continue;
            int type = 0;
            if (section != Section::Other && ReadInteger(words[0], type)) {
                if (section == Section::Impropers)
                    ++reading_.impropersSkipped;
                else
                    ReadCoefficients(words, lines.number());
                continue;
            }
            section = content == "Dihedral Coeffs" ? Section::Dihedrals
                      : content == "Improper Coeffs" ? Section::Impropers
                                                     : Section::Other;
            if (section == Section::Dihedrals && options_.style.empty() && hash != std::string_view::npos) {
                const auto hint = Words(line.substr(hash + 1));
                if (!hint.empty()) style_ = hint[0];
            }
        }
    }

    void ReadCoefficients(std::vector<std::string_view> words, int line)
    {
        if (words.empty()) {
            Fail(line, "falta el tipo de la torsión");
            return;
        }
        std::string style = style_;
        if (words.size() > 1 && (style == "hybrid" || KnownStyle(words[1]))) {
            style = words[1];
            words.erase(words.begin() + 1);
        }
        if (style.empty()) {
            Fail(line, "no se sabe el estilo de las torsiones: falta dihedral_style, la indicación «# estilo» o --lammps-style");
            return;
        }
        ForceFieldTorsion torsion = NewTorsion({std::string(words[0])}, file_, line);
        std::vector<double> p;
        for (std::size_t i = 1; i < words.size(); ++i) {
            double value = 0.0;
            if (!ReadDouble(words[i], value)) {
                Fail(line, QuotedWord(words[i]) + " no es un número");
                return;
            }
            p.push_back(value);
        }
        TorsionTerms terms;
        if (!AddTerms(style, p, terms)) {
            Fail(line, "número de coeficientes incorrecto para el estilo " + QuotedWord(style));
            return;
        }
        terms.Finish(torsion);
        reading_.torsions.push_back(std::move(torsion));
    }

    // False when p does not fit the style.
    bool AddTerms(const std::string& style, const std::vector<double>& p, TorsionTerms& terms) const
    {
        const double u = Scale();
        if (style == "opls") {
            if (p.size() != 4) return false;
            terms.AddOplsFourier({p[0] * u, p[1] * u, p[2] * u, p[3] * u});
        } else if (style == "fourier") {
            if (p.empty() || p[0] != std::floor(p[0]) || p[0] < 1 || p[0] > static_cast<double>(p.size()) ||
                p.size() != 1 + 3 * static_cast<std::size_t>(p[0]))
                return false;
            for (std::size_t i = 1; i < p.size(); i += 3) terms.AddPeriodic(p[i] * u, p[i + 1], p[i + 2]);
        } else if (style == "charmm" || style == "charmmfsw") {
            if (p.size() != 4) return false;
            terms.AddPeriodic(p[0] * u, p[1], p[2]);
        } else if (style == "harmonic") {
            if (p.size() != 3 || (p[1] != 1 && p[1] != -1)) return false;
            terms.AddPeriodic(p[0] * u, p[2], p[1] == 1 ? 0.0 : 180.0);
        } else if (style == "multi/harmonic") {
            if (p.size() != 5) return false;
            // An cos^(n-1) phi with cos phi = -cos psi.
            terms.AddRyckaertBellemans({p[0] * u, -p[1] * u, p[2] * u, -p[3] * u, p[4] * u, 0.0});
        } else {
            terms.Refuse("el estilo " + QuotedWord(style) + " de LAMMPS no se puede escribir con V1…V6");
        }
        return true;
    }

    const std::string& file_;
    const LammpsOptions& options_;
    ForceFieldReading reading_;
    std::string style_;
    LammpsUnits units_ = LammpsUnits::Real;
};

}  // namespace

ForceFieldReading ReadLammps(std::string_view text, const std::string& fileName, const LammpsOptions& options)
{
    return LammpsReader(fileName, options).Read(text);
}
