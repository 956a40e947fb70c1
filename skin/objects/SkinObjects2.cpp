#include "skin/objects/SkinObjects2.h"

#include <algorithm>
#include <limits>

#include "skin/objects/BitmapPieces.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectControl.h"
#include "skin/objects/SystemButtonActions.h"

namespace skin {

using framework::TFont;

namespace {

bool HotOrFocused(int state) { return state == kStateHot || state == kStateFocused; }


const TSeBitmapLink& FirstValid(const TSeBitmapLink* preferred, const TSeBitmapLink& fallback) {
    return preferred && preferred->Valid() ? *preferred : fallback;
}

}  // namespace

// ---- TSeLinkSkinObject ---------------------------------------------------------

TSeLinkSkinObject::TSeLinkSkinObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

const framework::PropertyTable& TSeLinkSkinObject::ClassProperties() {
    using T = TSeLinkSkinObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {framework::StringProperty("LinkControl", &T::LinkControl, &T::SetLinkControl)});
    return table;
}

void TSeLinkSkinObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeLinkSkinObject*>(&source)) linkControl_ = s->linkControl_;
}

void TSeLinkSkinObject::Draw(SkinCanvas& canvas) {
    if (State() != kStateLinkView || !Visible() || Width() <= 0 || Height() <= 0) return;
    const TRect bounds = BoundsRect();
    canvas.FillRect(bounds, 0xFFFFFF);
    canvas.FrameRect(bounds, 0x000000);
    TFont font;
    font.SetName("Arial");
    font.SetStyle(framework::fsItalic);
    font.SetColor(0x000000);
    canvas.SetFont(font);
    // Control names are ASCII component names.
    const std::wstring name(linkControl_.begin(), linkControl_.end());
    canvas.DrawText(name, bounds, kTextCenter | kTextVCenter | kTextSingleLine);
}

// ---- TSeActiveSkinObject -------------------------------------------------------

TSeActiveSkinObject::TSeActiveSkinObject(framework::TComponent* owner)
    : TSeSkinObject(owner), activeFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeActiveSkinObject::ClassProperties() {
    using T = TSeActiveSkinObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::ColorProperty("ActiveColor", &T::ActiveColor, &T::SetActiveColor),
            framework::ObjectProperty("ActiveFont", &T::ActiveFont),
        });
    return table;
}

void TSeActiveSkinObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveSkinObject*>(&source)) {
        activeColor_ = s->activeColor_;
        activeFont_->Assign(*s->activeFont_);
    }
}

TFont* TSeActiveSkinObject::GetFont() const { return HotOrFocused(State()) ? activeFont_.get() : Font(); }

void TSeActiveSkinObject::Draw(SkinCanvas& canvas) {
    if (HotOrFocused(State()))
        DrawPlain(canvas, activeColor_, *activeFont_);
    else
        TSeSkinObject::Draw(canvas);
}

void TSeActiveSkinObject::ChangeHue(int delta) {
    ShiftColorHue(activeColor_, delta);
    ShiftFontHue(*activeFont_, delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeActiveSkinObject::SetCharset(int charset) {
    activeFont_->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

// ---- TSeBitmapSkinObject --------------------------------------------------------

TSeBitmapSkinObject::TSeBitmapSkinObject(framework::TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeBitmapSkinObject::ClassProperties() {
    using T = TSeBitmapSkinObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::ObjectProperty("Bitmap", &T::Bitmap),
            framework::EnumProperty("TileStyle", TileStyleInfo(), &T::TileStyle, &T::SetTileStyle),
        });
    return table;
}

void TSeBitmapSkinObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeBitmapSkinObject*>(&source)) {
        bitmap_->Assign(*s->bitmap_);
        tileStyle_ = s->tileStyle_;
    }
}

void TSeBitmapSkinObject::LinkBitmaps() {
    TSeSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmap_);
}

void TSeBitmapSkinObject::Draw(SkinCanvas& canvas) {
    const TSeBitmapLink& link = CurrentBitmap();
    if (!Visible() || !link.Valid() || Width() <= 0 || Height() <= 0) return;
    DrawNinePieces(canvas, link, BoundsRect(), 0, 0, 0, 0, tileStyle_, tileStyle_, Masked());
    DrawText(canvas);
}

std::optional<SkinRegion> TSeBitmapSkinObject::CreateRegion() {
    if (!bitmap_->Valid() || Width() <= 0 || Height() <= 0) return std::nullopt;
    if (Kind() == skClient) return TSeSkinObject::CreateRegion();
    return MaskedObjectRegion(*this);
}

