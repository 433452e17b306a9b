#pragma once

// An energy profile along one dihedral, as the readers return it: every point's angle phi in
// degrees (the IUPAC dihedral, trans = 180) brought into [0, 360), and its energy in kcal/mol
// relative to the lowest point of the profile.

#include <string>
#include <vector>

enum class ProfileFormat { Table, Xtb, Gaussian, Orca };

enum class EnergyUnit { KcalPerMol, Hartree, KilojoulePerMol, ElectronVolt };

inline constexpr double kKcalPerHartree = 627.5094740631;
inline constexpr double kKcalPerElectronVolt = 23.060547830619;
inline constexpr double kKilojoulePerKcal = 4.184;

// The largest energy magnitude a reader accepts, in kcal/mol before the lowest is subtracted:
// every square and sum the fit forms stays finite far beyond it.
inline constexpr double kMaxProfileEnergy = 1e12;

// The largest angle magnitude a reader accepts, in degrees, before it is brought into [0, 360).
inline constexpr double kMaxProfileAngle = 1e6;

// The largest profile file read, in bytes: no scan output comes near it, and the whole text is
// held at once.
inline constexpr unsigned long long kMaxProfileFileBytes = 1ULL << 30;

struct ProfilePoint {
    double angle;    // phi, degrees, 0 <= angle < 360
    double energy;   // kcal/mol above the profile's lowest point, >= 0
    int line;        // where the point was read, 1-based
};

struct EnergyProfile {
    ProfileFormat format = ProfileFormat::Table;
    std::vector<ProfilePoint> points;   // in the file's order; points at the same angle are all kept
    std::vector<std::string> notes;     // Spanish lines on what was left out or chosen (failed steps, several scans)
};

// The outcome of reading a profile: profile is meaningful only when error is empty.
struct ProfileReading {
    EnergyProfile profile;
    std::string error;   // one Spanish line naming the file and, where there is one, the line
    bool ok() const { return error.empty(); }
};

// kcal/mol per unit.
double KcalPerMolPer(EnergyUnit unit);

// The format's name as the command line spells it: "table", "xtb", "gaussian", "orca".
const char* ProfileFormatName(ProfileFormat format);
