// Moving images between a TSeBitmap and the platform's own bitmaps, icons
// and clipboard.
#pragma once

#include <windows.h>

#include "skin/gfx/SeBitmap.h"

namespace skin {

// Takes over the size and the image of a platform bitmap (which must not be
// selected into another context); the result is opaque. A source of no
// size leaves an empty bitmap as it is.
void AssignImage(TSeBitmap& bitmap, HBITMAP source);
// The same for an icon, drawn at its own size over black.
void AssignImage(TSeBitmap& bitmap, HICON source);

// A new 32-bit device-independent platform bitmap with this image; the
// caller owns it. nullptr for an empty bitmap.
HBITMAP AssignImageTo(const TSeBitmap& bitmap);
// Puts a copy of the image on the clipboard; false when that fails.
bool AssignImageToClipboard(const TSeBitmap& bitmap, HWND owner);

}  // namespace skin