// ---- TSeFormBitmapSkinObject ------------------------------------------------------

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(framework::TComponent* owner)
    : TSeBitmapSkinObject(owner), inactiveBitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeFormBitmapSkinObject::ClassProperties() {
    using T = TSeFormBitmapSkinObject;
    static const framework::PropertyTable table(&TSeBitmapSkinObject::ClassProperties(),
                                                {framework::ObjectProperty("InactiveBitmap", &T::InactiveBitmap)});
    return table;
}

void TSeFormBitmapSkinObject::Assign(const TSeSkinObject& source) {
    TSeBitmapSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeFormBitmapSkinObject*>(&source)) inactiveBitmap_->Assign(*s->inactiveBitmap_);
}

void TSeFormBitmapSkinObject::LinkBitmaps() {
    TSeBitmapSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *inactiveBitmap_);
}

const TSeBitmapLink& TSeFormBitmapSkinObject::CurrentBitmap() const {
    return Active() ? *Bitmap() : FirstValid(inactiveBitmap_.get(), *Bitmap());
}

// ---- TSeSysButtonSkinObject --------------------------------------------------------

TSeSysButtonSkinObject::TSeSysButtonSkinObject(framework::TComponent* owner)
    : TSeBitmapSkinObject(owner), bitmapHover_(std::make_unique<TSeBitmapLink>()),
      bitmapDown_(std::make_unique<TSeBitmapLink>()) {
    SetKind(skSysButton);
}

const framework::PropertyTable& TSeSysButtonSkinObject::ClassProperties() {
    using T = TSeSysButtonSkinObject;
    static const framework::PropertyTable table(
        &TSeBitmapSkinObject::ClassProperties(),
        {
            framework::EnumProperty("Action", ActionInfo(), &T::Action, &T::SetAction),
            framework::ObjectProperty("BitmapHover", &T::BitmapHover),
            framework::ObjectProperty("BitmapDown", &T::BitmapDown),
            framework::StringProperty("RollPanel", &T::RollPanel, &T::SetRollPanel),
        });
    return table;
}

void TSeSysButtonSkinObject::Assign(const TSeSkinObject& source) {
    TSeBitmapSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeSysButtonSkinObject*>(&source)) {
        action_ = s->action_;
        bitmapHover_->Assign(*s->bitmapHover_);
        bitmapDown_->Assign(*s->bitmapDown_);
        rollPanel_ = s->rollPanel_;
    }
}

void TSeSysButtonSkinObject::SetState(int state) {
    TSeBitmapSkinObject::SetState(state);
    ApplySystemButtonVisibility(*this, action_, state);
}

void TSeSysButtonSkinObject::LinkBitmaps() {
    TSeBitmapSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmapHover_);
    ResolveLink(BitmapList(), *bitmapDown_);
}

const TSeBitmapLink& TSeSysButtonSkinObject::CurrentBitmap() const {
    // As a caption button of the first family: an inactive window shows
    // the plain bitmap whatever the mouse does.
    if (!Active()) return *Bitmap();
    if (buttonState_ == 1) return FirstValid(bitmapHover_.get(), *Bitmap());
    if (buttonState_ == 2) return FirstValid(bitmapDown_.get(), *Bitmap());
    return *Bitmap();
}

void TSeSysButtonSkinObject::Draw(SkinCanvas& canvas) {
    if (!Visible() || Width() <= 0 || Height() <= 0) return;
    if (action_ == sbaSysMenu && Control() && Control()->IsForm()) {
        canvas.DrawIcon(Control()->Icon(), Left(), Top());
        return;
    }
    TSeBitmapSkinObject::Draw(canvas);
}

void TSeSysButtonSkinObject::MouseEnter() {
    buttonState_ = (lastShift_ & ssLeft) ? 2 : 1;
    Invalidate();
}

void TSeSysButtonSkinObject::MouseLeave() {
    buttonState_ = 0;
    Invalidate();
}

void TSeSysButtonSkinObject::MouseDown(TMouseButton button, int, int) {
    if (button != mbLeft) return;
    buttonState_ = 2;
    Invalidate();
}

void TSeSysButtonSkinObject::MouseMove(TShiftState shift, int, int) {
    if (buttonState_ == 2 && (shift & ssLeft)) Invalidate();
    lastShift_ = shift;
}

void TSeSysButtonSkinObject::MouseUp(TMouseButton button, int, int) {
    // The action may free this object: nothing of it is touched afterwards.
    lastShift_ = 0;
    if (buttonState_ == 2 && button == mbLeft) {
        buttonState_ = 1;
        Invalidate();
        RunAction();
    }
}

void TSeSysButtonSkinObject::MouseDoubleClick(TMouseButton button, int, int) {
    if (button != mbLeft || action_ != sbaSysMenu) return;
    if (SkinnedForm* form = GetSkinForm()) form->CloseForm();
}

