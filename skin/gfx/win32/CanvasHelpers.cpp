#include "skin/gfx/win32/CanvasHelpers.h"

#include <algorithm>
#include <cmath>

#include "skin/gfx/MulDiv.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/win32/RectConversion.h"

namespace skin {

namespace {

COLORREF Rgb(TColor color) { return COLORREF(ResolveSystemColor(color)) & 0x00FFFFFF; }

// Selects a GDI object for the lifetime of the scope, then restores the
// previous one and deletes the object if it owns it.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object, bool owned) : dc_(dc), object_(object), owned_(owned) {
        previous_ = SelectObject(dc, object);
    }
    ~Selected() {
        SelectObject(dc_, previous_);
        if (owned_) DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
    bool owned_;
};

Selected SolidPen(HDC dc, TColor color) { return Selected(dc, CreatePen(PS_SOLID, 1, Rgb(color)), true); }
Selected ClearBrush(HDC dc) { return Selected(dc, GetStockObject(NULL_BRUSH), false); }

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void FillSolid(HDC dc, const TRect& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT r = ToRECT(rect);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace

void FillRectColor(HDC dc, const TRect& rect, TColor color) { FillSolid(dc, rect, Rgb(color)); }

void FillRectColor(HDC dc, int left, int top, int right, int bottom, TColor color) {
    FillRectColor(dc, MakeRect(left, top, right, bottom), color);
}

void FrameRectColor(HDC dc, const TRect& rect, TColor color) {
    Selected brush = ClearBrush(dc);
    Selected pen = SolidPen(dc, color);
    Rectangle(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void FrameRectColor(HDC dc, int left, int top, int right, int bottom, TColor color) {
    FrameRectColor(dc, MakeRect(left, top, right, bottom), color);
}

void Draw3DFrame(HDC dc, const TRect& rect, TColor topLeft, TColor bottomRight) {
    Selected brush = ClearBrush(dc);
    {
        Selected pen = SolidPen(dc, topLeft);
        MoveToEx(dc, rect.Left, rect.Bottom - 2, nullptr);
        LineTo(dc, rect.Left, rect.Top);
        LineTo(dc, rect.Right - 1, rect.Top);
    }
    Selected pen = SolidPen(dc, bottomRight);
    LineTo(dc, rect.Right - 1, rect.Bottom - 1);
    LineTo(dc, rect.Left - 1, rect.Bottom - 1);
}

void DrawBevel(HDC dc, TRect& rect, unsigned sides, TColor bottomRight, TColor topLeft, int n) {
    for (int i = 0; i < n; ++i) {
        if (sides & kBevelLeft) {
            Selected pen = SolidPen(dc, topLeft);
            Line(dc, rect.Left, rect.Top, rect.Left, rect.Bottom);
        }
        if (sides & kBevelTop) {
            Selected pen = SolidPen(dc, topLeft);
            Line(dc, rect.Left, rect.Top, rect.Right, rect.Top);
        }
        if (sides & kBevelBottom) {
            Selected pen = SolidPen(dc, bottomRight);
            Line(dc, rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom - 1);
        }
        if (sides & kBevelRight) {
            Selected pen = SolidPen(dc, bottomRight);
            Line(dc, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
        }
        if (sides & kBevelLeft) ++rect.Left;
        if (sides & kBevelTop) ++rect.Top;
        if (sides & kBevelRight) --rect.Right;
        if (sides & kBevelBottom) --rect.Bottom;
    }
}

void DrawFocusRectColor(HDC dc, const TRect& rect, TColor color) {
    Selected brush(dc, CreateSolidBrush(Rgb(color)), true);
    RECT r = ToRECT(rect);
    DrawFocusRect(dc, &r);
}

void RoundRectColor(HDC dc, const TRect& rect, int cornerWidth, int cornerHeight, TColor color) {
    Selected brush(dc, CreateSolidBrush(Rgb(color)), true);
    Selected pen = SolidPen(dc, color);
    RoundRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom, cornerWidth, cornerHeight);
}

void MoveTo(HDC dc, int x, int y) { MoveToEx(dc, x, y, nullptr); }

void LineToColor(HDC dc, int x, int y, TColor color) {
    Selected pen = SolidPen(dc, color);
    LineTo(dc, x, y);
}

void GradientFill(HDC dc, const TRect& rect, TColor start, bool vertical, TColor end) {
    if (RectIsEmpty(rect) || !RectSizeFits(rect)) return;
    int size = vertical ? RectHeight(rect) : RectWidth(rect);
    int n = std::min(size, 255);
    COLORREF from = Rgb(start), to = Rgb(end);
    double first[3], span[3];
    for (int c = 0; c < 3; ++c) {
        first[c] = double((from >> (8 * c)) & 0xFF) * 255.0;
        span[c] = double((to >> (8 * c)) & 0xFF) * 255.0 - first[c];
    }
    for (int i = 0; i <= n; ++i) {
        int a = MulDiv(i, size, n);
        int b = MulDiv(i + 1, size, n);
        TRect band = vertical ? MakeRect(rect.Left, rect.Top + a, rect.Right, rect.Top + b)
                              : MakeRect(rect.Left + a, rect.Top, rect.Left + b, rect.Bottom);
        if (i == 0 || i == n) band = RectIntersection(band, rect);
        if (RectIsEmpty(band)) continue;
        COLORREF colour = 0;
        for (int c = 0; c < 3; ++c) {
            // Ties round to even, the default floating-point rounding.
            int v = int(std::nearbyint((i * span[c] / n + first[c]) / 255.0));
            colour |= COLORREF(std::clamp(v, 0, 255)) << (8 * c);
        }
        FillSolid(dc, band, colour);
    }
}

void CheckerFill(HDC dc, const TRect& rect, TColor first, TColor second) {
    TRect r = rect;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    if (RectIsEmpty(r)) return;
    TSeBitmap pattern;
    pattern.SetSize(8, 8);
    TPixel a = ColorToPixel(first), b = ColorToPixel(second);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) *pattern.PixelPtr(x, y) = ((x % 2) == (y % 2)) ? b : a;
    HBRUSH brush = CreatePatternBrush(static_cast<HBITMAP>(pattern.Handle()));
    RECT fill{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &fill, brush);
    DeleteObject(brush);
}

void DrawIconCentered(HDC dc, const TRect& rect, HICON icon) {
    if (icon == nullptr) return;
    TRect square = CenterRect(MakeRect(0, 0, 16, 16), rect);
    DrawIconEx(dc, square.Left, square.Top, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

}  // namespace skin
