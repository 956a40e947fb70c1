// The platform's theme library, loaded at run time when the system has it:
// the default looks of the skinned controls are drawn with it while themes
// are active, and plainly otherwise.
#pragma once

#include <windows.h>

namespace skinui {

// True when uxtheme.dll was loaded and the application and the system both
// use themes, unless themes were turned off for the program.
bool ThemesActive();
// Turns the themed looks off (or back on) for the whole program: the plain
// looks are then drawn, as on a system without themes.
void SetThemesAllowed(bool allowed);

// A theme part drawn over `rect`: the class's theme data opened, the part
// drawn, the data closed. False when themes are not active or the class has
// no theme data.
bool DrawThemePart(HWND window, const wchar_t* themeClass, HDC dc, int part, int state, const RECT& rect);

}  // namespace skinui
