#pragma once

#include "forcefield/torsion.h"

#include <array>
#include <string>

// kJ per kcal, exactly.
inline constexpr double kKilojoulesPerKilocalorie = 4.184;

// Sums the terms of one torsion type, each in the convention of its file, into V1 ... V6 and the
// offset (kcal/mol). The first term that V1 ... V6 cannot carry makes the whole sum refused.
class TorsionTerms {
public:
    // k (1 + cos(n phi - delta)), k in kcal/mol, delta in degrees: n = 0 is a constant; n from 1
    // to 6 with delta a multiple of 180 degrees adds to Vn and the offset; anything else refuses.
    void AddPeriodic(double k, double n, double deltaDegrees);
    // The same with delta in radians, taken as a multiple of pi when within 1e-6 of one.
    void AddPeriodicRadians(double k, double n, double deltaRadians);
    // Ryckaert-Bellemans: sum of C[m] cos^m(psi), psi = phi - 180 degrees, C in kcal/mol.
    void AddRyckaertBellemans(const std::array<double, 6>& C);
    // OPLS: 1/2 [F1 (1 + cos phi) + F2 (1 - cos 2 phi) + F3 (1 + cos 3 phi) + F4 (1 - cos 4 phi)],
    // F in kcal/mol.
    void AddOplsFourier(const std::array<double, 4>& F);
    // Refuses the sum for the reason given (one Spanish line), unless it is refused already.
    void Refuse(const std::string& reason);

    // Writes V, offset and refusal into torsion: refused too when a sum overflowed. A sum no
    // term reached is V = 0, offset 0.
    void Finish(ForceFieldTorsion& torsion) const;

private:
    CoefficientSet V_{};
    double offset_ = 0.0;
    std::string refusal_;
};
