#include "fitting/profile_readers.h"
#include "fitting/torsion_fit.h"

#include "fitting_test_data.h"

#include "core/conformational_analysis.h"
#include "core/potential.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Points of c + V(phi) every step degrees over the turn, made relative to their lowest.
std::vector<ProfilePoint> Sampled(const CoefficientSet& V, double c, double step)
{
    std::vector<ProfilePoint> points;
    for (double phi = 0.0; phi < 360.0; phi += step) points.push_back({phi, c + Potential(V, phi), 0});
    const double lowest = std::min_element(points.begin(), points.end(), [](const auto& a, const auto& b) {
                              return a.energy < b.energy;
                          })->energy;
    for (ProfilePoint& point : points) point.energy -= lowest;
    return points;
}

FitOptions AllTerms()
{
    FitOptions options;
    options.terms = {false, true, true, true, true, true, true};
    return options;
}

TEST(TorsionFit, RecoversExactCoefficientsWhateverThePointsOrder)
{
    const CoefficientSet V{0, 1.3, -0.4, 2.2, 0.15, -0.05, 0.3};
    std::vector<ProfilePoint> points = Sampled(V, 0.0, 10.0);
    const TorsionFitResult result = FitTorsion(points, AllTerms());
    ASSERT_TRUE(result.ok()) << result.refusal;
    for (int n = 1; n <= 6; ++n) EXPECT_NEAR(result.fit.V[n], V[n], 1e-12) << n;
    EXPECT_LT(result.fit.rmse, 1e-12);
    EXPECT_EQ(result.fit.used, 36);
    EXPECT_TRUE(result.fit.warning.empty());

    std::shuffle(points.begin(), points.end(), std::mt19937(7));
    const TorsionFitResult shuffled = FitTorsion(points, AllTerms());
    ASSERT_TRUE(shuffled.ok());
    EXPECT_EQ(shuffled.fit.V, result.fit.V);
    EXPECT_EQ(shuffled.fit.offset, result.fit.offset);
}

TEST(TorsionFit, RefusesWhatThePointsCannotDetermineCountingMirrorImagesOnce)
{
    // 0 and 180 alone: V1 and V2 cannot both be found.
    FitOptions two;
    two.terms = {false, true, true, false, false, false, false};
    const TorsionFitResult flat = FitTorsion({{0, 1, 0}, {180, 0, 0}, {0, 1.1, 0}}, two);
    ASSERT_FALSE(flat.ok());
    EXPECT_NE(flat.refusal.find("hay 2 puntos independientes"), std::string::npos) << flat.refusal;
    EXPECT_NE(flat.refusal.find("necesitan 3"), std::string::npos);

    // A whole turn every 30 degrees has 7 distinct |180 - phi|: enough for six terms, and a cutoff
    // dropping the two highest distinct angles leaves too few.
    const std::vector<ProfilePoint> turn = Sampled({0, 3, 0, 0, 0, 0, 0}, 0.0, 30.0);
    EXPECT_TRUE(FitTorsion(turn, AllTerms()).ok());
    FitOptions cut = AllTerms();
    cut.cutoff = 2.5;
    const TorsionFitResult fewer = FitTorsion(turn, cut);
    ASSERT_FALSE(fewer.ok());
    EXPECT_NE(fewer.refusal.find("hay 5 puntos"), std::string::npos) << fewer.refusal;

    EXPECT_FALSE(FitTorsion({{10, 0, 0}}, FitOptions{}).ok());
    EXPECT_FALSE(FitTorsion(turn, FitOptions{TermSet{}, {}, {}}).ok());
}

TEST(TorsionFit, CutoffLeavesPointsOutAndBoltzmannWeightsFavourTheLowOnes)
{
    std::vector<ProfilePoint> points = Sampled({0, 1, -0.5, 3, 0, 0, 0}, 0.0, 15.0);
    points.push_back({0.0, 500.0, 0});   // a clash
    const TorsionFitResult plain = FitTorsion(points, FitOptions{});
    ASSERT_TRUE(plain.ok());
    EXPECT_FALSE(plain.fit.warning.empty());

    FitOptions cut;
    cut.cutoff = 50.0;
    const TorsionFitResult clean = FitTorsion(points, cut);
    ASSERT_TRUE(clean.ok());
    EXPECT_EQ(clean.fit.leftOut, 1);
    EXPECT_FALSE(clean.fit.points.back().used);
    EXPECT_NEAR(clean.fit.V[3], 3.0, 1e-10);
    EXPECT_TRUE(clean.fit.warning.empty());

    // With Boltzmann weights at 100 K the clash weighs nothing and the rest almost fits exactly
    // near the minima.
    FitOptions weighted;
    weighted.boltzmann = 100.0;
    const TorsionFitResult cold = FitTorsion(points, weighted);
    ASSERT_TRUE(cold.ok());
    EXPECT_LT(std::fabs(cold.fit.points[12].residual), 1e-6);   // phi = 180, the lowest point
    EXPECT_GT(cold.fit.maxError, 100.0);
}

TEST(TorsionFit, ButaneScanFitsWithTheMinimaWhereTheDataHasThem)
{
    const ProfileReading reading = ReadXtbProfile(TestFile("butane_gfn2.xtbscan.log"), "b.log", {1, 2, 3, 4});
    ASSERT_TRUE(reading.ok());
    const TorsionFitResult result = FitTorsion(reading.profile.points, FitOptions{});
    ASSERT_TRUE(result.ok()) << result.refusal;
    const TorsionFit& fit = result.fit;
    EXPECT_LT(fit.rmse, 0.1);
    ASSERT_EQ(fit.profileMinima.size(), 3u);
    EXPECT_NEAR(fit.profileMinima[1].angle, 180.0, 1.0);
    EXPECT_GE(fit.profileMinima[0].angle, 60.0);
    EXPECT_LE(fit.profileMinima[0].angle, 75.0);

    // Each conformer lies within a scan step of a lowest point of the data, and no higher than
    // it (the sampled point is at best the true minimum) by more than the RMSE; the fit passes
    // within the RMSE of the data at those points.
    const ConformationalAnalysisResult analysis = AnalyzeConformations(fit.V);
    ASSERT_TRUE(analysis.ok());
    ASSERT_EQ(analysis.analysis.conformers.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const Conformer& conformer = analysis.analysis.conformers[k];
        const ProfileMinimum& lowest = fit.profileMinima[k];
        EXPECT_NEAR(conformer.angle, lowest.angle, 15.0);
        EXPECT_LE(fit.offset + conformer.potential, lowest.energy + fit.rmse);
        EXPECT_NEAR(fit.offset + Potential(fit.V, lowest.angle), lowest.energy, fit.rmse);
    }
}

}  // namespace
