// The core may take shortcuts (it skips zero-weight terms), but every number it produces must
// be bit for bit what a plain evaluation of the formula gives. The reference below is that
// plain evaluation: every term, in order, with std::sin and std::cos on this machine.

#include "extremum_scan.h"
#include "potential.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

double ReferencePotential(const CoefficientSet& V, double phi)
{
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) {
        const double half = 0.5 * V[n];
        const double x = ((n * (180.0 - phi)) * kPi) / 180.0;
        sum = sum + (1.0 - std::cos(x)) * half;
    }
    return sum;
}

double ReferenceDerivative(const CoefficientSet& V, double phi)
{
    const double s = 180.0 - phi;
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) {
        const double w = n * V[n];
        const double x = ((n * s) * kPi) / 180.0;
        sum = sum + std::sin(x) * w;
    }
    return 0.5 * sum;
}

std::vector<ExtremumRow> ReferenceScan(const CoefficientSet& V, double h)
{
    std::vector<ExtremumRow> rows;
    for (double phi = 0.0; phi <= 180.1; phi = phi + h) {
        const double d = ReferenceDerivative(V, phi);
        if (std::fabs(d) < h / 10.0) rows.push_back({phi, d, ReferencePotential(V, phi)});
    }
    return rows;
}

std::uint64_t Bits(double x)
{
    return std::bit_cast<std::uint64_t>(x);
}

// Coefficients of every kind the core must treat alike: zeros of both signs, ordinary values
// of either sign, tiny, subnormal, huge (whose terms overflow) and arbitrary finite bit patterns.
double RandomCoefficient(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    switch (random() % 9) {
    case 0:
    case 1:
        return 0.0;
    case 2:
        return -0.0;
    case 3:
        return 10.0 * unit(random);
    case 4:
        return unit(random) * 1e-300;
    case 5:
        return std::bit_cast<double>(random() & 0x800fffffffffffffu);  // subnormal
    case 6:
        return unit(random) * std::numeric_limits<double>::max();
    case 7:
        return std::round(unit(random) * 8.0) / 4.0;
    default: {
        double x;
        do x = std::bit_cast<double>(random()); while (!std::isfinite(x));
        return x;
    }
    }
}

std::vector<CoefficientSet> CoefficientSets()
{
    std::mt19937_64 random(20240611);
    std::vector<CoefficientSet> sets;
    sets.push_back(CoefficientSet{});
    sets.push_back(CoefficientSet{0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    sets.push_back(CoefficientSet{0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0});
    sets.push_back(CoefficientSet{0.0, 1e308, 1e308, -1e308, 1e308, 1e308, 1e308});
    while (sets.size() < 48) {
        CoefficientSet V{};
        for (std::size_t n = 1; n <= 6; ++n) V[n] = RandomCoefficient(random);
        sets.push_back(V);
    }
    return sets;
}

TEST(BitIdentity, PotentialAndDerivativeMatchThePlainFormulaOnEveryGrid)
{
    const double extraAngles[] = {-720.0, -1e-300, 1e6, 1e300, -1e308, 1.7e308,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    for (const CoefficientSet& V : CoefficientSets()) {
        for (const double h : {180.0, 1.0, 0.3, 0.1, 0.01}) {
            for (double phi = 0.0; phi <= 180.1; phi = phi + h) {
                ASSERT_EQ(Bits(PotentialDerivative(V, phi)), Bits(ReferenceDerivative(V, phi))) << phi;
                ASSERT_EQ(Bits(Potential(V, phi)), Bits(ReferencePotential(V, phi))) << phi;
            }
        }
        for (const double phi : extraAngles) {
            ASSERT_EQ(Bits(PotentialDerivative(V, phi)), Bits(ReferenceDerivative(V, phi))) << phi;
            ASSERT_EQ(Bits(Potential(V, phi)), Bits(ReferencePotential(V, phi))) << phi;
        }
    }
}

TEST(BitIdentity, ScanRowsMatchThePlainScan)
{
    std::size_t rowsCompared = 0;
    for (const CoefficientSet& V : CoefficientSets()) {
        for (const double h : {180.0, 1.0, 0.3, 0.1, 0.01, 0.005}) {
            const std::vector<ExtremumRow> expected = ReferenceScan(V, h);
            std::vector<ExtremumRow> actual;
            ScanForExtrema(V, h, [&actual](const ExtremumRow& row) { actual.push_back(row); });
            ASSERT_EQ(actual.size(), expected.size()) << h;
            for (std::size_t i = 0; i < actual.size(); ++i) {
                ASSERT_EQ(Bits(actual[i].angle), Bits(expected[i].angle)) << h << " row " << i;
                ASSERT_EQ(Bits(actual[i].derivative), Bits(expected[i].derivative)) << h << " row " << i;
                ASSERT_EQ(Bits(actual[i].potential), Bits(expected[i].potential)) << h << " row " << i;
            }
            rowsCompared += actual.size();
        }
    }
    // The all-zero set alone accepts every grid point, so the comparison is never vacuous.
    EXPECT_GT(rowsCompared, 36000u);
}

}  // namespace
