// The small drawings that the plain look and the skinned items share
// (MenuItemLook.cpp): a caption as drawable text, the check mark and the
// scroll arrow's triangle.
#pragma once

#include <string>

#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"

namespace skin {
class SkinCanvas;
}

namespace skinui {

// A caption's bytes as the canvas's text, one character per byte.
std::wstring Widen(const std::string& text);
// The check mark: two polylines around (middle of `column` - 2, vertical
// middle of `item` + 1).
void DrawCheckMark(skin::SkinCanvas& canvas, const skin::TRect& column, const skin::TRect& item, skin::TColor color);
// A filled triangle 7 wide and 4 high centred in `rect`: its apex at the
// top for direction 1 (up), at the bottom for direction 2 (down).
void DrawScrollTriangle(skin::SkinCanvas& canvas, const skin::TRect& rect, int direction, skin::TColor color);

}  // namespace skinui
