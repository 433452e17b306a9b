#pragma once

// Dialog units to pixels, from the dialog font's average character width and height, as the
// classic dialog manager converts them. Free of any toolkit, so it can be tested alone.

#include "resource_script/resource_script.h"

namespace dialog_units {

// The dialog's base units in pixels: cx from the average character width, cy the font height.
struct BaseUnits {
    int cx = 0;
    int cy = 0;
    bool operator==(const BaseUnits&) const = default;
};

// A rectangle in pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

// number * numerator / denominator with a 64-bit intermediate, rounded half away from zero;
// -1 when denominator is 0 or the result does not fit in an int.
int MulDiv(int number, int numerator, int denominator);

// alphabetWidth: the width in pixels of "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// fontHeight: the font's height in pixels. cx = (alphabetWidth / 26 + 1) / 2, cy = fontHeight.
BaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight);

// x * cx / 4 and y * cy / 8, each coordinate and size converted on its own.
PixelRect ToPixels(const resource::Rect& rect, BaseUnits units);

}  // namespace dialog_units
