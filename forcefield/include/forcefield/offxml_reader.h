#pragma once

#include "forcefield/torsion.h"

#include <string>
#include <string_view>

// Reads an OpenFF (SMIRNOFF) .offxml document: every <Proper> of <ProperTorsions>, named by its
// id and SMIRKS, with k1, periodicity1, phase1, idivf1, k2 ... ("1.0 * mole**-1 * kilocalorie",
// kilojoules too; phases in degrees or radians) and the section's default_idivf ("auto" is taken
// as 1, with a note). The <Improper> elements of <ImproperTorsions> are counted.
ForceFieldReading ReadOffxml(std::string_view text, const std::string& fileName);
