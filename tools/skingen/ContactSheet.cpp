#include "tools/skingen/ContactSheet.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "skin/gfx/PixelFont.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinObject.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/SoftwareCanvas.h"
#include "skin/storage/SkinSource.h"

namespace skingen {

namespace {

using skin::TPixel;
using skin::TRect;
using skin::TSeBitmap;

constexpr TPixel kSheetBack = 0xFF3C4046;
constexpr TPixel kLabel = 0xFFE6E6E6;
constexpr TPixel kDimLabel = 0xFFA0A4AA;
constexpr TPixel kCheckLight = 0xFF9A9A9A;
constexpr TPixel kCheckDark = 0xFF7A7A7A;
constexpr int kCheckSize = 6;
constexpr int kMargin = 16;
constexpr int kSheetWidth = 1180;
constexpr int kZoom = 3;

// Copies `part` of `bitmap` to (x, y) of `sheet`, each pixel `scale` times
// in both directions, with a checkerboard where it is transparent.
void Blit(TSeBitmap& sheet, int x, int y, const TSeBitmap& bitmap, const TRect& part, int scale) {
    for (int sy = part.Top; sy < part.Bottom; ++sy) {
        for (int sx = part.Left; sx < part.Right; ++sx) {
            const TPixel p = bitmap.GetPixel(sx, sy);
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    const int tx = x + (sx - part.Left) * scale + dx, ty = y + (sy - part.Top) * scale + dy;
                    if (!skin::RectContains(sheet.BoundsRect(), tx, ty)) continue;
                    const bool light = ((tx / kCheckSize) + (ty / kCheckSize)) % 2 == 0;
                    *sheet.PixelPtr(tx, ty) = skin::IsKeyPixel(p) ? (light ? kCheckLight : kCheckDark) : (p | 0xFF000000);
                }
            }
        }
    }
}

void Outline(TSeBitmap& sheet, const TRect& r, TPixel colour) {
    sheet.FillRect(skin::MakeRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Top), colour);
    sheet.FillRect(skin::MakeRect(r.Left - 1, r.Bottom, r.Right + 1, r.Bottom + 1), colour);
    sheet.FillRect(skin::MakeRect(r.Left - 1, r.Top, r.Left, r.Bottom), colour);
    sheet.FillRect(skin::MakeRect(r.Right, r.Top, r.Right + 1, r.Bottom), colour);
}

struct Placed {
    int x, y;
};

// Lays out boxes of the given sizes in rows no wider than the sheet.
class Flow {
public:
    explicit Flow(int top) : x_(kMargin), y_(top) {}
    Placed Next(int width, int height) {
        if (x_ > kMargin && x_ + width > kSheetWidth - kMargin) {
            x_ = kMargin;
            y_ += rowHeight_ + kMargin;
            rowHeight_ = 0;
        }
        const Placed at{x_, y_};
        x_ += width + kMargin;
        rowHeight_ = std::max(rowHeight_, height);
        return at;
    }
    int Bottom() const { return y_ + rowHeight_; }

private:
    int x_;
    int y_;
    int rowHeight_ = 0;
};

constexpr int kLabelHeight = 2 * skin::kGlyphHeight + 6;

std::string BitmapLabel(int index, const TSeBitmap& b) {
    std::string label = "#";
    label += std::to_string(index);
    label += " " + b.Name() + " " + std::to_string(b.Width()) + "x" + std::to_string(b.Height());
    return label;
}

