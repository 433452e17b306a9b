#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How the user's own text (an option name, a value, a stray word) appears inside a one-line
// message, so that no argument can break the line, move the cursor, colour the terminal or
// flood the screen.

// Characters of the user's text shown at most; a longer text is cut and ends in "…".
inline constexpr std::size_t kShownTextLimit = 48;

// text as UTF-8 fit for a message: each control character (C0, DEL, C1), line or paragraph
// separator, bidirectional formatting character and byte that is not part of valid UTF-8
// becomes '?'; after kShownTextLimit characters the rest is replaced by "…".
std::string ShownText(std::string_view text);

// ShownText(text) between double quotes.
std::string Quoted(std::string_view text);
