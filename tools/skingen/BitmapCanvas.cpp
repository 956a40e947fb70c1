#include "tools/skingen/BitmapCanvas.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/Font.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/gfx/TileLayout.h"
#include "tools/skingen/PixelFont.h"

namespace skingen {

namespace {

using skin::TRect;

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += (c >= 32 && c < 127) ? char(c) : '?';
    return out;
}

}  // namespace

void BitmapCanvas::FillRect(const TRect& rect, skin::TColor color) {
    target_.FillRect(rect, skin::ColorToPixel(color));
}

void BitmapCanvas::FrameRect(const TRect& r, skin::TColor color) {
    if (skin::RectIsEmpty(r)) return;
    const skin::TPixel p = skin::ColorToPixel(color);
    target_.FillRect(skin::MakeRect(r.Left, r.Top, r.Right, r.Top + 1), p);
    target_.FillRect(skin::MakeRect(r.Left, r.Bottom - 1, r.Right, r.Bottom), p);
    target_.FillRect(skin::MakeRect(r.Left, r.Top, r.Left + 1, r.Bottom), p);
    target_.FillRect(skin::MakeRect(r.Right - 1, r.Top, r.Right, r.Bottom), p);
}

void BitmapCanvas::DrawRect(const skin::TSeBitmap& bitmap, int x, int y, const TRect& source, bool masked) {
    // The part of the source inside its bitmap, moved with its destination.
    const TRect from = skin::RectIntersection(source, bitmap.BoundsRect());
    if (skin::RectIsEmpty(from)) return;
    const int dx = x - source.Left, dy = y - source.Top;
    const TRect to = skin::RectIntersection(skin::RectOffset(from, dx, dy), target_.BoundsRect());
    for (int ty = to.Top; ty < to.Bottom; ++ty) {
        for (int tx = to.Left; tx < to.Right; ++tx) {
            const skin::TPixel p = *bitmap.PixelPtr(tx - dx, ty - dy);
            if (masked && skin::IsKeyPixel(p)) continue;
            *target_.PixelPtr(tx, ty) = p;
        }
    }
}

void BitmapCanvas::StretchDraw(const skin::TSeBitmap& bitmap, const TRect& destination, const TRect& source,
                               bool masked) {
    if (skin::RectIsEmpty(destination) || skin::RectIsEmpty(source)) return;
    const std::int64_t dw = skin::RectWidth(destination), dh = skin::RectHeight(destination);
    const std::int64_t sw = skin::RectWidth(source), sh = skin::RectHeight(source);
    const TRect to = skin::RectIntersection(destination, target_.BoundsRect());
    for (int ty = to.Top; ty < to.Bottom; ++ty) {
        const std::int64_t sy = source.Top + (ty - destination.Top) * sh / dh;
        if (sy < 0 || sy >= bitmap.Height()) continue;
        for (int tx = to.Left; tx < to.Right; ++tx) {
            const std::int64_t sx = source.Left + (tx - destination.Left) * sw / dw;
            if (sx < 0 || sx >= bitmap.Width()) continue;
            const skin::TPixel p = *bitmap.PixelPtr(int(sx), int(sy));
            if (masked && skin::IsKeyPixel(p)) continue;
            *target_.PixelPtr(tx, ty) = p;
        }
    }
}

void BitmapCanvas::TileDraw(const skin::TSeBitmap& bitmap, const TRect& destination, const TRect& source,
                            bool masked) {
    skin::ForEachTile(destination, source, target_.BoundsRect(), [&](const skin::Tile& tile) {
        DrawRect(bitmap, tile.destination.Left, tile.destination.Top, tile.source, masked);
    });
}

void BitmapCanvas::SetFont(const framework::TFont& font) {
    fontColor_ = font.Color();
    textScale_ = std::abs(font.Height()) >= 13 ? 2 : 1;
    bold_ = (font.Style() & framework::fsBold) != 0;
}

void BitmapCanvas::DrawText(const std::wstring& text, const TRect& rect, unsigned flags) {
    const std::string narrow = Narrow(text);
    const int width = PixelTextWidth(narrow, textScale_, bold_);
    const int height = kGlyphHeight * textScale_;
    int x = rect.Left, y = rect.Top;
    if (flags & skin::kTextCenter) x = rect.Left + (skin::RectWidth(rect) - width) / 2;
    if (flags & skin::kTextRight) x = rect.Right - width;
    if (flags & skin::kTextVCenter) y = rect.Top + (skin::RectHeight(rect) - height) / 2;
    if (flags & skin::kTextBottom) y = rect.Bottom - height;
    DrawPixelText(target_, x, y, narrow, skin::ColorToPixel(fontColor_), textScale_, bold_, &rect);
}

int BitmapCanvas::TextWidth(const std::wstring& text) { return PixelTextWidth(Narrow(text), textScale_, bold_); }

std::wstring BitmapCanvas::EllipsisText(const std::wstring& text, int width) {
    if (TextWidth(text) <= width) return text;
    std::wstring shorter = text;
    while (!shorter.empty() && TextWidth(shorter + L"...") > width) shorter.pop_back();
    return shorter + L"...";
}

}  // namespace skingen