// The sheet in two passes: one to measure (`sheet` empty), one to draw.
int DrawSheet(const skin::TSeSkinSource& source, TSeBitmap* sheet) {
    auto text = [&](int x, int y, const std::string& s, TPixel colour, int scale) {
        if (sheet) skin::DrawPixelText(*sheet, x, y, s, colour, scale);
    };
    int y = kMargin;
    text(kMargin, y,
         source.SkinName() + " " + source.SkinVersion() + "  -  " + std::to_string(source.Bitmaps().Count()) +
             " bitmaps, " + std::to_string(source.Count()) + " top-level objects",
         kLabel, 3);
    y += 3 * skin::kGlyphHeight + kMargin;
    text(kMargin, y, "Bitmaps in stored order, 3x. Checkerboard: transparent (key colour).", kDimLabel, 2);
    y += kLabelHeight + kMargin / 2;

    Flow flow(y);
    for (int i = 0; i < source.Bitmaps().Count(); ++i) {
        const TSeBitmap& b = *source.Bitmaps().Items(i);
        const std::string label = BitmapLabel(i, b);
        const int w = std::max(b.Width() * kZoom, skin::PixelTextWidth(label, 2));
        const Placed at = flow.Next(w, kLabelHeight + b.Height() * kZoom);
        text(at.x, at.y, label, kLabel, 2);
        if (sheet) {
            Blit(*sheet, at.x, at.y + kLabelHeight, b, b.BoundsRect(), kZoom);
            Outline(*sheet, skin::MakeBounds(at.x, at.y + kLabelHeight, b.Width() * kZoom, b.Height() * kZoom),
                    0xFF202226);
        }
    }
    y = flow.Bottom() + 2 * kMargin;

    // The frame at the window's size, then details of it enlarged.
    constexpr int kW = 366, kH = 459;
    struct Preview {
        const char* label;
        bool active;
        CaptionButtons buttons;
    };
    const Preview previews[] = {
        {"Active, 366x459", true, CaptionButtons::kCloseOnly},
        {"Inactive", false, CaptionButtons::kCloseOnly},
        {"All buttons, close hot, min pressed", true, CaptionButtons::kAll},
    };
    text(kMargin, y, "The form object laid out at 366x459 and drawn (text in a stand-in pixel font)", kDimLabel, 2);
    y += kLabelHeight + kMargin / 2;
    std::vector<std::unique_ptr<TSeBitmap>> frames;
    int x = kMargin;
    for (const Preview& p : previews) {
        auto frame = std::make_unique<TSeBitmap>();
        RenderFramePreview(source, kW, kH, p.active, p.buttons, L"Flash cartridge diagnostic", *frame);
        text(x, y, p.label, kLabel, 2);
        if (sheet) Blit(*sheet, x, y + kLabelHeight, *frame, frame->BoundsRect(), 1);
        frames.push_back(std::move(frame));
        x += kW + kMargin;
    }
    y += kLabelHeight + kH + 2 * kMargin;

    text(kMargin, y, "Details 4x: corners and caption buttons (active, inactive, all buttons)", kDimLabel, 2);
    y += kLabelHeight + kMargin / 2;
    const TRect details[] = {skin::MakeRect(0, 0, 40, 40), skin::MakeRect(kW - 104, 0, kW, 40),
                             skin::MakeRect(kW - 24, kH - 24, kW, kH)};
    Flow zoom(y);
    for (const auto& frame : frames) {
        for (const TRect& d : details) {
            const Placed at = zoom.Next(skin::RectWidth(d) * 4, skin::RectHeight(d) * 4);
            if (sheet) Blit(*sheet, at.x, at.y, *frame, d, 4);
        }
    }
    y = zoom.Bottom() + 2 * kMargin;

    text(kMargin, y, "Progress bar 300x14 at 0, 45 and 100 percent, and the system menu, 2x", kDimLabel, 2);
    y += kLabelHeight + kMargin / 2;
    int barY = y;
    for (double fraction : {0.0, 0.45, 1.0}) {
        TSeBitmap bar;
        RenderProgressPreview(source, 300, 14, fraction, bar);
        if (sheet) Blit(*sheet, kMargin, barY, bar, bar.BoundsRect(), 2);
        barY += 2 * 14 + kMargin;
    }
    TSeBitmap menu;
    RenderPopupPreview(source, 160, {L"Rollup", L"Minimize to Tray", L"-", L"Close"}, 1, menu);
    if (sheet) Blit(*sheet, 2 * kMargin + 600, y, menu, menu.BoundsRect(), 2);
    return std::max(barY, y + 2 * menu.Height()) + kMargin;
}

std::unique_ptr<skin::TSeSkinObject> CopyOf(const skin::TSeSkinSource& source, const char* name) {
    const skin::TSeSkinObject* object = source.GetObjectByName(name);
    if (!object) return nullptr;
    skin::RegisterSkinObjectClasses();
    return std::unique_ptr<skin::TSeSkinObject>(skin::CloneObject(*object, nullptr));
}

}  // namespace

