#include "skin/BitmapDraw.h"

#include <cstdint>

#include "skin/SkinLibrary.h"
#include "skin/TileLayout.h"

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
    if (clip != ERROR) visible = RectIntersection(destination, MakeRect(box.left, box.top, box.right, box.bottom));
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

void KeyedDraw(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source) {
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
    if (clip != ERROR) within = MakeRect(box.left, box.top, box.right, box.bottom);
    ForEachTile(destination, source, within, [&](const Tile& tile) {
        StretchDraw(bitmap, dc, tile.destination, tile.source, transparent);
    });
}

}  // namespace skin
