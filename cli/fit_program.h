#pragma once

// zelmara-scan's fitting modes, --fit FILE and --xtb MOLECULE.xyz, once their arguments are read.

#include "cli/fit_command_line.h"

#include <functional>
#include <string_view>

struct FitOutput {
    std::function<void(std::string_view)> out;        // the report (stdout)
    std::function<void(std::string_view)> message;    // one line per call, without its line end (stderr)
    std::function<void(std::string_view)> progress;   // xtb's progress (see RunXtbScan)
};

// Reads (or with --xtb makes) the profile, fits it, writes the report as text, CSV or JSON and
// the plot when asked for; notes on the profile and a poor fit's warning are messages beginning
// "aviso: ". Returns the exit status: 0, 1 when a file could not be read or written or xtb
// failed, 2 when the profile cannot be read or fitted.
int RunFit(const FitRequest& request, const FitOutput& output);
