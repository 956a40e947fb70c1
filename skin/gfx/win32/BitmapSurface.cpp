#include <windows.h>

#include "skin/gfx/BitmapSurface.h"
#include "skin/SkinError.h"

namespace skin::detail {

BitmapSurface CreateBitmapSurface(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows run top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section == nullptr || bits == nullptr) {
        if (section != nullptr) DeleteObject(section);
        throw SkinError(kDibAllocError);
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        DeleteObject(section);
        throw SkinError(kCreateDcError);
    }
    HGDIOBJ previous = SelectObject(dc, section);
    if (previous == nullptr || previous == HGDI_ERROR) {
        DeleteDC(dc);
        DeleteObject(section);
        throw SkinError(kSelectObjectError);
    }
    // The context's original 1x1 bitmap is a stock object: nothing to keep.
    return BitmapSurface{static_cast<TPixel*>(bits), section, dc};
}

void ReleaseBitmapSurface(BitmapSurface& surface) {
    // The context goes first so that the section is no longer selected when
    // it is deleted.
    if (surface.dc != nullptr) DeleteDC(static_cast<HDC>(surface.dc));
    if (surface.handle != nullptr) DeleteObject(static_cast<HBITMAP>(surface.handle));
    surface = BitmapSurface{};
}

void SyncBitmapSurfaces() { GdiFlush(); }

}  // namespace skin::detail
