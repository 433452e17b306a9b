#include "core/stationary_angles.h"

#include "core/potential.h"

#include "derivative_expansion.h"
#include "double_double.h"
#include "exact_sign.h"
#include "unit_scale.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

// The roots of P are isolated through the chain of its derivatives: P^(degree) is a constant,
// and the changes of sign of P^(j+1) split [-1, 1] into pieces on which P^(j) is monotonic, so
// each piece holds at most one change of sign of P^(j), found by bisection. Points are carried as
// theta = 180 - phi in degrees (psi, with x = cos psi), and P^(j) is evaluated from its Taylor
// coefficients about x = 1, 0 or -1, whichever is nearest, in a variable computed without
// cancellation (1 - cos psi as 2 sin^2(psi / 2)), so roots near x = +-1 keep their digits. The
// sign of P^(j) at each angle is the exact sign at the variable's double value: from a double
// evaluation where it stands clear of its rounding, else from a double-double one, else from
// exact integer arithmetic; so a bisection ends on two neighbouring doubles between which P^(j)
// truly changes sign, however small it is around them, and a piece bounded by both of them is
// monotonic on every double it holds.

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Both evaluations' rounding errors stay below these many units of rounding of the sum of the
// terms' magnitudes (about 6 and 20, the coefficients' own errors included); the least normal
// double on top covers what underflow can lose.
constexpr double kDoubleRoundingUnits = 16.0;
constexpr double kDoubleDoubleRoundingUnits = 256.0;
constexpr double kUnderflowMargin = std::numeric_limits<double>::min();

// The ends of the search: the spacing of doubles at 180, the least theta whose 180 - theta and
// 180 + theta are always told from 180, and the double below 180. A root closer to an end than
// these belongs to it.
constexpr double kFirstTheta = 0x1p-45;
constexpr double kLastTheta = 180.0 - 0x1p-45;

// sin y for |y| <= pi / 6 from its Taylor series to y^17 in plain double arithmetic: within
// about one unit of rounding and, unlike the C library's sine, the same bits on every system,
// so that every angle found is too.
double Sine(double y)
{
    constexpr std::array<double, 8> kTerms{-1.0 / 6.0,           1.0 / 120.0,           -1.0 / 5040.0,
                                           1.0 / 362880.0,       -1.0 / 39916800.0,     1.0 / 6227020800.0,
                                           -1.0 / 1307674368000.0, 1.0 / 355687428096000.0};
    const double square = y * y;
    double sum = kTerms[7];
    for (std::size_t k = 7; k-- > 0;) sum = sum * square + kTerms[k];
    return y + y * square * sum;
}

// x - centre for the expansion nearest x = cos(theta degrees), without cancellation.
struct Variable {
    int centre;
    double t;
};

Variable VariableAt(double theta)
{
    if (theta <= 60.0) {
        const double s = Sine(theta * (kPi / 360.0));
        return {1, -2.0 * s * s};
    }
    if (theta >= 120.0) {
        const double s = Sine((180.0 - theta) * (kPi / 360.0));
        return {-1, 2.0 * s * s};
    }
    return {0, Sine((90.0 - theta) * (kPi / 180.0))};
}

// kFallingFactorial[k][j] = k! / (k - j)!: the factor that the j-th derivative puts on the
// coefficient of t^k.
constexpr std::array<std::array<double, 6>, 6> kFallingFactorial = [] {
    std::array<std::array<double, 6>, 6> table{};
    for (int k = 0; k < 6; ++k) {
        double f = 1.0;
        for (int j = 0; j <= k; ++j) {
            table[static_cast<std::size_t>(k)][static_cast<std::size_t>(j)] = f;
            f *= k - j;
        }
    }
    return table;
}();

// P^(order) at one angle: its exact sign, whether it is zero within kRoundingUnitsTakenAsZero
// units of rounding, and its size, roughly.
struct Sample {
    double theta;
    int sign;
    bool nearZero;
    double size;
};