void TSeSysButtonSkinObject::RunAction() {
    if (action_ != sbaRollPanel) {
        RunSystemButtonAction(*this, action_);
        return;
    }
    if (rollPanel_.empty()) return;
    if (auto* panel = dynamic_cast<TSeRollPanelObject*>(Root()->FindByName(rollPanel_))) panel->Roll();
}

// ---- TSeColorButtonObject ------------------------------------------------------------

TSeColorButtonObject::TSeColorButtonObject(framework::TComponent* owner)
    : TSeSkinObject(owner), hotFont_(std::make_unique<TFont>()), pressedFont_(std::make_unique<TFont>()),
      focusedFont_(std::make_unique<TFont>()), disabledFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeColorButtonObject::ClassProperties() {
    using T = TSeColorButtonObject;
    using namespace framework;
    static const PropertyTable table(&TSeSkinObject::ClassProperties(),
                                     {
                                         ColorProperty("HotColor", &T::HotColor, &T::SetHotColor),
                                         ObjectProperty("HotFont", &T::HotFont),
                                         ColorProperty("PressedColor", &T::PressedColor, &T::SetPressedColor),
                                         ObjectProperty("PressedFont", &T::PressedFont),
                                         ColorProperty("FocusedColor", &T::FocusedColor, &T::SetFocusedColor),
                                         ObjectProperty("FocusedFont", &T::FocusedFont),
                                         ColorProperty("DisabledColor", &T::DisabledColor, &T::SetDisabledColor),
                                         ObjectProperty("DisabledFont", &T::DisabledFont),
                                     });
    return table;
}

void TSeColorButtonObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeColorButtonObject*>(&source)) {
        hotColor_ = s->hotColor_;
        pressedColor_ = s->pressedColor_;
        focusedColor_ = s->focusedColor_;
        disabledColor_ = s->disabledColor_;
        hotFont_->Assign(*s->hotFont_);
        pressedFont_->Assign(*s->pressedFont_);
        focusedFont_->Assign(*s->focusedFont_);
        disabledFont_->Assign(*s->disabledFont_);
    }
}

void TSeColorButtonObject::Draw(SkinCanvas& canvas) {
    switch (State()) {
        case kStateHot: DrawPlain(canvas, hotColor_, *hotFont_); break;
        case kStatePressed: DrawPlain(canvas, pressedColor_, *pressedFont_); break;
        case kStateFocused: DrawPlain(canvas, focusedColor_, *focusedFont_); break;
        case kStateDisabled: DrawPlain(canvas, disabledColor_, *disabledFont_); break;
        default: TSeSkinObject::Draw(canvas); break;
    }
}

void TSeColorButtonObject::ChangeHue(int delta) {
    for (TColor* c : {&hotColor_, &pressedColor_, &focusedColor_, &disabledColor_}) ShiftColorHue(*c, delta);
    for (TFont* f : {hotFont_.get(), pressedFont_.get(), focusedFont_.get(), disabledFont_.get()})
        ShiftFontHue(*f, delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeColorButtonObject::SetCharset(int charset) {
    for (TFont* f : {hotFont_.get(), pressedFont_.get(), focusedFont_.get(), disabledFont_.get()})
        f->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

// ---- TSeBitmapBoxObject ---------------------------------------------------------------

TSeBitmapBoxObject::TSeBitmapBoxObject(framework::TComponent* owner) : TSeBitmapSkinObject(owner) {}

const framework::PropertyTable& TSeBitmapBoxObject::ClassProperties() {
    using T = TSeBitmapBoxObject;
    static const framework::PropertyTable table(
        &TSeBitmapSkinObject::ClassProperties(),
        {framework::EnumProperty("BorderTileStyle", TileStyleInfo(), &T::BorderTileStyle, &T::SetBorderTileStyle)});
    return table;
}

void TSeBitmapBoxObject::Assign(const TSeSkinObject& source) {
    TSeBitmapSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeBitmapBoxObject*>(&source)) borderTileStyle_ = s->borderTileStyle_;
}

void TSeBitmapBoxObject::Draw(SkinCanvas& canvas) {
    const TSeBitmapLink& link = CurrentBitmap();
    if (!Visible() || !link.Valid() || Width() <= 0 || Height() <= 0) return;
    DrawNinePieces(canvas, link, BoundsRect(), MarginLeft(), MarginTop(), MarginRight(), MarginBottom(),
                              TileStyle(), borderTileStyle_, Masked());
    DrawText(canvas);
}

// ---- TSeActiveBitmapBoxObject -------------------------------------------------------------

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(framework::TComponent* owner)
    : TSeBitmapBoxObject(owner), focusedBitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeActiveBitmapBoxObject::ClassProperties() {
    using T = TSeActiveBitmapBoxObject;
    static const framework::PropertyTable table(&TSeBitmapBoxObject::ClassProperties(),
                                                {framework::ObjectProperty("FocusedBitmap", &T::FocusedBitmap)});
    return table;
}

void TSeActiveBitmapBoxObject::Assign(const TSeSkinObject& source) {
    TSeBitmapBoxObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveBitmapBoxObject*>(&source)) focusedBitmap_->Assign(*s->focusedBitmap_);
}

void TSeActiveBitmapBoxObject::LinkBitmaps() {
    TSeBitmapBoxObject::LinkBitmaps();
    ResolveLink(BitmapList(), *focusedBitmap_);
}

const TSeBitmapLink& TSeActiveBitmapBoxObject::CurrentBitmap() const {
    return HotOrFocused(State()) ? FirstValid(focusedBitmap_.get(), *Bitmap()) : *Bitmap();
}

// ---- TSeButtonBitmapBoxObject ---------------------------------------------------------------

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(framework::TComponent* owner)
    : TSeBitmapBoxObject(owner), hotBitmap_(std::make_unique<TSeBitmapLink>()),
      focusedBitmap_(std::make_unique<TSeBitmapLink>()), pressedBitmap_(std::make_unique<TSeBitmapLink>()),
      disabledBitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeButtonBitmapBoxObject::ClassProperties() {
    using T = TSeButtonBitmapBoxObject;
    static const framework::PropertyTable table(&TSeBitmapBoxObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("HotBitmap", &T::HotBitmap),
                                                    framework::ObjectProperty("FocusedBitmap", &T::FocusedBitmap),
                                                    framework::ObjectProperty("PressedBitmap", &T::PressedBitmap),
                                                    framework::ObjectProperty("DisabledBitmap", &T::DisabledBitmap),
                                                });
    return table;
}

