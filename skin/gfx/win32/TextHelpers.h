// Text drawing and measuring over a device context with the context's
// selected font and text colour. On the NT family the wide-character calls
// are used; on the 9x family the text is converted to the system code page
// first.
#pragma once

#include <windows.h>

#include <string>

#include "skin/gfx/Rect.h"

namespace skin {

// Draws with a transparent background; `rect` receives what the platform
// writes back (with DT_CALCRECT, the measured rectangle). Returns the
// platform's result (the text height).
int CanvasDrawText(HDC dc, const std::wstring& text, TRect& rect, UINT format);
// The measured width of `text` drawn with `format`.
int TextWidth(HDC dc, const std::wstring& text, UINT format);
// The measured height of `text` with the default format.
int TextHeight(HDC dc, const std::wstring& text);

// `text` itself when it fits in `width`; otherwise its longest prefix that
// still fits with "..." after it, followed by "...".
std::wstring EllipsisText(HDC dc, const std::wstring& text, int width);

// Draws `text` turned a quarter: clockwise when `clockwise` is set (reading
// top to bottom), counter-clockwise otherwise, within `rect`. Returns the
// text drawing's result.
int DrawVerticalText(HDC dc, const std::wstring& text, const TRect& rect, bool clockwise, UINT format);

}  // namespace skin
