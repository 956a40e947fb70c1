// Hue rotation of a pixel, the arithmetic behind the engine's hue setting.
#pragma once

#include "skin/gfx/Pixel.h"

namespace skin {

// Converts the pixel to hue, saturation and lightness, moves the hue by
// `delta` steps on a circle of 255 steps and converts back. The result is
// always opaque. All intermediate values are single-precision floats, and
// rounding is to nearest with ties to even, so that shifted skins match
// pixel for pixel on every build.
TPixel ShiftHue(TPixel pixel, int delta);

}  // namespace skin
