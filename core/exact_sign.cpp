#include "exact_sign.h"

#include "chebyshev_u.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

// P^(order)(centre + t) = sum over k >= order and n of q(n, k) Vn t^(k - order), with the integer
// q = n k! / (k - order)! times the coefficient of t^k in U(n-1)(centre + t). Each term is an
// integer times a power of two; the positive and the negative terms are added up separately as
// unsigned integers in 32-bit limbs, aligned on the smallest power of two among them, and the
// sign is that of their difference.

namespace {

using Limbs = std::vector<std::uint32_t>;   // an unsigned integer, least significant limb first

// |v| = mantissa * 2^exponent with an integer mantissa below 2^53.
struct Dyadic {
    std::uint64_t mantissa;
    int exponent;
};

Dyadic Decompose(double v)
{
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(v), &exponent);
    return {static_cast<std::uint64_t>(std::ldexp(fraction, 53)), exponent - 53};
}

Limbs FromInteger(std::uint64_t v)
{
    return {static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v >> 32)};
}

Limbs Multiply(const Limbs& a, const Limbs& b)
{
    Limbs product(a.size() + b.size(), 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size(); ++j) {
            const std::uint64_t sum = std::uint64_t{a[i]} * b[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(sum);
            carry = sum >> 32;
        }
        product[i + b.size()] = static_cast<std::uint32_t>(carry);
    }
    while (product.size() > 1 && product.back() == 0) product.pop_back();
    return product;
}

// sum += term * 2^shift; sum has room for the result.
void AddShifted(Limbs& sum, const Limbs& term, int shift)
{
    const std::size_t word = static_cast<std::size_t>(shift / 32);
    const int bit = shift % 32;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i <= term.size() || carry != 0; ++i) {
        std::uint64_t piece = i < term.size() ? std::uint64_t{term[i]} << bit : 0;
        if (bit != 0 && i > 0 && i - 1 < term.size()) piece |= term[i - 1] >> (32 - bit);
        const std::uint64_t total = (piece & 0xffffffffu) + sum[word + i] + carry;
        sum[word + i] = static_cast<std::uint32_t>(total);
        carry = total >> 32;
    }
}

struct Term {
    Limbs magnitude;
    int exponent;
    bool negative;
};

}  // namespace

int ExactDerivativeSign(const CoefficientSet& V, int centre, int order, double t)
{
    const chebyshev_u::Table& table = chebyshev_u::kAbout[static_cast<std::size_t>(centre + 1)];
    const Dyadic x = Decompose(t);
    std::vector<Limbs> powers{Limbs{1}};   // x.mantissa^p
    std::vector<Term> terms;
    for (int k = order; k < 6; ++k) {
        const int p = k - order;
        if (p > 0 && t == 0.0) break;
        if (static_cast<std::size_t>(p) == powers.size())
            powers.push_back(Multiply(powers.back(), FromInteger(x.mantissa)));
        std::int64_t factorial = 1;
        for (int i = 0; i < order; ++i) factorial *= k - i;
        for (std::size_t n = 1; n <= 6; ++n) {
            const std::int64_t q = static_cast<std::int64_t>(n) * table[n][static_cast<std::size_t>(k)] * factorial;
            if (q == 0 || V[n] == 0.0) continue;
            const Dyadic v = Decompose(V[n]);
            const std::uint64_t size = static_cast<std::uint64_t>(q < 0 ? -q : q);
            const Limbs scaled = Multiply(FromInteger(v.mantissa), FromInteger(size));
            terms.push_back({Multiply(scaled, powers[static_cast<std::size_t>(p)]), v.exponent + p * x.exponent,
                             ((q < 0) != (V[n] < 0.0)) != (p % 2 == 1 && t < 0.0)});
        }
    }
    if (terms.empty()) return 0;

    int lowest = terms.front().exponent;
    std::size_t limbs = 0;
    for (const Term& term : terms) lowest = std::min(lowest, term.exponent);
    for (const Term& term : terms)
        limbs = std::max(limbs, static_cast<std::size_t>((term.exponent - lowest) / 32) + term.magnitude.size());
    // Room for the carries of at most 36 terms.
    Limbs positive(limbs + 2, 0), negative(limbs + 2, 0);
    for (const Term& term : terms)
        AddShifted(term.negative ? negative : positive, term.magnitude, term.exponent - lowest);
    for (std::size_t i = positive.size(); i-- > 0;)
        if (positive[i] != negative[i]) return positive[i] > negative[i] ? 1 : -1;
    return 0;
}
