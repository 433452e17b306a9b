#pragma once

#include <charconv>

// std::from_chars for a double in the general format: the nearest double to the text, on every
// target the program is built for.
std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value);
