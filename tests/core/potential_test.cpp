#include "potential.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kPi = 3.141592653589793;

CoefficientSet Only(int n, double value)
{
    CoefficientSet V{};
    V[static_cast<std::size_t>(n)] = value;
    return V;
}

bool IsPositiveZero(double x)
{
    return std::bit_cast<std::uint64_t>(x) == 0;
}

TEST(Potential, ZeroCoefficientsGivePositiveZeroAtEveryAngle)
{
    const CoefficientSet zero{};
    for (const double phi : {0.0, 0.005, 59.99, 60.0, 90.0, 120.0, 179.995, 180.0, 180.1, -360.0, 1e6}) {
        EXPECT_TRUE(IsPositiveZero(Potential(zero, phi))) << phi;
        EXPECT_TRUE(IsPositiveZero(PotentialDerivative(zero, phi))) << phi;
    }
    // A negative zero weight must not turn the sum negative either.
    const CoefficientSet negativeZeros{0.0, -0.0, -0.0, -0.0, -0.0, -0.0, -0.0};
    EXPECT_TRUE(IsPositiveZero(Potential(negativeZeros, 33.0)));
    EXPECT_TRUE(IsPositiveZero(PotentialDerivative(negativeZeros, 33.0)));
}

TEST(Potential, ThirdHarmonicHasExactExtremeValues)
{
    const CoefficientSet V = Only(3, 3.0);
    EXPECT_EQ(Potential(V, 0.0), 3.0);
    EXPECT_EQ(Potential(V, 120.0), 3.0);
    EXPECT_EQ(Potential(V, 60.0), 0.0);
    EXPECT_EQ(Potential(V, 180.0), 0.0);
    for (const double phi : {10.0, 45.0, 100.0, 150.0}) {
        const double psi = (180.0 - phi) * kPi / 180.0;
        EXPECT_NEAR(PotentialDerivative(V, phi), 4.5 * std::sin(3.0 * psi), 1e-12) << phi;
    }
}

TEST(Potential, FirstHarmonicAtTheEndsOfTheRange)
{
    const CoefficientSet V = Only(1, 1.0);
    EXPECT_EQ(Potential(V, 0.0), 1.0);
    EXPECT_EQ(Potential(V, 180.0), 0.0);
    EXPECT_TRUE(IsPositiveZero(PotentialDerivative(V, 180.0)));
    // At 0 the derivative is only the rounding residue of sin(pi): tiny but not zero.
    const double atZero = PotentialDerivative(V, 0.0);
    EXPECT_NE(atZero, 0.0);
    EXPECT_LT(std::fabs(atZero), 1e-15);
}

// The derivative is taken with respect to psi = 180 - phi, not phi: it has the sign of
// sin(psi) for V1 > 0, and it is per radian, not per degree.
TEST(Potential, DerivativeIsPerRadianOfTheSupplement)
{
    const CoefficientSet V = Only(1, 2.0);
    EXPECT_NEAR(PotentialDerivative(V, 90.0), 1.0, 1e-15);
    EXPECT_NEAR(PotentialDerivative(V, 150.0), 0.5, 1e-15);
    EXPECT_NEAR(PotentialDerivative(V, 210.0), -0.5, 1e-15);
}

TEST(Potential, SymmetricAboutOneHundredEighty)
{
    const CoefficientSet V{0.0, 1.3, -0.157, 2.5, 0.75, -1.1, 0.4};
    for (const double a : {0.005, 1.0, 37.5, 90.0, 179.0}) {
        EXPECT_NEAR(Potential(V, 180.0 + a), Potential(V, 180.0 - a), 1e-12) << a;
        EXPECT_NEAR(PotentialDerivative(V, 180.0 + a), -PotentialDerivative(V, 180.0 - a), 1e-12) << a;
    }
}

}  // namespace
