#pragma once

#include "forcefield/torsion.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A file an #include names: its text when found; error, when not empty, says why a file that
// is there cannot be read (one Spanish line).
struct IncludedFile {
    bool found = false;
    std::string text;
    std::string error;
};

// Where a GROMACS topology's #include files come from: read opens a path, dataFolders are
// searched (in order) after the including file's own folder.
struct GromacsFiles {
    std::function<IncludedFile(const std::string& path)> read;
    std::vector<std::string> dataFolders;
};

// Reads a GROMACS topology (.top or .itp; fileName names it in messages and locates its
// includes): the [ dihedraltypes ] lines (four type names, or the two middle ones) and the
// [ dihedrals ] lines that carry their own parameters, with functions 1 and 9 (phi_s, k, n),
// 3 (Ryckaert-Bellemans C0 ... C5) and 5 (OPLS F1 ... F4), kJ/mol and degrees; consecutive
// function-9 lines of the same atoms add up. Functions 2 and 4 (impropers) are counted. Follows
// #include (at most 16 deep, never into a file already open), #define and #undef (macros stand
// for parameters), #ifdef, #ifndef, #else and #endif; ";" starts a comment.
ForceFieldReading ReadGromacs(std::string_view text, const std::string& fileName, const GromacsFiles& files);
