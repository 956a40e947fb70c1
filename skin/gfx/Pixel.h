// Pixels and colour values, and the arithmetic the skin does on them.
//
// A pixel is 0xAARRGGBB (in memory: blue, green, red, alpha); alpha 0 is
// transparent, 255 opaque. A colour value is the platform's 0x00BBGGRR, where
// a negative value names a system colour.
#pragma once

#include <cstdint>

#include "framework/IdentMaps.h"

namespace skin {

using TPixel = std::uint32_t;
using framework::TColor;

// Colour-keyed drawing leaves out every pixel whose colour bytes equal this
// magenta, whatever its alpha byte.
inline constexpr TPixel kKeyPixel = 0x007F007F;
inline constexpr TPixel kOpaqueBlack = 0xFF000000;

constexpr bool IsKeyPixel(TPixel p) { return (p & 0x00FFFFFF) == (kKeyPixel & 0x00FFFFFF); }

constexpr std::uint8_t PixelAlpha(TPixel p) { return std::uint8_t(p >> 24); }
constexpr std::uint8_t PixelRed(TPixel p) { return std::uint8_t(p >> 16); }
constexpr std::uint8_t PixelGreen(TPixel p) { return std::uint8_t(p >> 8); }
constexpr std::uint8_t PixelBlue(TPixel p) { return std::uint8_t(p); }

// Each colour is clamped to 0..255.
TPixel MakePixel(std::int16_t red, std::int16_t green, std::int16_t blue, std::uint8_t alpha);

// A system colour is first resolved to its current RGB value; the result is opaque.
TPixel ColorToPixel(TColor color);
// The colour value of the pixel's red, green and blue; alpha is dropped.
TColor PixelToColor(TPixel pixel);

// Each colour byte minus its amount, clamped to 0..255; the alpha byte minus
// its amount, wrapping modulo 256.
TPixel SubtractPixel(TPixel pixel, int red, int green, int blue, int alpha);

// Two bytes of `v` at a time, each scaled by w/256 with rounding: the bytes
// stay in their lanes, so one 32-bit product handles two channels.
constexpr std::uint32_t BlendPart(std::uint32_t v, std::uint32_t w) {
    return ((((v & 0x00FF00FFu) * w + 0x00800080u) & 0xFF00FF00u) >> 8) |
           ((((v >> 8) & 0x00FF00FFu) * w + 0x00800080u) & 0xFF00FF00u);
}

// `fg` over `bg` by the alpha of `fg`, every byte (alpha included) weighted
// with a divisor of 256.
constexpr TPixel BlendPixel(TPixel fg, TPixel bg) {
    std::uint32_t a = fg >> 24;
    if (a == 255) return fg;
    if (a == 0) return bg;
    return BlendPart(fg, a) + BlendPart(bg, 255 - a);
}

// Composites `count` source pixels over the destination row by their alpha:
// alpha 0 leaves the destination, 255 copies the source. Nothing for count <= 0.
void BlendRow(const TPixel* source, TPixel* destination, int count);

// Resolves a system colour (negative value) to its RGB colour value; other
// values are returned unchanged.
using framework::ResolveSystemColor;

}  // namespace skin
