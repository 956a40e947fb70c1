#include "skinui/frame/SystemMenuImages.h"

#include <memory>

#include "skinui/frame/SystemMenu.h"

namespace skinui {

namespace {

constexpr skin::TPixel kInk = 0xFF202020;

// Draws into the glyph at `index` of the strip.
class Glyph {
public:
    Glyph(skin::TSeBitmap& strip, int index) : strip_(strip), left_(index * kSystemMenuImageSize) {}
    void Fill(int x0, int y0, int x1, int y1) const {  // x1 and y1 excluded
        strip_.FillRect(skin::TRect{left_ + x0, y0, left_ + x1, y1}, kInk);
    }
    void Clear(int x0, int y0, int x1, int y1) const {
        strip_.FillRect(skin::TRect{left_ + x0, y0, left_ + x1, y1}, skin::kKeyPixel);
    }
    // A window outline with a two-row title bar.
    void Window(int x0, int y0, int x1, int y1) const {
        Fill(x0, y0, x1, y0 + 2);
        Fill(x0, y1 - 1, x1, y1);
        Fill(x0, y0, x0 + 1, y1);
        Fill(x1 - 1, y0, x1, y1);
    }
    // A triangle with its apex at (x, y), `rows` rows high, pointing up
    // (step -1) or down (step 1) from its base.
    void Triangle(int x, int y, int rows, int step) const {
        for (int r = 0; r < rows; ++r) Fill(x - r, y + step * r, x + r + 1, y + step * r + 1);
    }

private:
    skin::TSeBitmap& strip_;
    int left_;
};

void DrawClose(const Glyph& g) {
    for (int i = 0; i < 8; ++i) {
        g.Fill(4 + i, 4 + i, 6 + i, 5 + i);
        g.Fill(10 - i, 4 + i, 12 - i, 5 + i);
    }
}

void DrawMinimize(const Glyph& g) { g.Fill(4, 11, 12, 13); }

void DrawMaximize(const Glyph& g) { g.Window(3, 3, 13, 13); }

void DrawRestore(const Glyph& g) {
    g.Window(6, 2, 14, 9);
    // The front window hides the back one where they overlap.
    g.Clear(3, 6, 11, 14);
    g.Window(3, 6, 11, 14);
}

void DrawRollup(const Glyph& g) {
    g.Fill(2, 2, 14, 5);     // the caption that stays
    g.Triangle(7, 7, 4, 1);  // an arrow up into it: apex row 7
}

void DrawTray(const Glyph& g) {
    g.Triangle(6, 9, 4, -1);  // an arrow down: apex at row 9
    g.Fill(5, 2, 8, 6);       // its shaft
    g.Fill(1, 12, 15, 13);    // the task bar
    g.Fill(10, 9, 14, 12);    // the icon in its notification area
}

}  // namespace

const skin::TSeBitmap& SystemMenuImages() {
    static const std::unique_ptr<skin::TSeBitmap> strip = [] {
        auto image = std::make_unique<skin::TSeBitmap>();
        skin::TSeBitmap& bitmap = *image;
        bitmap.SetSize(kSystemMenuImageSize * kSystemMenuImageCount, kSystemMenuImageSize);
        bitmap.Fill(skin::kKeyPixel);
        DrawClose(Glyph(bitmap, ksmiClose));
        DrawMinimize(Glyph(bitmap, ksmiMinimize));
        DrawMaximize(Glyph(bitmap, ksmiMaximize));
        DrawRestore(Glyph(bitmap, ksmiRestore));
        DrawRollup(Glyph(bitmap, ksmiRollup));
        DrawTray(Glyph(bitmap, ksmiTray));
        return image;
    }();
    return *strip;
}

}  // namespace skinui
