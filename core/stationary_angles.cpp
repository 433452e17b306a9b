#include "core/stationary_angles.h"

#include "core/potential.h"

#include "derivative_expansion.h"
#include "double_double.h"
#include "unit_scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

// The roots of P are isolated through the chain of its derivatives: P^(5) is a constant, and the
// roots of P^(j+1) split [-1, 1] into pieces on which P^(j) is monotonic, so each piece holds at
// most one root of P^(j), bracketed by a change of sign and found by bisection. Points are
// carried as theta = 180 - phi in degrees (psi, with x = cos psi), and P^(j) is evaluated from
// its Taylor coefficients about x = 1, 0 or -1, whichever is nearest, in a variable computed
// without cancellation (1 - cos psi as 2 sin^2(psi / 2)), so roots near x = +-1 keep their digits.

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

struct Evaluation {
    double value;
    double tolerance;   // |value| at most this counts as zero
};

int SignOf(const Evaluation& e)
{
    if (e.value > e.tolerance) return 1;
    if (e.value < -e.tolerance) return -1;
    return 0;
}

// k! / (k - j)!: the factor that the j-th derivative puts on the coefficient of t^k.
double FallingFactorial(int k, int j)
{
    double f = 1.0;
    for (int i = 0; i < j; ++i) f *= k - i;
    return f;
}

class DerivativeChain {
public:
    explicit DerivativeChain(const CoefficientSet& V)
        : about_{ExpandDerivativeAbout(V, -1), ExpandDerivativeAbout(V, 0), ExpandDerivativeAbout(V, 1)}
    {
    }

    // P^(order) at x = cos(theta degrees), with its zero tolerance.
    Evaluation At(int order, double theta) const
    {
        const Variable v = VariableAt(theta);
        const DerivativeExpansion& e = about_[v.expansion];
        const double size = std::fabs(v.t);
        double value = 0.0, bound = 0.0;
        for (int k = 5; k >= order; --k) {
            const double f = FallingFactorial(k, order);
            value = value * v.t + e.coefficient[static_cast<std::size_t>(k)] * f;
            bound = bound * size + e.magnitude[static_cast<std::size_t>(k)] * f;
        }
        return {value, kRoundingUnitsTakenAsZero * kEpsilon * bound};
    }

    // P^(order) at the same x, in double-double arithmetic, with its zero tolerance: about
    // epsilon times At's, far inside it.
    Evaluation PreciselyAt(int order, double theta) const
    {
        const Variable v = VariableAt(theta);
        const DerivativeExpansion& e = about_[v.expansion];
        const double size = std::fabs(v.t);
        double_double::Pair value{0.0, 0.0};
        double bound = 0.0;
        for (int k = 5; k >= order; --k) {
            const std::size_t i = static_cast<std::size_t>(k);
            const double f = FallingFactorial(k, order);
            value = double_double::Add(double_double::Multiply(value, v.t),
                                       double_double::Multiply({e.coefficient[i], e.correction[i]}, f));
            bound = bound * size + e.magnitude[i] * f;
        }
        return {value.high, kRoundingUnitsTakenAsZero * kEpsilon * kEpsilon * bound};
    }

private:
    // x - centre for the expansion nearest x = cos(theta degrees), without cancellation.
    struct Variable {
        std::size_t expansion;   // centre + 1
        double t;
    };
    static Variable VariableAt(double theta)
    {
        if (theta <= 60.0) {
            const double s = std::sin(theta * (kPi / 360.0));
            return {2, -2.0 * s * s};
        }
        if (theta >= 120.0) {
            const double s = std::sin((180.0 - theta) * (kPi / 360.0));
            return {0, 2.0 * s * s};
        }
        return {1, std::cos(theta * (kPi / 180.0))};
    }

    std::array<DerivativeExpansion, 3> about_;
};

// The roots of one derivative in (0, 180) (theta degrees, increasing) and the sign it has on
// each stretch between them: stretchSigns[i] lies before roots[i], the last after every root.
struct Roots {
    std::vector<double> roots;
    std::vector<int> stretchSigns;
};

// The change of sign of value(theta) in [low, high], where its sign at low is lowSign, located to
// the resolution of the angle.
template <class F>
double Bisect(const F& value, double low, double high, int lowSign)
{
    for (;;) {
        const double mid = low + 0.5 * (high - low);
        if (mid <= low || mid >= high) return mid;
        const double v = value(mid);
        if (v == 0.0) return mid;
        if ((v > 0.0) == (lowSign > 0)) low = mid;
        else high = mid;
    }
}

