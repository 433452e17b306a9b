#include "resource_script/dialog_units.h"

#include <cstdint>
#include <limits>

namespace dialog_units {

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = (denominator > 0 ? denominator : -std::int64_t{denominator}) / 2;
    // Round half away from zero: move the product away from zero by half the divisor first.
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t quotient =
        magnitude / (denominator > 0 ? denominator : -std::int64_t{denominator});
    const std::int64_t result = negative ? -quotient : quotient;
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max()) return -1;
    return static_cast<int>(result);
}

BaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight)
{
    return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

PixelRect ToPixels(const resource::Rect& rect, BaseUnits units)
{
    return {MulDiv(rect.x, units.cx, 4), MulDiv(rect.y, units.cy, 8),
            MulDiv(rect.width, units.cx, 4), MulDiv(rect.height, units.cy, 8)};
}

}  // namespace dialog_units
