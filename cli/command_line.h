#pragma once

#include "coefficient_set.h"
#include "extremum_scan.h"
#include "scan_table.h"

#include <span>
#include <string>
#include <string_view>

// What a valid command line asks to scan and how to print it.
struct ScanRequest {
    CoefficientSet coefficients{};  // V1 ... V6, zero unless given
    double precision = kDefaultPrecision;
    TableFormat format = TableFormat::Tab;
    bool json = false;  // the table as JSON instead of TSV or CSV
    RowOrder order = RowOrder::LargestAngleFirst;
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
// --precision H (each also as --name=X; the word after the option is its value even when it
// starts with '-', unless it starts with "--"), --ascending, --csv, --json, --help, --version.
// "--" ends the options; the program takes no other arguments, so any word after it is
// refused. A later value replaces an earlier one; --help or --version ends the reading at
// once; the first fault ends it with Refuse, and so do options that cannot go together (--json
// with --csv). Numbers are read with ReadNumber; H must lie in kMinPrecision ...
// kMaxPrecision. The user's text is shown in errors through ShownText.
CommandLine ParseCommandLine(std::span<const std::string_view> arguments);
