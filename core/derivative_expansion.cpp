#include "derivative_expansion.h"

#include "chebyshev_u.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// a * b and its rounding error, exactly; b is an integer of at most 26 bits and |a| < 2.
struct Product {
    double high, low;
};
Product TwoProduct(double a, double b)
{
    const double p = a * b;
    const double c = 134217729.0 * a;   // Veltkamp's split of a into two 26-bit halves
    const double aHigh = c - (c - a);
    const double aLow = a - aHigh;
    return {p, (aHigh * b - p) + aLow * b};
}

}  // namespace

DerivativeExpansion ExpandDerivativeAbout(const CoefficientSet& V, int centre)
{
    const chebyshev_u::Table& table = chebyshev_u::kAbout[static_cast<std::size_t>(centre + 1)];
    DerivativeExpansion e;
    for (std::size_t k = 0; k < 6; ++k) {
        double sum = 0.0, compensation = 0.0, magnitude = 0.0;
        for (std::size_t n = 1; n <= 6; ++n) {
            const double weight = static_cast<double>(static_cast<std::int64_t>(n) * table[n][k]);
            const Product p = TwoProduct(V[n], weight);
            const double next = sum + p.high;   // Knuth's TwoSum: next + error == sum + p.high
            const double back = next - p.high;
            compensation += ((sum - back) + (p.high - (next - back))) + p.low;
            sum = next;
            magnitude += std::fabs(p.high);
        }
        const double total = sum + compensation;   // TwoSum again: total + its error is exact
        const double part = total - compensation;
        e.coefficient[k] = total;
        e.correction[k] = (sum - part) + (compensation - (total - part));
        e.magnitude[k] = magnitude;
    }
    return e;
}
