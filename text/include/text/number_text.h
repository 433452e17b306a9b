#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Number texts shown to users. None of these functions depends on the process locale: the
// decimal separator is always a point.

// Room for any text WriteG writes ("-1.23457e-308" and the like), with space to spare.
inline constexpr std::size_t kNumberTextCapacity = 32;

// Writes the text printf("%g", value) gives in the C locale into [first, last) and returns
// the end of what it wrote. The range must hold kNumberTextCapacity chars.
char* WriteG(char* first, char* last, double value);

// The "%g" text of value, as WriteG writes it.
std::string FormatG(double value);

// The "%g"-style text with the fewest significant digits (at most 17) that reads back to the
// same double: 0 -> "0", 0.005 -> "0.005", 180 -> "180", 1e14 -> "1e+14", 5e-324 -> "5e-324".
std::string FormatRoundTrip(double value);

// Why a text is not a number.
enum class NumberError {
    None,
    Empty,          // nothing but blanks
    NoDigits,       // does not start with a number
    TrailingText,   // a number followed by something else
    TooLarge,       // beyond the largest double (it would overflow to infinity)
    TooSmall,       // not zero but below the smallest double (it would underflow to zero)
    NotFinite,      // the whole text spells nan or infinity: "nan", "-inf", "Infinity", "nan(1)"
    Hexadecimal,    // 0x...
};

// The outcome of reading a typed number: value is meaningful only when error is None.
struct NumberReading {
    double value = 0.0;
    NumberError error = NumberError::None;
    bool ok() const { return error == NumberError::None; }
};

// Reads a number a user typed: blanks around it, an optional sign, digits with a decimal point
// and an optional exponent (1e14, 2.5E-3). When the text has no point, one comma is taken as
// the decimal separator ("0,005" is 0.005). No thousands separators.
NumberReading ReadNumber(std::string_view text);

// What is wrong with a number of error TooLarge or TooSmall, as one Spanish phrase to follow
// the number or its name (with no full stop): the same words in the window and on the command
// line, e.g. "es demasiado grande (el mayor valor absoluto representable es 1.7976931348623157e+308)".
std::string OutOfRangeText(NumberError error);
