// Reads lines "V1 V2 V3 V4 V5 V6 T" and prints each analysis, every number as its shortest
// round-trip text, for tests/core/analysis_reference.py to compare with its own computation.

#include "conformational_analysis.h"
#include "number_text.h"

#include <array>
#include <iostream>
#include <string>

int main()
{
    const auto text = [](double x) { return FormatRoundTrip(x); };
    const char* const kinds[] = {"minimum", "maximum", "inflection"};
    std::array<std::string, 7> words;
    while (std::cin >> words[0] >> words[1] >> words[2] >> words[3] >> words[4] >> words[5] >> words[6]) {
        CoefficientSet V{};
        for (int n = 1; n <= 6; ++n) V[n] = ReadNumber(words[n - 1]).value;
        const ConformationalAnalysisResult result = AnalyzeConformations(V, ReadNumber(words[6]).value);
        if (!result.ok()) std::cout << "refused\n";
        for (const StationaryPoint& p : result.analysis.points)
            std::cout << "point " << text(p.angle) << ' ' << kinds[static_cast<int>(p.kind)] << ' '
                      << text(p.potential) << ' ' << text(p.curvature) << '\n';
        for (const Conformer& c : result.analysis.conformers)
            std::cout << "conformer " << text(c.angle) << ' ' << text(c.relativePotential) << ' '
                      << text(c.population) << ' ' << text(c.basinFrom) << ' ' << text(c.basinTo) << '\n';
        for (const Barrier& b : result.analysis.barriers)
            std::cout << "barrier " << text(b.from) << ' ' << text(b.to) << ' ' << text(b.over) << ' '
                      << text(b.height) << '\n';
        std::cout << "end" << std::endl;
    }
}
