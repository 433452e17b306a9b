#include "forcefield/force_field_format.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::array<std::pair<ForceFieldFormat, std::string_view>, 6> kNames{{
    {ForceFieldFormat::Gromacs, "gromacs"},
    {ForceFieldFormat::Charmm, "charmm"},
    {ForceFieldFormat::Amber, "amber"},
    {ForceFieldFormat::OpenMM, "openmm"},
    {ForceFieldFormat::Offxml, "offxml"},
    {ForceFieldFormat::Lammps, "lammps"},
}};

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::ranges::transform(lowered, lowered.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return lowered;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

std::optional<ForceFieldFormat> FormatNamed(std::string_view name)
{
    for (const auto& [format, word] : kNames)
        if (word == name) return format;
    return std::nullopt;
}

std::string_view FormatName(ForceFieldFormat format)
{
    for (const auto& [known, word] : kNames)
        if (known == format) return word;
    return {};
}

std::optional<ForceFieldFormat> GuessFormat(std::string_view fileName, std::string_view text)
{
    const std::string path = Lowered(fileName);
    const std::string base = path.substr(path.find_last_of("/\\") + 1);
    const std::string head = Lowered(text.substr(0, 4096));
    const auto endsWith = [&base](std::string_view ending) { return base.ends_with(ending); };

    if (endsWith(".offxml")) return ForceFieldFormat::Offxml;
    if (endsWith(".xml")) return Contains(head, "<smirnoff") ? ForceFieldFormat::Offxml : ForceFieldFormat::OpenMM;
    if (endsWith(".itp") || endsWith(".top")) return ForceFieldFormat::Gromacs;
    if (endsWith(".prm") || endsWith(".par") || endsWith(".str") || endsWith(".inp")) return ForceFieldFormat::Charmm;
    if (base.starts_with("frcmod") || endsWith(".frcmod") || base.starts_with("parm") || endsWith(".dat"))
        return ForceFieldFormat::Amber;
    if (endsWith(".data") || endsWith(".lmp") || endsWith(".lammps") || base.starts_with("in.") || base.starts_with("data."))
        return ForceFieldFormat::Lammps;

    if (Contains(head, "<smirnoff")) return ForceFieldFormat::Offxml;
    if (Contains(head, "<forcefield")) return ForceFieldFormat::OpenMM;
    if (Contains(head, "[ dihedraltypes") || Contains(head, "[ defaults") || Contains(head, "[dihedraltypes") ||
        Contains(head, "#include") || Contains(head, "[ moleculetype"))
        return ForceFieldFormat::Gromacs;
    if (Contains(head, "dihedral coeffs") || Contains(head, "dihedral_coeff") || Contains(head, "dihedral_style"))
        return ForceFieldFormat::Lammps;
    if (Contains(head, "\ndihedrals") || Contains(head, "\nphi") || head.starts_with("dihedrals"))
        return ForceFieldFormat::Charmm;
    if (Contains(head, "\ndihe\n") || Contains(head, "\ndihe\r") || head.starts_with("dihe\n"))
        return ForceFieldFormat::Amber;
    return std::nullopt;
}
