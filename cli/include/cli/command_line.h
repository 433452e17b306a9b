#pragma once

#include "core/coefficient_set.h"
#include "core/conformational_analysis.h"
#include "core/extremum_scan.h"
#include "report/scan_table.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// What a valid command line asks for: the grid scan, or with analyze the conformational
// analysis (then precision and order are unused), and how to print it.
struct ScanRequest {
    CoefficientSet coefficients{};  // V1 ... V6, zero unless given
    double precision = kDefaultPrecision;
    TableFormat format = TableFormat::Tab;
    bool json = false;  // JSON instead of TSV or CSV
    RowOrder order = RowOrder::LargestAngleFirst;
    bool analyze = false;
    double temperature = kDefaultTemperature;  // kelvin
    std::string plotPath;  // UTF-8; where --analyze also writes the SVG plot, unless empty
    // --force-field FILE lists the file's torsions instead of a scan; --export FORMAT writes
    // the coefficients in a force field's convention instead.
    std::string forceFieldPath;    // UTF-8
    std::string forceFieldFormat;  // --format, a word FormatNamed knows; empty: guessed
    std::string lammpsStyle;       // --lammps-style
    std::string lammpsUnits;       // --lammps-units, a word LammpsUnitsNamed knows
    std::string exportFormat;      // --export, checked when exporting
    std::vector<std::string> types;  // --types, split at blanks
    bool typesGiven = false;
};

enum class CommandAction { Scan, ShowHelp, ShowVersion, Refuse };

// The outcome of reading the arguments: for Scan the request is meaningful, for Refuse the
// error is one Spanish line (no program name, no line end) naming the option and the fault.
struct CommandLine {
    CommandAction action = CommandAction::Scan;
    ScanRequest request;
    std::string error;
};

// Reads the arguments that follow the program name, left to right. Options: --v1 ... --v6 X,
// --precision H, --temperature K, --plot FILE (each also as --name=X; the word after the option
// is its value even when it starts with '-', unless it starts with "--"), --analyze,
// --ascending, --csv, --json, --help, --version. "--" ends the options; the program takes no
// other arguments, so any word after it is refused. A later value replaces an earlier one;
// --help or --version ends the reading at once; the first fault ends it with Refuse, and so do
// options that cannot go together: --json with --csv; --temperature or --plot without
// --analyze; --precision or --ascending with it. Numbers are read with ReadNumber; H must lie
// in kMinPrecision ... kMaxPrecision, K in kMinTemperature ... kMaxTemperature. The user's text
// is shown in errors through ShownText. --force-field FILE [--format F] [--types "A B C D"]
// [--lammps-style S] [--lammps-units U] [--temperature K] [--csv | --json] and --export FORMAT
// [--v1 X ...] [--types "A B C D"] are modes of their own: --format, --lammps-style and
// --lammps-units need --force-field, --types one of the two, and neither goes with the
// options of the scan or of --analyze (nor --export with --csv, --json or --temperature).
CommandLine ParseCommandLine(std::span<const std::string_view> arguments);
