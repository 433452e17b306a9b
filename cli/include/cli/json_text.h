#pragma once

#include <cstddef>
#include <string>

// Numbers in zelmara-scan's JSON output.

// Room for any text WriteJsonNumber writes.
inline constexpr std::size_t kJsonNumberCapacity = 32;

// Writes at out the shortest decimal text that reads back to the same double ("180", "0.005",
// "1e-05", "0.30000000000000004"), in JSON's number syntax, or null when value is not finite;
// returns the end of what it wrote. out must have room for kJsonNumberCapacity chars.
char* WriteJsonNumber(char* out, double value);

// The text WriteJsonNumber writes for value.
std::string JsonNumber(double value);
