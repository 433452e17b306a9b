#pragma once

// Lines of text cut into blank-separated words, as the file readers need them.

#include <string_view>
#include <vector>

// True for the blanks between words: space, tab, CR, vertical tab, form feed.
bool IsBlank(char c);

// The words of text between blanks, in order; none for a blank or empty text.
std::vector<std::string_view> Words(std::string_view text);
