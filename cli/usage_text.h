#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kProgramName = "zelmara-scan";

// The Spanish usage text that --help prints, ending in a line end.
std::string HelpText();

// The line that --version prints: the program name and the project's version, 1.0.0.1.
std::string VersionText();
