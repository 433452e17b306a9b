#include "afxwin.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <cmath>

namespace {

TEST(CStringFormatTest, WritesTheUnderstoodDirectives)
{
    CString text;
    text.Format("%g|%g|%g|%g", 0.005, 180.1, 1e14, -2.5e-7);
    EXPECT_EQ(text, "0.005|180.1|1e+14|-2.5e-07");
    text.Format("%s=%d, %u%%", "ángulo", -42, 4000000000u);
    EXPECT_EQ(text, "ángulo=-42, 4000000000%");
    text.Format("%g %g", std::nan(""), -HUGE_VAL);
    EXPECT_EQ(text, "nan -inf");
}

TEST(CStringFormatTest, CopiesOtherDirectivesAsTheyStandWithoutTakingArguments)
{
    // Through a variable: the compiler's printf check would read %x as taking the argument.
    const std::string format = "%x then %d, and 100%";
    CString text;
    text.Format(format.c_str(), 7);
    EXPECT_EQ(text, "%x then 7, and 100%");
}

TEST(CStringFormatTest, IgnoresTheProcessLocale)
{
    // The tests run under es_ES.UTF-8, whose printf writes a decimal comma.
    ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
    char printed[16];
    std::snprintf(printed, sizeof printed, "%g", 0.005);
    ASSERT_STREQ(printed, "0,005") << "the tests must run under es_ES.UTF-8";
    CString text;
    text.Format("%g", 0.005);
    EXPECT_EQ(text, "0.005");
    std::setlocale(LC_ALL, "C");
}

TEST(CStringTest, LoadsAStringResourceAndQuietlyRefusesAMissingOne)
{
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_ABOUTBOX));
    EXPECT_EQ(text, "&Acerca de Zelmara...");

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(text.LoadString(4321));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(text.IsEmpty());
}

TEST(CStringTest, ComparesAndConvertsLikeText)
{
    CString text("Zelmara");
    EXPECT_FALSE(text.IsEmpty());
    EXPECT_STREQ(static_cast<LPCTSTR>(text), "Zelmara");
    EXPECT_TRUE(text == "Zelmara");
    EXPECT_TRUE(text != "zelmara");
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(CString(static_cast<LPCTSTR>(nullptr)), "");
}

}  // namespace