void RenderFramePreview(const skin::TSeSkinSource& source, int width, int height, bool active,
                        CaptionButtons buttons, const std::wstring& caption, TSeBitmap& out) {
    out.SetSize(width, height);
    out.Fill(skin::kKeyPixel);
    const skin::TSeSkinObject* form = source.GetFormObject();
    if (!form) return;
    skin::RegisterSkinObjectClasses();
    std::unique_ptr<skin::TSeSkinObject> copy(skin::CloneObject(*form, nullptr));
    if (!copy) return;
    copy->SetBounds(skin::MakeBounds(0, 0, width, height));
    copy->SetActive(active);
    if (skin::TSeSkinObject* title = copy->FindByKind(skin::skTitle)) title->SetText(caption);
    // Without a form behind it the tree shows every caption button; hide
    // those the chosen look does not show.
    auto hide = [&](const char* name) {
        if (skin::TSeSkinObject* o = copy->FindByName(name)) o->SetVisible(false);
    };
    hide("RestoreButton");
    if (buttons == CaptionButtons::kCloseOnly) {
        hide("MinButton");
        hide("MaxButton");
    } else {
        if (skin::TSeSkinObject* close = copy->FindByName("CloseButton")) close->MouseEnter();
        if (skin::TSeSkinObject* min = copy->FindByName("MinButton")) min->MouseDown(skin::mbLeft, 1, 1);
    }
    skin::SoftwareCanvas canvas(out);
    copy->Draw(canvas);
}

void RenderProgressPreview(const skin::TSeSkinSource& source, int width, int height, double fraction,
                           TSeBitmap& out) {
    out.SetSize(width, height);
    out.Fill(skin::ColorToPixel(0xCED7D6));
    std::unique_ptr<skin::TSeSkinObject> copy = CopyOf(source, "ProgressBar");
    if (!copy) return;
    copy->SetBounds(skin::MakeBounds(0, 0, width, height));
    skin::SoftwareCanvas canvas(out);
    if (skin::TSeSkinObject* frame = copy->FindByName("Frame")) {
        frame->SetBounds(skin::MakeBounds(0, 0, width, height));
        frame->Draw(canvas);
    }
    const int filled = int(width * fraction + 0.5);
    skin::TSeSkinObject* bar = copy->FindByName("BarHorz");
    if (bar && filled > 0) {
        bar->SetBounds(skin::MakeBounds(0, 0, filled, height));
        bar->Draw(canvas);
    }
}

void RenderPopupPreview(const skin::TSeSkinSource& source, int width, const std::vector<std::wstring>& items,
                        int selected, TSeBitmap& out) {
    constexpr int kInset = 8, kItemHeight = 20;
    const int height = 2 * kInset + kItemHeight * int(items.size());
    out.SetSize(width, height);
    out.Fill(skin::kKeyPixel);
    std::unique_ptr<skin::TSeSkinObject> copy = CopyOf(source, "PopupMenu");
    if (!copy) return;
    skin::SoftwareCanvas canvas(out);
    if (skin::TSeSkinObject* frame = copy->FindByName("Frame")) {
        frame->SetBounds(skin::MakeBounds(0, 0, width, height));
        frame->Draw(canvas);
    }
    skin::TSeSkinObject* item = copy->FindByName("Item");
    if (!item) return;
    for (int i = 0; i < int(items.size()); ++i) {
        item->SetBounds(skin::MakeBounds(kInset, kInset + i * kItemHeight, width - 2 * kInset, kItemHeight));
        item->SetText(items[std::size_t(i)]);
        item->SetState(i == selected ? skin::kStateFocused : skin::kStateNormal);
        canvas.SetFont(*item->GetFont());
        item->Draw(canvas);
    }
}

void RenderContactSheet(const skin::TSeSkinSource& source, TSeBitmap& out) {
    const int height = DrawSheet(source, nullptr);
    out.SetSize(kSheetWidth, height);
    out.Fill(kSheetBack);
    DrawSheet(source, &out);
}

}  // namespace skingen
