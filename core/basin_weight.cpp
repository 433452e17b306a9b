#include "basin_weight.h"

#include "core/potential.h"

#include "derivative_expansion.h"
#include "double_double.h"
#include "unit_scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace {

// V(psi_min + s) - V(psi_min), s in radians of psi = 180 - phi, for a minimum at psi_min: a
// polynomial in d = cos(psi_min + s) - cos(psi_min) = -2 sin(psi_min + s / 2) sin(s / 2), with
// the Taylor coefficients of V = -1/2 integral of P dx about x0 = cos(psi_min). They come from
// P's expansion about the nearest of x = 1, 0, -1, shifted to x0 in double-double arithmetic, so
// that terms of V which cancel (a flat-bottomed minimum) leave no rounding residue that would
// swamp the true excess next to the minimum. At psi_min = 0 or 180 (x0 = +-1) the term linear
// in d is V's slope in x there; elsewhere it is dV/dx at the minimum, zero, and left out:
// computed, it would be the residue of x0 being rounded.
class Excess {
public:
    Excess(const CoefficientSet& V, double angle)
    {
        // Above 180 the minimum is the mirror image of one below: V(phi) = V(360 - phi).
        const double minimum = angle > 180.0 ? 360.0 - angle : angle;
        mirror_ = angle > 180.0 ? -1.0 : 1.0;
        const double psi = 180.0 - minimum;
        constexpr double kRadian = kPi / 180.0;
        int centre = 0;
        double x0 = 0.0;   // x(psi_min) - centre
        if (psi <= 60.0) {
            centre = 1;
            const double h = std::sin(psi * (0.5 * kRadian));
            x0 = -2.0 * h * h;
        } else if (psi >= 120.0) {
            centre = -1;
            const double h = std::sin(minimum * (0.5 * kRadian));
            x0 = 2.0 * h * h;
        } else {
            x0 = std::sin((90.0 - psi) * kRadian);
        }
        // sin(psi_min + s / 2) = sin(start_ + direction_ s / 2), start_ in [0, 90] degrees.
        start_ = (psi <= 90.0 ? psi : minimum) * kRadian;
        direction_ = psi <= 90.0 ? 1.0 : -1.0;

        const DerivativeExpansion p = ExpandDerivativeAbout(V, centre);
        using double_double::Add, double_double::Multiply;
        std::array<double_double::Pair, 6> q;
        for (std::size_t k = 0; k < 6; ++k) q[k] = {p.coefficient[k], p.correction[k]};
        for (std::size_t i = 0; i < 5; ++i)   // Taylor shift from the centre to x0
            for (std::size_t k = 5; k-- > i;) q[k] = Add(q[k], Multiply(q[k + 1], x0));
        for (std::size_t k = 0; k < 6; ++k) power_[k + 1] = -0.5 * (q[k].high + q[k].low) / static_cast<double>(k + 1);
        if (minimum != 0.0 && minimum != 180.0) power_[1] = 0.0;
    }

    double operator()(double s) const
    {
        const double half = mirror_ * (0.5 * s);
        const double d = -2.0 * std::sin(start_ + direction_ * half) * std::sin(half);
        double sum = 0.0;
        for (std::size_t k = 7; k-- > 1;) sum = (sum + power_[k]) * d;
        return sum;
    }

private:
    double mirror_ = 1.0, start_ = 0.0, direction_ = 1.0;
    std::array<double, 7> power_{};   // power_[k]: the coefficient of d^k
};

