#pragma once

#include "core/coefficient_set.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

enum class ExportFormat {
    GromacsRb,        // [ dihedraltypes ] function 3, kJ/mol
    GromacsFourier,   // function 5, kJ/mol
    GromacsPeriodic,  // function 9 lines, kJ/mol
    Charmm,           // DIHEDRALS lines, kcal/mol
    Amber,            // frcmod DIHE lines, kcal/mol
    Openmm,           // a <Proper> element, kJ/mol and radians
    Offxml,           // a <Proper> element, kcal/mol and degrees
    LammpsOpls,       // dihedral_style and dihedral_coeff, units real
    LammpsFourier,
    LammpsMulti,      // multi/harmonic
};

// The format of an --export word ("gromacs-rb", "gromacs-fourier", "gromacs-periodic", "charmm",
// "amber", "openmm", "offxml", "lammps-opls", "lammps-fourier", "lammps-multi"), or nothing.
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

// The words ExportFormatNamed takes, separated by "|".
std::string_view ExportFormatNames();

// A torsion written in a file's convention, or the reason it cannot be (one Spanish line).
struct ExportedTorsion {
    std::string text;     // whole lines, each ending in a line end
    std::string refusal;
    bool ok() const { return refusal.empty(); }
};

// Writes V1 ... V6 (kcal/mol) for the four types in the format, with numbers as the shortest
// texts that read back to the same doubles; the text read by this library's reader of that
// format gives V1 ... V6 back to within rounding. Refuses what the convention cannot hold:
// V6 in gromacs-rb, V5 or V6 in gromacs-fourier, lammps-opls and lammps-multi; types longer
// than two characters in amber; coefficients that are not finite.
ExportedTorsion ExportTorsion(ExportFormat format, const CoefficientSet& V, const std::array<std::string, 4>& types);