class DerivativeChain {
public:
    explicit DerivativeChain(const CoefficientSet& unitV)
        : unitV_(unitV),
          about_{ExpandDerivativeAbout(unitV, -1), ExpandDerivativeAbout(unitV, 0), ExpandDerivativeAbout(unitV, 1)}
    {
    }

    Sample At(int order, double theta) const
    {
        const Variable v = VariableAt(theta);
        const DerivativeExpansion& e = about_[static_cast<std::size_t>(v.centre + 1)];
        const double size = std::fabs(v.t);
        const std::size_t j = static_cast<std::size_t>(order);
        double value = 0.0, bound = 0.0;
        for (std::size_t k = 5; k + 1 > j; --k) {
            const double f = kFallingFactorial[k][j];
            value = value * v.t + e.coefficient[k] * f;
            bound = bound * size + e.magnitude[k] * f;
        }
        const bool nearZero = std::fabs(value) <= kRoundingUnitsTakenAsZero * kEpsilon * bound;
        if (std::fabs(value) > kDoubleRoundingUnits * kEpsilon * bound + kUnderflowMargin)
            return {theta, value > 0.0 ? 1 : -1, nearZero, std::fabs(value)};

        double_double::Pair precise{0.0, 0.0};
        for (std::size_t k = 5; k + 1 > j; --k)
            precise = double_double::Add(double_double::Multiply(precise, v.t),
                                         double_double::Multiply({e.coefficient[k], e.correction[k]},
                                                                 kFallingFactorial[k][j]));
        const double preciseTolerance = kDoubleDoubleRoundingUnits * kEpsilon * kEpsilon * bound + kUnderflowMargin;
        const int sign = std::fabs(precise.high) > preciseTolerance
                             ? (precise.high > 0.0 ? 1 : -1)
                             : ExactDerivativeSign(unitV_, v.centre, order, v.t);
        return {theta, sign, nearZero, std::fabs(precise.high)};
    }

private:
    CoefficientSet unitV_;
    std::array<DerivativeExpansion, 3> about_;
};

// Half-way between a < b (both >= 0) in the order of the doubles: their arithmetic middle within
// one binade, and at most 64 halvings from any pair to neighbours.
double Middle(double a, double b)
{
    const std::uint64_t low = std::bit_cast<std::uint64_t>(a), high = std::bit_cast<std::uint64_t>(b);
    return std::bit_cast<double>(low + (high - low) / 2);
}

// Where P^(order) changes sign between low and high (opposite signs): the nearer to zero of the
// two neighbouring doubles it passes between, or a double where it is exactly zero.
double Bisect(const DerivativeChain& chain, int order, Sample low, Sample high, std::vector<double>& ends)
{
    for (;;) {
        const double middle = Middle(low.theta, high.theta);
        if (middle == low.theta || middle == high.theta) break;
        const Sample s = chain.At(order, middle);
        if (s.sign == 0) {
            ends.push_back(middle);
            return middle;
        }
        (s.sign == low.sign ? low : high) = s;
    }
    ends.push_back(low.theta);
    ends.push_back(high.theta);
    return high.size < low.size ? high.theta : low.theta;
}

// A root of P^(order) in (0, 180) and the signs of P^(order) just before and after it.
struct Root {
    double theta;
    int before, after;
};

struct Level {
    std::vector<Root> roots;       // increasing theta
    std::vector<double> turning;   // both sides of each change of sign: the next order's piece ends
    int firstSign = 1, lastSign = 1;   // on the stretches next to theta = 0 and 180
};

