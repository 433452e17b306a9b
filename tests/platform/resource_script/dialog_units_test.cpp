#include "resource_script/dialog_units.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using dialog_units::BaseUnits;
using dialog_units::BaseUnitsFromFont;
using dialog_units::MulDiv;
using dialog_units::PixelRect;
using dialog_units::ToPixels;

TEST(MulDivTest, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(7, 6, 4), 11);    // 10.5
    EXPECT_EQ(MulDiv(5, 6, 4), 8);     // 7.5
    EXPECT_EQ(MulDiv(13, 13, 8), 21);  // 21.125
    EXPECT_EQ(MulDiv(-7, 6, 4), -11);
    EXPECT_EQ(MulDiv(7, -6, 4), -11);
    EXPECT_EQ(MulDiv(-7, -6, 4), 11);
    EXPECT_EQ(MulDiv(7, 6, -4), -11);
}

TEST(MulDivTest, KeepsLargeProductsExactAndRefusesZeroDivisorAndOverflow)
{
    EXPECT_EQ(MulDiv(2'000'000'000, 3, 4), 1'500'000'000);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    // A result beyond int is -1, never a wrapped number.
    EXPECT_EQ(MulDiv(INT_MAX, 6, 4), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 6, 4), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
}

TEST(DialogUnitsTest, BaseUnitsComeFromTheAverageLetterWidthAndTheFontHeight)
{
    // The classic 8-point dialog font: 52 letters in 312 pixels, 13 pixels high.
    EXPECT_EQ(BaseUnitsFromFont(312, 13), (BaseUnits{6, 13}));
    // (width / 26 + 1) / 2 rounds the average to the nearest pixel, halves upward.
    EXPECT_EQ(BaseUnitsFromFont(337, 15), (BaseUnits{6, 15}));   // 6.48 -> 6
    EXPECT_EQ(BaseUnitsFromFont(338, 15), (BaseUnits{7, 15}));   // 6.5 -> 7
    EXPECT_EQ(BaseUnitsFromFont(285, 12), (BaseUnits{5, 12}));   // 5.48 -> 5
}

TEST(DialogUnitsTest, ConvertsEachCoordinateAndSizeOnItsOwn)
{
    const BaseUnits units{6, 13};
    // The main dialog and its list control with the classic font.
    EXPECT_EQ(ToPixels({0, 0, 357, 225}, units), (PixelRect{0, 0, 536, 366}));
    EXPECT_EQ(ToPixels({24, 114, 285, 78}, units), (PixelRect{36, 185, 428, 127}));
    // x 7 -> 10.5 and width 115 -> 172.5 both round up, each on its own.
    EXPECT_EQ(ToPixels({7, 7, 115, 20}, units), (PixelRect{11, 11, 173, 33}));
}

}  // namespace
