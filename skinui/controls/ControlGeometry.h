// The arithmetic of skinned controls that needs no window: buffering modes,
// border and bevel settings, the inner rectangle they leave, the bevel
// colours, and where built-in scroll bars go.
#pragma once

#include <cstdint>

#include "framework/IdentMaps.h"
#include "skin/gfx/Rect.h"

namespace skinui {

using framework::TColor;
using skin::TRect;

enum TSePerformance : std::uint8_t { ztpNoBuffer, ztpSharedBuffer, ztpDoubleBuffer };
enum TSeBevelCut : std::uint8_t { kbvNone, kbvLowered, kbvRaised, kbvSpace, kbvBorder, kbvFlatBorder };
// Bits of a bevel-side set.
enum TSeBevelSide : unsigned { kbsLeft = 1, kbsTop = 2, kbsRight = 4, kbsBottom = 8 };
inline constexpr unsigned kAllBevelSides = kbsLeft | kbsTop | kbsRight | kbsBottom;
enum TSeBevelKind : std::uint8_t { kbkNone, kbkSingle, kbkTile, kbkSoft, kbkBorder, kbkFlat };

// The system colours the default looks use.
inline constexpr TColor kBtnFace = framework::SystemColor(15);
inline constexpr TColor kBtnShadow = framework::SystemColor(16);
inline constexpr TColor kBtnHighlight = framework::SystemColor(20);
inline constexpr TColor k3DDarkShadow = framework::SystemColor(21);
inline constexpr TColor kWindowColor = framework::SystemColor(5);
inline constexpr TColor kHighlight = framework::SystemColor(13);

struct BorderSettings {
    int borderWidth = 0;
    int bevelWidth = 0;
    TSeBevelCut bevelInner = kbvLowered;
    TSeBevelCut bevelOuter = kbvLowered;
    unsigned bevelSides = kAllBevelSides;
};

// (0, 0, width, height) less the border on every side and the bevels on the
// sides that have them (each bevel that is not kbvNone is bevelWidth wide).
// Computed in 64 bits and clamped: stored widths may be anything.
TRect InnerRect(int width, int height, const BorderSettings& border);

// The cut both bevels take for a bevel kind (kbkNone keeps what they have).
TSeBevelCut BevelPreset(TSeBevelKind kind);

// Left-and-top and right-and-bottom colours of each bevel of a cut.
struct BevelColours {
    TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};
BevelColours BevelColoursOf(TSeBevelCut cut);

// Where built-in scroll bars go inside `area` (their sizes as given; 0 for a
// bar that is not there).
struct ScrollBarPlaces {
    TRect horizontal, vertical;
};
ScrollBarPlaces LayoutScrollBarPlaces(const TRect& area, int horizontalHeight, int verticalWidth);

}  // namespace skinui
