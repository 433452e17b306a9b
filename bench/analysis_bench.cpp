// Figures for the conformational analysis: the time of one AnalyzeConformations call (stationary
// points, populations, barriers) for several coefficient sets at 298.15, 1 and 10000 K, and of
// the plot scene with its SVG text. Each time is the best of several runs of many calls. It
// prints figures only; it never fails.

#include "bench_timing.h"
#include "core/conformational_analysis.h"
#include "report/potential_plot.h"
#include "report/svg_plot.h"

#include <cstdio>

namespace {

constexpr int kRepetitions = 7;
constexpr int kCalls = 200;

struct NamedSet {
    const char* name;
    CoefficientSet V;
};

}  // namespace

int main()
{
    const NamedSet sets[] = {
        {"V3 = 3 alone", {0, 0, 0, 3, 0, 0, 0}},
        {"V1 = 4, V2 = -1 (flat minimum)", {0, 4, -1, 0, 0, 0, 0}},
        {"all six non-zero", {0, 1.3, -0.157, 2.5, 0.75, -1.1, 0.4}},
        {"all six, six minima", {0, 0.4, 0.3, -0.8, 0.2, 0.5, 3.0}},
        {"V3 = 1e300 (1e-150 degree peaks)", {0, 0, 0, 1e300, 0, 0, 0}},
    };
    double keep = 0.0;
    std::printf("AnalyzeConformations, microseconds per call (best of %d runs of %d calls)\n", kRepetitions, kCalls);
    std::printf("%-36s %8s %8s %8s\n", "coefficients", "298.15 K", "1 K", "10000 K");
    for (const NamedSet& set : sets) {
        std::printf("%-36s", set.name);
        for (const double temperature : {298.15, 1.0, 10000.0}) {
            const double seconds = BestSeconds(kRepetitions, [&] {
                double sum = 0.0;
                for (int i = 0; i < kCalls; ++i)
                    sum += AnalyzeConformations(set.V, temperature).analysis.conformers.front().population;
                return sum;
            }, keep);
            std::printf(" %8.1f", seconds / kCalls * 1e6);
        }
        std::printf("   (minima: %zu)\n", AnalyzeConformations(set.V).analysis.conformers.size());
    }

    const CoefficientSet& V = sets[2].V;
    const ConformationalAnalysis analysis = AnalyzeConformations(V).analysis;
    const double plot = BestSeconds(kRepetitions, [&] {
        double sum = 0.0;
        for (int i = 0; i < kCalls; ++i) sum += static_cast<double>(WriteSvg(PlotPotential(V, analysis, 640, 400)).size());
        return sum;
    }, keep);
    std::printf("plot scene and SVG text, 640 x 400, all six non-zero: %.1f microseconds\n", plot / kCalls * 1e6);
    std::printf("(checksum %g)\n", keep);
}
