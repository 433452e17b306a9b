#pragma once

// The layer's UTF-8 text and the wide (UTF-16) text of the Win32 API, converted at the boundary.

#include "afx_types.h"

#include <optional>
#include <string>
#include <string_view>

namespace win32_text {

std::wstring Wide(std::string_view text);
std::string Utf8(std::wstring_view text);
// text as UTF-8, or nullopt when it holds a lone surrogate (which Utf8 replaces with U+FFFD).
std::optional<std::string> StrictUtf8(std::wstring_view text);

// A multi-line edit's text: "\n" line ends as the control keeps them ("\r\n"; a "\r\n" given
// stays as it is), and back ("\r\n" to "\n"; a lone "\r" stays).
std::wstring WithCrLf(std::wstring_view text);
std::wstring WithoutCr(std::wstring_view text);

// Writes text into buffer (capacity wide characters, NUL included), cut to fit.
void CopyWide(std::string_view text, wchar_t* buffer, int capacity);

}  // namespace win32_text
