#pragma once

#include "cli/command_line.h"

#include <string>

// zelmara-scan --export: writes request.coefficients into out in the convention
// request.exportFormat names, with request.types (default X X X X), and returns 0; or puts the
// one Spanish line saying why it cannot into error and returns exit status 2.
int ExportCoefficients(const ScanRequest& request, std::string& out, std::string& error);
