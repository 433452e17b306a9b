#include "cli/shown_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ShownText, ReplacesWhatCouldBreakTheLineOrSteerTheTerminal)
{
    EXPECT_EQ(ShownText("--v1"), "--v1");
    EXPECT_EQ(ShownText("Ángulo φ ≤ 180"), "Ángulo φ ≤ 180");
    EXPECT_EQ(ShownText("--foo\nbar\r\t"), "--foo?bar??");
    EXPECT_EQ(ShownText("\x1b[31mred\x7f"), "?[31mred?");
    EXPECT_EQ(ShownText("a\xc2\x9b" "31mb"), "a?31mb");        // C1 CSI, U+009B
    EXPECT_EQ(ShownText("x\xe2\x80\xaey\xe2\x80\xa8z"), "x?y?z");  // U+202E, U+2028
    // Bytes that are not UTF-8: a stray continuation, a cut sequence, an overlong '/', a surrogate.
    EXPECT_EQ(ShownText("\x80|\xc3|\xc0\xaf|\xed\xa0\x80"), "?|?|??|???");
}

TEST(ShownText, CutsLongTextsWithoutSplittingACharacter)
{
    const std::string digits(10000, '7');
    EXPECT_EQ(ShownText(digits), std::string(kShownTextLimit, '7') + "…");
    EXPECT_EQ(ShownText(digits.substr(0, kShownTextLimit)), digits.substr(0, kShownTextLimit));

    std::string accented;
    for (std::size_t i = 0; i <= kShownTextLimit; ++i) accented += "é";
    EXPECT_EQ(ShownText(accented), accented.substr(0, 2 * kShownTextLimit) + "…");
    EXPECT_EQ(Quoted("a\nb"), "\"a?b\"");
}

}  // namespace
