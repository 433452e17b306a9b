#include "extremum_scan.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<ExtremumRow> Scan(const CoefficientSet& V, double h)
{
    std::vector<ExtremumRow> rows;
    ScanForExtrema(V, h, [&rows](const ExtremumRow& row) { rows.push_back(row); });
    return rows;
}

CoefficientSet Only(int n, double value)
{
    CoefficientSet V{};
    V[static_cast<std::size_t>(n)] = value;
    return V;
}

TEST(ScanRowCount, FirstHarmonicBandGrowsAsTheStepShrinks)
{
    const CoefficientSet V = Only(1, 1.0);
    EXPECT_EQ(Scan(V, 1.0).size(), 24u);
    EXPECT_EQ(Scan(V, 0.1).size(), 25u);
    EXPECT_EQ(Scan(V, 0.01).size(), 34u);
    EXPECT_EQ(Scan(V, 0.005).size(), 35u);

    // At h = 1 the threshold is 0.1 and |d| = 0.5 |sin psi|: angles 0 ... 11 and 169 ... 180.
    std::vector<double> angles;
    for (const ExtremumRow& row : Scan(V, 1.0)) angles.push_back(row.angle);
    std::vector<double> expected;
    for (int a = 0; a <= 11; ++a) expected.push_back(a);
    for (int a = 169; a <= 180; ++a) expected.push_back(a);
    EXPECT_EQ(angles, expected);
}

TEST(ScanRowCount, ThirdHarmonicGivesItsFourExtremaAtEveryStep)
{
    const CoefficientSet V = Only(3, 3.0);
    for (const double h : {1.0, 0.1, 0.01, 0.005}) {
        const std::vector<ExtremumRow> rows = Scan(V, h);
        ASSERT_EQ(rows.size(), 4u) << h;
        const char* angles[] = {"0", "60", "120", "180"};
        const char* potentials[] = {"3", "0", "3", "0"};
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(FormatG(rows[i].angle), angles[i]) << h;
            EXPECT_EQ(FormatG(rows[i].potential), potentials[i]) << h;
            EXPECT_LT(std::fabs(rows[i].derivative), 1e-9) << h;
        }
    }
}

// With every coefficient zero each grid point is accepted, so the rows are the grid itself.
TEST(ScanGrid, EndsAtTheLastAccumulatedAngleNotAbove180Point1)
{
    const CoefficientSet zero{};

    const std::vector<ExtremumRow> coarsest = Scan(zero, 180.0);
    ASSERT_EQ(coarsest.size(), 2u);
    EXPECT_EQ(coarsest[0].angle, 0.0);
    EXPECT_EQ(coarsest[1].angle, 180.0);

    const std::vector<ExtremumRow> degrees = Scan(zero, 1.0);
    ASSERT_EQ(degrees.size(), 181u);
    EXPECT_EQ(degrees.back().angle, 180.0);

    const std::vector<ExtremumRow> tenths = Scan(zero, 0.1);
    ASSERT_EQ(tenths.size(), 1802u);
    EXPECT_LT(tenths.back().angle, 180.1);
    EXPECT_GT(tenths.back().angle + 0.1, 180.1);
    EXPECT_EQ(FormatG(tenths.back().angle), "180.1");

    const std::vector<ExtremumRow> thirds = Scan(zero, 0.3);
    ASSERT_EQ(thirds.size(), 601u);
    EXPECT_GT(thirds.back().angle, 180.0);
    EXPECT_EQ(FormatG(thirds.back().angle), "180");
}

TEST(ScanGrid, AnglesAreARunningSumAndZeroRowsAreExactZeros)
{
    const CoefficientSet zero{};
    const std::vector<ExtremumRow> rows = Scan(zero, 0.005);
    EXPECT_EQ(FormatG(rows.back().angle), "180.1");
    double expected = 0.0;
    for (const ExtremumRow& row : rows) {
        ASSERT_EQ(row.angle, expected);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(row.derivative), 0u);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(row.potential), 0u);
        expected = expected + 0.005;
    }
    EXPECT_GT(expected, 180.1);
}

// V1 = 0.2 at h = 1: |d| = 0.1 |sin psi|, below the threshold 0.1 everywhere except at 90,
// where sin psi rounds to 1 and |d| equals the threshold exactly.
TEST(ScanThreshold, IsStrict)
{
    const double h = 1.0;
    const CoefficientSet atThreshold = Only(1, 0.2);
    ASSERT_EQ(PotentialDerivative(atThreshold, 90.0), h / 10.0);
    std::vector<ExtremumRow> rows = Scan(atThreshold, h);
    EXPECT_EQ(rows.size(), 180u);
    for (const ExtremumRow& row : rows) EXPECT_NE(row.angle, 90.0);

    const CoefficientSet justBelow = Only(1, std::nextafter(0.2, 0.0));
    ASSERT_LT(PotentialDerivative(justBelow, 90.0), h / 10.0);
    rows = Scan(justBelow, h);
    EXPECT_EQ(rows.size(), 181u);
}

TEST(ScanThreshold, NonFiniteDerivativesAreNeverReported)
{
    // n * Vn overflows for n >= 2: every derivative is infinite or NaN (NaN at 180, where the
    // sines are 0).
    const CoefficientSet huge{0.0, 1e308, 1e308, -1e308, 1e308, 1e308, 1e308};
    for (double phi = 0.0; phi <= 180.1; phi = phi + 1.0) ASSERT_FALSE(std::isfinite(PotentialDerivative(huge, phi))) << phi;
    ASSERT_TRUE(std::isnan(PotentialDerivative(huge, 180.0)));
    EXPECT_TRUE(Scan(huge, 1.0).empty());
    EXPECT_TRUE(Scan(huge, 0.01).empty());
}

}  // namespace
