#include "forcefield/torsion_writer.h"

#include "forcefield/torsion_terms.h"
#include "text/number_text.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr std::array<std::pair<ExportFormat, std::string_view>, 10> kNames{{
    {ExportFormat::GromacsRb, "gromacs-rb"},
    {ExportFormat::GromacsFourier, "gromacs-fourier"},
    {ExportFormat::GromacsPeriodic, "gromacs-periodic"},
    {ExportFormat::Charmm, "charmm"},
    {ExportFormat::Amber, "amber"},
    {ExportFormat::Openmm, "openmm"},
    {ExportFormat::Offxml, "offxml"},
    {ExportFormat::LammpsOpls, "lammps-opls"},
    {ExportFormat::LammpsFourier, "lammps-fourier"},
    {ExportFormat::LammpsMulti, "lammps-multi"},
}};

// Zero without its sign: "-0" reads back, but means nothing in a file.
std::string Number(double value) { return FormatRoundTrip(value == 0 ? 0.0 : value); }

// One periodic term k (1 + cos(n phi - delta)) per non-zero Vn, k >= 0 in kcal/mol and delta
// 0 or 180 degrees; a single zero term for V = 0, so that every file has a line.
struct PeriodicTerm {
    double k;
    int n;
    bool trans;  // delta = 180
};

std::vector<PeriodicTerm> PeriodicTerms(const CoefficientSet& V)
{
    std::vector<PeriodicTerm> terms;
    for (int n = 1; n <= 6; ++n) {
        const double Vn = V[static_cast<std::size_t>(n)];
        if (Vn == 0) continue;
        // Vn = 2k (-1)^(n+1) with delta = 0, 2k (-1)^n with delta = 180.
        const bool positiveAtZeroPhase = (Vn > 0) == (n % 2 == 1);
        terms.push_back({std::abs(Vn) / 2.0, n, !positiveAtZeroPhase});
    }
    if (terms.empty()) terms.push_back({0.0, 1, false});
    return terms;
}

// Ryckaert-Bellemans C0 ... C5 (in V's unit) of V1 ... V5, with the value at phi = 180 zero.
std::array<double, 6> RyckaertBellemans(const CoefficientSet& V)
{
    // a[n], the coefficient of cos(n psi), is -Vn / 2; cos^m psi gives back each power.
    const double a1 = -V[1] / 2.0, a2 = -V[2] / 2.0, a3 = -V[3] / 2.0, a4 = -V[4] / 2.0, a5 = -V[5] / 2.0;
    std::array<double, 6> C{};
    C[5] = 16.0 * a5;
    C[4] = 8.0 * a4;
    C[3] = 4.0 * a3 - 1.25 * C[5];
    C[2] = 2.0 * a2 - C[4];
    C[1] = a1 - 0.75 * C[3] - 0.625 * C[5];
    C[0] = -(C[1] + C[2] + C[3] + C[4] + C[5]);
    return C;
}

std::string XmlEscaped(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string JoinedTypes(const std::array<std::string, 4>& types, std::string_view separator)
{
    return types[0] + std::string(separator) + types[1] + std::string(separator) + types[2] +
           std::string(separator) + types[3];
}

std::string GromacsRb(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    const auto C = RyckaertBellemans(V);
    std::string text = "[ dihedraltypes ]\n; i j k l func C0 C1 C2 C3 C4 C5 (kJ/mol)\n" + JoinedTypes(types, " ") + " 3";
    for (double c : C) text.append(" ").append(Number(c * kKilojoulesPerKilocalorie));
    return text + "\n";
}

std::string GromacsFourier(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    std::string text = "[ dihedraltypes ]\n; i j k l func F1 F2 F3 F4 (kJ/mol)\n" + JoinedTypes(types, " ") + " 5";
    for (std::size_t n = 1; n <= 4; ++n) text.append(" ").append(Number(V[n] * kKilojoulesPerKilocalorie));
    return text + "\n";
}

std::string GromacsPeriodic(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    std::string text = "[ dihedraltypes ]\n; i j k l func phase kd pn (kJ/mol)\n";
    for (const PeriodicTerm& term : PeriodicTerms(V))
        text += JoinedTypes(types, " ") + " 9 " + (term.trans ? "180" : "0") + " " +
                Number(term.k * kKilojoulesPerKilocalorie) + " " + std::to_string(term.n) + "\n";
    return text;
}

std::string Charmm(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    std::string text = "DIHEDRALS\n";
    for (const PeriodicTerm& term : PeriodicTerms(V))
        text += JoinedTypes(types, " ") + " " + Number(term.k) + " " + std::to_string(term.n) + " " +
                (term.trans ? "180" : "0") + "\n";
    return text;
}

std::string Padded(const std::string& type) { return type.size() >= 2 ? type : std::string(type).append(2 - type.size(), ' '); }

std::string Amber(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    const std::string names = Padded(types[0]) + "-" + Padded(types[1]) + "-" + Padded(types[2]) + "-" + Padded(types[3]);
    const std::vector<PeriodicTerm> terms = PeriodicTerms(V);
    std::string text = "DIHE\n";
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const bool more = i + 1 < terms.size();
        text += names + "    1 " + Number(terms[i].k) + " " + (terms[i].trans ? "180" : "0") + " " +
                (more ? "-" : "") + std::to_string(terms[i].n) + "\n";
    }
    return text;
}

