// The images of the frame's system menu, drawn by the library itself: six
// 16 x 16 glyphs side by side (close, minimize, maximize, restore, roll up,
// minimize to tray, in the order of TSeSystemMenuImage), dark strokes on
// the key colour so that they are drawn masked.
#pragma once

#include "skin/gfx/SeBitmap.h"

namespace skinui {

inline constexpr int kSystemMenuImageSize = 16;
inline constexpr int kSystemMenuImageCount = 6;

// The strip of all six glyphs, drawn once per process on first use.
const skin::TSeBitmap& SystemMenuImages();

}  // namespace skinui
