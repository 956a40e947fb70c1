#include "skin/BitmapDraw.h"

#include "skin/SkinLibrary.h"
#include "skin/TileLayout.h"

namespace skin {

void KeyedDrawSoftware(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source) {
    if (bitmap.Empty() || RectIsEmpty(destination) || RectIsEmpty(source)) return;
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
    x += clipped.Left - source.Left;
    y += clipped.Top - source.Top;
    TRect destination = MakeBounds(x, y, RectWidth(clipped), RectHeight(clipped));
    if (transparent) {
        KeyedDraw(bitmap, dc, destination, clipped);
    } else {
        BitBlt(dc, x, y, RectWidth(clipped), RectHeight(clipped), BitmapDC(bitmap), clipped.Left, clipped.Top,
               SRCCOPY);
    }
}

void StretchDraw(const TSeBitmap& bitmap, HDC dc, const TRect& destination, const TRect& source, bool transparent) {
    if (bitmap.Empty() || RectIsEmpty(destination) || RectIsEmpty(source)) return;
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
    for (const Tile& tile : TileLayout(destination, source)) {
        StretchDraw(bitmap, dc, tile.destination, tile.source, transparent);
    }
}

}  // namespace skin