std::string Openmm(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    std::string text = "<Proper";
    for (std::size_t i = 0; i < 4; ++i) text += " type" + std::to_string(i + 1) + "=\"" + XmlEscaped(types[i]) + "\"";
    int i = 1;
    for (const PeriodicTerm& term : PeriodicTerms(V)) {
        const std::string n = std::to_string(i++);
        text += " periodicity" + n + "=\"" + std::to_string(term.n) + "\" phase" + n + "=\"" +
                (term.trans ? Number(std::numbers::pi) : "0") + "\" k" + n + "=\"" +
                Number(term.k * kKilojoulesPerKilocalorie) + "\"";
    }
    return text + "/>\n";
}

std::string Offxml(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    std::string text = "<Proper smirks=\"[*:1]~[*:2]~[*:3]~[*:4]\" id=\"" + XmlEscaped(JoinedTypes(types, "-")) + "\"";
    int i = 1;
    for (const PeriodicTerm& term : PeriodicTerms(V)) {
        const std::string n = std::to_string(i++);
        text += " periodicity" + n + "=\"" + std::to_string(term.n) + "\" phase" + n + "=\"" +
                (term.trans ? "180.0" : "0.0") + " * degree\" k" + n + "=\"" + Number(term.k) +
                " * mole**-1 * kilocalorie\" idivf" + n + "=\"1.0\"";
    }
    return text + "/>\n";
}

std::string LammpsHeader(std::string_view style, const std::array<std::string, 4>& types)
{
    return "units real\ndihedral_style " + std::string(style) + "\n# " + JoinedTypes(types, " ") + "\n";
}

std::string LammpsOpls(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    std::string text = LammpsHeader("opls", types) + "dihedral_coeff 1";
    for (std::size_t n = 1; n <= 4; ++n) text.append(" ").append(Number(V[n]));
    return text + "\n";
}

std::string LammpsFourier(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    const std::vector<PeriodicTerm> terms = PeriodicTerms(V);
    std::string text = LammpsHeader("fourier", types) + "dihedral_coeff 1 " + std::to_string(terms.size());
    for (const PeriodicTerm& term : terms)
        text.append(" ").append(Number(term.k)).append(" ").append(std::to_string(term.n)).append(term.trans ? " 180" : " 0");
    return text + "\n";
}

std::string LammpsMulti(const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    // An = (-1)^(n-1) C(n-1): cos phi = -cos psi.
    const auto C = RyckaertBellemans(V);
    std::string text = LammpsHeader("multi/harmonic", types) + "dihedral_coeff 1";
    for (std::size_t m = 0; m < 5; ++m) text.append(" ").append(Number(m % 2 == 0 ? C[m] : -C[m]));
    return text + "\n";
}

// The highest Vn a format holds.
std::size_t HighestHeld(ExportFormat format)
{
    switch (format) {
    case ExportFormat::GromacsRb: return 5;
    case ExportFormat::GromacsFourier:
    case ExportFormat::LammpsOpls:
    case ExportFormat::LammpsMulti: return 4;
    default: return 6;
    }
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name)
{
    for (const auto& [format, word] : kNames)
        if (word == name) return format;
    return std::nullopt;
}

std::string_view ExportFormatNames()
{
    return "gromacs-rb|gromacs-fourier|gromacs-periodic|charmm|amber|openmm|offxml|lammps-opls|lammps-fourier|lammps-multi";
}

ExportedTorsion ExportTorsion(ExportFormat format, const CoefficientSet& V, const std::array<std::string, 4>& types)
{
    std::string_view name;
    for (const auto& [known, word] : kNames)
        if (known == format) name = word;
    for (std::size_t n = 1; n <= 6; ++n) {
        if (!std::isfinite(V[n])) return {{}, std::string("V").append(std::to_string(n)).append(" no es un número finito")};
        if (n > HighestHeld(format) && V[n] != 0)
            return {{}, std::string(name) + " no admite V" + std::to_string(n) + " (aquí " + Number(V[n]) +
                            "): solo llega hasta V" + std::to_string(HighestHeld(format))};
    }
    for (const std::string& type : types)
        if (type.empty() || type.find_first_of(" \t\r\n") != std::string::npos)
            return {{}, "los nombres de tipo no pueden estar vacíos ni llevar espacios"};
    if (format == ExportFormat::Amber)
        for (const std::string& type : types)
            if (type.size() > 2) return {{}, "amber solo admite tipos de uno o dos caracteres, no «" + type + "»"};

    switch (format) {
    case ExportFormat::GromacsRb: return {GromacsRb(V, types), {}};
    case ExportFormat::GromacsFourier: return {GromacsFourier(V, types), {}};
    case ExportFormat::GromacsPeriodic: return {GromacsPeriodic(V, types), {}};
    case ExportFormat::Charmm: return {Charmm(V, types), {}};
    case ExportFormat::Amber: return {Amber(V, types), {}};
    case ExportFormat::Openmm: return {Openmm(V, types), {}};
    case ExportFormat::Offxml: return {Offxml(V, types), {}};
    case ExportFormat::LammpsOpls: return {LammpsOpls(V, types), {}};
    case ExportFormat::LammpsFourier: return {LammpsFourier(V, types), {}};
    case ExportFormat::LammpsMulti: return {LammpsMulti(V, types), {}};
    }
    return {};
}
