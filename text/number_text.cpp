#include "text/number_text.h"

#include "text/double_from_chars.h"
#include "text/ascii_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace {

// Exact powers of ten 10^0 ... 10^9.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// How far the scaled value may be from a digit boundary or a rounding tie before the quick
// path hands the number to to_chars. The scaling is one correctly rounded operation on a
// value below 2^20, so it is off by at most 2^-33, far less than this.
constexpr double kDoubtMargin = 1e-6;

// value * 10^(5 - exponent) for exponent -4 ... 5: the six leading digits of a positive value
// whose decimal exponent is exponent, before rounding.
double LeadingSixDigits(double value, int exponent)
{
    return value * kPowersOfTen[5 - exponent];
}

// The "%g" text of a value whose text has no exponent part (1e-4 <= |value| < 1e6 after
// rounding to six digits), written at out; nullptr, with nothing meaningful written, when
// value lies outside that range or is within kDoubtMargin of a tie or a digit boundary. This
// is the common case of every table, done in a few nanoseconds instead of through to_chars.
char* WriteFixedG(char* out, double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 999999.5)) return nullptr;
    // The decimal exponent is the largest whose scaled value reaches 100000.
    int exponent = 5;
    double scaled = magnitude;
    while (scaled < 100000.0 && exponent > -4) scaled = LeadingSixDigits(magnitude, --exponent);
    const double fraction = scaled - std::floor(scaled);
    if (scaled < 100000.0 + kDoubtMargin || scaled > 1000000.0 - kDoubtMargin ||
        std::fabs(fraction - 0.5) < kDoubtMargin)
        return nullptr;

    auto digits = static_cast<std::uint32_t>(scaled + 0.5);
    if (digits == 1000000) {
        digits = 100000;
        ++exponent;
    }
    if (exponent > 5) return nullptr;

    char text[6];
    for (int i = 5; i >= 0; --i, digits /= 10) text[i] = static_cast<char>('0' + digits % 10);
    int kept = 6;
    while (kept > exponent + 1 && text[kept - 1] == '0') --kept;

    if (std::signbit(value)) *out++ = '-';
    if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        for (int zeros = -exponent - 1; zeros > 0; --zeros) *out++ = '0';
        for (int i = 0; i < kept; ++i) *out++ = text[i];
        return out;
    }
    for (int i = 0; i <= exponent; ++i) *out++ = text[i];
    if (kept > exponent + 1) {
        *out++ = '.';
        for (int i = exponent + 1; i < kept; ++i) *out++ = text[i];
    }
    return out;
}

}  // namespace

char* WriteG(char* first, char* last, double value)
{
    if (value == 0.0) {
        if (std::signbit(value)) *first++ = '-';
        *first++ = '0';
        return first;
    }
    if (char* end = WriteFixedG(first, value)) return end;
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
    int digits = 1;
    for (; digits <= 17; ++digits) {
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits).ptr;
        double back = 0.0;
        DoubleFromChars(buffer, end, back);
        if (back == value) break;
    }
    // "%g" chooses the exponent form when the exponent reaches the precision, so fewer than six
    // digits would turn 180 into "1.8e+02"; for a normal double six digits round to the same
    // digits, trailing zeros removed. A subnormal double holds fewer than six digits' worth of
    // bits, so its six-digit text can carry digits that do not count ("4.94066e-324" for
    // "5e-324"); being below 1e-4 it takes the exponent form at any precision anyway.
    if (digits < 6 && std::fpclassify(value) != FP_SUBNORMAL)
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6).ptr;
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

bool EqualsIgnoringCase(std::string_view text, std::string_view word)
{
    return text.size() == word.size() && ascii_text::EqualsIgnoringCase(text, word);
}

// "inf", "infinity", "nan" or "nan(" letters, digits and '_' ")", in any case: the whole of a
// text that the C library reads as infinity or nan. A word that merely starts like one
// ("inflate", "nano") is not a spelling of either.
bool SpellsNanOrInfinity(std::string_view word)
{
    if (EqualsIgnoringCase(word, "inf") || EqualsIgnoringCase(word, "infinity") ||
        EqualsIgnoringCase(word, "nan"))
        return true;
    if (word.size() < 5 || !EqualsIgnoringCase(word.substr(0, 4), "nan(") || word.back() != ')')
        return false;
    const std::string_view payload = word.substr(4, word.size() - 5);
    return std::ranges::all_of(payload, [](char c) {
        return ascii_text::IsLetter(c) || ascii_text::IsDigit(c) || c == '_';
    });
}

// For a decimal number a double cannot hold ("1e400", "0.0001e-320"): whether it is that large
// rather than that small, from the decimal exponent of its first significant digit.
bool IsTooLarge(std::string_view number)
{
    long long integerDigits = 0, zerosAfterPoint = 0;   // significant ones; zeros before the first
    bool point = false, significant = false;
    std::size_t i = 0;
    for (; i < number.size() && (ascii_text::IsDigit(number[i]) || (number[i] == '.' && !point)); ++i) {
        significant = significant || (number[i] != '0' && number[i] != '.');
        if (number[i] == '.') point = true;
        else if (!point && significant) ++integerDigits;
        else if (point && !significant) ++zerosAfterPoint;
    }
    const long long order = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);
    long long exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
        for (; i < number.size() && ascii_text::IsDigit(number[i]); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000000LL);
        if (negative) exponent = -exponent;
    }
    return order + exponent >= 0;   // a text that does not fit is far from 1 either way
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
        if (SpellsNanOrInfinity(rest)) return {0.0, NumberError::NotFinite};
        return {0.0, NumberError::NoDigits};
    }
    // from_chars takes its own minus sign; the sign has been read already, so a second one
    // ("+-5", "--5") is not a number.
    const bool digitFirst = !rest.empty() && (ascii_text::IsDigit(rest.front()) || rest.front() == '.');
    if (!digitFirst) return {0.0, NumberError::NoDigits};

    double magnitude = 0.0;
    const auto [end, ec] = DoubleFromChars(rest.data(), rest.data() + rest.size(), magnitude);
    if (ec == std::errc::invalid_argument) return {0.0, NumberError::NoDigits};
    if (ec == std::errc::result_out_of_range)
        return {0.0, IsTooLarge(rest) ? NumberError::TooLarge : NumberError::TooSmall};
    if (end != rest.data() + rest.size()) return {0.0, NumberError::TrailingText};
    return {negative ? -magnitude : magnitude, NumberError::None};
}

std::string OutOfRangeText(NumberError error)
{
    if (error == NumberError::TooLarge)
        return "es demasiado grande (el mayor valor absoluto representable es " +
               FormatRoundTrip(std::numeric_limits<double>::max()) + ")";
    return "es demasiado pequeño: se leería como 0 (el menor valor absoluto representable distinto de 0 es " +
           FormatRoundTrip(std::numeric_limits<double>::denorm_min()) + ")";
}
