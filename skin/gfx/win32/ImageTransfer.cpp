#include "skin/gfx/win32/ImageTransfer.h"

#include "skin/gfx/win32/BitmapDraw.h"

namespace skin {

void AssignImage(TSeBitmap& bitmap, HBITMAP source) {
    BITMAP info{};
    if (source == nullptr || GetObjectA(source, sizeof(info), &info) == 0) return;
    bitmap.SetSize(info.bmWidth, info.bmHeight);
    if (bitmap.Empty()) return;
    HDC sourceDC = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(sourceDC, source);
    BitBlt(BitmapDC(bitmap), 0, 0, bitmap.Width(), bitmap.Height(), sourceDC, 0, 0, SRCCOPY);
    SelectObject(sourceDC, old);
    DeleteDC(sourceDC);
    bitmap.SetAlpha(255);
}

void AssignImage(TSeBitmap& bitmap, HICON source) {
    ICONINFO icon{};
    if (source == nullptr || !GetIconInfo(source, &icon)) return;
    BITMAP info{};
    // A monochrome icon keeps both masks in one bitmap of twice the height.
    HBITMAP sizeSource = icon.hbmColor != nullptr ? icon.hbmColor : icon.hbmMask;
    GetObjectA(sizeSource, sizeof(info), &info);
    int height = icon.hbmColor != nullptr ? info.bmHeight : info.bmHeight / 2;
    if (icon.hbmColor != nullptr) DeleteObject(icon.hbmColor);
    if (icon.hbmMask != nullptr) DeleteObject(icon.hbmMask);
    bitmap.SetSize(info.bmWidth, height);
    if (bitmap.Empty()) return;
    DrawIconEx(BitmapDC(bitmap), 0, 0, source, bitmap.Width(), bitmap.Height(), 0, nullptr, DI_NORMAL);
    bitmap.SetAlpha(255);
}

HBITMAP AssignImageTo(const TSeBitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP result = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (result == nullptr) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, result);
    Draw(bitmap, dc, 0, 0, false);
    SelectObject(dc, old);
    DeleteDC(dc);
    return result;
}

bool AssignImageToClipboard(const TSeBitmap& bitmap, HWND owner) {
    HBITMAP copy = AssignImageTo(bitmap);
    if (copy == nullptr) return false;
    if (!OpenClipboard(owner)) {
        DeleteObject(copy);
        return false;
    }
    EmptyClipboard();
    bool placed = SetClipboardData(CF_BITMAP, copy) != nullptr;
    CloseClipboard();
    // Once placed, the clipboard owns the bitmap.
    if (!placed) DeleteObject(copy);
    return placed;
}

}  // namespace skin
