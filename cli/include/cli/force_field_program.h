#pragma once

#include "cli/command_line.h"
#include "forcefield/type_filter.h"

#include <string>
#include <vector>

// zelmara-scan --force-field: reads request.forceFieldPath and writes into out one row per
// proper torsion type (those request.types matches), as TSV, CSV or JSON, each with its
// V1 ... V6, offset and analysis at request.temperature, or its reason for not having them.
// Remarks on how the file was read go into notes, one line each. A file that cannot be read
// leaves out empty, puts its one Spanish line in error and returns exit status 2; otherwise
// returns 0.
int ListForceField(const ScanRequest& request, std::string& out, std::vector<std::string>& notes, std::string& error);
