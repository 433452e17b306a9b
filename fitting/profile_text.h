#pragma once

// What the profile readers share: lines with their numbers, fields, numbers read without regard
// to the process locale, and the step from raw readings to an EnergyProfile.

#include "fitting/energy_profile.h"
#include "text/words.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TextLine {
    std::string_view text;   // without its line end (LF or CR LF)
    int number;              // 1-based
};

// The lines of text in order; a last line without its line end counts.
std::vector<TextLine> SplitLines(std::string_view text);

// text without blanks (space, tab, CR) at either end.
std::string_view Trimmed(std::string_view text);

// The number the whole of text spells in C syntax (optional sign, digits, point, exponent), or
// nothing; "nan", "inf" and hexadecimal are not numbers here. A Fortran exponent letter D is
// read as E.
std::optional<double> ParseNumber(std::string_view text);

// Numbers printed in fixed columns that may run together ("180.00000-150.00008"): each word is
// cut before every sign that follows a digit or a point. Nothing when a piece is no number.
std::optional<std::vector<double>> RunTogetherNumbers(std::string_view text);

// "NAME, línea N: what" (without the line part when line is 0).
std::string LineError(std::string_view name, int line, std::string_view what);

// A point as read: the angle in degrees and the energy in the file's unit.
struct RawPoint {
    double angle;
    double energy;
    int line;
};

// The profile of the raw points: angles into [0, 360), energies to kcal/mol (times
// kcalPerUnit) relative to the lowest. Refuses, naming the line, a non-finite or
// out-of-range angle or energy, and refuses no points at all.
ProfileReading MakeProfile(ProfileFormat format, const std::vector<RawPoint>& raw, double kcalPerUnit,
                           std::string_view name, std::vector<std::string> notes);