// Where P^(order) goes from sign 'before' at at[k - 1] to the other sign at at[end], through the
// run at[k] ... at[end - 1] of points where it is zero within rounding: the middle of the run
// (roots that rounding cannot separate) where double-double arithmetic too finds P^(order) zero
// there or sees more than one change of sign along the run, else bisected in that arithmetic.
double CrossingThroughRun(const DerivativeChain& chain, int order, const std::vector<double>& at, std::size_t k,
                          std::size_t end, int before)
{
    const double middle = at[k] + 0.5 * (at[end - 1] - at[k]);
    if (SignOf(chain.PreciselyAt(order, middle)) == 0) return middle;
    std::size_t changes = 0, last = k;
    int sign = before;
    for (std::size_t i = k; i <= end; ++i) {
        const double v = i == end ? -before : chain.PreciselyAt(order, at[i]).value;
        if (v == 0.0) return middle;
        if ((v > 0.0) != (sign > 0)) {
            ++changes;
            last = i;
            sign = -sign;
        }
    }
    if (changes != 1) return middle;
    return Bisect([&](double theta) { return chain.PreciselyAt(order, theta).value; }, at[last - 1], at[last], before);
}

// The sign of the value farthest from zero, for a derivative that is zero within rounding at
// every point looked at; +1 when every value is exactly zero.
int LargestSign(const std::vector<Evaluation>& values)
{
    const auto largest = std::max_element(values.begin(), values.end(), [](const Evaluation& a, const Evaluation& b) {
        return std::fabs(a.value) < std::fabs(b.value);
    });
    return largest->value < 0.0 ? -1 : 1;
}

// The roots of P^(order), given the roots of P^(order + 1) (the pieces where it is monotonic).
// A run of consecutive piece ends where P^(order) is zero within rounding is one root: where the
// sign changes across it, at the change of sign if double-double arithmetic isolates one, else
// at the middle of the run; a run that reaches theta = 0 or 180 belongs to that end point.
Roots RootsOf(const DerivativeChain& chain, int order, const std::vector<double>& turningPoints)
{
    std::vector<double> at;
    at.reserve(turningPoints.size() + 2);
    at.push_back(0.0);
    at.insert(at.end(), turningPoints.begin(), turningPoints.end());
    at.push_back(180.0);
    std::vector<Evaluation> values;
    std::vector<int> signs;
    for (const double theta : at) {
        values.push_back(chain.At(order, theta));
        signs.push_back(SignOf(values.back()));
    }

    Roots result;
    const std::size_t count = at.size();
    std::size_t first = 0;
    while (first < count && signs[first] == 0) ++first;
    if (first == count) {
        result.stretchSigns.push_back(LargestSign(values));
        return result;
    }
    int current = signs[first];
    for (std::size_t k = first + 1; k < count;) {
        if (signs[k] == 0) {
            std::size_t end = k;
            while (end < count && signs[end] == 0) ++end;
            if (end == count) break;
            result.roots.push_back(signs[end] == current ? at[k] + 0.5 * (at[end - 1] - at[k])
                                                         : CrossingThroughRun(chain, order, at, k, end, current));
            result.stretchSigns.push_back(current);
            current = signs[end];
            k = end + 1;
            continue;
        }
        if (signs[k] != current) {
            result.roots.push_back(
                Bisect([&](double theta) { return chain.At(order, theta).value; }, at[k - 1], at[k], current));
            result.stretchSigns.push_back(current);
            current = signs[k];
        }
        ++k;
    }
    result.stretchSigns.push_back(current);
    return result;
}

// dV/dpsi has the sign of P for 0 < psi < 180: V has a minimum where it goes from - to +.
StationaryKind KindBetween(int signBefore, int signAfter)
{
    if (signBefore < 0 && signAfter > 0) return StationaryKind::Minimum;
    if (signBefore > 0 && signAfter < 0) return StationaryKind::Maximum;
    return StationaryKind::Inflection;
}

}  // namespace

std::vector<StationaryAngle> FindStationaryAngles(const CoefficientSet& V)
{
    const DerivativeChain chain(ScaleToUnit(V).V);
    Roots roots;
    for (int order = 5; order >= 0; --order) roots = RootsOf(chain, order, roots.roots);

    const std::vector<int>& s = roots.stretchSigns;
    std::vector<StationaryAngle> points;
    // psi = 0 (phi = 180): dV/dpsi is odd about it, so it goes from -s.front() to s.front().
    points.push_back({180.0, s.front() > 0 ? StationaryKind::Minimum : StationaryKind::Maximum, 180.0});
    // psi = 180 (phi = 0): it goes from s.back() to -s.back().
    points.push_back({0.0, s.back() < 0 ? StationaryKind::Minimum : StationaryKind::Maximum, 0.0});
    const double below360 = std::nextafter(360.0, 0.0);
    for (std::size_t i = 0; i < roots.roots.size(); ++i) {
        const StationaryKind kind = KindBetween(s[i], s[i + 1]);
        const double theta = roots.roots[i];
        points.push_back({180.0 - theta, kind, 180.0 - theta});
        points.push_back({std::min(180.0 + theta, below360), kind, 180.0 - theta});
    }
    std::sort(points.begin(), points.end(),
              [](const StationaryAngle& a, const StationaryAngle& b) { return a.angle < b.angle; });
    return points;
}
