#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// Runs zelmara-scan: reads the arguments (UTF-8, without the program name), writes the table,
// its JSON form, the help or the version to stdout or one message to stderr, and returns the
// exit status.
int RunScanProgram(std::span<const std::string_view> arguments);

// For a command line whose argument `position` (from 1) has no UTF-8 form (a lone UTF-16
// surrogate on Windows): writes the one message saying so and returns the exit status of bad
// arguments, so that no other name is used in its place.
int RefuseArgumentNotText(std::size_t position);
