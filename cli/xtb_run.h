#pragma once

// Making a torsion profile with xtb: a relaxed scan of one dihedral of a molecule, run as a
// separate program. Operating-system work (a process, a folder), so it lives here, not in the
// fitting library; only Linux runs it for now.

#include "cli/fit_command_line.h"

#include <functional>
#include <string>
#include <string_view>

struct XtbScan {
    std::string log;     // the text of xtbscan.log
    std::string error;   // one Spanish line: xtb missing, a bad molecule file, a failed scan
    bool ok() const { return error.empty(); }
};

// Writes the constrained-scan input for request's molecule and dihedral (360 / step steps from
// the dihedral's own angle), runs `xtb` (from PATH, one thread per core) in a new temporary
// folder, removed afterwards, or in request.keepScanPath, kept; returns xtbscan.log. When stderr
// is a terminal, progress receives "paso k de n" texts while the scan runs and "" at its end.
XtbScan RunXtbScan(const FitRequest& request, const std::function<void(std::string_view)>& progress);
