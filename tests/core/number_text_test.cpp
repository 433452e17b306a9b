#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string PrintfG(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::uint64_t Bits(double x)
{
    return std::bit_cast<std::uint64_t>(x);
}

// Finite doubles of every magnitude, and angles of the size the program prints.
std::vector<double> RandomDoubles(std::size_t count)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> angle(0.0, 180.1);
    std::vector<double> values;
    while (values.size() < count) {
        if (const double x = std::bit_cast<double>(random()); std::isfinite(x)) values.push_back(x);
        values.push_back(angle(random));
    }
    return values;
}

TEST(NumberText, GFormMatchesPrintfInTheCLocale)
{
    EXPECT_EQ(FormatG(1e-5), "1e-05");
    EXPECT_EQ(FormatG(1e6), "1e+06");
    EXPECT_EQ(FormatG(123456.7), "123457");
    EXPECT_EQ(FormatG(0.5), "0.5");
    EXPECT_EQ(FormatG(-0.0), "-0");
    EXPECT_EQ(FormatG(180.1), "180.1");
    ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    for (const double value : RandomDoubles(200000)) ASSERT_EQ(FormatG(value), PrintfG(value));
}

TEST(NumberText, RoundTripFormIsTheShortestGFormThatReadsBack)
{
    EXPECT_EQ(FormatRoundTrip(0.0), "0");
    EXPECT_EQ(FormatRoundTrip(0.005), "0.005");
    EXPECT_EQ(FormatRoundTrip(0.0001), "0.0001");
    EXPECT_EQ(FormatRoundTrip(180.0), "180");
    EXPECT_EQ(FormatRoundTrip(200.0), "200");
    EXPECT_EQ(FormatRoundTrip(1e14), "1e+14");
    EXPECT_EQ(FormatRoundTrip(0.1 + 0.2), "0.30000000000000004");
    for (const double value : RandomDoubles(100000)) {
        const std::string text = FormatRoundTrip(value);
        ASSERT_EQ(Bits(std::strtod(text.c_str(), nullptr)), Bits(value)) << text;
    }
}

// Once a program adopts the Spanish locale printf writes a decimal comma; the number texts
// must keep the point, and a typed point must still be read.
TEST(NumberText, SpanishNumericLocaleChangesNothing)
{
#ifdef _WIN32
    const char* const spanish = "Spanish_Spain.1252";  // the Windows C runtime's name for it
#else
    const char* const spanish = "es_ES.UTF-8";
#endif
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, spanish) == nullptr) GTEST_SKIP() << spanish << " locale missing";
    const std::string printfHalf = PrintfG(0.5), half = FormatG(0.5), step = FormatRoundTrip(0.005);
    const NumberReading point = ReadNumber("180.1");
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(printfHalf, "0,5");
    EXPECT_EQ(half, "0.5");
    EXPECT_EQ(step, "0.005");
    EXPECT_TRUE(point.ok());
    EXPECT_EQ(point.value, 180.1);
}

TEST(ReadNumber, AcceptsWhatUsersType)
{
    const std::pair<const char*, double> cases[] = {
        {"  1e14 ", 1e14}, {"+2.5E-3", 2.5e-3}, {"0,005", 0.005}, {".5", 0.5}, {"-0.157", -0.157}, {"\t7\n", 7.0},
    };
    for (const auto& [text, value] : cases) {
        const NumberReading reading = ReadNumber(text);
        EXPECT_TRUE(reading.ok()) << text;
        EXPECT_EQ(reading.value, value) << text;
    }
    EXPECT_TRUE(ReadNumber("-0").ok());
    EXPECT_TRUE(std::signbit(ReadNumber("-0").value));
}

// Texts of up to 16 significant digits, the kind a quick conversion multiplies or divides by a
// power of ten: each must give the nearest double, as the C library's strtod reads it, never a
// neighbour one unit in the last place away (which rounding twice can give).
TEST(ReadNumber, GivesTheNearestDouble)
{
    std::mt19937_64 random(11);
    for (int i = 0; i < 100000; ++i) {
        const auto digits = static_cast<long long>(random() % 10'000'000'000'000'000);
        const int exponent = static_cast<int>(random() % 61) - 30;
        const std::string text = std::to_string(digits) + "e" + std::to_string(exponent);
        ASSERT_EQ(Bits(ReadNumber(text).value), Bits(std::strtod(text.c_str(), nullptr))) << text;
    }
}

TEST(ReadNumber, RefusesWhatIsNotAFiniteDecimalNumber)
{
    using enum NumberError;
    const std::pair<const char*, NumberError> cases[] = {
        {"", Empty},           {"   ", Empty},          {"abc", NoDigits},       {"+-1", NoDigits},
        {".", NoDigits},       {"1.2.3", TrailingText}, {"1,2,3", TrailingText}, {"0.5,1", TrailingText},
        {"1e", TrailingText},  {"1 000", TrailingText}, {"1e400", OutOfRange},   {"1e-400", OutOfRange},
        {"nan", NotFinite},    {"-inf", NotFinite},     {"Infinity", NotFinite}, {"0x10", Hexadecimal},
    };
    for (const auto& [text, error] : cases) EXPECT_EQ(ReadNumber(text).error, error) << '"' << text << '"';
}

}  // namespace
