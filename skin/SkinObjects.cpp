#include "skin/SkinObjects.h"

#include <algorithm>

#include "skin/RegionRuns.h"
#include "skin/SeBitmap.h"
#include "skin/SeBitmapList.h"
#include "skin/SkinCanvas.h"
#include "skin/SkinObjectControl.h"

namespace skin {

using framework::TFont;
using framework::TPersistent;

namespace {

void ShiftFontHue(TFont& font, int delta, void (*shift)(TColor&, int)) {
    TColor color = font.Color();
    shift(color, delta);
    font.SetColor(color);
}

bool HotOrFocused(int state) { return state == kStateHot || state == kStateFocused; }

// Restores a system button's look after it drew in its hot or pressed state.
template <class F>
struct OnExit {
    F f;
    ~OnExit() { f(); }
};
template <class F>
OnExit(F) -> OnExit<F>;

}  // namespace

// ---- shared bitmap drawing --------------------------------------------------

namespace bitmapdraw {

void DrawPiece(SkinCanvas& canvas, const TSeBitmapLink& link, const TRect& source, const TRect& destination,
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

void DrawNinePiece(SkinCanvas& canvas, const TSeBitmapLink& link, const TRect& bounds, int ml, int mt, int mr,
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
        DrawPiece(canvas, link, src, dst, style, masked);
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

std::optional<SkinRegion> MaskedRegion(TSeSkinObject& object) {
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

}  // namespace bitmapdraw

// ---- TSeActiveObject ------------------------------------------------------------

TSeActiveObject::TSeActiveObject(framework::TComponent* owner)
    : TSeSkinObject(owner), activeFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeActiveObject::ClassProperties() {
    using T = TSeActiveObject;
    static const framework::PropertyTable table(&TSeSkinObject::ClassProperties(),
                                                {
                                                    framework::ColorProperty("ActiveColor", &T::ActiveColor,
                                                                             &T::SetActiveColor),
                                                    framework::ObjectProperty("ActiveFont", &T::ActiveFont),
                                                });
    return table;
}

void TSeActiveObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveObject*>(&source)) {
        activeColor_ = s->activeColor_;
        activeFont_->Assign(*s->activeFont_);
    }
}

TFont* TSeActiveObject::GetFont() const {
    const int s = State();
    return s == kStateHot || s == kStatePressed || s == kStateFocused ? activeFont_.get() : Font();
}

void TSeActiveObject::Draw(SkinCanvas& canvas) {
    const int s = State();
    if (Active() || s == kStateHot || s == kStatePressed || s == kStateFocused)
        DrawPlain(canvas, activeColor_, *activeFont_);
    else
        TSeSkinObject::Draw(canvas);
}

void TSeActiveObject::ChangeHue(int delta) {
    ShiftColorHue(activeColor_, delta);
    ShiftFontHue(*activeFont_, delta, &ShiftColorHue);
    TSeSkinObject::ChangeHue(delta);
}

void TSeActiveObject::SetCharset(int charset) {
    activeFont_->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

// ---- TSeBitmapObject ------------------------------------------------------------

TSeBitmapObject::TSeBitmapObject(framework::TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeBitmapObject::ClassProperties() {
    using T = TSeBitmapObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::ObjectProperty("Bitmap", &T::Bitmap),
            framework::EnumProperty("BorderTileStyle", TileStyleInfo(), &T::BorderTileStyle, &T::SetBorderTileStyle),
            framework::EnumProperty("TileStyle", TileStyleInfo(), &T::TileStyle, &T::SetTileStyle),
        });
    return table;
}

void TSeBitmapObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeBitmapObject*>(&source)) {
        bitmap_->Assign(*s->bitmap_);
        tileStyle_ = s->tileStyle_;
        borderTileStyle_ = s->borderTileStyle_;
    }
}

void TSeBitmapObject::Relink(TSeBitmapLink& link) const {
    // A link without a name stands for no bitmap.
    if (!BitmapList() || link.Name().empty()) return;
    if (auto found = BitmapList()->GetLink(link.Name(), link.Rect())) link.Assign(*found);
}

void TSeBitmapObject::LinkBitmaps() {
    TSeSkinObject::LinkBitmaps();
    Relink(*bitmap_);
}

