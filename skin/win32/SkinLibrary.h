// Process-wide state of the skin library on Windows: the platform family,
// the colour-keyed transfer of msimg32 when the platform offers it, and the
// button glyph cache. Initialisation runs once however often it is asked
// for; finalisation runs when the last request is undone.
#pragma once

#include <windows.h>

namespace skin {

void InitializeSkinLibrary();
void FinalizeSkinLibrary();

// True on the NT family of Windows.
bool IsWindowsNT();

// True when msimg32's TransparentBlt was found (NT family, version 5 or
// later); elsewhere colour-keyed drawing takes the software path.
bool TransparentBltAvailable();
// Calls TransparentBlt; false when it is not available or fails.
bool CallTransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int sx, int sy,
                        int sw, int sh, UINT keyColor);

}  // namespace skin
