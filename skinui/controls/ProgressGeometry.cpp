#include "skinui/controls/ProgressGeometry.h"

#include <cmath>
#include <cstdint>

namespace skinui {

namespace {
int RoundEven(double value) { return int(std::nearbyint(value)); }
}  // namespace

float PositionFraction(int min, int max, int value) {
    if (min < 0 || value < min || value > max || max == min) return 0.0f;
    // The differences in 64 bits: max - min may not fit an int.
    return float(std::int64_t{value} - min) / float(std::int64_t{max} - min);
}

TRect DefaultBarRect(int width, int height, bool showBorder, int borderWidth) {
    const std::int64_t inset = (showBorder ? 2 : 0) + std::int64_t{borderWidth};
    return TRect{skin::ClampToInt(inset), skin::ClampToInt(inset), skin::ClampToInt(std::int64_t{width} - inset),
                 skin::ClampToInt(std::int64_t{height} - inset)};
}

TRect FilledRect(const TRect& bar, float fraction, bool vertical) {
    TRect filled = bar;
    if (vertical) {
        const int length = skin::ClampToInt(std::int64_t{bar.Bottom} - bar.Top);
        filled.Top = skin::ClampToInt(std::int64_t{bar.Bottom} - RoundEven(double(fraction) * length));
    } else {
        const int length = skin::ClampToInt(std::int64_t{bar.Right} - bar.Left);
        filled.Right = skin::ClampToInt(std::int64_t{bar.Left} + RoundEven(double(fraction) * length));
    }
    return filled;
}

std::vector<TRect> BarBlocks(const TRect& bar, float fraction, bool vertical) {
    std::vector<TRect> blocks;
    // The single-precision fraction against 0.01 held in double precision:
    // 1 of 100 is just below it.
    if (double(fraction) < 0.01) return blocks;
    const std::int64_t thickness = vertical ? std::int64_t{bar.Right} - bar.Left : std::int64_t{bar.Bottom} - bar.Top;
    const std::int64_t length = vertical ? std::int64_t{bar.Bottom} - bar.Top : std::int64_t{bar.Right} - bar.Left;
    if (thickness <= 0 || length <= 0) return blocks;
    const std::int64_t block = RoundEven(0.64 * double(thickness));
    const std::int64_t step = block + 2;
    const std::int64_t count = RoundEven(double(fraction) * double(length / step)) + 1;
    for (std::int64_t k = 0; k < count; ++k) {
        TRect r;
        if (vertical) {
            r = TRect{bar.Left, skin::ClampToInt(std::int64_t{bar.Bottom} - block - k * step), bar.Right,
                      skin::ClampToInt(std::int64_t{bar.Bottom} - k * step)};
        } else {
            r = TRect{skin::ClampToInt(std::int64_t{bar.Left} + k * step), bar.Top,
                      skin::ClampToInt(std::int64_t{bar.Left} + k * step + block), bar.Bottom};
        }
        r = skin::RectIntersection(r, bar);
        if (!skin::RectIsEmpty(r)) blocks.push_back(r);
    }
    return blocks;
}

}  // namespace skinui