void TSeBitmapObject::DrawWithLink(SkinCanvas& canvas, const TSeBitmapLink& link) {
    if (!Visible() || !link.Valid() || Width() <= 0 || Height() <= 0) return;
    bitmapdraw::DrawNinePiece(canvas, link, BoundsRect(), MarginLeft(), MarginTop(), MarginRight(), MarginBottom(),
                              tileStyle_, borderTileStyle_, Masked());
    DrawText(canvas);
    AlignChildren();
    DrawChildren(canvas);
}

void TSeBitmapObject::Draw(SkinCanvas& canvas) { DrawWithLink(canvas, *bitmap_); }

std::optional<SkinRegion> TSeBitmapObject::CreateRegion() {
    if (!bitmap_->Valid() || Width() <= 0 || Height() <= 0) return std::nullopt;
    if (Kind() != skClient && Masked()) return bitmapdraw::MaskedRegion(*this);
    return TSeSkinObject::CreateRegion();
}

// ---- TSeActiveBitmap -------------------------------------------------------------

TSeActiveBitmap::TSeActiveBitmap(framework::TComponent* owner)
    : TSeBitmapObject(owner), activeBitmap_(std::make_unique<TSeBitmapLink>()),
      activeFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeActiveBitmap::ClassProperties() {
    using T = TSeActiveBitmap;
    static const framework::PropertyTable table(&TSeBitmapObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("ActiveBitmap", &T::ActiveBitmap),
                                                    framework::ObjectProperty("ActiveFont", &T::ActiveFont),
                                                });
    return table;
}

void TSeActiveBitmap::Assign(const TSeSkinObject& source) {
    TSeBitmapObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveBitmap*>(&source)) {
        activeBitmap_->Assign(*s->activeBitmap_);
        activeFont_->Assign(*s->activeFont_);
    }
}

TFont* TSeActiveBitmap::GetFont() const { return HotOrFocused(State()) ? activeFont_.get() : Font(); }

void TSeActiveBitmap::LinkBitmaps() {
    TSeBitmapObject::LinkBitmaps();
    Relink(*activeBitmap_);
}

void TSeActiveBitmap::Draw(SkinCanvas& canvas) {
    if ((Active() || HotOrFocused(State())) && activeBitmap_->Valid())
        DrawWithLink(canvas, *activeBitmap_);
    else
        DrawWithLink(canvas, *Bitmap());
}

void TSeActiveBitmap::SetCharset(int charset) {
    activeFont_->SetCharset(charset);
    TSeBitmapObject::SetCharset(charset);
}

// ---- system buttons ------------------------------------------------------------------

namespace sysbutton {

void ApplyVisibility(TSeSkinObject& button, TSeAction a, int state) {
    SkinnedForm* form = button.GetSkinForm();
    if (!form) return;
    switch (state) {
        case kStateNormal: button.SetVisible(!(a == sbaRestore || a == sbaRollDown)); break;
        case kStateMaximized: button.SetVisible(!(a == sbaMaximize || a == sbaRollDown)); break;
        case kStateMinimized:
            button.SetVisible(!(a == sbaMinimize || a == sbaMaximize || a == sbaRollUp || a == sbaRollDown));
            break;
        case kStateRolledUp: button.SetVisible(!(a == sbaRestore || a == sbaRollUp)); break;
        default: break;
    }
    std::uint32_t needed = 0;
    switch (a) {
        case sbaClose: needed = BorderIconBit(kbiClose); break;
        case sbaHelp: needed = BorderIconBit(kbiHelp); break;
        case sbaMinimize: needed = BorderIconBit(kbiMinimize); break;
        case sbaMaximize:
        case sbaRestore: needed = BorderIconBit(kbiMaximize); break;
        case sbaRollUp:
        case sbaRollDown: needed = BorderIconBit(kbiRollup); break;
        case sbaTray: needed = BorderIconBit(kbiTray); break;
        case sbaSysMenu: needed = BorderIconBit(kbiSystemMenu); break;
        default: break;
    }
    if (needed != 0 && (form->BorderIcons() & needed) == 0) button.SetVisible(false);
}

void RunAction(TSeSkinObject& button, TSeAction action) {
    SkinnedForm* form = button.GetSkinForm();
    if (!form) return;
    switch (action) {
        case sbaClose: form->CloseForm(); break;
        case sbaHelp: form->ContextHelp(); break;
        case sbaMinimize: form->Minimize(); break;
        case sbaMaximize: form->Maximize(); break;
        case sbaRestore:
        case sbaRollDown: form->Restore(); break;
        case sbaRollUp: form->Rollup(); break;
        case sbaTray: form->MinToTray(); break;
        case sbaSysMenu: form->PopupSystemMenu(); break;
        case sbaCustom: form->CustomAction(button); break;
        default: break;
    }
}

}  // namespace sysbutton

