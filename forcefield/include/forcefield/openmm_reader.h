#pragma once

#include "forcefield/torsion.h"

#include <string>
#include <string_view>

// Reads an OpenMM force-field XML document (named fileName in messages): every <Proper> of a
// <PeriodicTorsionForce> (type1 ... type4 or class1 ... class4; k1, periodicity1, phase1, k2 ...
// in kJ/mol and radians) and of an <RBTorsionForce> (c0 ... c5, kJ/mol, psi = phi - 180); the
// <Improper> elements of both are counted.
ForceFieldReading ReadOpenmm(std::string_view text, const std::string& fileName);
