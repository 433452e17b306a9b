#pragma once

// The command line of zelmara-scan's two fitting modes: --fit FILE (a profile from a file) and
// --xtb MOLECULE.xyz (a profile made by xtb), each fitted and reported.

#include "core/conformational_analysis.h"
#include "report/scan_table.h"

#include "fitting/profile_readers.h"
#include "fitting/torsion_fit.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class XtbMethod { Gfn2, GfnFf };

struct FitRequest {
    std::string profilePath;    // --fit, UTF-8
    std::string moleculePath;   // --xtb, UTF-8; exactly one of the two is set
    std::optional<ProfileFormat> format;       // --format; else taken from the file
    std::optional<DihedralAtoms> dihedral;     // --dihedral i,j,k,l
    std::string xtbInputPath;                  // --xtb-input: where the dihedral is named instead
    std::optional<EnergyUnit> unit;            // --energy-unit, for tables
    FitOptions fit;                            // --terms, --cutoff, --boltzmann
    double temperature = kDefaultTemperature;  // --temperature, of the analysis
    TableFormat table = TableFormat::Tab;      // --csv
    bool json = false;                         // --json
    std::string plotPath;                      // --plot
    double step = 15.0;                        // --step, degrees, with --xtb
    XtbMethod method = XtbMethod::Gfn2;        // --xtb-method
    std::string keepScanPath;                  // --keep-scan DIR
};

enum class FitAction { Fit, Refuse };

struct FitCommandLine {
    FitAction action = FitAction::Fit;
    FitRequest request;
    std::string error;   // for Refuse: one Spanish line naming the option
};

// True when the arguments ask for a fitting mode: --fit or --xtb comes before any "--".
bool IsFitCommand(std::span<const std::string_view> arguments);

// Reads a fitting mode's arguments as ParseCommandLine reads the scan's (--name=X or --name X,
// a later value replaces an earlier one, "--" ends the options, texts shown through ShownText).
// Refuses, besides malformed values, --fit with --xtb, --xtb without --dihedral, --json with
// --csv, the profile-file options (--format, --energy-unit, --xtb-input) with --xtb and the scan
// options (--step, --xtb-method, --keep-scan) with --fit. --terms takes indices and ranges
// ("1,2,3,4", "1-6", "1-3,6"); --step must divide 360 into 2 ... 360 steps.
FitCommandLine ParseFitCommandLine(std::span<const std::string_view> arguments);
