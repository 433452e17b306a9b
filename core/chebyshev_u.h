#pragma once

// The Chebyshev polynomials of the second kind U0 ... U5 as integer coefficient tables, expanded
// about x = 1, 0 and -1. dV/dpsi = 1/2 sin(psi) P(cos psi) with P(x) = sum_n n Vn U(n-1)(x), so
// these tables turn the six coefficients into P's Taylor coefficients about each of those points.

#include <array>
#include <cstdint>

namespace chebyshev_u {

// kAbout[centre + 1][n][k]: the coefficient of t^k in U(n-1)(centre + t), for centre = -1, 0, 1
// and n = 1 ... 6 (row 0 is unused, like index 0 of a CoefficientSet).
using Table = std::array<std::array<std::int64_t, 6>, 7>;

constexpr Table MonomialCoefficients()
{
    Table u{};
    u[1][0] = 1;   // U0 = 1
    u[2][1] = 2;   // U1 = 2x
    for (int n = 3; n <= 6; ++n) {   // U(n-1) = 2x U(n-2) - U(n-3)
        for (int k = 0; k < 6; ++k) {
            const std::int64_t shifted = k > 0 ? 2 * u[n - 1][k - 1] : 0;
            u[n][k] = shifted - u[n - 2][k];
        }
    }
    return u;
}

constexpr std::int64_t Binomial(int j, int k)
{
    std::int64_t b = 1;
    for (int i = 1; i <= k; ++i) b = b * (j - k + i) / i;
    return b;
}

constexpr Table ExpandedAbout(int centre)
{
    const Table u = MonomialCoefficients();
    Table shifted{};
    for (int n = 1; n <= 6; ++n) {
        for (int k = 0; k < 6; ++k) {
            std::int64_t power = 1;   // centre^(j - k)
            for (int j = k; j < 6; ++j) {
                shifted[n][k] += u[n][j] * Binomial(j, k) * power;
                power *= centre;
            }
        }
    }
    return shifted;
}

inline constexpr std::array<Table, 3> kAbout{ExpandedAbout(-1), ExpandedAbout(0), ExpandedAbout(1)};

}  // namespace chebyshev_u
