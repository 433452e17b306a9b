#pragma once

// The four profile readers and the choice between them. Each takes a file's whole text and the
// name to show for it in messages (already made fit for a one-line message); each returns an
// error instead of a profile for a file of another kind, a truncated file, a non-finite or
// out-of-range number, or no point at all.

#include "fitting/energy_profile.h"

#include <array>
#include <optional>
#include <string_view>

// The four atoms of a dihedral, 1-based, as xtb's $constrain numbers them.
using DihedralAtoms = std::array<int, 4>;

// A plain table: two columns angle and energy, separated by tabs, commas, semicolons or blanks
// (the first data line decides which); '#' and '!' start a comment, and so does ';' at the start
// of a line; one header line may come before the data. The energy unit is unit when given, else
// the one the header names (hartree, kcal, kj, ev), else kcal/mol. With ';' as separator a
// decimal comma is accepted. A row with an angle and an empty energy is a failed point: noted
// and left out.
ProfileReading ReadTableProfile(std::string_view text, std::string_view name, std::optional<EnergyUnit> unit);

// xtb's xtbscan.log: xyz frames whose comment lines hold "energy: E" (hartree). Each angle is the
// dihedral of atoms computed from the frame's coordinates. A frame without an energy is noted and
// left out.
ProfileReading ReadXtbProfile(std::string_view text, std::string_view name, const DihedralAtoms& atoms);

// The dihedral of atoms in the first frame of an xyz text (a molecule file), degrees in [0, 360).
struct AngleReading {
    double angle = 0.0;
    int atomCount = 0;   // the frame's
    std::string error;   // one Spanish line naming the file
    bool ok() const { return error.empty(); }
};
AngleReading ReadXyzDihedral(std::string_view text, std::string_view name, const DihedralAtoms& atoms);

// The atoms of the first "dihedral: i,j,k,l[,value]" line of an xtb input ($constrain block),
// or an error naming the file.
struct DihedralReading {
    DihedralAtoms atoms{};
    std::string error;
    bool ok() const { return error.empty(); }
};
DihedralReading ReadXtbInputDihedral(std::string_view text, std::string_view name);

// "i,j,k,l": four atom numbers from 1, of at most seven digits, separated by commas and nothing
// else; nullopt for any other text.
std::optional<DihedralAtoms> ReadDihedralAtoms(std::string_view text);

// A Gaussian output: the last complete "Summary of Optimized Potential Surface Scan" (a relaxed
// scan of one dihedral marked "Scan" in the parameter table), energies from its "Eigenvalues --"
// rows plus the "(add N to energies)" shift, or else the last "Summary of the potential surface
// scan:" table (a rigid scan of one variable, the last energy column). Several summaries, or a
// job that stopped after its last summary, are noted.
ProfileReading ReadGaussianProfile(std::string_view text, std::string_view name);

// An ORCA output: the last "The Calculated Surface using the 'Actual Energy'" block of a scan of
// one parameter (angle, hartree); or, when the text is no ORCA output, a .relaxscanact.dat file
// (two columns, angle and hartree).
ProfileReading ReadOrcaProfile(std::string_view text, std::string_view name);

// The format of a file from its content, then its name: a Gaussian or ORCA banner, xyz frames
// with "energy:" comment lines, a name ending in .relaxscanact.dat; anything else is a table.
ProfileFormat DetectProfileFormat(std::string_view text, std::string_view fileName);

// Reads text in the given format. atoms is needed for Xtb only (the caller refuses it missing).
ProfileReading ReadProfile(ProfileFormat format, std::string_view text, std::string_view name,
                           std::optional<EnergyUnit> unit, const DihedralAtoms& atoms);
