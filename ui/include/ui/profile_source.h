#pragma once

// An energy-profile file as the fit window reads it, and the fits made of it.

#include "core/conformational_analysis.h"
#include "fitting/profile_readers.h"
#include "fitting/torsion_fit.h"

#include <optional>
#include <string>

struct ProfileSource {
    std::string path;      // UTF-8
    std::string name;      // the file's name, shown in messages
    std::string text;      // the whole file
    ProfileFormat format = ProfileFormat::Table;   // from its content and name, as --fit tells it
    std::optional<DihedralAtoms> atoms;   // an xtb log's, from the xtb input beside it
};

struct ProfileSourceReading {
    ProfileSource source;
    std::string error;   // why it could not be read, as FileReadReasonText says it
    bool ok() const { return error.empty(); }
};

// Reads the file at path and tells its format. For an xtb scan log the dihedral comes from the
// first "dihedral:" line of the xtb input in the same folder, xcontrol or else scan.inp (what
// --xtb --keep-scan leaves); none is an atoms left unset, not an error.
ProfileSourceReading ReadProfileSource(const std::string& path);

// A fit of the profile, the profile's notes, and the analysis of the fitted potential at the
// default temperature.
struct ProfileFit {
    TorsionFit fit;
    std::vector<std::string> notes;
    ConformationalAnalysis analysis;
};

struct ProfileFitResult {
    ProfileFit fit;
    std::string error;   // one Spanish line: why the profile cannot be read or fitted so
    bool ok() const { return error.empty(); }
};

// Reads source's points (with atoms, for an xtb log) and fits them with options, as --fit does.
ProfileFitResult FitProfileSource(const ProfileSource& source, const DihedralAtoms& atoms, const FitOptions& options);
