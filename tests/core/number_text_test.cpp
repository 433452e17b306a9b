#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

std::string PrintfG(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

// Random doubles over the whole range of magnitudes, and plain ones of the size the program
// prints.
std::vector<double> RandomDoubles(std::size_t count)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> angle(0.0, 180.1);
    std::vector<double> values;
    while (values.size() < count) {
        const double bits = std::bit_cast<double>(random());
        if (std::isfinite(bits)) values.push_back(bits);
        values.push_back(angle(random));
    }
    return values;
}

TEST(FormatG, UsesThePrintfGForm)
{
    EXPECT_EQ(FormatG(1e-5), "1e-05");
    EXPECT_EQ(FormatG(0.0001), "0.0001");
    EXPECT_EQ(FormatG(1e6), "1e+06");
    EXPECT_EQ(FormatG(999999.0), "999999");
    EXPECT_EQ(FormatG(123456.7), "123457");
    EXPECT_EQ(FormatG(0.5), "0.5");
    EXPECT_EQ(FormatG(180.0), "180");
    EXPECT_EQ(FormatG(180.1), "180.1");
    EXPECT_EQ(FormatG(0.0), "0");
    EXPECT_EQ(FormatG(-0.0), "-0");
    EXPECT_EQ(FormatG(-2.8828e-12), "-2.8828e-12");
    EXPECT_EQ(FormatG(1e300), "1e+300");
}

TEST(FormatG, AgreesWithPrintfInTheCLocale)
{
    ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    for (const double value : RandomDoubles(200000)) ASSERT_EQ(FormatG(value), PrintfG(value)) << value;
    for (const double value : {std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::infinity()})
        EXPECT_EQ(FormatG(value), PrintfG(value));
}

TEST(FormatRoundTrip, UsesTheShortestGFormThatReadsBack)
{
    EXPECT_EQ(FormatRoundTrip(0.0), "0");
    EXPECT_EQ(FormatRoundTrip(0.005), "0.005");
    EXPECT_EQ(FormatRoundTrip(0.0001), "0.0001");
    EXPECT_EQ(FormatRoundTrip(180.0), "180");
    EXPECT_EQ(FormatRoundTrip(200.0), "200");
    EXPECT_EQ(FormatRoundTrip(1e14), "1e+14");
    EXPECT_EQ(FormatRoundTrip(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(FormatRoundTrip(-0.157), "-0.157");
    EXPECT_EQ(FormatRoundTrip(std::nextafter(0.0001, 0.0)), "9.999999999999999e-05");
}

TEST(FormatRoundTrip, ReadsBackToTheSameDouble)
{
    for (const double value : RandomDoubles(100000)) {
        const std::string text = FormatRoundTrip(value);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(std::strtod(text.c_str(), nullptr)),
                  std::bit_cast<std::uint64_t>(value)) << text;
        ASSERT_LE(text.size(), 24u) << text;
    }
}

// The tests run under es_ES.UTF-8; once a program adopts it, printf writes a decimal comma
// but the number texts must keep the point, and typed points must still be read.
TEST(NumberTextLocale, SpanishNumericLocaleDoesNotChangeTheTexts)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "es_ES.UTF-8") == nullptr) GTEST_SKIP() << "es_ES.UTF-8 locale missing";
    const std::string printfHalf = PrintfG(0.5);
    const std::string formatHalf = FormatG(0.5);
    const std::string roundTrip = FormatRoundTrip(0.005);
    const NumberReading pointRead = ReadNumber("180.1");
    const NumberReading commaRead = ReadNumber("0,005");
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(printfHalf, "0,5");
    EXPECT_EQ(formatHalf, "0.5");
    EXPECT_EQ(roundTrip, "0.005");
    EXPECT_TRUE(pointRead.ok());
    EXPECT_EQ(pointRead.value, 180.1);
    EXPECT_EQ(commaRead.value, 0.005);
}

TEST(ReadNumber, AcceptsWhatUsersType)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"  1e14 ", 1e14}, {"+2.5E-3", 2.5e-3}, {"0,005", 0.005}, {".5", 0.5}, {"-0.157", -0.157},
        {"180", 180.0},     {"\t7\n", 7.0},      {"4.9e-324", std::numeric_limits<double>::denorm_min()},
    };
    for (const auto& c : cases) {
        const NumberReading reading = ReadNumber(c.text);
        EXPECT_TRUE(reading.ok()) << c.text;
        EXPECT_EQ(reading.value, c.value) << c.text;
    }
    const NumberReading negativeZero = ReadNumber("-0");
    EXPECT_TRUE(negativeZero.ok());
    EXPECT_TRUE(std::signbit(negativeZero.value));
}

TEST(ReadNumber, RefusesWhatIsNotAFiniteDecimalNumber)
{
    const struct {
        const char* text;
        NumberError error;
    } cases[] = {
        {"", NumberError::Empty},
        {"   ", NumberError::Empty},
        {"abc", NumberError::NoDigits},
        {"+-1", NumberError::NoDigits},
        {"--1", NumberError::NoDigits},
        {".", NumberError::NoDigits},
        {"e5", NumberError::NoDigits},
        {"1.2.3", NumberError::TrailingText},
        {"1,2,3", NumberError::TrailingText},
        {"0.5,1", NumberError::TrailingText},
        {"1e", NumberError::TrailingText},
        {"1 000", NumberError::TrailingText},
        {"12abc", NumberError::TrailingText},
        {"1e400", NumberError::OutOfRange},
        {"-1e400", NumberError::OutOfRange},
        {"1e-400", NumberError::OutOfRange},
        {"nan", NumberError::NotFinite},
        {"-inf", NumberError::NotFinite},
        {"Infinity", NumberError::NotFinite},
        {"NAN(0)", NumberError::NotFinite},
        {"0x10", NumberError::Hexadecimal},
        {"-0X1p3", NumberError::Hexadecimal},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text).error, c.error) << '"' << c.text << '"';
}

}  // namespace