// The changes of sign of P^(order), given the next order's (the ends of the pieces where it is
// monotonic), and exact zeros at piece ends; a run of zeros reaching theta = 0 or 180 belongs to
// that end. With touches: also the piece ends where P^(order) comes within rounding of zero
// without changing sign (a level tangent that rounding cannot tell from a double root), a run
// of them counted once at its middle, or as part of an end that is zero within rounding too.
Level LevelOf(const DerivativeChain& chain, int order, const std::vector<double>& ends, bool touches)
{
    std::vector<Sample> at{chain.At(order, kFirstTheta)};
    for (const double theta : ends)
        if (theta > at.back().theta && theta < kLastTheta) at.push_back(chain.At(order, theta));
    at.push_back(chain.At(order, kLastTheta));

    Level level;
    std::size_t last = 0;   // the last sample with a sign
    while (last < at.size() && at[last].sign == 0) ++last;
    if (last == at.size()) return level;   // P^(order) vanishes: a polynomial of lower degree
    level.firstSign = at[last].sign;
    for (std::size_t i = last + 1; i < at.size(); ++i) {
        if (at[i].sign == 0) continue;
        const int before = at[last].sign;
        if (i > last + 1) {   // exact zeros from last + 1 to i - 1
            const double first = at[last + 1].theta, end = at[i - 1].theta;
            level.roots.push_back({first + 0.5 * (end - first), before, at[i].sign});
            if (at[i].sign != before)
                for (std::size_t z = last + 1; z < i; ++z) level.turning.push_back(at[z].theta);
        } else if (at[i].sign != before) {
            level.roots.push_back({Bisect(chain, order, at[last], at[i], level.turning), before, at[i].sign});
        }
        last = i;
    }
    level.lastSign = at[last].sign;

    if (!touches) return level;
    for (std::size_t i = 1; i + 1 < at.size(); ++i) {
        const int sign = at[i].sign;
        if (!at[i].nearZero || sign == 0) continue;
        std::size_t end = i + 1;   // the run: at[i] ... at[end - 1]
        while (end + 1 < at.size() && at[end].nearZero && at[end].sign == sign) ++end;
        // A tangent, not a change of sign, only where the neighbours have the run's sign too.
        const bool tangent = at[i - 1].sign == sign && at[end].sign == sign;
        const bool ofAnEnd = (i == 1 && at[0].nearZero) || (end + 1 == at.size() && at[end].nearZero);
        if (tangent && !ofAnEnd)
            level.roots.push_back({at[i].theta + 0.5 * (at[end - 1].theta - at[i].theta), sign, sign});
        i = end - 1;
    }
    std::sort(level.roots.begin(), level.roots.end(), [](const Root& a, const Root& b) { return a.theta < b.theta; });
    return level;
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
    const CoefficientSet unitV = ScaleToUnit(V).V;
    const DerivativeChain chain(unitV);
    int degree = 0;   // of P: Vn contributes U(n-1), of degree n - 1
    for (int n = 1; n <= 6; ++n)
        if (unitV[n] != 0.0) degree = n - 1;
    Level level;
    for (int order = degree; order >= 0; --order) level = LevelOf(chain, order, level.turning, order == 0);

    std::vector<StationaryAngle> points;
    // psi = 0 (phi = 180): dV/dpsi is odd about it, so it goes from -firstSign to firstSign.
    points.push_back({180.0, level.firstSign > 0 ? StationaryKind::Minimum : StationaryKind::Maximum, 180.0});
    // psi = 180 (phi = 0): it goes from lastSign to -lastSign.
    points.push_back({0.0, level.lastSign < 0 ? StationaryKind::Minimum : StationaryKind::Maximum, 0.0});
    // Roots that give the same angle on either side of 180, where doubles are the coarser, are
    // one stationary point: rounding cannot separate them.
    const double below360 = std::nextafter(360.0, 0.0);
    std::vector<Root> merged;
    for (const Root& root : level.roots) {
        const auto above180 = [&](double theta) { return std::min(180.0 + theta, below360); };
        if (!merged.empty() && (180.0 - root.theta == 180.0 - merged.back().theta ||
                                above180(root.theta) == above180(merged.back().theta)))
            merged.back().after = root.after;
        else
            merged.push_back(root);
    }
    for (const Root& root : merged) {
        const StationaryKind kind = KindBetween(root.before, root.after);
        points.push_back({180.0 - root.theta, kind, 180.0 - root.theta});
        points.push_back({std::min(180.0 + root.theta, below360), kind, 180.0 - root.theta});
    }
    std::sort(points.begin(), points.end(),
              [](const StationaryAngle& a, const StationaryAngle& b) { return a.angle < b.angle; });
    return points;
}
