#include "forcefield/torsion_terms.h"

#include "text/number_text.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kLargestPeriodicity = 6;
constexpr double kPhaseToleranceRadians = 1e-6;

// (-1)^n.
double Alternating(int n) { return n % 2 == 0 ? 1.0 : -1.0; }

}  // namespace

void TorsionTerms::AddPeriodic(double k, double n, double deltaDegrees)
{
    if (!refusal_.empty()) return;
    if (n != std::floor(n) || n < 0) {
        Refuse("la periodicidad " + FormatRoundTrip(n) + " no es un entero no negativo");
        return;
    }
    if (n == 0) {
        // A constant for any phase: k (1 + cos delta).
        const double remainder = std::fmod(deltaDegrees, 360.0);
        const double cosine = remainder == 0 ? 1.0 : std::abs(remainder) == 180 ? -1.0
                                            : std::cos(remainder * std::numbers::pi / 180.0);
        offset_ += k * (1.0 + cosine);
        return;
    }
    if (n > kLargestPeriodicity) {
        Refuse("periodicidad " + FormatRoundTrip(n) + ": V1…V6 solo llegan a la periodicidad 6");
        return;
    }
    const double remainder = std::abs(std::fmod(deltaDegrees, 360.0));
    if (remainder != 0 && remainder != 180) {
        Refuse("fase de " + FormatRoundTrip(deltaDegrees) +
               " grados: V1…V6 solo representan fases de 0 o 180 grados");
        return;
    }
    // k (1 + cos(n phi - delta)) = k + s k cos(n phi), s = cos delta = +-1; V's cos(n phi)
    // coefficient is -(-1)^n Vn / 2 and its constant sum Vn / 2.
    const int periodicity = static_cast<int>(n);
    const double s = remainder == 0 ? 1.0 : -1.0;
    const double Vn = -2.0 * Alternating(periodicity) * s * k;
    V_[static_cast<std::size_t>(periodicity)] += Vn;
    offset_ += k - Vn / 2.0;
}

void TorsionTerms::AddPeriodicRadians(double k, double n, double deltaRadians)
{
    if (!refusal_.empty()) return;
    const double halfTurns = std::round(deltaRadians / std::numbers::pi);
    if (std::abs(deltaRadians - halfTurns * std::numbers::pi) > kPhaseToleranceRadians) {
        Refuse("fase de " + FormatRoundTrip(deltaRadians) +
               " radianes: V1…V6 solo representan fases múltiplo de π");
        return;
    }
    AddPeriodic(k, n, std::fmod(halfTurns, 2.0) == 0 ? 0.0 : 180.0);
}

void TorsionTerms::AddRyckaertBellemans(const std::array<double, 6>& C)
{
    if (!refusal_.empty()) return;
    // cos^m psi as cosines of multiples of psi; a[m] is the coefficient of cos(m psi).
    const double a1 = C[1] + 0.75 * C[3] + 0.625 * C[5];
    const double a2 = 0.5 * C[2] + 0.5 * C[4];
    const double a3 = 0.25 * C[3] + 0.3125 * C[5];
    const double a4 = 0.125 * C[4];
    const double a5 = 0.0625 * C[5];
    // cos(m psi) = (-1)^m cos(m phi), so Vn = -2 a[n]; the offset is the value at psi = 0.
    const double a[] = {0.0, a1, a2, a3, a4, a5};
    for (std::size_t n = 1; n <= 5; ++n) V_[n] += -2.0 * a[n];
    offset_ += C[0] + C[1] + C[2] + C[3] + C[4] + C[5];
}

void TorsionTerms::AddOplsFourier(const std::array<double, 4>& F)
{
    if (!refusal_.empty()) return;
    // Each term is 1/2 Fn (1 - cos n(180 - phi)): Vn = Fn, and all vanish at phi = 180.
    for (std::size_t n = 1; n <= 4; ++n) V_[n] += F[n - 1];
}

void TorsionTerms::Refuse(const std::string& reason)
{
    if (refusal_.empty()) refusal_ = reason;
}

void TorsionTerms::Finish(ForceFieldTorsion& torsion) const
{
    bool finite = std::isfinite(offset_);
    for (std::size_t n = 1; n <= 6; ++n) finite = finite && std::isfinite(V_[n]);
    torsion.refusal = !refusal_.empty() || finite ? refusal_ : "sus coeficientes se salen del intervalo representable";
    torsion.V = torsion.refusal.empty() ? V_ : CoefficientSet{};
    torsion.offset = torsion.refusal.empty() ? offset_ : 0.0;
}
