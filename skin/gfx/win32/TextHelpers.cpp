#include "skin/gfx/win32/TextHelpers.h"

#include <vector>

#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skin/win32/SkinLibrary.h"

namespace skin {

namespace {

int PlatformDrawText(HDC dc, const std::wstring& text, RECT& r, UINT format) {
    // The text is read-only here: the platform must not write an
    // ellipsis into it.
    format &= ~UINT(DT_MODIFYSTRING);
    if (IsWindowsNT()) return DrawTextW(dc, text.c_str(), int(text.size()), &r, format);
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::vector<char> narrow(std::size_t(size > 0 ? size : 0) + 1, '\0');
    if (size > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), narrow.data(), size, nullptr, nullptr);
    return DrawTextA(dc, narrow.data(), size, &r, format);
}

}  // namespace

int CanvasDrawText(HDC dc, const std::wstring& text, TRect& rect, UINT format) {
    int oldMode = SetBkMode(dc, TRANSPARENT);
    RECT r = ToRECT(rect);
    int result = PlatformDrawText(dc, text, r, format);
    rect = FromRECT(r);
    SetBkMode(dc, oldMode);
    return result;
}

int TextWidth(HDC dc, const std::wstring& text, UINT format) {
    RECT r{0, 0, 0, 0};
    PlatformDrawText(dc, text, r, format | DT_CALCRECT);
    return r.right;
}

int TextHeight(HDC dc, const std::wstring& text) {
    RECT r{0, 0, 0, 0};
    PlatformDrawText(dc, text, r, DT_CALCRECT);
    return r.bottom;
}

std::wstring EllipsisText(HDC dc, const std::wstring& text, int width) {
    if (TextWidth(dc, text, 0) <= width) return text;
    static const std::wstring dots = L"...";
    // Widths grow with the prefix length, so the longest fitting prefix is
    // found by bisection.
    std::size_t low = 0, high = text.size();
    while (low < high) {
        std::size_t mid = (low + high + 1) / 2;
        if (TextWidth(dc, text.substr(0, mid) + dots, 0) <= width) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return text.substr(0, low) + dots;
}

int DrawVerticalText(HDC dc, const std::wstring& text, const TRect& rect, bool clockwise, UINT format) {
    if (RectIsEmpty(rect) || !RectSizeFits(rect)) return 0;
    int w = RectWidth(rect), h = RectHeight(rect);
    // The text is drawn unturned into a buffer whose width is the
    // rectangle's height, then copied pixel by pixel a quarter turn round.
    TSeBitmap buffer;
    buffer.SetSize(h, w);
    constexpr TPixel kMagenta = 0x00FF00FF;
    buffer.Fill(kMagenta);
    HDC bufferDC = static_cast<HDC>(buffer.DC());
    HGDIOBJ oldFont = SelectObject(bufferDC, GetCurrentObject(dc, OBJ_FONT));
    SetTextColor(bufferDC, RGB(0, 0, 0));
    TRect area = MakeRect(0, 0, h, w);
    int result = CanvasDrawText(bufferDC, text, area, format);
    SelectObject(bufferDC, oldFont);
    GdiFlush();

    COLORREF colour = GetTextColor(dc);
    for (int j = 0; j < w; ++j) {
        const TPixel* row = buffer.PixelPtr(0, j);
        for (int i = 0; i < h; ++i) {
            if ((row[i] & 0x00FFFFFF) == (kMagenta & 0x00FFFFFF)) continue;
            // Right and Bottom lie just outside the rectangle: the turned
            // text starts one pixel inside them.
            if (clockwise) {
                SetPixelV(dc, rect.Right - 1 - j, rect.Top + i, colour);
            } else {
                SetPixelV(dc, rect.Left + j, rect.Bottom - 1 - i, colour);
            }
        }
    }
    return result;
}

}  // namespace skin
