// The artwork of the built-in skin: its 33 bitmaps, drawn in code.
//
// The theme is a light pewter grey with steel blue for what is active: the
// window's client area is 0xCED7D6 and the popup menu's selection 0xAD9074,
// and every bitmap is drawn to sit next to those colours. Frame bitmaps
// hold the active look in their upper (or left) half and the inactive look
// in the other half; caption button strips hold, from the left, the active,
// pressed, hot and inactive looks, then two disabled ones (active and
// inactive window).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tools/skingen/Paint.h"

namespace skin {
class TSeBitmapList;
}

namespace skingen {

struct BitmapEntry {
    std::string_view suffix;
    int width;
    int height;
};

// The bitmaps in stored order; a bitmap is named by the skin name followed
// by its suffix. Several records share a suffix and then hold the same pixels.
std::span<const BitmapEntry> BitmapEntries();

// Draws the bitmaps and appends them to `list` in stored order.
void AddArtwork(skin::TSeBitmapList& list, const std::string& skinName);

// The colours the artwork is drawn to match.
inline constexpr Rgb kClientRgb = RgbOf(0xD6, 0xD7, 0xCE);     // colour value 0xCED7D6
inline constexpr Rgb kMenuItemRgb = RgbOf(0xD4, 0xD4, 0xCD);   // colour value 0xCDD4D4
inline constexpr Rgb kSelectionRgb = RgbOf(0x74, 0x90, 0xAD);  // colour value 0xAD9074

}  // namespace skingen
