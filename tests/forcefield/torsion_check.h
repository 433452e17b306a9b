#pragma once

#include "forcefield/torsion.h"
#include "core/potential.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

// Checks that Zelmara's V(phi) plus the offset is the file's own energy (kcal/mol) at angles
// spread over the turn.
inline void ExpectSameCurve(const ForceFieldTorsion& torsion, const std::function<double(double phi)>& fileEnergy)
{
    ASSERT_TRUE(torsion.converted()) << torsion.refusal;
    for (double phi : {0.0, 17.0, 60.0, 90.0, 133.0, 180.0, 222.0, 270.0, 315.0}) {
        const double expected = fileEnergy(phi);
        EXPECT_NEAR(Potential(torsion.V, phi) + torsion.offset, expected, 1e-12 * (1 + std::abs(expected)))
            << "phi = " << phi;
    }
}

inline double Cosine(double degrees) { return std::cos(degrees * std::numbers::pi / 180.0); }
