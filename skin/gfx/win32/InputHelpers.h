// Keyboard repeat times and a counted mouse capture.
#pragma once

#include <windows.h>

namespace skin {

// Milliseconds before a held key starts repeating, from the user's setting.
int KeyRepeatDelay();
// Milliseconds between repeats of a held key, from the user's setting.
int KeyRepeatInterval();

// Nested capture: the first call captures the mouse for `window`; further
// calls only count. The matching last ReleaseMouse releases the capture if
// that window still holds it. Extra releases do nothing.
void CaptureMouse(HWND window);
void ReleaseMouse();
// The window the counted capture was taken for; nullptr while none is held.
HWND MouseCaptureWindow();

}  // namespace skin
