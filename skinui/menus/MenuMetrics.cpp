#include "skinui/menus/MenuMetrics.h"

#include <algorithm>
#include <memory>

#include "skin/objects/SkinCanvas.h"

namespace skinui {

namespace {

struct Metrics {
    int width = kMenuMetricUnread;
    int height = kMenuMetricUnread;
    framework::TFont font;
};

Metrics& State() {
    static Metrics metrics;
    return metrics;
}

// The glyph and its copy in the colour last drawn; a forgotten glyph takes
// the copy with it, so a new one is always coloured afresh.
struct ArrowGlyph {
    skin::TSeBitmap glyph;
    skin::TSeBitmap coloured;
    skin::TColor colouredAs = 0;
    bool colouredValid = false;
};

std::unique_ptr<ArrowGlyph>& Arrow() {
    static std::unique_ptr<ArrowGlyph> arrow;
    if (!arrow) arrow = std::make_unique<ArrowGlyph>();
    return arrow;
}

}  // namespace

int MenuButtonWidth() { return State().width; }
int MenuButtonHeight() { return State().height; }
const framework::TFont& MenuFont() { return State().font; }

void SetMenuMetrics(int menuWidth, int menuHeight, const framework::TFont& font) {
    State().width = std::max(menuWidth, kMenuMetricLeast);
    State().height = std::max(menuHeight, kMenuMetricLeast);
    State().font.Assign(font);
}

skin::TSeBitmap& SubmenuArrowGlyph() {
    ArrowGlyph& arrow = *Arrow();
    // Whoever asks for the glyph may change it.
    arrow.colouredValid = false;
    return arrow.glyph;
}

void ForgetSubmenuArrowGlyph() { Arrow().reset(); }

void DrawSubmenuArrow(skin::SkinCanvas& canvas, const skin::TRect& rect, skin::TColor color) {
    ArrowGlyph& arrow = *Arrow();
    const skin::TSeBitmap& glyph = arrow.glyph;
    if (glyph.Empty() || glyph.Width() <= 0 || glyph.Height() <= 0) {
        // A triangle 4 wide and 7 high, pointing right.
        const int x = rect.Left + (skin::RectWidth(rect) - 4) / 2;
        const int y = rect.Top + (skin::RectHeight(rect) - 7) / 2;
        for (int column = 0; column < 4; ++column) {
            canvas.FillRect(skin::TRect{x + column, y + column, x + column + 1, y + 7 - column}, color);
        }
        return;
    }
    // One coloured copy, made again only when the colour or the glyph changes.
    skin::TSeBitmap& coloured = arrow.coloured;
    if (!arrow.colouredValid || arrow.colouredAs != color) {
        coloured.SetSize(glyph.Width(), glyph.Height());
        const skin::TPixel paint = skin::ColorToPixel(color) | 0xFF000000u;
        for (int y = 0; y < glyph.Height(); ++y) {
            const skin::TPixel* from = glyph.PixelPtr(0, y);
            skin::TPixel* to = coloured.PixelPtr(0, y);
            for (int x = 0; x < glyph.Width(); ++x) to[x] = skin::IsKeyPixel(from[x]) ? skin::kKeyPixel : paint;
        }
        arrow.colouredAs = color;
        arrow.colouredValid = true;
    }
    const skin::TRect placed = skin::CenterRect(skin::MakeBounds(0, 0, coloured.Width(), coloured.Height()), rect);
    canvas.DrawRect(coloured, placed.Left, placed.Top, skin::MakeBounds(0, 0, coloured.Width(), coloured.Height()),
                    true);
}

}  // namespace skinui
