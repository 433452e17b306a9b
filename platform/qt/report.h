#pragma once

// Loud failures: a missing resource or control, a script that does not parse. The message,
// in Spanish, goes to stderr prefixed with the program's name.

#include <string_view>

void ReportError(std::string_view message);
