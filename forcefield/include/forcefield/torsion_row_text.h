#pragma once

#include "core/coefficient_set.h"
#include "core/conformational_analysis.h"
#include "forcefield/torsion.h"

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The texts of a force field's torsion as users read them, in zelmara-scan --force-field's
// table and in the window's list alike.

// The headings of the table of torsions, one per field of TorsionRowText after the types and
// the source.
inline constexpr std::array<std::string_view, 11> kTorsionHeadings = {
    "Tipos", "Origen", "V1", "V2", "V3", "V4", "V5", "V6", "Desplazamiento", "Mínimos", "Barrera de rotación"};

// The types joined by spaces, an empty name shown as "".
std::string ShownTypes(const std::vector<std::string>& types);

// "FILE:LINE", where the torsion was read.
std::string TorsionSource(const ForceFieldTorsion& torsion);

// The conformational analyses of a file's torsions at one temperature. Force fields repeat
// their parameters under many type names: each distinct V is analysed once.
class TorsionAnalyses {
public:
    explicit TorsionAnalyses(double temperature = kDefaultTemperature) : temperature_(temperature) {}

    // The analysis of torsion's V; a refusal-free empty one for a torsion not converted.
    const ConformationalAnalysisResult& Of(const ForceFieldTorsion& torsion);

private:
    double temperature_;
    std::map<CoefficientSet, ConformationalAnalysisResult> known_;
};

// One torsion's figures as text ("%g", as every table of the program), or, when it has no V1
// ... V6 or its analysis is refused, the one reason in their place.
struct TorsionRowText {
    std::string refusal;                 // empty when the figures below are meaningful
    std::array<std::string, 6> V;        // V1 ... V6
    std::string offset;
    std::string minima;                  // the conformers' angles, by increasing angle, spaced
    std::string barrier;                 // max V - min V over the turn
};

// analysis: the analysis of torsion's V (TorsionAnalyses::Of).
TorsionRowText TorsionRow(const ForceFieldTorsion& torsion, const ConformationalAnalysisResult& analysis);
