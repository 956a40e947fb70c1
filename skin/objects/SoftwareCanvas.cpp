#include "skin/objects/SoftwareCanvas.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/Font.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/gfx/TileLayout.h"
#include "skin/gfx/PixelFont.h"

namespace skin {

namespace {

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += (c >= 32 && c < 127) ? char(c) : '?';
    return out;
}

}  // namespace

void SoftwareCanvas::FillRect(const TRect& rect, TColor color) {
    target_.FillRect(rect, ColorToPixel(color));
}

void SoftwareCanvas::FrameRect(const TRect& r, TColor color) {
    if (RectIsEmpty(r)) return;
    const TPixel p = ColorToPixel(color);
    target_.FillRect(MakeRect(r.Left, r.Top, r.Right, r.Top + 1), p);
    target_.FillRect(MakeRect(r.Left, r.Bottom - 1, r.Right, r.Bottom), p);
    target_.FillRect(MakeRect(r.Left, r.Top, r.Left + 1, r.Bottom), p);
    target_.FillRect(MakeRect(r.Right - 1, r.Top, r.Right, r.Bottom), p);
}

void SoftwareCanvas::DrawRect(const TSeBitmap& bitmap, int x, int y, const TRect& source, bool masked) {
    // The part of the source inside its bitmap, moved with its destination.
    const TRect from = RectIntersection(source, bitmap.BoundsRect());
    if (RectIsEmpty(from)) return;
    const int dx = x - source.Left, dy = y - source.Top;
    const TRect to = RectIntersection(RectOffset(from, dx, dy), target_.BoundsRect());
    for (int ty = to.Top; ty < to.Bottom; ++ty) {
        for (int tx = to.Left; tx < to.Right; ++tx) {
            const TPixel p = *bitmap.PixelPtr(tx - dx, ty - dy);
            if (masked && IsKeyPixel(p)) continue;
            *target_.PixelPtr(tx, ty) = p;
        }
    }
}

void SoftwareCanvas::StretchDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source,
                               bool masked) {
    if (RectIsEmpty(destination) || RectIsEmpty(source)) return;
    const std::int64_t dw = RectWidth(destination), dh = RectHeight(destination);
    const std::int64_t sw = RectWidth(source), sh = RectHeight(source);
    const TRect to = RectIntersection(destination, target_.BoundsRect());
    for (int ty = to.Top; ty < to.Bottom; ++ty) {
        const std::int64_t sy = source.Top + (ty - destination.Top) * sh / dh;
        if (sy < 0 || sy >= bitmap.Height()) continue;
        for (int tx = to.Left; tx < to.Right; ++tx) {
            const std::int64_t sx = source.Left + (tx - destination.Left) * sw / dw;
            if (sx < 0 || sx >= bitmap.Width()) continue;
            const TPixel p = *bitmap.PixelPtr(int(sx), int(sy));
            if (masked && IsKeyPixel(p)) continue;
            *target_.PixelPtr(tx, ty) = p;
        }
    }
}

void SoftwareCanvas::TileDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source,
                            bool masked) {
    ForEachTile(destination, source, target_.BoundsRect(), [&](const Tile& tile) {
        DrawRect(bitmap, tile.destination.Left, tile.destination.Top, tile.source, masked);
    });
}

void SoftwareCanvas::SetFont(const framework::TFont& font) {
    fontColor_ = font.Color();
    textScale_ = std::abs(font.Height()) >= 13 ? 2 : 1;
    bold_ = (font.Style() & framework::fsBold) != 0;
}

void SoftwareCanvas::DrawText(const std::wstring& text, const TRect& rect, unsigned flags) {
    const std::string narrow = Narrow(text);
    const int width = PixelTextWidth(narrow, textScale_, bold_);
    const int height = kGlyphHeight * textScale_;
    int x = rect.Left, y = rect.Top;
    if (flags & kTextCenter) x = rect.Left + (RectWidth(rect) - width) / 2;
    if (flags & kTextRight) x = rect.Right - width;
    if (flags & kTextVCenter) y = rect.Top + (RectHeight(rect) - height) / 2;
    if (flags & kTextBottom) y = rect.Bottom - height;
    DrawPixelText(target_, x, y, narrow, ColorToPixel(fontColor_), textScale_, bold_, &rect);
}

int SoftwareCanvas::TextWidth(const std::wstring& text) { return PixelTextWidth(Narrow(text), textScale_, bold_); }

std::wstring SoftwareCanvas::EllipsisText(const std::wstring& text, int width) {
    if (TextWidth(text) <= width) return text;
    std::wstring shorter = text;
    while (!shorter.empty() && TextWidth(shorter + L"...") > width) shorter.pop_back();
    return shorter + L"...";
}

}  // namespace skin
