#pragma once

#include <span>
#include <string_view>

// Runs zelmara-scan: reads the arguments (UTF-8, without the program name), writes the table,
// its JSON form, the help or the version to stdout or one message to stderr, and returns the
// exit status.
int RunScanProgram(std::span<const std::string_view> arguments);
