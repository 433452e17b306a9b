#pragma once

// Character checks on plain ASCII, the same under every process locale. <cctype> follows the
// locale that Qt sets from the environment: under a single-byte locale it takes accented
// letters for letters, and under a Turkish one 'I' lowers to a dotless i. Typed numbers,
// resource-script names, keywords and control class names are ASCII, so they are read with
// these instead.

#include <algorithm>
#include <string_view>

namespace ascii_text {

constexpr bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
// Blank, tab, newline, vertical tab, form feed and carriage return.
constexpr bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// 'A'..'Z' become 'a'..'z'; every other byte is returned as it is.
constexpr char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// a and b have the same length and differ at most in the case of ASCII letters.
constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return ToLower(x) == ToLower(y); });
}

}  // namespace ascii_text
