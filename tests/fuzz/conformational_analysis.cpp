// Fuzz target: AnalyzeConformations on coefficient sets decoded from the input. The first byte
// picks how the rest becomes six coefficients and a temperature:
//   0 raw: eight bytes per coefficient and for the temperature, any double at all (NaN,
//     infinities, subnormals, huge and tiny values);
//   1 small integers: one signed byte per coefficient, over a common power of two, so exact
//     ratios such as V1 = 4, V2 = -1 (a flat-bottomed minimum) come up often;
//   2 chosen roots: dV/dpsi is built as c * prod (x - r)^m in x = cos psi, with the roots r
//     (near +-1 too) and multiplicities m (up to 5 in all) taken from the input, then scaled
//     by a power of two: double and triple roots, inflections, clusters;
// in 1 and 2 the temperature lies in 1 ... 10000 K. Then:
// - a refusal comes exactly when a coefficient is not finite or beyond kMaxAnalysedCoefficient,
//   or the temperature is outside kMinTemperature ... kMaxTemperature, in one line;
// - otherwise every number of the result is finite; the points are ordered in [0, 360) with
//   0 and 180 among them, minima and maxima alternate, each minimum is a conformer, the
//   populations lie in 0 ... 1 and sum to 1; and every change of sign of dV/dpsi on a grid of
//   0.05 degree, where it stands clear of rounding at both ends, has a returned extremum of the
//   matching kind between the two grid angles.
// Each input also gives the sets made of its even terms alone and of its terms V3, V6 alone:
// exactly symmetric potentials, repeating every 180 (or 90) and every 120 degrees, whose
// extrema all meet their images at those turns to the angle's resolution, and whose conformers
// have the same basin weight (population times exp(relative V / RT)) as their images to 1e-12:
// equal populations but for the rounding of their levels (at 0 and 180 degrees whatever V/RT;
// elsewhere while V/RT stays below 1e30, the limit BasinWeight states for flat minima).

#include "core/conformational_analysis.h"
#include "core/potential.h"
#include "fuzz_check.h"
#include "text/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

