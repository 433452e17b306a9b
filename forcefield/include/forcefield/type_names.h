#pragma once

#include <string>
#include <string_view>
#include <vector>

// The atom-type names of a torsion as the user writes them (zelmara-scan --types, the export
// window's types field): the words between spaces and tabs, in order; none for a blank text.
std::vector<std::string> TypeNames(std::string_view text);
