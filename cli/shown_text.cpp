#include "cli/shown_text.h"

#include <cstdint>

namespace {

// The length of the valid UTF-8 sequence at the start of text (1 ... 4) and its code point, or
// a length of 0 when text does not start with one (a stray continuation byte, a truncated,
// overlong or surrogate sequence, or a value above U+10FFFF).
struct Utf8Char {
    std::size_t length;
    std::uint32_t codePoint;
};

Utf8Char FirstUtf8Char(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {1, lead};
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    std::uint32_t smallest = 0;
    if ((lead & 0xe0) == 0xc0) {
        length = 2, codePoint = lead & 0x1fu, smallest = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3, codePoint = lead & 0x0fu, smallest = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4, codePoint = lead & 0x07u, smallest = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length) return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80) return {0, 0};
        codePoint = (codePoint << 6) | (byte(i) & 0x3fu);
    }
    const bool surrogate = codePoint >= 0xd800 && codePoint <= 0xdfff;
    if (codePoint < smallest || surrogate || codePoint > 0x10ffff) return {0, 0};
    return {length, codePoint};
}

// Characters that would break the line, steer the terminal or reorder the text around them.
bool IsHidden(std::uint32_t c)
{
    const bool control = c < 0x20 || (c >= 0x7f && c <= 0x9f);
    const bool separator = c == 0x2028 || c == 0x2029;
    const bool bidirectional = c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) ||
                               (c >= 0x2066 && c <= 0x2069);
    return control || separator || bidirectional;
}

}  // namespace

std::string ShownText(std::string_view text)
{
    std::string shown;
    for (std::size_t shownChars = 0; !text.empty(); ++shownChars) {
        if (shownChars == kShownTextLimit) {
            shown += "…";
            break;
        }
        const Utf8Char next = FirstUtf8Char(text);
        if (next.length == 0 || IsHidden(next.codePoint)) {
            shown += '?';
            text.remove_prefix(next.length == 0 ? 1 : next.length);
        } else {
            shown += text.substr(0, next.length);
            text.remove_prefix(next.length);
        }
    }
    return shown;
}

std::string Quoted(std::string_view text)
{
    return '"' + ShownText(text) + '"';
}
