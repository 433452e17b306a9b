#include "core/potential.h"

#include <cmath>

// A term whose weight is exactly zero adds +0 or -0 to a sum that starts at +0 and can never
// become -0, so skipping it leaves every result bit-identical while an all-zero or sparse
// coefficient set needs no sine or cosine for its zero terms. That holds only while the term's
// sine or cosine is finite: where a term angle overflows (an angle near the double range) or is
// NaN, zero times the resulting NaN is NaN, so there no term is skipped.

namespace {

// True when every term angle is finite. Their magnitudes grow with n, so the sixth decides.
inline bool AllTermAnglesFinite(double supplement)
{
    return std::isfinite(TermAngle(6, supplement));
}

}  // namespace

double Potential(const CoefficientSet& V, double phi)
{
    const double s = 180.0 - phi;
    const bool maySkipZeroTerms = AllTermAnglesFinite(s);
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) {
        const double half = 0.5 * V[n];
        if (half == 0.0 && maySkipZeroTerms) continue;
        sum = sum + (1.0 - std::cos(TermAngle(n, s))) * half;
    }
    return sum;
}

double PotentialDerivative(const CoefficientSet& V, double phi)
{
    const double s = 180.0 - phi;
    const bool maySkipZeroTerms = AllTermAnglesFinite(s);
    double sum = 0.0;
    for (int n = 1; n <= 6; ++n) {
        const double w = n * V[n];
        if (w == 0.0 && maySkipZeroTerms) continue;
        sum = sum + std::sin(TermAngle(n, s)) * w;
    }
    return 0.5 * sum;
}
