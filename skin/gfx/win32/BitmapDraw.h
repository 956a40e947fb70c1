// Drawing a TSeBitmap onto a device context. These are free functions over
// HDC so that any canvas can use them with its own context.
//
// `transparent` means colour-keyed: key pixels are left out. The platform's
// TransparentBlt does that where it is available; otherwise, whenever it
// fails, and when the source holds key pixels with a non-zero alpha byte
// (which TransparentBlt would draw), the software path below does.
#pragma once

#include <windows.h>

#include "skin/gfx/Rect.h"
#include "skin/gfx/SeBitmap.h"

namespace skin {

constexpr UINT kKeyColor = 0x7F007F;  // the key pixel as a colour value

inline HDC BitmapDC(const TSeBitmap& bitmap) { return static_cast<HDC>(bitmap.DC()); }

// The whole bitmap with its top-left corner at (x, y).
void Draw(const TSeBitmap& bitmap, HDC dc, int x, int y, bool transparent);
// `source` of the bitmap, unscaled, with its top-left corner at (x, y). The
// part of `source` outside the bitmap is not drawn.
void DrawRect(const TSeBitmap& bitmap, HDC dc, int x, int y, const TRect& source, bool transparent);
// `source` scaled to `destination`; not transparent, in the context's
// current stretch mode.
void StretchDraw(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source, bool transparent);
// Fills `destination` with unscaled copies of `source` (see TileLayout).
void TileDraw(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source, bool transparent);

// The software colour-keyed draw: the destination's visible pixels are
// captured into a buffer, the non-key source pixels are stretched over them
// by nearest neighbour, and the buffer goes back in one transfer.
void KeyedDrawSoftware(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source);

}  // namespace skin
