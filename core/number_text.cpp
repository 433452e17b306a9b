#include "number_text.h"

#include "ascii_text.h"
#include "double_from_chars.h"

#include <charconv>
#include <system_error>

char* WriteG(char* first, char* last, double value)
{
    // to_chars with chars_format::general and a precision is defined as printf's %.6g in the
    // C locale: six significant digits, trailing zeros removed, a two-digit exponent at least.
    return std::to_chars(first, last, value, std::chars_format::general, 6).ptr;
}

std::string FormatG(double value)
{
    char buffer[kNumberTextCapacity];
    return std::string(buffer, WriteG(buffer, buffer + sizeof buffer, value));
}

std::string FormatRoundTrip(double value)
{
    char buffer[kNumberTextCapacity];
    char* end = buffer;
    // "%g" chooses the exponent form when the exponent reaches the precision, so starting below
    // six would turn 180 into "1.8e+02"; from six on, trailing zeros are removed anyway.
    for (int digits = 6; digits <= 17; ++digits) {
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
        double back = 0.0;
        DoubleFromChars(buffer, end, back);
        if (back == value) break;
    }
    return std::string(buffer, end);
}

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && ascii_text::IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && ascii_text::IsSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool StartsWithLetter(std::string_view text)
{
    return !text.empty() && ascii_text::IsLetter(text.front());
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           ascii_text::EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

NumberReading ReadNumber(std::string_view typed)
{
    const std::string_view trimmed = Trim(typed);
    if (trimmed.empty()) return {0.0, NumberError::Empty};

    // A decimal comma is accepted only where no point is written; one comma is turned into a
    // point and any further comma is left for the trailing-text check to refuse.
    std::string text(trimmed);
    if (text.find('.') == std::string::npos) {
        const auto comma = text.find(',');
        if (comma != std::string::npos) text[comma] = '.';
    }

    std::string_view rest = text;
    bool negative = false;
    if (rest.front() == '+' || rest.front() == '-') {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        return {0.0, NumberError::Hexadecimal};
    if (StartsWithLetter(rest)) {
        if (StartsWithIgnoringCase(rest, "nan") || StartsWithIgnoringCase(rest, "inf"))
            return {0.0, NumberError::NotFinite};
        return {0.0, NumberError::NoDigits};
    }
    // from_chars takes its own minus sign; the sign has been read already, so a second one
    // ("+-5", "--5") is not a number.
    const bool digitFirst = !rest.empty() && (ascii_text::IsDigit(rest.front()) || rest.front() == '.');
    if (!digitFirst) return {0.0, NumberError::NoDigits};

    double magnitude = 0.0;
    const auto [end, ec] = DoubleFromChars(rest.data(), rest.data() + rest.size(), magnitude);
    if (ec == std::errc::invalid_argument) return {0.0, NumberError::NoDigits};
    if (ec == std::errc::result_out_of_range) return {0.0, NumberError::OutOfRange};
    if (end != rest.data() + rest.size()) return {0.0, NumberError::TrailingText};
    return {negative ? -magnitude : magnitude, NumberError::None};
}