TSeSystemButton::TSeSystemButton(framework::TComponent* owner)
    : TSeActiveBitmap(owner), bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapPressed_(std::make_unique<TSeBitmapLink>()) {
    SetKind(skSysButton);
}

const framework::PropertyTable& TSeSystemButton::ClassProperties() {
    using T = TSeSystemButton;
    static const framework::PropertyTable table(
        &TSeActiveBitmap::ClassProperties(),
        {
            framework::EnumProperty("Action", ActionInfo(), &T::Action, &T::SetAction),
            framework::ObjectProperty("BitmapHot", &T::BitmapHot),
            framework::ObjectProperty("BitmapPressed", &T::BitmapPressed),
        });
    return table;
}

void TSeSystemButton::Assign(const TSeSkinObject& source) {
    TSeActiveBitmap::Assign(source);
    if (auto* s = dynamic_cast<const TSeSystemButton*>(&source)) {
        action_ = s->action_;
        bitmapHot_->Assign(*s->bitmapHot_);
        bitmapPressed_->Assign(*s->bitmapPressed_);
    }
}

void TSeSystemButton::SetState(int state) {
    TSeActiveBitmap::SetState(state);
    sysbutton::ApplyVisibility(*this, action_, state);
}

void TSeSystemButton::LinkBitmaps() {
    TSeActiveBitmap::LinkBitmaps();
    Relink(*bitmapHot_);
    Relink(*bitmapPressed_);
}

void TSeSystemButton::Draw(SkinCanvas& canvas) {
    if (!Visible() || Width() <= 0 || Height() <= 0) return;
    if (action_ == sbaSysMenu && Control() && Control()->IsForm()) {
        canvas.DrawIcon(Control()->Icon(), Left(), Top());
        return;
    }
    if (!Active()) {
        SetChildrenState(kStateDisabled);
        OnExit restore{[&] { SetChildrenState(kStateNormal); }};
        TSeActiveBitmap::Draw(canvas);
        return;
    }
    if (buttonState_ == 0) {
        TSeActiveBitmap::Draw(canvas);
        return;
    }
    // Hot and pressed draw their bitmap as the plain one, with the active
    // look off; everything is put back afterwards.
    const TSeBitmapLink& stateLink = buttonState_ == 1 ? *bitmapHot_ : *bitmapPressed_;
    const TSeBitmapLink saved = *Bitmap();
    if (stateLink.Valid()) Bitmap()->Assign(stateLink);
    SetActive(false);
    SetChildrenState(buttonState_ == 1 ? kStateHot : kStatePressed);
    OnExit restore{[&] {
        Bitmap()->Assign(saved);
        SetActive(true);
        SetChildrenState(kStateNormal);
    }};
    TSeActiveBitmap::Draw(canvas);
}

void TSeSystemButton::MouseEnter() {
    buttonState_ = (lastShift_ & ssLeft) ? 2 : 1;
    Invalidate();
}

void TSeSystemButton::MouseLeave() {
    buttonState_ = 0;
    Invalidate();
}

void TSeSystemButton::MouseDown(TMouseButton button, int, int) {
    if (button != mbLeft) return;
    buttonState_ = 2;
    Invalidate();
}

void TSeSystemButton::MouseMove(TShiftState shift, int, int) {
    if (buttonState_ == 2 && (shift & ssLeft)) Invalidate();
    lastShift_ = shift;
}

void TSeSystemButton::MouseUp(TMouseButton button, int, int) {
    // The action may close the form and free this copy: nothing of this
    // object is touched after it.
    lastShift_ = 0;
    if (buttonState_ == 2 && button == mbLeft) {
        buttonState_ = 1;
        Invalidate();
        sysbutton::RunAction(*this, action_);
    }
}

void TSeSystemButton::MouseDoubleClick(TMouseButton button, int, int) {
    if (button != mbLeft || action_ != sbaSysMenu) return;
    if (SkinnedForm* form = GetSkinForm()) form->CloseForm();
}

