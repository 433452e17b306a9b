#pragma once

#include "forcefield/lammps_units.h"
#include "forcefield/torsion.h"

#include <optional>
#include <string>
#include <string_view>

// What the file may not say: the dihedral style (else the data file's "# style" hint or the
// script's dihedral_style) and the units (else the script's "units", else real).
struct LammpsOptions {
    std::string style;                 // empty: from the file
    std::optional<LammpsUnits> units;  // nothing: from the file
};

// Reads a LAMMPS data file's "Dihedral Coeffs" section, or the dihedral_coeff lines of an input
// script (a file with dihedral_coeff or dihedral_style lines is read as a script; hybrid styles
// name theirs on each line); fileName names it in messages. Styles: opls (K1 ... K4, which are
// V1 ... V4), fourier (m, then K n d per term), charmm and charmmfsw (K n d w, the weight
// ignored), harmonic (K d n) and multi/harmonic (A1 ... A5, sum of An cos^(n-1) phi); any other
// gives refused torsions. "Improper Coeffs" entries and improper_coeff lines are counted.
ForceFieldReading ReadLammps(std::string_view text, const std::string& fileName, const LammpsOptions& options);
