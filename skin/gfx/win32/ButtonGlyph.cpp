#include "skin/gfx/win32/ButtonGlyph.h"

#include <array>

namespace skin {

namespace {

constexpr int kKinds = 11;

std::array<HBITMAP, kKinds>& Cache() {
    static std::array<HBITMAP, kKinds> cache{};
    return cache;
}

void Polyline(HDC dc, std::initializer_list<POINT> points) {
    ::Polyline(dc, points.begin(), int(points.size()));
}

// Each glyph is a few strokes in a 16 x 16 square, in the colours people
// expect of the button: green for accepting, red for refusing.
void DrawGlyph(HDC dc, int kind) {
    const COLORREF green = RGB(0, 128, 0), red = RGB(192, 0, 0), blue = RGB(0, 0, 160), dark = RGB(64, 64, 64);
    COLORREF colour = dark;
    switch (kind) {
        case 1: case 4: case 10: colour = green; break;
        case 2: case 5: case 7: colour = red; break;
        case 3: case 8: case 9: colour = blue; break;
        default: break;
    }
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    switch (kind) {
        case 1:  // OK: a tick
        case 4:  // Yes
            Polyline(dc, {{3, 8}, {6, 11}, {12, 4}});
            break;
        case 10:  // All: two ticks
            Polyline(dc, {{1, 8}, {4, 11}, {9, 4}});
            Polyline(dc, {{6, 8}, {9, 11}, {14, 4}});
            break;
        case 2:  // Cancel: a cross
        case 6:  // Close
            Polyline(dc, {{4, 4}, {12, 12}});
            Polyline(dc, {{12, 4}, {4, 12}});
            break;
        case 3:  // Help: a question mark
            Polyline(dc, {{5, 5}, {6, 3}, {10, 3}, {11, 5}, {8, 8}, {8, 10}});
            Polyline(dc, {{8, 12}, {8, 13}});
            break;
        case 5:  // No: a barred circle
            Ellipse(dc, 3, 3, 13, 13);
            Polyline(dc, {{5, 11}, {11, 5}});
            break;
        case 7:  // Abort: a stop square
            Rectangle(dc, 4, 4, 12, 12);
            break;
        case 8:  // Retry: an open circle with an arrow head
            Arc(dc, 3, 3, 13, 13, 13, 6, 8, 3);
            Polyline(dc, {{11, 2}, {13, 6}, {9, 7}});
            break;
        case 9:  // Ignore: an arrow to the right
            Polyline(dc, {{3, 8}, {12, 8}});
            Polyline(dc, {{9, 5}, {12, 8}, {9, 11}});
            break;
        default:
            break;
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

HBITMAP CreateGlyph(int kind) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kButtonGlyphSize, kButtonGlyphSize);
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH background = CreateSolidBrush(kButtonGlyphBackground);
    RECT all{0, 0, kButtonGlyphSize, kButtonGlyphSize};
    FillRect(dc, &all, background);
    DeleteObject(background);
    DrawGlyph(dc, kind);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

}  // namespace

HBITMAP ButtonGlyph(int kind) {
    int index = ((kind % 128) + 128) % 128;
    if (index == 0 || index >= kKinds) return nullptr;
    HBITMAP& glyph = Cache()[std::size_t(index)];
    if (glyph == nullptr) glyph = CreateGlyph(index);
    return glyph;
}

void ClearButtonGlyphs() {
    for (HBITMAP& glyph : Cache()) {
        if (glyph != nullptr) DeleteObject(glyph);
        glyph = nullptr;
    }
}

}  // namespace skin
