#include "skin/objects/BitmapPieces.h"

#include <algorithm>
#include <cstdint>

#include "skin/gfx/RegionRuns.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/SeBitmapLink.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/ScopeExit.h"
#include "skin/objects/SkinObject.h"

namespace skin {

namespace {

// Edges computed in 64 bits from stored (untrusted) rectangles and margins,
// brought back into int: no sum or difference of two edges can overflow.
TRect Edges(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return TRect{ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

// The left or top edge that centres a length of `inner` in `outer` starting at `start`.
int CentredStart(int start, int outer, int inner) {
    return ClampToInt(start + (std::int64_t{outer} - inner) / 2);
}

}  // namespace

void DrawBitmapPiece(SkinCanvas& canvas, const TSeBitmapLink& link, const TRect& source, const TRect& destination,
               TscTileStyle style, bool masked) {
    if (RectIsEmpty(source) || RectIsEmpty(destination) || !RectSizeFits(source) || !RectSizeFits(destination))
        return;
    const TSeBitmap& bitmap = *link.Image();
    switch (style) {
        case tsTile: canvas.TileDraw(bitmap, destination, source, masked); break;
        case tsStretch: canvas.StretchDraw(bitmap, destination, source, masked); break;
        case tsCenter: {
            // Both rectangles are non-empty and their sizes fit, so these
            // stay within their edges.
            const int w = std::min(RectWidth(source), RectWidth(destination));
            const int h = std::min(RectHeight(source), RectHeight(destination));
            const int sx = CentredStart(source.Left, RectWidth(source), w);
            const int sy = CentredStart(source.Top, RectHeight(source), h);
            canvas.DrawRect(bitmap, CentredStart(destination.Left, RectWidth(destination), w),
                            CentredStart(destination.Top, RectHeight(destination), h), MakeBounds(sx, sy, w, h),
                            masked);
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
                canvas.DrawRect(*link.Image(), CentredStart(bounds.Left, RectWidth(bounds), RectWidth(s)),
                                CentredStart(bounds.Top, RectHeight(bounds), RectHeight(s)), s, masked);
                break;
        }
        return;
    }
    const std::int64_t x = bounds.Left, y = bounds.Top, w = RectWidth(bounds), h = RectHeight(bounds);
    const std::int64_t sl = s.Left, st = s.Top, sr = s.Right, sb = s.Bottom;
    auto dest = [&](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
        return Edges(x + l, y + t, x + r, y + b);
    };
    auto piece = [&](const TRect& src, const TRect& dst, TscTileStyle style) {
        DrawBitmapPiece(canvas, link, src, dst, style, masked);
    };
    auto corner = [&](const TRect& src, std::int64_t dx, std::int64_t dy) {
        if (!RectIsEmpty(src) && RectSizeFits(src)) {
            canvas.DrawRect(*link.Image(), ClampToInt(x + dx), ClampToInt(y + dy), src, masked);
        }
    };
    piece(Edges(sl + ml, st + mt, sr - mr, sb - mb), dest(ml, mt, w - mr, h - mb), centreStyle);
    piece(Edges(sl + ml, st, sr - mr, st + mt), dest(ml, 0, w - mr, mt), borderStyle);
    piece(Edges(sl + ml, sb - mb, sr - mr, sb), dest(ml, h - mb, w - mr, h), borderStyle);
    piece(Edges(sl, st + mt, sl + ml, sb - mb), dest(0, mt, ml, h - mb), borderStyle);
    piece(Edges(sr - mr, st + mt, sr, sb - mb), dest(w - mr, mt, w, h - mb), borderStyle);
    corner(Edges(sl, st, sl + ml, st + mt), 0, 0);
    corner(Edges(sr - mr, st, sr, st + mt), w - mr, 0);
    corner(Edges(sl, sb - mb, sl + ml, sb), 0, h - mb);
    corner(Edges(sr - mr, sb - mb, sr, sb), w - mr, h - mb);
}

std::optional<SkinRegion> MaskedObjectRegion(TSeSkinObject& object) {
    const TRect old = object.BoundsRect();
    // Decided before anything is allocated: without an off-screen canvas
    // there is no shape, and an object too large for a mask buffer (its
    // size comes from a stored skin) takes its rectangle as its shape.
    if (!HasBitmapCanvas()) return std::nullopt;
    if (std::int64_t{object.Width()} * object.Height() > kMaxMaskPixels) return SkinRegion::FromRect(old);
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
