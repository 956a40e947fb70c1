// Saving what a window shows, frame included, as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace app {

// Paints the window now and copies its screen rectangle into `path`.
// Returns false when the file could not be written.
bool SaveWindowBitmap(HWND window, const std::string& path);

}  // namespace app
