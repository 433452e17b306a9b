#pragma once

// What the profile readers' fuzz targets check of every reading: a refusal is one line naming
// the file; a profile has points in [0, 360) with finite energies at or above 0, one at 0; and
// the default fit of it is a one-line refusal or finite throughout.

#include "fuzz_check.h"

#include "fitting/profile_readers.h"
#include "fitting/torsion_fit.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace fuzz {

inline void CheckOneLine(const std::string& text, const char* what)
{
    if (text.empty() || text.find('\n') != std::string::npos) Fail(std::string(what) + " is not one line: " + text);
}

inline void CheckFit(const std::vector<ProfilePoint>& points)
{
    const TorsionFitResult result = FitTorsion(points, FitOptions{});
    if (!result.ok()) return CheckOneLine(result.refusal, "a refusal of the fit");
    const TorsionFit& fit = result.fit;
    bool finite = std::isfinite(fit.offset) && std::isfinite(fit.rmse) && std::isfinite(fit.maxError);
    for (const double v : fit.V) finite = finite && std::isfinite(v);
    for (const FittedPoint& point : fit.points) finite = finite && std::isfinite(point.fitted) && std::isfinite(point.residual);
    if (!finite) Fail("a fit with a number that is not finite");
    if (fit.used + fit.leftOut != static_cast<int>(points.size())) Fail("points lost by the fit");
}

inline void CheckReading(const ProfileReading& reading)
{
    if (!reading.ok()) {
        CheckOneLine(reading.error, "a reader's error");
        if (!reading.error.starts_with("f.log")) Fail("an error that does not name the file: " + reading.error);
        return;
    }
    const EnergyProfile& profile = reading.profile;
    if (profile.points.empty()) Fail("a profile without points");
    bool zero = false;
    for (const ProfilePoint& point : profile.points) {
        if (!(point.angle >= 0.0 && point.angle < 360.0)) Fail("an angle outside [0, 360)");
        if (!std::isfinite(point.energy) || point.energy < 0.0) Fail("an energy not finite or below 0");
        zero = zero || point.energy == 0.0;
    }
    if (!zero) Fail("no point at the lowest energy");
    for (const std::string& note : profile.notes) CheckOneLine(note, "a note");
    CheckFit(profile.points);
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
