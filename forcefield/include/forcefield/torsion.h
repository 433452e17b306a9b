#pragma once

#include "core/coefficient_set.h"

#include <string>
#include <vector>

// One proper torsion type of a force field, as Zelmara's V1 ... V6 (kcal/mol) and the constant
// offset the file's potential has beside them (its value at phi = 180 degrees), or the reason it
// cannot be written so.
struct ForceFieldTorsion {
    std::vector<std::string> types;  // as the file wrote them, wildcards ("X", "") included
    std::string file;                // the file that holds it, as it was named
    int line = 0;                    // its first line there, counted from 1
    CoefficientSet V{};
    double offset = 0.0;             // kcal/mol
    std::string refusal;             // one Spanish line; empty when V and offset are meaningful

    bool converted() const { return refusal.empty(); }
};

// Everything a reader took from one force field: its proper torsion types in file order, how
// many improper ones it passed over, and remarks on how it read the file (Spanish, one line
// each). error, when not empty, is the one Spanish line "FILE:LINE: fault" that ended the
// reading; the rest is then meaningless.
struct ForceFieldReading {
    std::vector<ForceFieldTorsion> torsions;
    int impropersSkipped = 0;
    std::vector<std::string> notes;
    std::string error;

    bool ok() const { return error.empty(); }
};
