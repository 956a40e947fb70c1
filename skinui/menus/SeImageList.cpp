#include "skinui/menus/SeImageList.h"

#include "skin/objects/SkinCanvas.h"

namespace skinui {

void TSeImageList::SetImages(const skin::TSeBitmap& strip) {
    strip_.SetSize(strip.Width(), strip.Height());
    strip.CopyTo(strip_, 0, 0, skin::MakeBounds(0, 0, strip.Width(), strip.Height()));
    grey_.reset();
    Changed();
}

int TSeImageList::Count() const {
    if (strip_.Empty() || strip_.Height() < Height()) return 0;
    return strip_.Width() / Width();
}

void TSeImageList::Draw(skin::SkinCanvas& canvas, int index, int x, int y, bool enabled) {
    if (index < 0 || index >= Count()) return;
    const skin::TRect source = skin::MakeBounds(index * Width(), 0, Width(), Height());
    if (enabled) {
        canvas.DrawRect(strip_, x, y, source, true);
        return;
    }
    if (!grey_) {
        // A light grey of each pixel's brightness; key pixels stay keys.
        grey_ = std::make_unique<skin::TSeBitmap>();
        grey_->SetSize(strip_.Width(), strip_.Height());
        for (int row = 0; row < strip_.Height(); ++row) {
            const skin::TPixel* from = strip_.PixelPtr(0, row);
            skin::TPixel* to = grey_->PixelPtr(0, row);
            for (int column = 0; column < strip_.Width(); ++column) {
                const skin::TPixel p = from[column];
                if (skin::IsKeyPixel(p)) {
                    to[column] = skin::kKeyPixel;
                    continue;
                }
                const unsigned light =
                    (skin::PixelRed(p) * 30u + skin::PixelGreen(p) * 59u + skin::PixelBlue(p) * 11u) / 100u;
                const unsigned v = 128u + light / 2u;
                to[column] = 0xFF000000u | (v << 16) | (v << 8) | v;
            }
        }
    }
    canvas.DrawRect(*grey_, x, y, source, true);
}

}  // namespace skinui
