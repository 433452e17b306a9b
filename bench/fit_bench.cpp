// Figures for profile fitting: reading a 2 MB Gaussian relaxed-scan log (a summary of 37
// points after 2 MB of optimisation steps) and fitting it; one fit of 37 points with the
// conformational analysis of its result; and beside them scipy.optimize.curve_fit of the same
// model on the same points (fit_scipy.py, through python3 with python3-scipy), as a ratio.
// Each time is the best of several runs. It prints figures only; it never fails.

#include "bench_timing.h"
#include "core/conformational_analysis.h"
#include "text/number_text.h"
#include "core/potential.h"

#include "fitting/profile_readers.h"
#include "fitting/torsion_fit.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr int kRepetitions = 7;
constexpr int kFitCalls = 2000;
const CoefficientSet kTruth{0, 1.4, -0.3, 2.7, 0.2, 0, 0};

// "%10.5f" without the C library's locale: Gaussian's fixed columns, which may run together.
std::string Fixed(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%10.5f", value);
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

// A Gaussian log of about 2 MB ending in the summary of a relaxed scan of D25 over 37 points.
std::string GaussianLog()
{
    std::string log = " Entering Gaussian System, Link 0=g16\n Initial command:\n"
                      " ! D25   D(3,4,9,10)           180.0            Scan                            !\n";
    while (log.size() < 2'000'000)
        log += "     Eigenvalues ---    0.00798   0.01253   0.01495   0.01682   0.01800\n"
               "      1          6           0        0.182003   -1.414178    0.168713\n"
               " SCF Done:  E(RB3LYP) =  -382.294279146     A.U. after   12 cycles\n";
    log += " Summary of Optimized Potential Surface Scan (add -382.0 to energies):\n";
    for (int first = 0; first < 37; first += 5) {
        const int last = std::min(first + 5, 37);
        std::string header = "          ", energies = "     Eigenvalues --  ", angles = "           D25        ";
        for (int k = first; k < last; ++k) {
            const double phi = -180.0 + 10.0 * k;
            header += "         " + std::to_string(k + 1);
            energies += Fixed(-0.3 + Potential(kTruth, phi) / kKcalPerHartree);
            angles += Fixed(phi);
        }
        log += header + "\n" + energies + "\n";
        for (int row = 1; row <= 90; ++row) {
            log += "           R" + std::to_string(row) + "        ";
            for (int k = first; k < last; ++k) log += Fixed(1.0 + 0.001 * row + 0.0001 * k);
            log += "\n";
        }
        log += angles + "\n";
    }
    return log + " Largest change from initial coordinates is atom   13       3.502 Angstoms.\n";
}

// The seconds per call of scipy's curve_fit on the points, or a negative number when there is
// no python3 with scipy.
double ScipySeconds(const std::vector<ProfilePoint>& points)
{
    const std::string data = "fit_bench_points.txt";
    {
        std::ofstream out(data);
        for (const ProfilePoint& p : points) out << FormatRoundTrip(p.angle) << ' ' << FormatRoundTrip(p.energy) << '\n';
    }
    // The python3 on PATH first, then Debian's, which python3-scipy serves.
    int status = 1;
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        const std::string command = std::string(python) + " " ZELMARA_BENCH_SOURCE "/fit_scipy.py " + data +
                                    " > fit_bench_scipy.txt 2> /dev/null";
        if ((status = std::system(command.c_str())) == 0) break;
    }
    std::ifstream in("fit_bench_scipy.txt");
    std::string line;
    std::getline(in, line);
    std::remove(data.c_str());
    std::remove("fit_bench_scipy.txt");
    const NumberReading seconds = ReadNumber(line);
    return status == 0 && seconds.ok() ? seconds.value : -1.0;
}

}  // namespace

int main()
{
    double keep = 0.0;
    const std::string log = GaussianLog();
    const double read = BestSeconds(kRepetitions, [&] {
        const ProfileReading reading = ReadGaussianProfile(log, "bench.log");
        return FitTorsion(reading.profile.points, FitOptions{}).fit.V[3];
    }, keep);
    const ProfileReading reading = ReadGaussianProfile(log, "bench.log");
    std::printf("Gaussian log of %.1f MB, read and fitted (%zu points): %.2f ms (best of %d)\n",
                static_cast<double>(log.size()) / 1e6, reading.profile.points.size(), read * 1e3, kRepetitions);

    const std::vector<ProfilePoint>& points = reading.profile.points;
    const double fit = BestSeconds(kRepetitions, [&] {
        double sum = 0.0;
        for (int i = 0; i < kFitCalls; ++i) sum += FitTorsion(points, FitOptions{}).fit.V[3];
        return sum;
    }, keep) / kFitCalls;
    const double fitAndAnalysis = BestSeconds(kRepetitions, [&] {
        double sum = 0.0;
        for (int i = 0; i < kFitCalls; ++i)
            sum += AnalyzeConformations(FitTorsion(points, FitOptions{}).fit.V).analysis.conformers.size();
        return sum;
    }, keep) / kFitCalls;
    const TorsionFit result = FitTorsion(points, FitOptions{}).fit;
    std::printf("fit of %zu points, terms 1-4: %.2f microseconds; with the analysis: %.2f microseconds\n",
                points.size(), fit * 1e6, fitAndAnalysis * 1e6);
    std::printf("  V1..V4 %s %s %s %s (made from %s %s %s %s), RMSE %s kcal/mol\n", FormatG(result.V[1]).c_str(),
                FormatG(result.V[2]).c_str(), FormatG(result.V[3]).c_str(), FormatG(result.V[4]).c_str(),
                FormatG(kTruth[1]).c_str(), FormatG(kTruth[2]).c_str(), FormatG(kTruth[3]).c_str(),
                FormatG(kTruth[4]).c_str(), FormatG(result.rmse).c_str());

    const double scipy = ScipySeconds(points);
    if (scipy < 0.0)
        std::printf("scipy.optimize.curve_fit: not measured (no python3 with scipy; Debian: python3-scipy)\n");
    else
        std::printf("scipy.optimize.curve_fit, same model and points: %.2f microseconds: %.0f times the fit\n",
                    scipy * 1e6, scipy / fit);
    std::printf("(checksum %g)\n", keep);
}
