// The plain look of an item: measuring, drawing and the scroll arrows, on
// the system's menu colours. Skinned items replace all three.
//
// A popup item, left to right: the check column (image or check mark), the
// caption 2 pixels after it, the short-cut text right-aligned before the
// arrow column, and the 20-pixel arrow column with the submenu arrow. The
// current item is filled with the highlight colour; a disabled caption is
// drawn grey, embossed in the button highlight while it is not current.
#include <string>

#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skinui/menus/ItemViewGeometry.h"
#include "skinui/menus/MenuGlyphs.h"
#include "skinui/menus/MenuColors.h"
#include "skinui/menus/MenuItem.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/MenuMetrics.h"
#include "skinui/menus/SeImageList.h"

namespace skinui {

using skin::TRect;

namespace {

constexpr int kArrowColumn = 20;
constexpr int kTextGap = 2;
constexpr int kSeparatorHeight = 15;

void Pixel(skin::SkinCanvas& canvas, int x, int y, skin::TColor color) {
    canvas.FillRect(TRect{x, y, x + 1, y + 1}, color);
}

// A line with both ends drawn, by Bresenham's stepping.
void Line(skin::SkinCanvas& canvas, int x0, int y0, int x1, int y1, skin::TColor color) {
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1, sx = x0 < x1 ? 1 : -1;
    const int dy = y1 > y0 ? y0 - y1 : y1 - y0, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (int guard = 0; guard < 1000; ++guard) {
        Pixel(canvas, x0, y0, color);
        if (x0 == x1 && y0 == y1) return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Polyline(skin::SkinCanvas& canvas, int x0, int y0, const int (*points)[2], int count, skin::TColor color) {
    for (int i = 0; i + 1 < count; ++i) {
        Line(canvas, x0 + points[i][0], y0 + points[i][1], x0 + points[i + 1][0], y0 + points[i + 1][1], color);
    }
}

// Top and left in one colour, bottom and right in the other.
void Frame3D(skin::SkinCanvas& canvas, const TRect& r, skin::TColor topLeft, skin::TColor bottomRight) {
    canvas.FillRect(TRect{r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
    canvas.FillRect(TRect{r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
    canvas.FillRect(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    canvas.FillRect(TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}

constexpr unsigned kLineText = skin::kTextSingleLine | skin::kTextVCenter;

}  // namespace

std::wstring Widen(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (unsigned char c : text) wide.push_back(wchar_t(c));
    return wide;
}

void DrawCheckMark(skin::SkinCanvas& canvas, const TRect& column, const TRect& item, skin::TColor color) {
    static constexpr int kFirst[][2] = {{-2, -2}, {0, 0}, {4, -4}, {4, -3}, {0, 1}, {-2, -1}, {-2, -2}};
    static constexpr int kSecond[][2] = {{-3, -2}, {-3, -1}, {0, 2}, {5, -3}, {5, -5}};
    const int x0 = (column.Left + column.Right) / 2 - 2;
    const int y0 = (item.Top + item.Bottom) / 2 + 1;
    Polyline(canvas, x0, y0, kFirst, 7, color);
    Polyline(canvas, x0, y0, kSecond, 5, color);
}

void DrawScrollTriangle(skin::SkinCanvas& canvas, const TRect& rect, int direction, skin::TColor color) {
    // Rows of 1, 3, 5 and 7 pixels.
    const int left = rect.Left + (skin::RectWidth(rect) - 7) / 2;
    const int top = rect.Top + (skin::RectHeight(rect) - 4) / 2;
    for (int row = 0; row < 4; ++row) {
        const int half = direction == kasUp ? row : 3 - row;
        canvas.FillRect(TRect{left + 3 - half, top + row, left + 4 + half, top + row + 1}, color);
    }
}

int TSeCustomItem::CheckColumnWidth() const {
    const framework::TCustomImageList* images = ImageList();
    if (images && images->Width() > MenuButtonHeight()) return images->Width() + 6;
    return 22;
}

void TSeCustomItem::MeasureItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, int& width, int& height) {
    width = MenuButtonWidth();
    height = MenuButtonHeight();
    if (view.IsMenuBar()) {
        width = canvas.TextWidth(Widen(Caption())) + 12;
        if (SpecialKind() != kskNone) width = height;
        return;
    }
    width = canvas.TextWidth(Widen(Caption())) + CheckColumnWidth() + 42;
    if (ShortCut() != 0) width += canvas.TextWidth(Widen(ShortCutToText(ShortCut())));
    if (IsSeparator()) {
        height = kSeparatorHeight;
    } else if (const framework::TCustomImageList* images = ImageList(); images && images->Height() > height) {
        height = images->Height() + 4;
    }
}

void TSeCustomItem::DrawItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, bool hot, bool selected,
                             const TRect& rect) {
    if (view.IsMenuBar()) {
        canvas.FillRect(rect, selected && !hot ? kclHighlight : kclBtnFace);
        if (selected && hot) Frame3D(canvas, rect, kclBtnHighlight, kclBtnShadow);
        canvas.SetFontColor(!Enabled() ? kclGrayText : selected && !hot ? kclHighlightText : kclMenuText);
        canvas.DrawText(Widen(Caption()), rect, kLineText | skin::kTextCenter);
        return;
    }
    if (IsSeparator()) {
        canvas.FillRect(rect, kclMenu);
        const int y = rect.Top + skin::RectHeight(rect) / 2 - 1;
        canvas.FillRect(TRect{rect.Left + 3, y, rect.Right - 3, y + 1}, kclBtnShadow);
        canvas.FillRect(TRect{rect.Left + 3, y + 1, rect.Right - 3, y + 2}, kclBtnHighlight);
        return;
    }
    const bool enabled = Enabled();
    canvas.FillRect(rect, selected ? kclHighlight : kclMenu);
    const skin::TColor text = !enabled ? kclGrayText : selected ? kclHighlightText : kclMenuText;

    const TRect column{rect.Left, rect.Top, rect.Left + CheckColumnWidth(), rect.Bottom};
    if (HasImage()) {
        framework::TCustomImageList* images = ImageList();
        const TRect square = skin::CenterRect(skin::MakeBounds(0, 0, images->Width() + 4, images->Height() + 4), column);
        if (Checked()) Frame3D(canvas, square, kclBtnShadow, kclBtnHighlight);
        if (auto* list = dynamic_cast<TSeImageList*>(images)) {
            list->Draw(canvas, ImageIndex(), square.Left + 2, square.Top + 2, enabled);
        }
    } else if (Checked()) {
        DrawCheckMark(canvas, column, rect, text);
    }

    const TRect textRect{column.Right + kTextGap, rect.Top, rect.Right - kArrowColumn, rect.Bottom};
    const std::wstring caption = Widen(Caption());
    const std::wstring shortCut = ShortCut() != 0 ? Widen(ShortCutToText(ShortCut())) : std::wstring();
    const unsigned readingOrder = RightToLeft() ? skin::kTextRtlReading : 0;
    if (!enabled && !selected) {
        canvas.SetFontColor(kclBtnHighlight);
        canvas.DrawText(caption, skin::RectOffset(textRect, 1, 1), kLineText | readingOrder);
        if (!shortCut.empty()) {
            canvas.DrawText(shortCut, skin::RectOffset(textRect, 1, 1), kLineText | skin::kTextRight | readingOrder);
        }
    }
    canvas.SetFontColor(text);
    canvas.DrawText(caption, textRect, kLineText | readingOrder);
    if (!shortCut.empty()) canvas.DrawText(shortCut, textRect, kLineText | skin::kTextRight | readingOrder);
    if (Count() > 0) DrawSubmenuArrow(canvas, TRect{rect.Right - kArrowColumn, rect.Top, rect.Right, rect.Bottom}, text);
}

void TSeCustomItem::DrawScrollArrow(skin::SkinCanvas& canvas, const TSeItemViewGeometry& /*view*/, bool selected,
                                    int direction, const TRect& rect) {
    canvas.FillRect(rect, kclMenu);
    if (selected) Frame3D(canvas, rect, kclBtnShadow, kclBtnHighlight);
    DrawScrollTriangle(canvas, rect, direction, kclMenuText);
}

TSePopupWindow* TSeCustomItem::CreatePopupWindow(TSeItemView* /*parentView*/, framework::TComponent* /*owner*/) {
    return nullptr;
}

}  // namespace skinui
