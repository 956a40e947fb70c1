#include "skin/gfx/HueShift.h"

#include <algorithm>
#include <cmath>

namespace skin {

namespace {

// Round to nearest, ties to even, as std::nearbyint does in the default
// rounding mode, without a library call: adding 1.5 * 2^23 leaves no bits
// below the unit, so the addition itself rounds. Exact for |v| < 2^22; the
// values here are pixel channels and hue steps.
int RoundEven(float v) {
    constexpr float kShift = 12582912.0f;  // 1.5 * 2^23
    return int((v + kShift) - kShift);
}

// floor for the small hue values here (|h| < 2^31), without a library call.
float Floor(float h) {
    const float truncated = float(int(h));
    return truncated > h ? truncated - 1.0f : truncated;
}

float HueChannel(float m1, float m2, float h) {
    h = h - Floor(h);
    float value;
    if (6.0f * h < 1.0f) {
        value = m1 + (m2 - m1) * h * 6.0f;
    } else if (2.0f * h < 1.0f) {
        value = m2;
    } else if (3.0f * h < 2.0f) {
        value = m1 + (m2 - m1) * (2.0f / 3.0f - h) * 6.0f;
    } else {
        value = m1;
    }
    return value;
}

std::uint32_t ChannelByte(float value) { return std::uint32_t(std::clamp(RoundEven(value * 255.0f), 0, 255)); }

}  // namespace

TPixel ShiftHue(TPixel pixel, int delta) {
    float r = float(PixelRed(pixel)) / 255.0f;
    float g = float(PixelGreen(pixel)) / 255.0f;
    float b = float(PixelBlue(pixel)) / 255.0f;
    float max = std::max({r, g, b});
    float min = std::min({r, g, b});
    float l = (max + min) / 2.0f;
    float h = 0.0f;
    float s = 0.0f;
    if (max != min) {
        float d = max - min;
        s = l < 0.5f ? d / (max + min) : d / (2.0f - max - min);
        if (r == max) {
            h = (g - b) / d;
        } else if (g == max) {
            h = (b - r) / d + 2.0f;
        } else {
            h = (r - g) / d + 4.0f;
        }
        h = h / 6.0f;
        if (h < 0.0f) h += 1.0f;
    }

    // The hue circle has 255 steps; one correction each way keeps any delta
    // within -255..255 on the circle.
    int v = RoundEven(h * 255.0f) + delta;
    if (v > 255) v -= 255;
    if (v < 0) v += 255;
    float shifted = float(v) / 255.0f;

    std::uint32_t red, green, blue;
    if (s == 0.0f) {
        red = green = blue = ChannelByte(l);
    } else {
        float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
        float m1 = 2.0f * l - m2;
        red = ChannelByte(HueChannel(m1, m2, shifted + 1.0f / 3.0f));
        green = ChannelByte(HueChannel(m1, m2, shifted));
        blue = ChannelByte(HueChannel(m1, m2, shifted - 1.0f / 3.0f));
    }
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

}  // namespace skin
