#include "skin/BitmapPieces.h"

#include <algorithm>

#include "skin/RegionRuns.h"
#include "skin/SeBitmap.h"
#include "skin/SeBitmapLink.h"
#include "skin/SkinCanvas.h"
#include "skin/ScopeExit.h"
#include "skin/SkinObject.h"

namespace skin {


void DrawBitmapPiece(SkinCanvas& canvas, const TSeBitmapLink& link, const TRect& source, const TRect& destination,
               TscTileStyle style, bool masked) {
    if (RectIsEmpty(source) || RectIsEmpty(destination) || !RectSizeFits(source) || !RectSizeFits(destination))
        return;
    const TSeBitmap& bitmap = *link.Image();
    switch (style) {
        case tsTile: canvas.TileDraw(bitmap, destination, source, masked); break;
        case tsStretch: canvas.StretchDraw(bitmap, destination, source, masked); break;
        case tsCenter: {
            const int w = std::min(RectWidth(source), RectWidth(destination));
            const int h = std::min(RectHeight(source), RectHeight(destination));
            const int sx = source.Left + (RectWidth(source) - w) / 2;
            const int sy = source.Top + (RectHeight(source) - h) / 2;
            canvas.DrawRect(bitmap, destination.Left + (RectWidth(destination) - w) / 2,
                            destination.Top + (RectHeight(destination) - h) / 2, MakeBounds(sx, sy, w, h), masked);
            break;
        }
    }
}

void DrawNinePieces(SkinCanvas& canvas, const TSeBitmapLink& link, const TRect& bounds, int ml, int mt, int mr,
                   int mb, TscTileStyle centreStyle, TscTileStyle borderStyle, bool masked) {
    const TRect s = link.Rect();
    if (!link.Valid() || !RectSizeFits(s) || !RectSizeFits(bounds)) return;
    if (ml == 0 && mt == 0 && mr == 0 && mb == 0) {
        switch (centreStyle) {
            case tsTile: canvas.TileDraw(*link.Image(), bounds, s, masked); break;
            case tsStretch: canvas.StretchDraw(*link.Image(), bounds, s, masked); break;
            case tsCenter:
                canvas.DrawRect(*link.Image(), bounds.Left + (RectWidth(bounds) - RectWidth(s)) / 2,
                                bounds.Top + (RectHeight(bounds) - RectHeight(s)) / 2, s, masked);
                break;
        }
        return;
    }
    const int x = bounds.Left, y = bounds.Top, w = RectWidth(bounds), h = RectHeight(bounds);
    auto dest = [&](int l, int t, int r, int b) { return TRect{x + l, y + t, x + r, y + b}; };
    auto piece = [&](const TRect& src, const TRect& dst, TscTileStyle style) {
        DrawBitmapPiece(canvas, link, src, dst, style, masked);
    };
    auto corner = [&](const TRect& src, int dx, int dy) {
        if (!RectIsEmpty(src)) canvas.DrawRect(*link.Image(), x + dx, y + dy, src, masked);
    };
    piece({s.Left + ml, s.Top + mt, s.Right - mr, s.Bottom - mb}, dest(ml, mt, w - mr, h - mb), centreStyle);
    piece({s.Left + ml, s.Top, s.Right - mr, s.Top + mt}, dest(ml, 0, w - mr, mt), borderStyle);
    piece({s.Left + ml, s.Bottom - mb, s.Right - mr, s.Bottom}, dest(ml, h - mb, w - mr, h), borderStyle);
    piece({s.Left, s.Top + mt, s.Left + ml, s.Bottom - mb}, dest(0, mt, ml, h - mb), borderStyle);
    piece({s.Right - mr, s.Top + mt, s.Right, s.Bottom - mb}, dest(w - mr, mt, w, h - mb), borderStyle);
    corner({s.Left, s.Top, s.Left + ml, s.Top + mt}, 0, 0);
    corner({s.Right - mr, s.Top, s.Right, s.Top + mt}, w - mr, 0);
    corner({s.Left, s.Bottom - mb, s.Left + ml, s.Bottom}, 0, h - mb);
    corner({s.Right - mr, s.Bottom - mb, s.Right, s.Bottom}, w - mr, h - mb);
}

std::optional<SkinRegion> MaskedObjectRegion(TSeSkinObject& object) {
    const TRect old = object.BoundsRect();
    TSeBitmap buffer;
    buffer.SetSize(object.Width(), object.Height());
    buffer.Fill(kKeyPixel);
    std::unique_ptr<SkinCanvas> canvas = CreateBitmapCanvas(buffer);
    if (!canvas) return std::nullopt;
    {
        // The object draws at (0, 0) of the buffer and goes back where it
        // was, also when drawing fails.
        object.SetBounds(MakeBounds(0, 0, object.Width(), object.Height()));
        OnExit restore{[&] { object.SetBounds(old); }};
        object.Draw(*canvas);
    }
    canvas.reset();
    SkinRegion region;
    region.parts.push_back(RegionRuns(buffer, old.Left, old.Top));
    return region;
}

}  // namespace skin