// ---- TSeButtonObject ------------------------------------------------------------------

TSeButtonObject::TSeButtonObject(framework::TComponent* owner)
    : TSeBitmapObject(owner), bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapFocused_(std::make_unique<TSeBitmapLink>()), bitmapPressed_(std::make_unique<TSeBitmapLink>()),
      bitmapDisabled_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeButtonObject::ClassProperties() {
    using T = TSeButtonObject;
    static const framework::PropertyTable table(&TSeBitmapObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("BitmapHot", &T::BitmapHot),
                                                    framework::ObjectProperty("BitmapFocused", &T::BitmapFocused),
                                                    framework::ObjectProperty("BitmapPressed", &T::BitmapPressed),
                                                    framework::ObjectProperty("BitmapDisabled", &T::BitmapDisabled),
                                                });
    return table;
}

void TSeButtonObject::Assign(const TSeSkinObject& source) {
    TSeBitmapObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeButtonObject*>(&source)) {
        bitmapHot_->Assign(*s->bitmapHot_);
        bitmapFocused_->Assign(*s->bitmapFocused_);
        bitmapPressed_->Assign(*s->bitmapPressed_);
        bitmapDisabled_->Assign(*s->bitmapDisabled_);
    }
}

const TSeBitmapLink& TSeButtonObject::StateBitmap() const {
    const TSeBitmapLink* link = nullptr;
    switch (State()) {
        case kStateFocused: link = bitmapFocused_.get(); break;
        case kStateHot: link = bitmapHot_.get(); break;
        case kStateDisabled: link = bitmapDisabled_.get(); break;
        case kStatePressed: link = bitmapPressed_.get(); break;
        default: break;
    }
    return link && link->Valid() ? *link : *Bitmap();
}

void TSeButtonObject::LinkBitmaps() {
    TSeBitmapObject::LinkBitmaps();
    Relink(*bitmapFocused_);
    Relink(*bitmapHot_);
    Relink(*bitmapPressed_);
    Relink(*bitmapDisabled_);
}

void TSeButtonObject::Draw(SkinCanvas& canvas) {
    if (!Bitmap()->Valid()) return;
    DrawWithLink(canvas, StateBitmap());
}

// ---- TSeTextObject ----------------------------------------------------------------------

TSeTextObject::TSeTextObject(framework::TComponent* owner)
    : TSeSkinObject(owner), fontHot_(std::make_unique<TFont>()), fontFocused_(std::make_unique<TFont>()),
      fontPressed_(std::make_unique<TFont>()), fontDisabled_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeTextObject::ClassProperties() {
    using T = TSeTextObject;
    static const framework::PropertyTable table(&TSeSkinObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("FontHot", &T::FontHot),
                                                    framework::ObjectProperty("FontFocused", &T::FontFocused),
                                                    framework::ObjectProperty("FontPressed", &T::FontPressed),
                                                    framework::ObjectProperty("FontDisabled", &T::FontDisabled),
                                                });
    return table;
}

void TSeTextObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeTextObject*>(&source)) {
        fontHot_->Assign(*s->fontHot_);
        fontFocused_->Assign(*s->fontFocused_);
        fontPressed_->Assign(*s->fontPressed_);
        fontDisabled_->Assign(*s->fontDisabled_);
    }
}

TFont* TSeTextObject::GetFont() const {
    switch (State()) {
        case kStateHot: return fontHot_.get();
        case kStatePressed: return fontPressed_.get();
        case kStateFocused: return fontFocused_.get();
        case kStateDisabled: return fontDisabled_.get();
        default: return Font();
    }
}

void TSeTextObject::Draw(SkinCanvas& canvas) { DrawPlain(canvas, Color(), *GetFont()); }

void TSeTextObject::ChangeHue(int delta) {
    for (TFont* f : {fontHot_.get(), fontFocused_.get(), fontPressed_.get(), fontDisabled_.get()})
        ShiftFontHue(*f, delta, &ShiftColorHue);
    TSeSkinObject::ChangeHue(delta);
}

void TSeTextObject::SetCharset(int charset) {
    for (TFont* f : {fontHot_.get(), fontFocused_.get(), fontPressed_.get(), fontDisabled_.get()})
        f->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin
