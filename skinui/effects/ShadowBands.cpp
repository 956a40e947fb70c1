#include "skinui/effects/ShadowBands.h"

namespace skinui {

using skin::TPixel;
using skin::TRect;

namespace {

TPixel ShadowTone(int alpha) { return (kShadowColor & 0x00FFFFFFu) | (TPixel(alpha) << 24); }

void Merge(skin::TSeBitmap& target, const skin::TSeBitmap& background, const TRect& rect) {
    target.MergeBackground(background, rect.Left, rect.Top, rect);
}

}  // namespace

// Each fill covers what is left of the band, its corner pixel takes the next
// tone out, and the band loses one pixel at the two outer edges. The corner
// pixel is set only while the band has pixels, so that a band of no width
// never paints beside itself.
void FillShadowBand(skin::TSeBitmap& target, TRect band, TShadowCorner corner) {
    using Corner = TShadowCorner;
    constexpr int kAlpha = int(kShadowColor >> 24);
    const auto& steps = kShadowEdgeSteps;
    for (int step = 0; step < 3; ++step) {
        if (skin::RectIsEmpty(band)) return;
        target.FillRect(band, ShadowTone(kAlpha - steps[2 - step]));
        const int x = corner == Corner::BottomLeft ? band.Left : band.Right - 1;
        const int y = corner == Corner::TopRight ? band.Top : band.Bottom - 1;
        target.FillRect(skin::MakeBounds(x, y, 1, 1), ShadowTone(kAlpha - steps[3 - step]));
        switch (corner) {
            case Corner::TopRight:
                --band.Right;
                ++band.Top;
                break;
            case Corner::BottomLeft:
                ++band.Left;
                --band.Bottom;
                break;
            case Corner::BottomRight:
                --band.Right;
                --band.Bottom;
                break;
        }
    }
    if (!skin::RectIsEmpty(band)) target.FillRect(band, kShadowColor);
}

void DrawShadow(skin::TSeBitmap& target, const TRect& client, int windowWidth, int windowHeight, int frameWidth,
                int size, const skin::TSeBitmap& background) {
    if (size <= 0 || target.Empty()) return;
    const bool useAlpha = target.UseAlpha();
    target.SetUseAlpha(false);
    const int s = size;

    target.FillRect(skin::MakeRect(client.Right, 0, windowWidth, s), skin::kKeyPixel);
    FillShadowBand(target, skin::MakeRect(client.Right, s, windowWidth, client.Bottom), TShadowCorner::TopRight);
    Merge(target, background, skin::MakeRect(client.Right, 0, windowWidth, windowHeight));

    target.FillRect(skin::MakeRect(0, client.Bottom, s, windowHeight), skin::kKeyPixel);
    FillShadowBand(target, skin::MakeRect(s, client.Bottom, frameWidth, windowHeight), TShadowCorner::BottomLeft);
    Merge(target, background, skin::MakeRect(0, client.Bottom, client.Right, windowHeight));

    const TRect corner = skin::MakeRect(client.Right, client.Bottom, windowWidth, windowHeight);
    FillShadowBand(target, corner, TShadowCorner::BottomRight);
    Merge(target, background, corner);

    target.SetUseAlpha(useAlpha);
}

}  // namespace skinui