// The 7-point Gauss and 15-point Kronrod rules on [-1, 1]: the positive Kronrod nodes, largest
// first, then 0 (those at odd indices, and 0, are the Gauss nodes), and the weights.
constexpr std::array<double, 8> kKronrodNodes{
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0.0};
constexpr std::array<double, 8> kKronrodWeights{
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr std::array<double, 4> kGaussWeights{
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};
// At most this many pieces per integral: where rounding in the integrand keeps the two rules
// from agreeing as closely as asked, the best estimate so far is taken.
constexpr std::size_t kMaxPieces = 64;

struct Piece {
    double a, b;
    double value;   // the Kronrod sum
    double error;   // its estimated error
};

// Both rules on [a, b], with the error estimate of QUADPACK's QK15: the Gauss-Kronrod difference
// scaled down by how rough the integrand is (the Kronrod sum is much better than the Gauss sum
// it is compared with), and never below what rounding in the sums allows.
template <class F>
Piece GaussKronrod(const F& f, double a, double b)
{
    const double centre = 0.5 * (a + b);
    const double half = 0.5 * (b - a);
    std::array<double, 15> values;
    values[14] = f(centre);
    for (std::size_t i = 0; i < 7; ++i) {
        values[2 * i] = f(centre - half * kKronrodNodes[i]);
        values[2 * i + 1] = f(centre + half * kKronrodNodes[i]);
    }
    double kronrod = kKronrodWeights[7] * values[14], gauss = kGaussWeights[3] * values[14];
    double absolute = kKronrodWeights[7] * std::fabs(values[14]);
    for (std::size_t i = 0; i < 7; ++i) {
        const double pair = values[2 * i] + values[2 * i + 1];
        kronrod += kKronrodWeights[i] * pair;
        absolute += kKronrodWeights[i] * (std::fabs(values[2 * i]) + std::fabs(values[2 * i + 1]));
        if (i % 2 == 1) gauss += kGaussWeights[i / 2] * pair;
    }
    const double mean = 0.5 * kronrod;
    double roughness = kKronrodWeights[7] * std::fabs(values[14] - mean);
    for (std::size_t i = 0; i < 7; ++i)
        roughness += kKronrodWeights[i] * (std::fabs(values[2 * i] - mean) + std::fabs(values[2 * i + 1] - mean));
    double error = std::fabs((kronrod - gauss) * half);
    roughness *= std::fabs(half);
    if (roughness != 0.0 && error != 0.0) error = roughness * std::min(1.0, std::pow(200.0 * error / roughness, 1.5));
    error = std::max(error, 50.0 * std::numeric_limits<double>::epsilon() * absolute * std::fabs(half));
    return {a, b, kronrod * half, error};
}

// The integral of f over [a, b]: the piece with the largest error is halved until the errors
// add up to at most tolerance (or kMaxPieces pieces are reached).
template <class F>
double Integrate(const F& f, double a, double b, double tolerance)
{
    std::vector<Piece> pieces{GaussKronrod(f, a, b)};
    const auto byError = [](const Piece& x, const Piece& y) { return x.error < y.error; };
    for (;;) {
        double error = 0.0;
        for (const Piece& p : pieces) error += p.error;
        if (error <= tolerance || pieces.size() == kMaxPieces) break;
        Piece& worst = *std::max_element(pieces.begin(), pieces.end(), byError);
        const double middle = 0.5 * (worst.a + worst.b);
        if (!(middle > worst.a && middle < worst.b)) break;
        const Piece upper = GaussKronrod(f, middle, worst.b);
        worst = GaussKronrod(f, worst.a, middle);
        pieces.push_back(upper);
    }
    double value = 0.0;
    for (const Piece& p : pieces) value += p.value;
    return value;
}

// The integral of exp(-excess(direction * s) / RT) for s from 0 to length (radians), where the
// excess grows with s from zero at the minimum.
double SideIntegral(const Excess& excess, double direction, double length, double RT)
{
    if (length <= 0.0) return 0.0;
    // The excess is never negative in a basin: a negative value is rounding next to a flat
    // minimum, which an RT tiny beside the coefficients would blow up into an infinite weight.
    const auto above = [&](double s) { return std::max(0.0, excess(direction * s)) / RT; };
    const auto weight = [&](double s) { return std::exp(-above(s)); };

    // The width where the excess reaches RT, to within a factor of two (the integrand is 1 at
    // s = 0 and at least e^-4 at the width).
    double width = length;
    if (above(length) > 1.0) {
        // above(length * 2^low) <= 1 < above(length * 2^high), starting from the smallest
        // normal width, below which nothing is resolved.
        int low = std::ilogb(std::numeric_limits<double>::min()) - std::ilogb(length), high = 0;
        while (high - low > 1) {
            const int mid = low + (high - low) / 2;
            if (above(std::ldexp(length, mid)) > 1.0) high = mid;
            else low = mid;
        }
        width = std::ldexp(length, high);
    }

    double total = Integrate(weight, 0.0, width, 1e-13 * width);
    for (double a = width; a < length; a *= 2.0) {
        // The integrand falls from weight(a) on, so the rest is at most weight(a) (length - a).
        if (weight(a) * (length - a) <= 1e-16 * total) break;
        total += Integrate(weight, a, std::min(2.0 * a, length), 1e-13 * total);
    }
    return total;
}

}  // namespace

BasinWeight::BasinWeight(const CoefficientSet& V, double RT)
{
    const UnitScaledCoefficients scaled = ScaleToUnit(V);
    unitV_ = scaled.V;
    unitRT_ = std::ldexp(RT, -scaled.exponent);
}

double BasinWeight::operator()(double minimum, double below, double above) const
{
    const Excess excess(unitV_, minimum);
    constexpr double kRadian = kPi / 180.0;
    // Below the minimum in phi is above it in psi = 180 - phi.
    return (SideIntegral(excess, 1.0, below * kRadian, unitRT_) +
            SideIntegral(excess, -1.0, above * kRadian, unitRT_)) / kRadian;
}