void TSeButtonBitmapBoxObject::Assign(const TSeSkinObject& source) {
    TSeBitmapBoxObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeButtonBitmapBoxObject*>(&source)) {
        hotBitmap_->Assign(*s->hotBitmap_);
        focusedBitmap_->Assign(*s->focusedBitmap_);
        pressedBitmap_->Assign(*s->pressedBitmap_);
        disabledBitmap_->Assign(*s->disabledBitmap_);
    }
}

void TSeButtonBitmapBoxObject::LinkBitmaps() {
    TSeBitmapBoxObject::LinkBitmaps();
    ResolveLink(BitmapList(), *focusedBitmap_);
    ResolveLink(BitmapList(), *hotBitmap_);
    ResolveLink(BitmapList(), *pressedBitmap_);
    ResolveLink(BitmapList(), *disabledBitmap_);
}

const TSeBitmapLink& TSeButtonBitmapBoxObject::CurrentBitmap() const {
    // As a button object: nothing is drawn without a valid Bitmap.
    if (!Bitmap()->Valid()) return *Bitmap();
    switch (State()) {
        case kStateFocused: return FirstValid(focusedBitmap_.get(), *Bitmap());
        case kStateHot: return FirstValid(hotBitmap_.get(), *Bitmap());
        case kStateDisabled: return FirstValid(disabledBitmap_.get(), *Bitmap());
        case kStatePressed: return FirstValid(pressedBitmap_.get(), *Bitmap());
        default: return *Bitmap();
    }
}

// ---- TSeRollPanelObject -------------------------------------------------------------------

TSeRollPanelObject::TSeRollPanelObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

const framework::PropertyTable& TSeRollPanelObject::ClassProperties() {
    using T = TSeRollPanelObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::EnumProperty("RollKind", RollKindInfo(), &T::RollKind, &T::SetRollKind),
            framework::IntegerProperty("RollValue", &T::RollValue, &T::SetRollValue),
        });
    return table;
}

void TSeRollPanelObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeRollPanelObject*>(&source)) {
        rollKind_ = s->rollKind_;
        rollValue_ = s->rollValue_;
    }
}

void TSeRollPanelObject::Roll() {
    if (!Owner()) return;
    const bool horizontal = rollKind_ == rkLeft || rollKind_ == rkRight;
    const int current = horizontal ? Width() : Height();
    const int target = std::max(0, rolled_ ? sizeBeforeRoll_ : rollValue_);
    if (!rolled_) sizeBeforeRoll_ = current;
    rolled_ = !rolled_;
    TRect b = BoundsRect();
    switch (rollKind_) {
        case rkLeft: b.Left = ClampToInt(std::int64_t{b.Right} - target); break;
        case rkRight: b.Right = ClampToInt(std::int64_t{b.Left} + target); break;
        case rkTop: b.Top = ClampToInt(std::int64_t{b.Bottom} - target); break;
        case rkBottom: b.Bottom = ClampToInt(std::int64_t{b.Top} + target); break;
    }
    SetBounds(b);
    // The form answers by laying itself out anew; its messages run now so
    // that the change shows before the click returns.
    GetSkinForm();
    if (Control()) Control()->ProcessMessages();
}

}  // namespace skin
