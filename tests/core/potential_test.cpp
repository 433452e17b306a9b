#include "core/potential.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

bool IsPositiveZero(double x)
{
    return std::bit_cast<std::uint64_t>(x) == 0;
}

TEST(Potential, ZeroCoefficientsGivePositiveZeroEverywhere)
{
    const CoefficientSet zeros{}, negativeZeros{0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0};
    for (const double phi : {0.0, 0.005, 60.0, 90.0, 179.995, 180.0, 180.1, -360.0, 1e6}) {
        for (const CoefficientSet& V : {zeros, negativeZeros}) {
            EXPECT_TRUE(IsPositiveZero(Potential(V, phi))) << phi;
            EXPECT_TRUE(IsPositiveZero(PotentialDerivative(V, phi))) << phi;
        }
    }
}

TEST(Potential, SingleHarmonicsAtTheirExtrema)
{
    const CoefficientSet third{0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(Potential(third, 0.0), 3.0);
    EXPECT_EQ(Potential(third, 120.0), 3.0);
    EXPECT_EQ(Potential(third, 60.0), 0.0);
    EXPECT_EQ(Potential(third, 180.0), 0.0);

    const CoefficientSet first{0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(Potential(first, 0.0), 1.0);
    EXPECT_EQ(Potential(first, 180.0), 0.0);
    EXPECT_TRUE(IsPositiveZero(PotentialDerivative(first, 180.0)));
    // At 0 only the rounding residue of sin(pi) is left: tiny, but not zero.
    EXPECT_NE(PotentialDerivative(first, 0.0), 0.0);
    EXPECT_LT(std::fabs(PotentialDerivative(first, 0.0)), 1e-15);
    // Per radian of psi = 180 - phi, not per degree of phi: 0.5 * V1 * sin(psi).
    EXPECT_NEAR(PotentialDerivative(first, 150.0), 0.25, 1e-15);
    EXPECT_NEAR(PotentialDerivative(first, 210.0), -0.25, 1e-15);
}

}  // namespace
