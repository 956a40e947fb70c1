#include "skin/gfx/Pixel.h"

#include <algorithm>

namespace skin {

namespace {
std::uint32_t ClampByte(int v) { return std::uint32_t(std::clamp(v, 0, 255)); }
}  // namespace

TPixel MakePixel(std::int16_t red, std::int16_t green, std::int16_t blue, std::uint8_t alpha) {
    return (std::uint32_t{alpha} << 24) | (ClampByte(red) << 16) | (ClampByte(green) << 8) |
           ClampByte(blue);
}

TPixel ColorToPixel(TColor color) {
    std::uint32_t rgb = std::uint32_t(ResolveSystemColor(color));
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

TColor PixelToColor(TPixel pixel) {
    return TColor(PixelRed(pixel) | (std::uint32_t{PixelGreen(pixel)} << 8) |
                  (std::uint32_t{PixelBlue(pixel)} << 16));
}

TPixel SubtractPixel(TPixel pixel, int red, int green, int blue, int alpha) {
    std::uint32_t a = std::uint32_t(PixelAlpha(pixel) - alpha) & 0xFF;
    return (a << 24) | (ClampByte(PixelRed(pixel) - red) << 16) |
           (ClampByte(PixelGreen(pixel) - green) << 8) | ClampByte(PixelBlue(pixel) - blue);
}

}  // namespace skin
