#include "core/extremum_scan.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<ExtremumRow> Scan(const CoefficientSet& V, double h)
{
    std::vector<ExtremumRow> rows;
    ScanForExtrema(V, h, [&rows](const ExtremumRow& row) { rows.push_back(row); });
    return rows;
}

std::vector<std::string> AngleTexts(const std::vector<ExtremumRow>& rows)
{
    std::vector<std::string> texts;
    for (const ExtremumRow& row : rows) texts.push_back(FormatG(row.angle));
    return texts;
}

TEST(ScanRows, FirstHarmonicBandGrowsAsTheStepShrinks)
{
    const CoefficientSet V{0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(Scan(V, 0.1).size(), 25u);
    EXPECT_EQ(Scan(V, 0.01).size(), 34u);
    EXPECT_EQ(Scan(V, 0.005).size(), 35u);
    // At h = 1 the threshold is 0.1 and |d| = 0.5 |sin psi|: angles 0 ... 11 and 169 ... 180.
    std::vector<std::string> expected;
    for (int a = 0; a <= 180; ++a)
        if (a <= 11 || a >= 169) expected.push_back(std::to_string(a));
    EXPECT_EQ(AngleTexts(Scan(V, 1.0)), expected);
}

TEST(ScanRows, ThirdHarmonicGivesItsFourExtremaAtEveryStep)
{
    const CoefficientSet V{0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0};
    for (const double h : {1.0, 0.1, 0.01, 0.005}) {
        const std::vector<ExtremumRow> rows = Scan(V, h);
        EXPECT_EQ(AngleTexts(rows), (std::vector<std::string>{"0", "60", "120", "180"})) << h;
        std::vector<std::string> potentials;
        for (const ExtremumRow& row : rows) potentials.push_back(FormatG(row.potential));
        EXPECT_EQ(potentials, (std::vector<std::string>{"3", "0", "3", "0"})) << h;
    }
}

// With every coefficient zero each grid point is a row, so the rows are the grid itself: a
// running sum of h, ending at the last sum not above 180.1.
TEST(ScanGrid, IsARunningSumEndingAtTheLastValueNotAbove180Point1)
{
    const CoefficientSet zero{};
    EXPECT_EQ(AngleTexts(Scan(zero, 180.0)), (std::vector<std::string>{"0", "180"}));
    EXPECT_EQ(Scan(zero, 1.0).size(), 181u);

    const std::vector<ExtremumRow> tenths = Scan(zero, 0.1);
    ASSERT_EQ(tenths.size(), 1802u);
    EXPECT_LT(tenths.back().angle, 180.1);
    EXPECT_EQ(FormatG(tenths.back().angle), "180.1");

    const std::vector<ExtremumRow> thirds = Scan(zero, 0.3);
    ASSERT_EQ(thirds.size(), 601u);
    EXPECT_GT(thirds.back().angle, 180.0);
    EXPECT_EQ(FormatG(thirds.back().angle), "180");

    double expected = 0.0;
    for (const ExtremumRow& row : Scan(zero, 0.005)) {
        ASSERT_EQ(row.angle, expected);
        expected = expected + 0.005;
    }
    EXPECT_GT(expected, 180.1);
    EXPECT_LE(expected - 0.005, 180.1);
}

// V1 = 0.2 at h = 1: |d| = 0.1 |sin psi| is below the threshold 0.1 everywhere except at 90,
// where sin psi rounds to 1 and |d| equals the threshold exactly.
TEST(ScanThreshold, IsStrict)
{
    const CoefficientSet atThreshold{0.0, 0.2, 0.0, 0.0, 0.0, 0.0, 0.0};
    ASSERT_EQ(PotentialDerivative(atThreshold, 90.0), 1.0 / 10.0);
    const std::vector<ExtremumRow> rows = Scan(atThreshold, 1.0);
    EXPECT_EQ(rows.size(), 180u);
    for (const ExtremumRow& row : rows) EXPECT_NE(row.angle, 90.0);

    const CoefficientSet justBelow{0.0, std::nextafter(0.2, 0.0), 0.0, 0.0, 0.0, 0.0, 0.0};
    ASSERT_LT(PotentialDerivative(justBelow, 90.0), 1.0 / 10.0);
    EXPECT_EQ(Scan(justBelow, 1.0).size(), 181u);
}

TEST(ScanThreshold, NonFiniteDerivativesAreNeverReported)
{
    // n * Vn overflows for n >= 2: every derivative is infinite, or NaN where the sines are 0.
    const CoefficientSet huge{0.0, 1e308, 1e308, -1e308, 1e308, 1e308, 1e308};
    for (double phi = 0.0; phi <= 180.1; phi = phi + 1.0) ASSERT_FALSE(std::isfinite(PotentialDerivative(huge, phi)));
    ASSERT_TRUE(std::isnan(PotentialDerivative(huge, 180.0)));
    EXPECT_TRUE(Scan(huge, 1.0).empty());
}

}  // namespace
