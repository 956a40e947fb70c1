// The sizes and font of the library's menus, and the plain submenu arrow.
// The Windows library reads them from the system at start-up
// (LoadMenuMetrics, win32/MenuMetrics.cpp); until then the sizes are 19 and
// the font is the framework's default.
#pragma once

#include "framework/Font.h"
#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"
#include "skin/gfx/SeBitmap.h"

namespace skin {
class SkinCanvas;
}

namespace skinui {

inline constexpr int kMenuMetricUnread = 19;
inline constexpr int kMenuMetricLeast = 20;

int MenuButtonWidth();
int MenuButtonHeight();
const framework::TFont& MenuFont();
// The system's menu width and height (each raised to at least 20) and font.
void SetMenuMetrics(int menuWidth, int menuHeight, const framework::TFont& font);

// The plain submenu arrow: a 20 x 20 glyph whose transparent pixels are the
// key colour; empty until the library has made it.
skin::TSeBitmap& SubmenuArrowGlyph();
// Forgets the glyph (a bitmap cannot be sized back to empty): the triangle
// is drawn again until a new glyph is made.
void ForgetSubmenuArrowGlyph();
// Draws the glyph in `color`, centred in `rect`: every pixel but the key
// takes the colour and the key stays transparent. Without a glyph, a small
// triangle pointing right.
void DrawSubmenuArrow(skin::SkinCanvas& canvas, const skin::TRect& rect, skin::TColor color);

// Windows only: reads the metrics and makes the glyph.
void LoadMenuMetrics();

}  // namespace skinui
