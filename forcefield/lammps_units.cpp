#include "forcefield/lammps_units.h"

namespace {

// The Avogadro constant and the elementary charge, exact in the SI since 2019.
constexpr double kAvogadro = 6.02214076e23;
constexpr double kElementaryCharge = 1.602176634e-19;
constexpr double kJoulesPerKilocalorie = 4184.0;

}  // namespace

std::optional<LammpsUnits> LammpsUnitsNamed(std::string_view name)
{
    if (name == "real") return LammpsUnits::Real;
    if (name == "metal") return LammpsUnits::Metal;
    if (name == "si") return LammpsUnits::Si;
    return std::nullopt;
}

double KilocaloriesPerMolePer(LammpsUnits units)
{
    switch (units) {
    case LammpsUnits::Metal:
        return kElementaryCharge * kAvogadro / kJoulesPerKilocalorie;
    case LammpsUnits::Si:
        return kAvogadro / kJoulesPerKilocalorie;
    case LammpsUnits::Real:
        break;
    }
    return 1.0;
}
