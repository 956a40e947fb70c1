// Saving what a window shows, frame included, or any part of the screen,
// as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace app {

// Paints the window now and copies its screen rectangle into `path`.
// Returns false when the file could not be written. The file is written
// whole, as the log is (see app/LogFile.h): a picture that cannot be written
// in full leaves the earlier file, and a path that is not a regular file is
// refused.
bool SaveWindowBitmap(HWND window, const std::string& path);

// Copies the screen's rectangle `r` into `path`, whatever windows show there.
bool SaveScreenBitmap(const RECT& r, const std::string& path);

}  // namespace app
