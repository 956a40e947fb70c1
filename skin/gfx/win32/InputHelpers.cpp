#include "skin/gfx/win32/InputHelpers.h"

#include <cmath>

namespace skin {

namespace {
int captureCount = 0;
HWND captureWindow = nullptr;
}  // namespace

int KeyRepeatDelay() {
    int setting = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDDELAY, 0, &setting, 0);
    return (setting + 1) * 200;
}

int KeyRepeatInterval() {
    DWORD setting = 0;
    SystemParametersInfoA(SPI_GETKEYBOARDSPEED, 0, &setting, 0);
    // Ties round to even, the default floating-point rounding.
    return int(std::nearbyint(1000.0 / ((double(setting) + 1.0) * 2.3)));
}

void CaptureMouse(HWND window) {
    if (captureCount++ == 0) {
        captureWindow = window;
        SetCapture(window);
    }
}

void ReleaseMouse() {
    if (captureCount == 0) return;
    if (--captureCount == 0) {
        if (GetCapture() == captureWindow) ReleaseCapture();
        captureWindow = nullptr;
    }
}

HWND MouseCaptureWindow() { return captureCount > 0 ? captureWindow : nullptr; }

}  // namespace skin
