#pragma once

#include <string>

// The part of --help on the fitting modes, --fit and --xtb, ending in a line end.
std::string FitHelpText();
