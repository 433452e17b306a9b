#pragma once

#include <optional>
#include <string_view>

// The energy units of a LAMMPS file: real (kcal/mol), metal (eV) or si (J).
enum class LammpsUnits { Real, Metal, Si };

// The units named by a LAMMPS "units" word, or nothing.
std::optional<LammpsUnits> LammpsUnitsNamed(std::string_view name);

// kcal/mol in one energy unit of units (per mole, as LAMMPS counts per atom or molecule).
double KilocaloriesPerMolePer(LammpsUnits units);
