#pragma once

#include <optional>
#include <string_view>

enum class ForceFieldFormat { Gromacs, Charmm, Amber, OpenMM, Offxml, Lammps };

// The format named by the command line's word ("gromacs", "charmm", "amber", "openmm",
// "offxml", "lammps"), or nothing.
std::optional<ForceFieldFormat> FormatNamed(std::string_view name);

// That word for a format.
std::string_view FormatName(ForceFieldFormat format);

// The format a file is in, judged by its name and then by its first bytes, or nothing when
// neither tells.
std::optional<ForceFieldFormat> GuessFormat(std::string_view fileName, std::string_view text);
