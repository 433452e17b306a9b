// Fuzz target: FitTorsion on points and options decoded from the input. The first bytes give
// the terms (a mask; none chosen must be refused), a cutoff and a Boltzmann temperature, each
// present or not; then each 3 bytes are a point: the angle on a grid of 7.5 degrees or anywhere
// (so that repeated, mirrored and nearly equal angles come up), and an energy from 0 to huge.
// A refusal is one line; otherwise every number is finite, every point is accounted for, the
// RMSE is at most the largest residual, and the points in reverse order give the same fit.

#include "fuzz_check.h"

#include "fitting/torsion_fit.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

bool Same(const TorsionFit& a, const TorsionFit& b)
{
    return a.V == b.V && a.offset == b.offset && a.rmse == b.rmse && a.maxError == b.maxError;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4) return 0;
    FitOptions options;
    for (int n = 1; n <= 6; ++n) options.terms[static_cast<std::size_t>(n)] = (data[0] >> (n - 1)) & 1;
    if (data[1] & 1) options.cutoff = std::ldexp(static_cast<double>(data[1] >> 1), data[3] % 16 - 4);
    if (data[2] != 0) options.boltzmann = 1.0 + 40.0 * (data[2] - 1);   // 1 ... 10161 K, some refused

    std::vector<ProfilePoint> points;
    for (std::size_t i = 4; i + 3 <= size; i += 3) {
        const double angle = data[i] < 128 ? 7.5 * (data[i] % 48) : 360.0 * data[i + 1] / 256.0 + data[i] * 1e-9;
        const double energy = data[i + 2] < 200 ? data[i + 2] * 0.05 : std::ldexp(1.0, (data[i + 2] - 200) * 4 - 60);
        points.push_back({std::fmod(angle, 360.0), energy, 0});
    }
    if (!points.empty()) points[static_cast<std::size_t>(data[3]) % points.size()].energy = 0.0;

    const TorsionFitResult result = FitTorsion(points, options);
    const bool noTerms = (data[0] & 63) == 0;
    if (noTerms && result.ok()) fuzz::Fail("a fit with no term chosen");
    if (!result.ok()) {
        if (result.refusal.empty() || result.refusal.find('\n') != std::string::npos)
            fuzz::Fail("a refusal that is not one line");
        return 0;
    }
    const TorsionFit& fit = result.fit;
    bool finite = std::isfinite(fit.offset) && std::isfinite(fit.rmse) && std::isfinite(fit.maxError);
    for (const double v : fit.V) finite = finite && std::isfinite(v);
    for (const FittedPoint& point : fit.points) finite = finite && std::isfinite(point.fitted);
    if (!finite) fuzz::Fail("a number that is not finite");
    if (fit.used + fit.leftOut != static_cast<int>(points.size()) || fit.used == 0) fuzz::Fail("points lost");
    if (fit.rmse > fit.maxError * (1 + 1e-12)) fuzz::Fail("the RMSE above the largest residual");

    const std::vector<ProfilePoint> reversed(points.rbegin(), points.rend());
    const TorsionFitResult again = FitTorsion(reversed, options);
    if (!again.ok() || !Same(fit, again.fit)) fuzz::Fail("the fit depends on the points' order");
    return 0;
}
