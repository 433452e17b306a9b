#pragma once

#include "forcefield/force_field_format.h"
#include "forcefield/gromacs_reader.h"
#include "forcefield/lammps_reader.h"
#include "forcefield/torsion.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The largest force-field file read, in bytes (the largest real ones are a few megabytes).
inline constexpr std::uintmax_t kMaxForceFieldBytes = 256u << 20;

// Reads the file at path (UTF-8) whole. A missing or unreadable file, one larger than
// kMaxForceFieldBytes and one holding NUL bytes (binary) give found with an error.
IncludedFile ReadForceFieldText(const std::string& path);

// Where GROMACS' own topologies are: $GMXDATA/top, then /usr/share/gromacs/top.
std::vector<std::string> GromacsDataFolders();

struct ForceFieldOptions {
    std::optional<ForceFieldFormat> format;  // nothing: guessed from the name and the text
    LammpsOptions lammps;
};

// A whole force-field file read by the reader of its format; format is meaningful when the
// reading got as far as choosing a reader.
struct ForceFieldFileReading {
    ForceFieldFormat format = ForceFieldFormat::Gromacs;
    ForceFieldReading reading;
};

// Reads the force field in the file at path with the reader of options.format or of the
// format GuessFormat finds; an error names the file (and line) when the file cannot be read or
// its format cannot be told.
ForceFieldFileReading ReadForceFieldFile(const std::string& path, const ForceFieldOptions& options);
