#include "skin/objects/SkinObjects.h"

#include <algorithm>

#include "skin/objects/BitmapPieces.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectControl.h"

namespace skin {

using framework::TFont;
using framework::TPersistent;

namespace {

bool HotOrFocused(int state) { return state == kStateHot || state == kStateFocused; }

}  // namespace

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
    ShiftFontHue(*activeFont_, delta);
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

void TSeBitmapObject::LinkBitmaps() {
    TSeSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmap_);
}

void TSeBitmapObject::DrawWithLink(SkinCanvas& canvas, const TSeBitmapLink& link) {
    if (!Visible() || !link.Valid() || Width() <= 0 || Height() <= 0) return;
    DrawNinePieces(canvas, link, BoundsRect(), MarginLeft(), MarginTop(), MarginRight(), MarginBottom(),
                              tileStyle_, borderTileStyle_, Masked());
    DrawText(canvas);
    AlignChildren();
    DrawChildren(canvas);
}

void TSeBitmapObject::Draw(SkinCanvas& canvas) { DrawWithLink(canvas, *bitmap_); }

std::optional<SkinRegion> TSeBitmapObject::CreateRegion() {
    if (!bitmap_->Valid() || Width() <= 0 || Height() <= 0) return std::nullopt;
    if (Kind() != skClient && Masked()) return MaskedObjectRegion(*this);
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
    ResolveLink(BitmapList(), *activeBitmap_);
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
    ResolveLink(BitmapList(), *bitmapFocused_);
    ResolveLink(BitmapList(), *bitmapHot_);
    ResolveLink(BitmapList(), *bitmapPressed_);
    ResolveLink(BitmapList(), *bitmapDisabled_);
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
        ShiftFontHue(*f, delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeTextObject::SetCharset(int charset) {
    for (TFont* f : {fontHot_.get(), fontFocused_.get(), fontPressed_.get(), fontDisabled_.get()})
        f->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin