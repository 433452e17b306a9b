#include "core/conformational_analysis.h"
#include "core/extremum_scan.h"
#include "core/potential.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using Kind = StationaryKind;
constexpr double kPi = 3.141592653589793;

ConformationalAnalysis Analyze(const CoefficientSet& V, double temperature = kDefaultTemperature)
{
    const ConformationalAnalysisResult result = AnalyzeConformations(V, temperature);
    EXPECT_TRUE(result.ok()) << result.refusal;
    return result.analysis;
}

// "angle:kind " for each point, angles rounded to 1e-7 degree.
std::string Points(const ConformationalAnalysis& a)
{
    std::string text;
    for (const StationaryPoint& p : a.points)
        text += FormatRoundTrip(std::round(p.angle * 1e7) / 1e7) + ":" + "mMi"[static_cast<int>(p.kind)] + " ";
    return text;
}

TEST(ConformationalAnalysis, KnownPotentials)
{
    const ConformationalAnalysis third = Analyze({0, 0, 0, 3, 0, 0, 0});
    EXPECT_EQ(Points(third), "0:M 60:m 120:M 180:m 240:M 300:m ");
    ASSERT_EQ(third.conformers.size(), 3u);
    for (const Conformer& c : third.conformers) EXPECT_NEAR(c.population, 1.0 / 3.0, 1e-13);
    EXPECT_EQ(third.conformers[2].basinFrom, third.points[4].angle);   // 300's basin: 240 ... 0
    EXPECT_EQ(third.conformers[2].basinTo, third.points[0].angle);
    ASSERT_EQ(third.barriers.size(), 6u);
    for (const Barrier& b : third.barriers) EXPECT_NEAR(b.height, 3.0, 1e-12);
    EXPECT_NEAR(third.barriers[0].to, 300.0, 1e-9);   // from 60, over 0 first, then over 120
    EXPECT_NEAR(third.barriers[1].over, 120.0, 1e-9);

    const ConformationalAnalysis second = Analyze({0, 0, 1, 0, 0, 0, 0});
    EXPECT_EQ(Points(second), "0:m 90:M 180:m 270:M ");
    EXPECT_EQ(second.barriers.size(), 4u);

    // A flat-bottomed minimum: d2V is exactly zero at 180 and no other point lies near it.
    const ConformationalAnalysis flat = Analyze({0, 4, -1, 0, 0, 0, 0});
    EXPECT_EQ(Points(flat), "0:M 180:m ");
    EXPECT_EQ(flat.points[1].curvature, 0.0);
    ASSERT_EQ(flat.barriers.size(), 1u);   // the full-turn barrier
    EXPECT_EQ(flat.barriers[0].height, 4.0);
    EXPECT_EQ(flat.conformers[0].population, 1.0);

    const ConformationalAnalysis zero = Analyze({});
    EXPECT_TRUE(zero.constant);
    EXPECT_TRUE(zero.points.empty() && zero.conformers.empty() && zero.barriers.empty());
}

// P(x) = sum n Vn U(n-1)(x) built with multiple roots; every coefficient is exact in binary.
TEST(ConformationalAnalysis, MultipleRootsOfTheDerivative)
{
    // 3 (2x - 1)^2: a double root at x = 1/2, an inflection with a level tangent at 120 and 240.
    EXPECT_EQ(Points(Analyze({0, 6, -3, 1, 0, 0, 0})), "0:M 120:i 180:m 240:i ");
    // (2x - 1)^3: a triple root, flat maxima at 120 and 240.
    const ConformationalAnalysis triple = Analyze({0, -4, 2.5, -1, 0.25, 0, 0});
    EXPECT_EQ(Points(triple), "0:m 120:M 180:m 240:M ");
    EXPECT_NEAR(triple.points[1].curvature, 0.0, 1e-15);

    // 12 (x - r)^2 and 4 (x - r) with r next to 1 and -1: a pair of inflections or of maxima at
    // 180 -+ acos(r), which come second and fourth after 0 and 180 whichever end they are near.
    const double close = std::ldexp(1.0, -20);
    for (const double r : {1 - close, -1 + close, 1 - 1e-9, -1 + 1e-9}) {
        const double theta = std::acos(r) * 180.0 / kPi;
        for (const bool doubleRoot : {false, true}) {
            const ConformationalAnalysis a = doubleRoot ? Analyze({0, 12 * r * r + 3, -6 * r, 1, 0, 0, 0})
                                                        : Analyze({0, -4 * r, 1, 0, 0, 0, 0});
            // Rounding the coefficients splits this double root into a root at x = +-1 and
            // a change of sign at 0.0036237 degree from the end (mpmath, 50 digits).
            if (doubleRoot && std::fabs(r) == 1 - 1e-9) {
                EXPECT_EQ(Points(a), r > 0 ? "0:M 179.9963763:m 180:M 180.0036237:m "
                                           : "0:m 0.0036237:M 180:m 359.9963763:M ");
                continue;
            }
            ASSERT_EQ(a.points.size(), 4u) << r;
            const Kind expected = doubleRoot ? Kind::Inflection : Kind::Maximum;
            EXPECT_NEAR(a.points[1].angle, 180 - theta, 1e-7) << r;
            EXPECT_NEAR(a.points[3].angle, 180 + theta, 1e-7) << r;
            EXPECT_EQ(a.points[1].kind, expected) << r;
            EXPECT_EQ(a.points[3].kind, expected) << r;
        }
    }
}

CoefficientSet RandomSet(std::mt19937_64& rng)
{
    std::uniform_real_distribution<double> value(-10.0, 10.0), chance(0.0, 1.0);
    CoefficientSet V{};
    while (std::all_of(V.begin() + 1, V.end(), [](double v) { return v == 0.0; }))
        for (int n = 1; n <= 6; ++n) V[n] = chance(rng) < 0.7 ? value(rng) : 0.0;
    return V;
}

bool HasPoint(const ConformationalAnalysis& a, double from, double to, Kind kind)
{
    return std::any_of(a.points.begin(), a.points.end(), [&](const StationaryPoint& p) {
        return p.kind == kind && p.angle >= from && p.angle <= to;
    });
}

TEST(ConformationalAnalysis, RandomSetsMatchADenseGridOfTheDerivative)
{
    std::mt19937_64 rng(8);
    for (int trial = 0; trial < 300; ++trial) {
        const CoefficientSet V = RandomSet(rng);
        const ConformationalAnalysis a = Analyze(V, std::pow(10.0, trial % 5));
        std::vector<Kind> extrema;
        for (const StationaryPoint& p : a.points) {
            if (p.kind != Kind::Inflection) extrema.push_back(p.kind);
            const double mirror = p.angle == 0.0 ? 0.0 : 360.0 - p.angle;
            EXPECT_TRUE(HasPoint(a, mirror - 1e-9, mirror + 1e-9, p.kind)) << trial << " " << p.angle;
        }
        for (std::size_t i = 0; i < extrema.size(); ++i)
            EXPECT_NE(extrema[i], extrema[(i + 1) % extrema.size()]) << trial;

        // dV/dpsi falls through zero (V rises with phi = 180 - psi) at a minimum.
        double scale = 0.0;
        for (int n = 1; n <= 6; ++n) scale += n * std::fabs(V[n]);
        const double noise = 1e-12 * scale;
        for (int g = 0; g < 36000; ++g) {
            const double phi = g * 0.01, next = (g + 1) * 0.01;
            const double d = PotentialDerivative(V, phi), dNext = PotentialDerivative(V, next);
            if (std::fabs(d) < noise || std::fabs(dNext) < noise || (d > 0) == (dNext > 0)) continue;
            const Kind kind = d > 0 ? Kind::Minimum : Kind::Maximum;
            EXPECT_TRUE(HasPoint(a, phi - 1e-9, next + 1e-9, kind) || (g == 35999 && HasPoint(a, 0.0, 0.0, kind)))
                << trial << " " << phi;
        }

        double total = 0.0;
        for (const Conformer& c : a.conformers) {
            EXPECT_TRUE(c.population >= 0.0 && c.population <= 1.0);
            total += c.population;
        }
        EXPECT_NEAR(total, 1.0, 1e-12) << trial;
    }
}

TEST(ConformationalAnalysis, ScanRowsLieNextToWellCurvedExtrema)
{
    std::mt19937_64 rng(9);
    int checked = 0;
    while (checked < 100) {
        const CoefficientSet V = RandomSet(rng);
        const ConformationalAnalysis a = Analyze(V);
        const double perRadianSquared = (180.0 / kPi) * (180.0 / kPi);
        if (std::any_of(a.points.begin(), a.points.end(), [&](const StationaryPoint& p) {
                return std::fabs(p.curvature) * perRadianSquared < 0.5;
            }))
            continue;
        ++checked;
        // |dV/dpsi| < h / 10 = 0.001 and |d2V/dpsi2| >= 0.5 keep a row within 0.002 rad of a point.
        ScanForExtrema(V, 0.01, [&](const ExtremumRow& row) {
            EXPECT_TRUE(std::any_of(a.points.begin(), a.points.end(), [&](const StationaryPoint& p) {
                return std::fabs(p.angle - row.angle) < 0.13;
            })) << row.angle;
        });
    }
}

TEST(ConformationalAnalysis, ScalingMovesNoAngleAndExtremeSizesStayFinite)
{
    const CoefficientSet V{0, 1.3, -0.157, 2.5, 0.75, -1.1, 0.4};
    const ConformationalAnalysis base = Analyze(V);
    for (const int exponent : {-1000, -400, 400, 990}) {
        CoefficientSet scaled = V;
        for (int n = 1; n <= 6; ++n) scaled[n] = std::ldexp(V[n], exponent);
        const ConformationalAnalysis a = Analyze(scaled, 1.0);
        ASSERT_EQ(a.points.size(), base.points.size()) << exponent;
        for (std::size_t i = 0; i < a.points.size(); ++i) {
            EXPECT_EQ(a.points[i].angle, base.points[i].angle) << exponent;
            EXPECT_EQ(a.points[i].kind, base.points[i].kind) << exponent;
        }
    }
    // Peaks 1e-150 degree wide at 1 K and a flat integrand at 10000 K share a turn alike.
    for (const auto& [size, temperature] : {std::pair{1e300, 1.0}, std::pair{1e-300, 10000.0}}) {
        const ConformationalAnalysis a = Analyze({0, 0, 0, size, 0, 0, 0}, temperature);
        ASSERT_EQ(a.conformers.size(), 3u);
        for (const Conformer& c : a.conformers) EXPECT_NEAR(c.population, 1.0 / 3.0, 1e-12) << size;
        for (const Barrier& b : a.barriers) EXPECT_TRUE(std::isfinite(b.height));
        for (const StationaryPoint& p : a.points) EXPECT_TRUE(std::isfinite(p.potential) && std::isfinite(p.curvature));
    }
}

// A triple root of dV/dpsi (a flat minimum near 73 degrees, found by fuzzing) whose computed
// curvature rounds below zero: beside huge coefficients any RT made that rounding an infinite
// basin weight, and the populations NaN.
TEST(ConformationalAnalysis, AFlatMinimumBesideHugeCoefficientsKeepsItsPopulationFinite)
{
    const CoefficientSet flat{0, 0x1.05f684bda12f6p+0, 0x1.1812f684bda14p-1, 0x1.0c71c71c71c72p-1,
                              0x1.4p-3, 0x1.999999999999ap-4, 0};
    for (const int exponent : {0, 200, 544}) {
        CoefficientSet V = flat;
        for (int n = 1; n <= 6; ++n) V[n] = std::ldexp(V[n], exponent);
        double total = 0.0;
        for (const Conformer& c : Analyze(V, 21.5).conformers) total += c.population;
        EXPECT_NEAR(total, 1.0, 1e-12) << exponent;
    }
}

// Flat-bottomed minima where V/RT is huge: the excess over the minimum is a high power of the
// distance from it, which rounding in the cancelling lower terms used to swamp.
TEST(ConformationalAnalysis, FlatMinimaKeepTheirPopulationsWhateverTheirSize)
{
    // V = A sin^4 and V = A sin^6 (of 180 - phi) repeat every 180 degrees: half each at 0 and 180.
    const std::vector<CoefficientSet> halves{{0, 0, 1e40, 0, -2.5e39, 0, 0},
                                             {0, 0, 1e300, 0, -2.5e299, 0, 0},
                                             {0, 0, 1.5065044164928034e+60, 0, -6.0260176659712135e+59, 0,
                                              1.004336277661869e+59}};
    for (const CoefficientSet& V : halves) {
        const ConformationalAnalysis a = Analyze(V, 1.0);
        ASSERT_EQ(a.conformers.size(), 2u) << V[2];
        for (const Conformer& c : a.conformers) EXPECT_NEAR(c.population, 0.5, 1e-12) << V[2];
    }
    // V = A (x^4 - x^6), x = cos(180 - phi): quartic minima at 90 and 270, quadratic ones at 0 and
    // 180, all at V = 0. For huge A each of 0 and 180 holds sqrt(pi) / (4 Gamma(5/4)) (RT/A)^(1/4).
    for (const double A : {1e100, 1e200}) {
        const ConformationalAnalysis a = Analyze({0, 0, -A / 16, 0, A / 8, 0, A / 16}, 1.0);
        ASSERT_EQ(a.conformers.size(), 4u);
        const double expected = std::sqrt(kPi) / (4 * std::tgamma(1.25)) * std::pow(kGasConstant / A, 0.25);
        EXPECT_NEAR(a.conformers[0].population / expected, 1.0, 1e-12) << A;
        EXPECT_EQ(a.conformers[0].population, a.conformers[2].population) << A;
    }
}

// dV/dpsi has a single change of sign at 120.000110236618 (and 239.999889763382), where it stays
// within rounding of zero for 3e-4 degree around: a near-triple root, placed to the angle's last
// bits rather than in the middle of that stretch.
TEST(ConformationalAnalysis, ASignChangeWhereTheDerivativeIsTinyIsPlacedExactly)
{
    const ConformationalAnalysis a = Analyze({0, 0.1875, -0.140625, 0.09375, -0.0390625, 0.0125, 0});
    ASSERT_EQ(Points(a), "0:M 75.5224878:m 120.0001102:M 180:m 239.9998898:M 284.4775122:m ");
    EXPECT_NEAR(a.points[2].angle, 120.000110236618084, 3e-14);
    EXPECT_NEAR(a.points[4].angle, 360.0 - 120.000110236618084, 3e-14);
}

// Exactly symmetric potentials, found by fuzzing, whose extrema lie beside near-triple roots of
// dV/dpsi (V3 within a few parts in 1e4 of -4 V6; the even part, three roots 1.9e-7 degree
// apart): every extremum meets its images to the angle's resolution, and images have the same
// basin weight, population times exp(relative V / RT), whatever the rounding of their levels.
TEST(ConformationalAnalysis, SymmetricPotentialsKeepTheirSymmetryBesideNearTripleRoots)
{
    struct Symmetric {
        CoefficientSet V;
        double temperature;
        int fold;
    };
    const Symmetric sets[] = {
        {{0, 0, -0x1.9bc048d159e27p-700, 0, -0x1.fbc048d159e27p-702, 0, -0x1.5555555555555p-705}, 1.0, 2},
        {{0, 0, 0, -0x1.51d06a6515d1fp+67, 0, 0, -0x1.5555555555555p+65}, 1.0, 3},
        {{0, 0, 0, -0x1.54c5577777770p+19, 0, 0, -0x1.5555555555555p+17}, 8.900539715441246, 3},
        {{0, 0, 0, 2.5, 0, 0, 0.4}, 10000.0, 3},
    };
    const double resolution = 2 * 360 * std::numeric_limits<double>::epsilon();
    const auto apart = [](double a, double b) { return std::min(std::fabs(a - b), 360 - std::fabs(a - b)); };
    for (const Symmetric& set : sets) {
        const ConformationalAnalysis a = Analyze(set.V, set.temperature);
        const double RT = kGasConstant * set.temperature;
        for (int k = 1; k < set.fold; ++k) {
            const double turn = k * 360.0 / set.fold;
            for (const StationaryPoint& p : a.points) {
                const bool met = std::any_of(a.points.begin(), a.points.end(), [&](const StationaryPoint& q) {
                    return q.kind == p.kind && apart(q.angle, p.angle + turn) <= resolution;
                });
                EXPECT_TRUE(met || p.kind == Kind::Inflection) << set.V[3] << " " << p.angle;
            }
            for (const Conformer& c : a.conformers) {
                for (const Conformer& image : a.conformers) {
                    if (apart(image.angle, c.angle + turn) > resolution) continue;
                    EXPECT_NEAR(std::log(c.population) + c.relativePotential / RT,
                                std::log(image.population) + image.relativePotential / RT, 1e-12)
                        << set.V[3] << " " << c.angle;
                }
            }
        }
    }
    // The threefold set at 8.9 K against its roots in 50-digit arithmetic (mpmath).
    const ConformationalAnalysis a = Analyze(sets[2].V, sets[2].temperature);
    ASSERT_EQ(a.points.size(), 12u);
    EXPECT_NEAR(a.points[1].angle, 1.0965675174170499236, 2e-14);
    EXPECT_NEAR(a.points[3].angle, 118.90343248258295008, 2e-14);
    EXPECT_NEAR(a.points[5].angle, 121.09656751741704992, 2e-14);
}

// Two changes of sign of dV/dpsi 1.5e-14 degree apart beside 60 degrees, which give the same
// angle beside 300 (found by fuzzing): one inflection on either side, not two points at 300.
TEST(ConformationalAnalysis, ChangesOfSignThatRoundingCannotSeparateAreOnePoint)
{
    const ConformationalAnalysis a = Analyze({0, 1.9303340960505108e-85, 1.1260282226961313e-85,
                                              4.2896313245566905e-86, 8.043058733543795e-87, 0, 0});
    EXPECT_EQ(Points(a), "0:m 1.5e-06:M 60:i 180:m 300:i 359.9999985:M ");
}

TEST(ConformationalAnalysis, RefusesWhatItCannotAnalyse)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    for (const double bad : {nan, inf, -inf, 1.0000001e300, -2e300}) {
        const ConformationalAnalysisResult result = AnalyzeConformations({0, 1, 0, bad, 0, 0, 0});
        EXPECT_FALSE(result.ok());
        EXPECT_NE(result.refusal.find("V3"), std::string::npos) << result.refusal;
    }
    for (const double temperature : {0.999, 10000.001, nan, inf, -300.0})
        EXPECT_FALSE(AnalyzeConformations({0, 1, 0, 0, 0, 0, 0}, temperature).ok()) << temperature;
    EXPECT_TRUE(AnalyzeConformations({0, 1e300, 0, -1e300, 0, 0, 1e300}, kMinTemperature).ok());
    EXPECT_TRUE(AnalyzeConformations({0, 1, 0, 0, 0, 0, 0}, kMaxTemperature).ok());
}

}  // namespace
