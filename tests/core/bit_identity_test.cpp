// The core may take shortcuts (it skips zero-weight terms), but every number it produces must be
// bit for bit what a plain evaluation of the formula gives on this machine: every term, in
// order, with std::sin and std::cos.

#include "core/extremum_scan.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.141592653589793;

// Both kept out of line, as the core's are: inlined side by side, the compiler may merge the
// sine and the cosine of one angle into a single sincos call, which the MinGW runtime answers
// with other NaN bits than sin and cos give.
[[gnu::noinline]] double PlainPotential(const CoefficientSet& V, double phi)
{
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) sum = sum + (1.0 - std::cos(((n * (180.0 - phi)) * kPi) / 180.0)) * (0.5 * V[n]);
    return sum;
}

[[gnu::noinline]] double PlainDerivative(const CoefficientSet& V, double phi)
{
    const double s = 180.0 - phi;
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) sum = sum + std::sin(((n * s) * kPi) / 180.0) * (n * V[n]);
    return 0.5 * sum;
}

std::uint64_t Bits(double x)
{
    return std::bit_cast<std::uint64_t>(x);
}

// Zeros of both signs, ordinary values, tiny, subnormal, huge (terms overflow) and arbitrary
// finite bit patterns, from a fixed seed; plus the sets the program is known for.
std::vector<CoefficientSet> CoefficientSets()
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const auto draw = [&]() -> double {
        switch (random() % 8) {
        case 0: case 1: return 0.0;
        case 2: return -0.0;
        case 3: return 10.0 * unit(random);
        case 4: return unit(random) * 1e-300;
        case 5: return std::bit_cast<double>(random() & 0x800fffffffffffffu);
        case 6: return unit(random) * std::numeric_limits<double>::max();
        default: {
            double x;
            do x = std::bit_cast<double>(random()); while (!std::isfinite(x));
            return x;
        }
        }
    };
    std::vector<CoefficientSet> sets = {CoefficientSet{}, {0, 1, 0, 0, 0, 0, 0}, {0, 0, 0, 3, 0, 0, 0},
                                        {0, 1e308, 1e308, -1e308, 1e308, 1e308, 1e308}};
    while (sets.size() < 48) {
        CoefficientSet V{};
        for (std::size_t n = 1; n <= 6; ++n) V[n] = draw();
        sets.push_back(V);
    }
    return sets;
}

TEST(BitIdentity, EvaluationsAndScanRowsMatchThePlainFormula)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double oddAngles[] = {-720.0, 1e6, 1e300, -1e308, 1.7e308, inf, -inf, std::nan("")};
    std::size_t rowsCompared = 0;
    for (const CoefficientSet& V : CoefficientSets()) {
        for (const double phi : oddAngles) {
            ASSERT_EQ(Bits(PotentialDerivative(V, phi)), Bits(PlainDerivative(V, phi))) << phi;
            ASSERT_EQ(Bits(Potential(V, phi)), Bits(PlainPotential(V, phi))) << phi;
        }
        for (const double h : {180.0, 1.0, 0.3, 0.1, 0.01, 0.005}) {
            std::vector<ExtremumRow> rows;
            ScanForExtrema(V, h, [&rows](const ExtremumRow& row) { rows.push_back(row); });
            auto row = rows.begin();
            for (double phi = 0.0; phi <= 180.1; phi = phi + h) {
                const double d = PlainDerivative(V, phi);
                ASSERT_EQ(Bits(PotentialDerivative(V, phi)), Bits(d)) << phi;
                ASSERT_EQ(Bits(Potential(V, phi)), Bits(PlainPotential(V, phi))) << phi;
                if (!(std::fabs(d) < h / 10.0)) continue;
                ASSERT_NE(row, rows.end()) << "row missing at " << phi;
                ASSERT_EQ(Bits(row->angle), Bits(phi));
                ASSERT_EQ(Bits(row->derivative), Bits(d));
                ASSERT_EQ(Bits(row->potential), Bits(PlainPotential(V, phi)));
                ++row;
                ++rowsCompared;
            }
            ASSERT_EQ(row, rows.end()) << "extra rows at step " << h;
        }
    }
    // The all-zero set alone accepts every grid point, so the comparison is never vacuous.
    EXPECT_GT(rowsCompared, 36000u);
}

}  // namespace
