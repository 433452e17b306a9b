// Fuzz target: ReadNumber, the reader of typed numbers, on arbitrary bytes.
// - Whatever it accepts is finite and reads back bit for bit from the edit-field text that
//   FormatRoundTrip writes for it.
// - Its answer agrees with the C library's strtod in the C locale, run on the same text with the
//   blanks around it trimmed and a decimal comma made a point: a decimal number that strtod
//   reads whole is accepted with the same bits; one that overflows, or underflows to zero, is
//   out of range; a whole spelling of nan or infinity is not finite; hexadecimal is refused as
//   such; anything else is refused as no number, or as a number followed by other text.

#include "fuzz_check.h"
#include "text/number_text.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text as the reader takes it: blanks around it removed and, when it has no point, its
// first comma made one.
std::string Normalised(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::string normalised(text);
    if (normalised.find('.') == std::string::npos)
        if (const auto comma = normalised.find(','); comma != std::string::npos) normalised[comma] = '.';
    return normalised;
}

// C99's strtod on a text that starts as a nan with a payload, "nan(": the whole text is a nan
// when it is "nan(n-char-sequence)", or else strtod reads only "nan" and the text is no number.
// Windows' C runtimes read "nan(^)" whole, so this grammar, not the local strtod, decides these.
std::optional<NumberError> NanWithPayload(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    if (text.size() < 4 || (text[0] | 0x20) != 'n' || (text[1] | 0x20) != 'a' || (text[2] | 0x20) != 'n' ||
        text[3] != '(')
        return std::nullopt;
    const std::string_view payload = text.substr(4, text.size() - 5);
    const bool valid = text.back() == ')' && std::ranges::all_of(payload, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
    return valid ? NumberError::NotFinite : NumberError::NoDigits;
}

bool IsHexadecimal(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// The reading strtod gives of the normalised text, as ReadNumber should report it.
NumberReading ExpectedReading(const std::string& text)
{
    using enum NumberError;
    if (text.empty()) return {0.0, Empty};
    if (IsHexadecimal(text)) return {0.0, Hexadecimal};
    if (const auto nan = NanWithPayload(text)) return {0.0, *nan};
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    const bool rangeError = errno == ERANGE;
    const bool whole = end == text.c_str() + text.size();
    if (end == text.c_str()) return {0.0, NoDigits};
    // A long nan payload sets ERANGE too; only an infinity can come of an overflow.
    if (std::isnan(value) || (std::isinf(value) && !rangeError)) return {0.0, whole ? NotFinite : NoDigits};
    if (rangeError && std::isinf(value)) return {0.0, TooLarge};
    if (rangeError && value == 0.0) return {0.0, TooSmall};
    if (!whole) return {0.0, TrailingText};
    return {value, None};
}

std::string Describe(NumberReading reading)
{
    return "error " + std::to_string(static_cast<int>(reading.error)) + " value " +
           FormatRoundTrip(reading.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const NumberReading reading = ReadNumber(typed);

    const NumberReading expected = ExpectedReading(Normalised(typed));
    const bool sameValue = !reading.ok() || std::bit_cast<std::uint64_t>(reading.value) ==
                                                std::bit_cast<std::uint64_t>(expected.value);
    if (reading.error != expected.error || !sameValue)
        fuzz::Fail("ReadNumber gives " + Describe(reading) + ", strtod " + Describe(expected));

    if (!reading.ok()) return 0;
    if (!std::isfinite(reading.value)) fuzz::Fail("accepted a value that is not finite");
    const std::string shown = FormatRoundTrip(reading.value);
    const NumberReading back = ReadNumber(shown);
    if (!back.ok() || std::bit_cast<std::uint64_t>(back.value) != std::bit_cast<std::uint64_t>(reading.value))
        fuzz::Fail("\"" + shown + "\", the edit-field text of a number read, reads back as " + Describe(back));
    return 0;
}
