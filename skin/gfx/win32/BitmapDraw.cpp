#include "skin/gfx/win32/BitmapDraw.h"

#include <algorithm>
#include <cstdint>

#include "skin/win32/SkinLibrary.h"
#include "skin/gfx/TileLayout.h"
#include "skin/gfx/win32/RectConversion.h"

namespace skin {

void KeyedDrawSoftware(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source) {
    if (bitmap.Empty() || !RectSizeFits(destination) || !RectSizeFits(source)) return;
    if (RectIsEmpty(destination) || RectIsEmpty(source)) return;
    if (!RectsOverlap(source, bitmap.BoundsRect())) return;
    // Only the part of the destination that the context can show goes
    // through the buffer, so a huge destination rectangle never means a
    // huge buffer; its pixels are those the whole destination would get.
    TRect visible = destination;
    RECT box;
    int clip = GetClipBox(dc, &box);
    if (clip == NULLREGION) return;
    if (clip != ERROR) visible = RectIntersection(destination, FromRECT(box));
    if (RectIsEmpty(visible)) return;
    int w = RectWidth(visible);
    int h = RectHeight(visible);
    TSeBitmap buffer;
    buffer.SetSize(w, h);
    BitBlt(BitmapDC(buffer), 0, 0, w, h, dc, visible.Left, visible.Top, SRCCOPY);
    bitmap.KeyedStretchInto(buffer, source, TPoint{RectWidth(destination), RectHeight(destination)},
                            TPoint{visible.Left - destination.Left, visible.Top - destination.Top});
    BitBlt(dc, visible.Left, visible.Top, w, h, BitmapDC(buffer), 0, 0, SRCCOPY);
}

namespace {

// Into a bitmap's own context in its plain state (no transform, no clipping
// beyond the bitmap) the keyed draw works on the pixels directly: the same
// pixels as the software path, without a round trip through the platform.
bool KeyedDrawIntoBitmap(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source) {
    TSeBitmap* target = TSeBitmap::FromDC(dc);
    if (!target || GetGraphicsMode(dc) != GM_COMPATIBLE || GetMapMode(dc) != MM_TEXT) return false;
    POINT viewport, window;
    if (!GetViewportOrgEx(dc, &viewport) || !GetWindowOrgEx(dc, &window)) return false;
    const std::int64_t dx = std::int64_t{viewport.x} - window.x, dy = std::int64_t{viewport.y} - window.y;
    RECT box;
    const int clip = GetClipBox(dc, &box);
    if (clip == NULLREGION) return true;
    // The clip box is in logical units: it must cover the whole bitmap.
    if (clip != SIMPLEREGION || box.left + dx > 0 || box.top + dy > 0 || box.right + dx < target->Width() ||
        box.bottom + dy < target->Height()) {
        return false;
    }
    const std::int64_t left = destination.Left + dx, top = destination.Top + dy;
    if (left < INT32_MIN || left > INT32_MAX || top < INT32_MIN || top > INT32_MAX) return true;  // far off: nothing shows
    bitmap.KeyedStretchInto(*target, source, TPoint{RectWidth(destination), RectHeight(destination)},
                            TPoint{int(-std::max<std::int64_t>(left, -INT32_MAX)), int(-std::max<std::int64_t>(top, -INT32_MAX))});
    return true;
}

void KeyedDraw(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source) {
    if (KeyedDrawIntoBitmap(bitmap, dc, destination, source)) return;
    if (TransparentBltAvailable() && !bitmap.HasKeyPixelsWithAlpha(source) &&
        CallTransparentBlt(dc, destination.Left, destination.Top, RectWidth(destination), RectHeight(destination),
                           BitmapDC(bitmap), source.Left, source.Top, RectWidth(source), RectHeight(source),
                           kKeyColor)) {
        return;
    }
    KeyedDrawSoftware(bitmap, dc, destination, source);
}

}  // namespace

void Draw(const TSeBitmap& bitmap, HDC dc, int x, int y, bool transparent) {
    DrawRect(bitmap, dc, x, y, bitmap.BoundsRect(), transparent);
}

void DrawRect(const TSeBitmap& bitmap, HDC dc, int x, int y, const TRect& source, bool transparent) {
    if (bitmap.Empty()) return;
    TRect clipped = RectIntersection(source, bitmap.BoundsRect());
    if (RectIsEmpty(clipped)) return;
    // Positions beyond the coordinate range cannot show anything.
    std::int64_t left = std::int64_t{x} + (std::int64_t{clipped.Left} - source.Left);
    std::int64_t top = std::int64_t{y} + (std::int64_t{clipped.Top} - source.Top);
    constexpr std::int64_t kLimit = 0x7FFFFFFF;
    if (left + RectWidth(clipped) > kLimit || top + RectHeight(clipped) > kLimit) return;
    x = int(left);
    y = int(top);
    TRect destination = MakeBounds(x, y, RectWidth(clipped), RectHeight(clipped));
    if (transparent) {
        KeyedDraw(bitmap, dc, destination, clipped);
    } else {
        BitBlt(dc, x, y, RectWidth(clipped), RectHeight(clipped), BitmapDC(bitmap), clipped.Left, clipped.Top,
               SRCCOPY);
    }
}

void StretchDraw(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source, bool transparent) {
    if (bitmap.Empty() || !RectSizeFits(destination) || !RectSizeFits(source)) return;
    if (RectIsEmpty(destination) || RectIsEmpty(source)) return;
    if (!RectsOverlap(source, bitmap.BoundsRect())) return;
    if (RectWidth(source) == RectWidth(destination) && RectHeight(source) == RectHeight(destination)) {
        // Unscaled: the clipped copy keeps every read inside the bitmap.
        DrawRect(bitmap, dc, destination.Left, destination.Top, source, transparent);
        return;
    }
    if (transparent) {
        KeyedDraw(bitmap, dc, destination, source);
    } else {
        StretchBlt(dc, destination.Left, destination.Top, RectWidth(destination), RectHeight(destination),
                   BitmapDC(bitmap), source.Left, source.Top, RectWidth(source), RectHeight(source), SRCCOPY);
    }
}

void TileDraw(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source, bool transparent) {
    // Tiles outside the context's clip box would draw nothing.
    TRect within = destination;
    RECT box;
    int clip = GetClipBox(dc, &box);
    if (clip == NULLREGION) return;
    if (clip != ERROR) within = FromRECT(box);
    ForEachTile(destination, source, within, [&](const Tile& tile) {
        StretchDraw(bitmap, dc, tile.destination, tile.source, transparent);
    });
}

}  // namespace skin
