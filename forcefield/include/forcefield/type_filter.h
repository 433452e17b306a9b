#pragma once

#include <string>
#include <string_view>
#include <vector>

// The type names a user writes ("CT CT CT CT": --types, the import window's filter, the export
// window's types): the words of text between blanks and tabs, in order; empty when it has none.
std::vector<std::string> TypeWords(std::string_view text);

// Whether a torsion of those types answers to the words the user gave: the same count read
// forward or backward, a file's "X" or empty name matching any word; two words against a
// file's four (or four against two) compare the middle pair; one word matches a name of the
// torsion.
bool TypesMatch(const std::vector<std::string>& fileTypes, const std::vector<std::string>& asked);
