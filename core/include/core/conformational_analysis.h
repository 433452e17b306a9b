#pragma once

// The conformational picture of a torsion potential over the whole turn: its exact stationary
// points, the conformers (minima) with their Boltzmann populations at a temperature, and the
// barriers between neighbouring conformers. Angles are phi in degrees, 0 <= phi < 360; energies
// in kcal/mol.

#include "core/coefficient_set.h"
#include "core/stationary_angles.h"

#include <string>
#include <vector>

// The temperature an analysis starts with, and the range the window and zelmara-scan accept,
// both ends allowed (kelvin).
inline constexpr double kDefaultTemperature = 298.15;
inline constexpr double kMinTemperature = 1.0;
inline constexpr double kMaxTemperature = 10000.0;

// The molar gas constant in kcal/(mol K).
inline constexpr double kGasConstant = 8.314462618 / 4184.0;

// The largest coefficient magnitude analysed: it keeps every energy, difference and curvature of
// the result finite.
inline constexpr double kMaxAnalysedCoefficient = 1e300;

// A point and its mirror image 360 - angle carry identical potentials and curvatures: above 180
// both are evaluated at the mirror angle (V(phi) = V(360 - phi)), so rounding never makes two
// mirror-image conformers differ.
struct StationaryPoint {
    double angle;           // phi, degrees
    StationaryKind kind;
    double potential;       // Potential(V, angle), kcal/mol
    double curvature;       // d2V/dphi2 at angle, kcal/mol per degree squared
};

// A minimum with its share of the population. Its basin runs upward from basinFrom to basinTo
// (going through 360 when basinFrom > basinTo): from the maximum before it to the maximum after
// it; with a single minimum both are the one maximum and the basin is the whole turn.
struct Conformer {
    double angle;
    double potential;          // kcal/mol
    double relativePotential;  // potential - the lowest minimum's potential, >= 0
    double population;         // 0 ... 1; the populations of all conformers sum to 1
    double basinFrom;
    double basinTo;
};

// Going from one minimum to a neighbouring one over the highest maximum between them: height is
// that maximum's potential less the potential at from (>= 0).
struct Barrier {
    double from;
    double to;
    double over;
    double height;   // kcal/mol
};

struct ConformationalAnalysis {
    double temperature = kDefaultTemperature;   // kelvin
    bool constant = false;   // every coefficient is zero: V is constant and the lists are empty
    std::vector<StationaryPoint> points;   // increasing angle
    std::vector<Conformer> conformers;     // increasing angle
    // Two per pair of neighbouring minima (one each way round the maximum between them), one
    // (the full-turn barrier) when there is a single minimum; ordered by from, then by over.
    std::vector<Barrier> barriers;
};

// The outcome of an analysis: analysis is meaningful only when refusal is empty.
struct ConformationalAnalysisResult {
    ConformationalAnalysis analysis;
    std::string refusal;   // why the analysis was refused: one line in Spanish
    bool ok() const { return refusal.empty(); }
};

// Analyses V at the temperature (kelvin). Refuses non-finite coefficients, a coefficient larger
// in magnitude than kMaxAnalysedCoefficient and a temperature outside kMinTemperature ...
// kMaxTemperature; otherwise every number of the result is finite. Stationary points as
// FindStationaryAngles finds them; populations are the classical Boltzmann weights
// exp(-(V - Vmin) / RT) integrated over each basin over their sum (the integral over the turn),
// to about 1e-12. Fast enough (tens of microseconds) to call again for another temperature.
ConformationalAnalysisResult AnalyzeConformations(const CoefficientSet& V, double temperature = kDefaultTemperature);
