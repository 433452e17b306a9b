// Fuzz target: the number writers, checked against the C library. Every 8 bytes of the input
// are one double (a shorter tail is padded with zeros); for each finite one:
// - WriteG, in a buffer of exactly kNumberTextCapacity chars, and FormatG give the text of
//   snprintf("%g") in the C locale;
// - FormatRoundTrip gives a text that strtod reads back bit for bit, with the fewest significant
//   digits that do: no "%.Ng" with fewer digits reads back, and the text is the "%g" form with
//   that many digits, or six, as 180 is written "180".

#include "fuzz_check.h"
#include "text/number_text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

std::string Printf(int precision, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", precision, value);
    return text;
}

bool ReadsBack(const std::string& text, double value)
{
    return std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)) ==
           std::bit_cast<std::uint64_t>(value);
}

// The significant digits of a "%g" text: those of its mantissa, leading and trailing zeros
// left out; 1 for zero.
int SignificantDigits(std::string_view text)
{
    text = text.substr(0, text.find_first_of("eE"));
    std::string digits;
    std::ranges::copy_if(text, std::back_inserter(digits), [](char c) { return c >= '0' && c <= '9'; });
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 1;
    return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

void CheckGForm(double value)
{
    const std::string expected = Printf(6, value);
    const auto buffer = std::make_unique<char[]>(kNumberTextCapacity);
    char* const end = WriteG(buffer.get(), buffer.get() + kNumberTextCapacity, value);
    const std::string written(buffer.get(), end);
    if (written != expected) fuzz::Fail("WriteG wrote \"" + written + "\", printf \"" + expected + "\"");
    if (FormatG(value) != expected) fuzz::Fail("FormatG differs from printf \"" + expected + "\"");
}

void CheckRoundTripForm(double value)
{
    const std::string text = FormatRoundTrip(value);
    if (!ReadsBack(text, value)) fuzz::Fail("\"" + text + "\" does not read back as " + Printf(17, value));
    const int digits = SignificantDigits(text);
    for (int fewer = 1; fewer < digits; ++fewer)
        if (ReadsBack(Printf(fewer, value), value))
            fuzz::Fail("\"" + text + "\" has more digits than \"" + Printf(fewer, value) + "\"");
    if (text != Printf(digits, value) && text != Printf(std::max(6, digits), value))
        fuzz::Fail("\"" + text + "\" is not a \"%g\" form of " + Printf(17, value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t offset = 0; offset < size; offset += sizeof(double)) {
        std::uint8_t bytes[sizeof(double)] = {};
        std::memcpy(bytes, data + offset, std::min(sizeof bytes, size - offset));
        const double value = std::bit_cast<double>(bytes);
        if (!std::isfinite(value)) continue;
        CheckGForm(value);
        CheckRoundTripForm(value);
    }
    return 0;
}
