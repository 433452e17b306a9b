#include "text/number_text.h"

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

// Numbers written without an exponent take a quicker path than the others: check it at every
// decimal exponent, at the edges of each decade, and at six-digit ties (exact only above 1e5).
TEST(NumberText, GFormWithoutExponentMatchesPrintfAtEdgesAndTies)
{
    std::vector<double> values = {100000.5, 100001.5, 123456.5, 999999.5, 999999.4999999999, 0.5, 0.25};
    for (double decade = 1e-6; decade < 1e7; decade *= 10)
        for (const double edge : {decade, 9.999995 * decade, 9.999985 * decade, 1.000005 * decade})
            for (const double toward : {0.0, 1e300})
                values.push_back(std::nextafter(edge, toward));
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> exponent(-5.0, 6.5);
    for (int i = 0; i < 200000; ++i) values.push_back(std::pow(10.0, exponent(random)));
    for (const double value : values) {
        ASSERT_EQ(FormatG(value), PrintfG(value)) << std::hexfloat << value;
        ASSERT_EQ(FormatG(-value), PrintfG(-value)) << std::hexfloat << value;
    }
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
    // Subnormal doubles have few digits' worth of bits: six digits would be too many.
    EXPECT_EQ(FormatRoundTrip(5e-324), "5e-324");
    EXPECT_EQ(FormatRoundTrip(-1.5e-323), "-1.5e-323");
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
        {"1e", TrailingText},  {"1 000", TrailingText}, {"1e400", TooLarge},     {"1e-400", TooSmall},
        {"nan", NotFinite},    {"-inf", NotFinite},     {"Infinity", NotFinite}, {"0x10", Hexadecimal},
        {"NaN(x_1)", NotFinite},
        // Too large or too small is told by the first significant digit's place and the exponent.
        {"-0.0000018e314", TooLarge}, {"2e-324", TooSmall}, {"12345e-328", TooSmall}, {"0.00001e+314", TooLarge},
        {"0.0001e-321", TooSmall},    {"100e307", TooLarge}, {"1e-99999999999999999999", TooSmall},
        // Words that merely start like a spelling of nan or infinity are not numbers at all.
        {"inflate", NoDigits}, {"nano", NoDigits}, {"information", NoDigits}, {"-infinite", NoDigits},
        {"nan(", NoDigits},    {"nan(1,2)", NoDigits},
    };
    for (const auto& [text, error] : cases) EXPECT_EQ(ReadNumber(text).error, error) << '"' << text << '"';
}

// What a hostile paste into an edit field holds: each is refused with the reason a user needs
// (or, for a long but ordinary fraction, read).
TEST(ReadNumber, HugeAndForeignTextsGetTheRightAnswer)
{
    using enum NumberError;
    const std::pair<std::string, NumberError> cases[] = {
        {std::string(1 << 20, 'a'), NoDigits},
        {std::string(10000, '7'), TooLarge},
        {"0." + std::string(400, '0') + "1", TooSmall},
        {"1" + std::string(1 << 20, ' ') + "2", TrailingText},
        {"\u0663", NoDigits},            // ARABIC-INDIC DIGIT THREE
        {"\uFF15", NoDigits},            // FULLWIDTH DIGIT FIVE
        {"\u200F5", NoDigits},           // a right-to-left mark before the number
        {"5\u200F", TrailingText},       // and after it
        {"1.000,5", TrailingText},       // thousands separators
        {"1\u00A0000", TrailingText},
        {"1'000", TrailingText},
    };
    for (const auto& [text, error] : cases) EXPECT_EQ(ReadNumber(text).error, error) << text.substr(0, 20);

    const NumberReading longFraction = ReadNumber("0." + std::string(10000, '3'));
    ASSERT_TRUE(longFraction.ok());
    EXPECT_EQ(longFraction.value, 1.0 / 3.0);
}

}  // namespace
