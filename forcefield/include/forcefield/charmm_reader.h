#pragma once

#include "forcefield/torsion.h"

#include <string>
#include <string_view>

// Reads a CHARMM parameter file (.prm, .par, or the parameters of a .str; named fileName in
// messages): its DIHEDRALS (or PHI) section, "T1 T2 T3 T4 Kchi n delta" per line (kcal/mol,
// degrees), consecutive lines of the same four types summed into one torsion, "!" comments.
// The IMPROPER (IMPHI) lines are counted; other sections are passed over. Section names are
// read without regard to case, by their first four letters.
ForceFieldReading ReadCharmm(std::string_view text, const std::string& fileName);
