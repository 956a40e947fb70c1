// Glyphs for the standard dialog buttons (OK, Cancel, Help, Yes, No, Close,
// Abort, Retry, Ignore, All), drawn by the library itself on first use and
// cached until the library is finalised.
#pragma once

#include <windows.h>

namespace skin {

inline constexpr int kButtonGlyphSize = 16;
// The glyphs' background colour; it is also their bottom-left pixel, which
// bitmap buttons take as their transparent colour.
inline constexpr COLORREF kButtonGlyphBackground = RGB(255, 0, 255);

// The glyph of button kind `kind` (taken modulo 128), owned by the cache;
// nullptr for kind 0, which has no glyph, and for kinds above 10.
HBITMAP ButtonGlyph(int kind);
void ClearButtonGlyphs();

}  // namespace skin
