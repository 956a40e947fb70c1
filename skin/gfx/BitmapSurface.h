// The pixel store behind a bitmap. On Windows it is a device-independent
// section selected into its own memory device context, so that both our
// pixel loops and the platform's drawing calls work on the same pixels;
// elsewhere it is a plain block of memory.
#pragma once

#include "skin/gfx/Pixel.h"

namespace skin::detail {

struct BitmapSurface {
    TPixel* bits = nullptr;  // top row first, no row padding
    void* handle = nullptr;  // the section (Windows) or the memory block
    void* dc = nullptr;      // the memory device context (Windows only)
};

// A zero-filled top-down 32-bit surface of a size the caller has checked.
// Throws SkinError with one of the three fixed creation texts and leaves
// nothing behind on failure.
BitmapSurface CreateBitmapSurface(int width, int height);
void ReleaseBitmapSurface(BitmapSurface& surface);

// Makes drawing calls still queued by the platform reach the pixels before
// a pixel loop reads or writes them.
void SyncBitmapSurfaces();

}  // namespace skin::detail
