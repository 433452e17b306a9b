#pragma once

// The weighted least-squares fit of the torsion potential to an energy profile: with the
// multiplicities fixed and the phases 0/180 the model E = c + 1/2 sum_{n in T} Vn (1 - cos n(180 - phi))
// is linear in c and the Vn, so the best fit is one orthogonal (Householder QR) solve.

#include "fitting/energy_profile.h"

#include "core/coefficient_set.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Which of V1 ... V6 are fitted, addressed by n = 1 ... 6 (index 0 unused); the others are 0.
using TermSet = std::array<bool, 7>;

// V1 ... V4, the terms a force field of the OPLS kind carries.
inline constexpr TermSet kDefaultTerms = {false, true, true, true, true, false, false};

struct FitOptions {
    TermSet terms = kDefaultTerms;
    std::optional<double> cutoff;       // kcal/mol: points higher above the lowest are left out
    std::optional<double> boltzmann;    // kelvin: each point weighs exp(-E / RT)
};

struct FittedPoint {
    double angle;       // degrees
    double reference;   // the profile's energy, kcal/mol above its lowest point
    double fitted;      // c + V(angle)
    double residual;    // reference - fitted
    bool used;          // false when the cutoff left it out
};

// A lowest point of the data itself: lower than its neighbours in angle (the lowest energy at
// each angle counts), going round the turn when the profile covers it.
struct ProfileMinimum {
    double angle;
    double energy;
};

struct TorsionFit {
    CoefficientSet V{};
    double offset = 0.0;               // c, kcal/mol
    TermSet terms = kDefaultTerms;
    std::vector<FittedPoint> points;   // in the profile's order
    int used = 0;
    int leftOut = 0;
    double rmse = 0.0;                 // over the points used, unweighted
    double maxError = 0.0;             // the largest |residual| over the points used
    std::vector<ProfileMinimum> profileMinima;   // of the points used, increasing angle
    std::string warning;               // one Spanish line when the fit does not describe the profile
};

struct TorsionFitResult {
    TorsionFit fit;
    std::string refusal;   // one Spanish line
    bool ok() const { return refusal.empty(); }
};

// The relative tolerance of the rank decision: a column of the weighted design whose remaining
// norm after pivoted Householder steps falls below it, times the largest column norm, counts as
// dependent on the others.
inline constexpr double kRankTolerance = 1e-10;

// A fit whose RMSE exceeds this share of the used points' energy range gets a warning.
inline constexpr double kPoorFitShare = 0.05;

// Fits c and the chosen terms to the profile's points. Refuses no term chosen, a negative or
// non-finite cutoff, a temperature outside kMinTemperature ... kMaxTemperature, and points that
// cannot determine the unknowns: a weighted design matrix of lower rank than 1 + |terms| (its
// rank, at most the number of distinct |180 - phi| mod 360, is told as the independent points).
// Points are put in order of angle and energy first, so the result does not depend on their
// order in the file. Every number of a successful result is finite.
TorsionFitResult FitTorsion(const std::vector<ProfilePoint>& points, const FitOptions& options);

// "1,2,3,4": the chosen terms' indices.
std::string TermsText(const TermSet& terms);
