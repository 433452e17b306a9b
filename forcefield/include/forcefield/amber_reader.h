#pragma once

#include "forcefield/torsion.h"

#include <string>
#include <string_view>

// Reads an AMBER frcmod file (its DIHE section, after the keyword line) or a parm*.dat file (its
// dihedral section, the fourth blank-line-ended block after the title, the atom types and the
// hydrophilic line); fileName names it in messages. A line is "IPT-JPT-KPT-LPT" in its first 11
// columns (names padded with blanks), then IDIVF, PK (kcal/mol), PHASE (degrees) and PN, free or
// in fixed columns I4, 3F15; a negative PN continues the torsion on the next line, and the term
// is PK / IDIVF (1 + cos(|PN| phi - PHASE)). Improper lines are counted.
ForceFieldReading ReadAmber(std::string_view text, const std::string& fileName);