namespace {

// Reads the input from its front; past its end every byte is zero.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    double Double()
    {
        std::uint8_t bytes[sizeof(double)];
        for (std::uint8_t& byte : bytes) byte = Byte();
        double value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // 1 ... 10000 K, evenly spaced in the logarithm.
    double Temperature()
    {
        const int step = Byte() * 256 + Byte();
        return std::clamp(std::pow(10.0, 4.0 * step / 65535.0), kMinTemperature, kMaxTemperature);
    }

    // 2^e with e anywhere from -1074 to 1000: subnormal, tiny, ordinary and huge scales.
    double PowerOfTwo() { return std::ldexp(1.0, (Byte() * 256 + Byte()) % 2075 - 1074); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

struct Case {
    CoefficientSet V{};
    double temperature = kDefaultTemperature;
};

// dV/dpsi = 1/2 sum_n n Vn sin(n psi) = 1/2 sin(psi) sum_n n Vn U(n-1)(cos psi): a polynomial
// P(x) of degree 5 or less held as its coefficients on U0 ... U5.
using ChebyshevU = std::array<double, 6>;

// p * (x - r), using x U(k) = (U(k+1) + U(k-1)) / 2 and U(-1) = 0.
ChebyshevU TimesXMinus(const ChebyshevU& p, double r)
{
    ChebyshevU product{};
    for (int k = 0; k < 6; ++k) {
        if (k + 1 < 6) product[k + 1] += p[k] / 2;
        if (k >= 1) product[k - 1] += p[k] / 2;
        product[k] -= r * p[k];
    }
    return product;
}

double RootFromByte(std::uint8_t byte)
{
    if (byte >= 240) return (byte & 1 ? -1.0 : 1.0) * (1.0 - std::ldexp(1.0, -(byte - 238)));  // next to +-1
    return (byte - 120) / 120.0;
}

Case Decode(ByteReader& in)
{
    Case c;
    switch (in.Byte() % 3) {
    case 0:
        for (int n = 1; n <= 6; ++n) c.V[n] = in.Double();
        c.temperature = in.Double();
        return c;
    case 1: {
        const double scale = in.PowerOfTwo();
        for (int n = 1; n <= 6; ++n) c.V[n] = static_cast<std::int8_t>(in.Byte()) * scale;
        c.temperature = in.Temperature();
        return c;
    }
    default: {
        ChebyshevU p{};
        p[0] = 1.0;
        for (int degree = 0, roots = in.Byte() % 4; roots > 0 && degree < 5; --roots) {
            const double r = RootFromByte(in.Byte());
            for (int m = 1 + in.Byte() % 3; m > 0 && degree < 5; --m, ++degree) p = TimesXMinus(p, r);
        }
        const double scale = (in.Byte() & 1 ? -1.0 : 1.0) * in.PowerOfTwo();
        for (int n = 1; n <= 6; ++n) c.V[n] = p[n - 1] / n * scale;
        c.temperature = in.Temperature();
        return c;
    }
    }
}

bool ShouldRefuse(const Case& c)
{
    for (int n = 1; n <= 6; ++n)
        if (!std::isfinite(c.V[n]) || std::fabs(c.V[n]) > kMaxAnalysedCoefficient) return true;
    return !(c.temperature >= kMinTemperature && c.temperature <= kMaxTemperature);
}

void CheckFinite(double value, const char* what)
{
    if (!std::isfinite(value)) fuzz::Fail(std::string(what) + " is not finite");
}

bool HasExtremum(const ConformationalAnalysis& a, double from, double to, StationaryKind kind)
{
    return std::any_of(a.points.begin(), a.points.end(), [&](const StationaryPoint& p) {
        return p.kind == kind && p.angle >= from && p.angle <= to;
    });
}

// Every sign change of dV/dpsi between neighbouring grid angles, with |dV/dpsi| clear of
// rounding at both, has its extremum: dV/dpsi falls through zero (V rises with phi) at a
// minimum. The set is first scaled to unit size, which moves no angle and keeps the products
// of PotentialDerivative clear of subnormal numbers.
void CheckAgainstGrid(CoefficientSet V, const ConformationalAnalysis& a)
{
    double largest = 0.0;
    for (int n = 1; n <= 6; ++n) largest = std::max(largest, std::fabs(V[n]));
    const int exponent = std::ilogb(largest);
    double scale = 0.0;
    for (int n = 1; n <= 6; ++n) {
        V[n] = std::ldexp(V[n], -exponent);
        scale += n * std::fabs(V[n]);
    }
    const double noise = 1e-12 * scale;
    constexpr int kSteps = 7200;
    double d = PotentialDerivative(V, 0.0);
    for (int g = 0; g < kSteps; ++g) {
        const double phi = g * 0.05, next = (g + 1) * 0.05;
        const double dNext = PotentialDerivative(V, next);
        if (std::fabs(d) >= noise && std::fabs(dNext) >= noise && (d > 0) != (dNext > 0)) {
            const StationaryKind kind = d > 0 ? StationaryKind::Minimum : StationaryKind::Maximum;
            if (!HasExtremum(a, phi - 1e-9, next + 1e-9, kind) && !(g == kSteps - 1 && HasExtremum(a, 0.0, 0.0, kind)))
                fuzz::Fail("dV/dpsi changes sign between " + std::to_string(phi) + " and " +
                           std::to_string(next) + " degrees with no extremum of that kind there");
        }
        d = dNext;
    }
}

void CheckAnalysis(const Case& c, const ConformationalAnalysis& a)
{
    const bool allZero = std::all_of(c.V.begin() + 1, c.V.end(), [](double v) { return v == 0.0; });
    if (a.constant != allZero) fuzz::Fail("constant potential flagged wrongly");
    if (a.constant) {
        if (!a.points.empty() || !a.conformers.empty() || !a.barriers.empty())
            fuzz::Fail("a constant potential with points");
        return;
    }
    for (const StationaryPoint& p : a.points) {
        CheckFinite(p.potential, "a point's potential");
        CheckFinite(p.curvature, "a point's curvature");
        if (!(p.angle >= 0.0 && p.angle < 360.0)) fuzz::Fail("a point outside [0, 360)");
    }
    if (!std::is_sorted(a.points.begin(), a.points.end(),
                        [](const StationaryPoint& x, const StationaryPoint& y) { return x.angle <= y.angle; }) ||
        a.points.empty() || a.points.front().angle != 0.0 ||
        std::none_of(a.points.begin(), a.points.end(), [](const StationaryPoint& p) { return p.angle == 180.0; }))
        fuzz::Fail("points not strictly increasing from 0 through 180");

    std::vector<StationaryKind> extrema;
    for (const StationaryPoint& p : a.points)
        if (p.kind != StationaryKind::Inflection) extrema.push_back(p.kind);
    for (std::size_t i = 0; i < extrema.size(); ++i)
        if (extrema[i] == extrema[(i + 1) % extrema.size()]) fuzz::Fail("two minima or two maxima in a row");

    const auto minima = std::count_if(extrema.begin(), extrema.end(),
                                      [](StationaryKind kind) { return kind == StationaryKind::Minimum; });
    if (static_cast<std::size_t>(minima) != a.conformers.size()) fuzz::Fail("a minimum without its conformer");
    double total = 0.0;
    for (const Conformer& conformer : a.conformers) {
        for (double value : {conformer.potential, conformer.relativePotential, conformer.population,
                             conformer.basinFrom, conformer.basinTo})
            CheckFinite(value, "a conformer's figure");
        if (!HasExtremum(a, conformer.angle, conformer.angle, StationaryKind::Minimum))
            fuzz::Fail("a conformer that is no minimum");
        if (!(conformer.population >= 0.0 && conformer.population <= 1.0) || conformer.relativePotential < 0.0)
            fuzz::Fail("a population outside 0 ... 1 or a negative relative potential");
        total += conformer.population;
    }
    if (std::fabs(total - 1.0) > 1e-9) fuzz::Fail("populations sum to " + std::to_string(total));
    for (const Barrier& barrier : a.barriers) {
        CheckFinite(barrier.height, "a barrier");
        if (barrier.height < 0.0) fuzz::Fail("a negative barrier");
    }
    CheckAgainstGrid(c.V, a);
}

// The number of times V repeats over the turn: the greatest common divisor of the n with Vn != 0
// (cos n(180 - phi) repeats every 360 / n degrees).
int Fold(const CoefficientSet& V)
{
    int fold = 0;
    for (int n = 1; n <= 6; ++n)
        if (V[n] != 0.0) fold = std::gcd(fold, n);
    return fold;
}

// The spacing of doubles just below 360: how finely an angle of the turn can be placed.
constexpr double kAngleSpacing = 360.0 * std::numeric_limits<double>::epsilon();

// The distance in degrees from the minimum to the nearer of its basin's edges.
double NearerEdge(const Conformer& c)
{
    const double below = std::fmod(c.angle - c.basinFrom + 360.0, 360.0);
    const double above = std::fmod(c.basinTo - c.angle + 360.0, 360.0);
    return std::min(below > 0.0 ? below : 360.0, above > 0.0 ? above : 360.0);
}

// Where an extremum and its image may lie apart: twice that spacing, for the rounding of
// 180 -+ theta on top of the root's own.
constexpr double kImageTolerance = 2.0 * kAngleSpacing;

double CircularDistance(double a, double b)
{
    const double apart = std::fabs(a - b);
    return std::min(apart, 360.0 - apart);
}

void CheckRepeats(const CoefficientSet& V, const ConformationalAnalysis& a, int fold)
{
    const double turn = 360.0 / fold, RT = kGasConstant * a.temperature;
    double largest = 0.0;
    for (int n = 1; n <= 6; ++n) largest = std::max(largest, std::fabs(V[n]));
    const bool hugeOverRT = largest / RT > 1e30;
    for (const StationaryPoint& p : a.points) {
        if (p.kind == StationaryKind::Inflection) continue;
        for (int k = 1; k < fold; ++k) {
            const double image = std::fmod(p.angle + k * turn, 360.0);
            if (std::none_of(a.points.begin(), a.points.end(), [&](const StationaryPoint& q) {
                    return q.kind == p.kind && CircularDistance(q.angle, image) <= kImageTolerance;
                }))
                fuzz::Fail("the extremum at " + FormatRoundTrip(p.angle) + " has no image " + std::to_string(k) +
                           " turn(s) of " + std::to_string(turn) + " degrees on");
        }
    }
    for (const Conformer& c : a.conformers) {
        for (int k = 1; k < fold; ++k) {
            const double image = std::fmod(c.angle + k * turn, 360.0);
            const auto match = std::find_if(a.conformers.begin(), a.conformers.end(), [&](const Conformer& other) {
                return CircularDistance(other.angle, image) <= kImageTolerance;
            });
            if (match == a.conformers.end()) fuzz::Fail("a minimum that is no conformer");
            // Their basin weights, population times exp(relative V / RT), are equal: the
            // populations differ only as much as the rounding of the two levels makes them.
            if (c.population == 0.0 || match->population == 0.0) continue;
            const bool atEnds = (c.angle == 0.0 || c.angle == 180.0) && (match->angle == 0.0 || match->angle == 180.0);
            if (!atEnds && hugeOverRT) continue;
            const double logWeight = std::log(c.population) + c.relativePotential / RT;
            const double imageLogWeight = std::log(match->population) + match->relativePotential / RT;
            // A basin's edges are known only to the spacing of doubles near 360 degrees, which
            // moves its weight by that much over the distance to the nearer edge at most; a
            // population near the bottom of the doubles' range is known only to the smallest of them.
            const double narrower = std::min(NearerEdge(c), NearerEdge(*match));
            const double smaller = std::min(c.population, match->population);
            const double tolerance = 1e-12 + 8.0 * kAngleSpacing / narrower +
                                     4.0 * std::numeric_limits<double>::denorm_min() / smaller;
            if (std::fabs(logWeight - imageLogWeight) > tolerance)
                fuzz::Fail("images " + std::to_string(turn * k) + " degrees apart have populations " +
                           FormatRoundTrip(c.population) + " and " + FormatRoundTrip(match->population) +
                           " at levels " + FormatRoundTrip(c.relativePotential) + " and " +
                           FormatRoundTrip(match->relativePotential));
        }
    }
}

void CheckSymmetricParts(const Case& c)
{
    for (const int every : {2, 3}) {
        Case part = c;
        for (int n = 1; n <= 6; ++n)
            if (n % every != 0) part.V[n] = 0.0;
        const int fold = Fold(part.V);
        if (fold == 0 || ShouldRefuse(part)) continue;
        const ConformationalAnalysisResult result = AnalyzeConformations(part.V, part.temperature);
        if (!result.ok()) fuzz::Fail("refused a symmetric part: " + result.refusal);
        CheckAnalysis(part, result.analysis);
        CheckRepeats(part.V, result.analysis, fold);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader in(data, size);
    const Case c = Decode(in);
    const ConformationalAnalysisResult result = AnalyzeConformations(c.V, c.temperature);
    if (result.ok() == ShouldRefuse(c))
        fuzz::Fail(result.ok() ? "accepted what it must refuse" : "refused: " + result.refusal);
    if (!result.ok()) {
        if (result.refusal.find('\n') != std::string::npos) fuzz::Fail("a refusal of more than one line");
        CheckSymmetricParts(c);
        return 0;
    }
    CheckAnalysis(c, result.analysis);
    CheckSymmetricParts(c);
    return 0;
}
