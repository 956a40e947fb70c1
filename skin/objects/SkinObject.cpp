#include "skin/objects/SkinObject.h"

#include <algorithm>
#include <limits>

#include "framework/TextUtil.h"
#include "skin/gfx/HueShift.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/SkinObjectControl.h"
#include "skin/storage/SkinObjectRecords.h"

namespace skin {

namespace {


TextMeasure& MeasureHook() {
    static TextMeasure hook;
    return hook;
}

// Flags for Text and for ShortCutText by TextAlign.
struct TextFlags {
    unsigned text;
    unsigned shortCut;
};
constexpr TextFlags kTextFlags[] = {
    {kTextLeft | kTextTop, kTextRight | kTextTop},           {kTextCenter | kTextTop, kTextCenter | kTextTop},
    {kTextRight | kTextTop, kTextLeft | kTextTop},           {kTextLeft | kTextVCenter, kTextRight | kTextVCenter},
    {kTextCenter | kTextVCenter, kTextCenter | kTextVCenter}, {kTextRight | kTextVCenter, kTextLeft | kTextVCenter},
    {kTextLeft | kTextBottom, kTextRight | kTextBottom},     {kTextCenter | kTextBottom, kTextCenter | kTextBottom},
    {kTextRight | kTextBottom, kTextLeft | kTextBottom},
};

unsigned MirrorHorizontal(unsigned flags) {
    switch (flags & kTextHorizontalMask) {
        case kTextLeft: return (flags & ~kTextHorizontalMask) | kTextRight;
        case kTextRight: return (flags & ~kTextHorizontalMask) | kTextLeft;
        default: return flags;
    }
}

constexpr TColor kDisabledTextColor = 0x808080;

}  // namespace

void SetTextMeasure(TextMeasure measure) { MeasureHook() = std::move(measure); }

int MeasureText(const framework::TFont& font, const std::wstring& text) {
    if (MeasureHook()) return MeasureHook()(font, text);
    return ScreenTextWidth(font, text);
}

TSeSkinObject::TSeSkinObject(framework::TComponent* owner)
    : framework::TComponent(owner), font_(std::make_unique<framework::TFont>()) {}

TSeSkinObject::~TSeSkinObject() = default;

const framework::PropertyTable& TSeSkinObject::ClassProperties() {
    using T = TSeSkinObject;
    using namespace framework;
    static const PropertyTable table(&TPersistent::ClassProperties(),
                                     {
                                         EnumProperty("Align", AlignInfo(), &T::Align, &T::SetAlign),
                                         ColorProperty("Color", &T::Color, &T::SetColor),
                                         BooleanProperty("DrawIfOwner", &T::DrawIfOwner, &T::SetDrawIfOwner),
                                         ObjectProperty("Font", &T::Font),
                                         EnumProperty("Kind", KindInfo(), &T::Kind, &T::SetKind),
                                         BooleanProperty("Masked", &T::Masked, &T::SetMasked),
                                         IntegerProperty("Left", &T::Left, &T::SetLeft),
                                         IntegerProperty("Top", &T::Top, &T::SetTop),
                                         IntegerProperty("Height", &T::Height, &T::SetHeight),
                                         IntegerProperty("Width", &T::Width, &T::SetWidth),
                                         IntegerProperty("MarginLeft", &T::MarginLeft, &T::SetMarginLeft),
                                         IntegerProperty("MarginRight", &T::MarginRight, &T::SetMarginRight),
                                         IntegerProperty("MarginTop", &T::MarginTop, &T::SetMarginTop),
                                         IntegerProperty("MarginBottom", &T::MarginBottom, &T::SetMarginBottom),
                                         EnumProperty("TextAlign", TextAlignInfo(), &T::TextAlign, &T::SetTextAlign),
                                         EnumProperty("TextEffect", TextEffectInfo(), &T::TextEffect,
                                                      &T::SetTextEffect),
                                         IntegerProperty("TextMarginLeft", &T::TextMarginLeft, &T::SetTextMarginLeft),
                                         IntegerProperty("TextMarginRight", &T::TextMarginRight,
                                                         &T::SetTextMarginRight),
                                         IntegerProperty("TextMarginTop", &T::TextMarginTop, &T::SetTextMarginTop),
                                         // Binary: written after every subclass's properties.
                                         BinaryProperty("Objects", &T::ObjectsData, &T::SetObjectsData),
                                     });
    return table;
}

std::vector<std::uint8_t> TSeSkinObject::ObjectsData() const { return WriteChildren(*this); }

void TSeSkinObject::SetObjectsData(std::span<const std::uint8_t> data) { ReadChildren(*this, data); }

// ---- geometry ---------------------------------------------------------------

TRect TSeSkinObject::BoundsRect() const {
    return TRect{left_, top_, ClampToInt(std::int64_t{left_} + width_), ClampToInt(std::int64_t{top_} + height_)};
}

void TSeSkinObject::SetLeft(int value) {
    SetBounds(TRect{value, top_, ClampToInt(std::int64_t{value} + width_), BoundsRect().Bottom});
}
void TSeSkinObject::SetTop(int value) {
    SetBounds(TRect{left_, value, BoundsRect().Right, ClampToInt(std::int64_t{value} + height_)});
}
void TSeSkinObject::SetWidth(int value) {
    SetBounds(TRect{left_, top_, ClampToInt(std::int64_t{left_} + value), BoundsRect().Bottom});
}
void TSeSkinObject::SetHeight(int value) {
    SetBounds(TRect{left_, top_, BoundsRect().Right, ClampToInt(std::int64_t{top_} + value)});
}

void TSeSkinObject::SetBounds(const TRect& rect) {
    if (rect == BoundsRect()) return;
    prevWidth_ = width_;
    prevHeight_ = height_;
    left_ = rect.Left;
    top_ = rect.Top;
    width_ = ClampToInt(std::max<std::int64_t>(0, std::int64_t{rect.Right} - rect.Left));
    height_ = ClampToInt(std::max<std::int64_t>(0, std::int64_t{rect.Bottom} - rect.Top));
    anchorPending_ = true;
    AlignChildren();
}

void TSeSkinObject::AlignChildren() {
    struct Area {
        std::int64_t left, top, right, bottom;
    } r{left_, top_, std::int64_t{left_} + width_, std::int64_t{top_} + height_};
    auto place = [](TSeSkinObject* c, std::int64_t l, std::int64_t t, std::int64_t rr, std::int64_t b) {
        c->SetBounds(TRect{ClampToInt(l), ClampToInt(t), ClampToInt(rr), ClampToInt(b)});
    };
    const int count = ChildCount();
    auto visibleChildren = [&](auto&& each) {
        for (int i = 0; i < count; ++i) {
            TSeSkinObject* c = Child(i);
            if (c && c->visible_) each(c);
        }
    };

    // Passes 1 to 4: the edges, the "most" rules before the plain ones.
    auto edges = [&](TSeAlign top, TSeAlign bottom) {
        visibleChildren([&](TSeSkinObject* c) {
            if (c->align_ == top) {
                place(c, r.left, r.top, r.right, r.top + c->height_);
                r.top += c->height_;
            } else if (c->align_ == bottom) {
                place(c, r.left, r.bottom - c->height_, r.right, r.bottom);
                r.bottom -= c->height_;
            }
        });
    };
    auto sides = [&](TSeAlign left, TSeAlign right) {
        visibleChildren([&](TSeSkinObject* c) {
            if (c->align_ == left) {
                place(c, r.left, r.top, r.left + c->width_, r.bottom);
                r.left += c->width_;
            } else if (c->align_ == right) {
                place(c, r.right - c->width_, r.top, r.right, r.bottom);
                r.right -= c->width_;
            }
        });
    };
    edges(saMostTop, saMostBottom);
    sides(saMostLeft, saMostRight);
    edges(saTop, saBottom);
    sides(saLeft, saRight);

    // Passes 5 and 6 take the children in reverse order.
    for (int i = count - 1; i >= 0; --i) {
        TSeSkinObject* c = Child(i);
        if (!c || !c->visible_ || c->align_ != saText) continue;
        const std::int64_t w = std::int64_t{MeasureText(*c->GetFont(), c->text_)} + c->textMarginLeft_ +
                               c->textMarginRight_;
        place(c, c->left_, c->top_, c->left_ + w, std::int64_t{c->top_} + c->height_);
    }
    for (int i = count - 1; i >= 0; --i) {
        TSeSkinObject* c = Child(i);
        if (!c || !c->visible_ || c->align_ != saCenter) continue;
        const std::int64_t l = r.left + (r.right - r.left - c->width_) / 2;
        const std::int64_t t = r.top + (r.bottom - r.top - c->height_) / 2;
        place(c, l, t, l + c->width_, t + c->height_);
    }
    visibleChildren([&](TSeSkinObject* c) {
        if (c->align_ == saClient) place(c, r.left, r.top, r.right, r.bottom);
    });
    AnchorChildren();
}

// Children anchored to the right or bottom edge keep their distance to it
// when this object changes size. Their fields are written directly: the
// anchoring moves, it does not lay out.
//
// A saBottomRight child keeps its distance to both the right and the bottom
// edge, as the two neighbouring rules do for one edge each. Nothing moves
// when the old size is 0 (a first layout from nothing has no distance to
// keep). The anchoring is applied once per change of the rectangle, so that
// laying out again without a new size (bitmap objects lay out at every
// draw) does not move the children a second time.
void TSeSkinObject::AnchorChildren() {
    if (!anchorPending_) return;
    anchorPending_ = false;
    const bool horizontal = prevWidth_ > 0;
    const bool vertical = prevHeight_ > 0;
    for (int i = 0; i < ChildCount(); ++i) {
        TSeSkinObject* c = Child(i);
        if (!c) continue;
        const bool right = c->align_ == saTopRight || c->align_ == saBottomRight;
        const bool bottom = c->align_ == saBottomLeft || c->align_ == saBottomRight;
        if (right && horizontal) c->left_ = ClampToInt(std::int64_t{width_} - (std::int64_t{prevWidth_} - c->left_));
        if (bottom && vertical) c->top_ = ClampToInt(std::int64_t{height_} - (std::int64_t{prevHeight_} - c->top_));
    }
}

// ---- children ------------------------------------------------------------------

int TSeSkinObject::ChildCount() const { return int(ComponentCount()); }

TSeSkinObject* TSeSkinObject::Child(int index) const {
    if (index < 0 || index >= ChildCount()) return nullptr;
    return dynamic_cast<TSeSkinObject*>(Components(std::size_t(index)));
}

TSeSkinObject* TSeSkinObject::Root() {
    TSeSkinObject* object = this;
    while (auto* parent = dynamic_cast<TSeSkinObject*>(object->Owner())) object = parent;
    return object;
}

// ---- virtual operations ------------------------------------------------------------

void TSeSkinObject::Assign(const TSeSkinObject& source) {
    if (&source == this) return;
    // Taking over one's own descendant would free it while it is read:
    // copy it first.
    for (const framework::TComponent* o = source.Owner(); o; o = o->Owner()) {
        if (o != this) continue;
        std::unique_ptr<TSeSkinObject> detached(CloneObject(source, nullptr));
        if (detached) Assign(*detached);
        return;
    }
    SetName(source.Name());
    masked_ = source.masked_;
    align_ = source.align_;
    kind_ = source.kind_;
    bitmapList_ = source.bitmapList_;
    color_ = source.color_;
    drawIfOwner_ = source.drawIfOwner_;
    font_->Assign(*source.font_);
    textAlign_ = source.textAlign_;
    textEffect_ = source.textEffect_;
    textMarginLeft_ = source.textMarginLeft_;
    textMarginRight_ = source.textMarginRight_;
    textMarginTop_ = source.textMarginTop_;
    marginLeft_ = source.marginLeft_;
    marginTop_ = source.marginTop_;
    marginRight_ = source.marginRight_;
    marginBottom_ = source.marginBottom_;
    // The copy's children are copies of the source's, not additions to
    // children it had before.
    for (int i = ChildCount() - 1; i >= 0; --i) delete Child(i);
    for (int i = 0; i < source.ChildCount(); ++i) {
        if (const TSeSkinObject* child = source.Child(i)) CloneObject(*child, this);
    }
    left_ = source.left_;
    top_ = source.top_;
    width_ = source.width_;
    height_ = source.height_;
}

void TSeSkinObject::SetState(int state) {
    state_ = state;
    SetChildrenState(state);
}

void TSeSkinObject::SetChildrenState(int state) {
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i)) c->SetState(state);
}

void TSeSkinObject::LinkBitmaps() {
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i)) c->LinkBitmaps();
}

void TSeSkinObject::Draw(SkinCanvas& canvas) { DrawPlain(canvas, color_, *font_); }

void TSeSkinObject::DrawPlain(SkinCanvas& canvas, TColor fill, const framework::TFont& font) {
    if (!visible_ || width_ <= 0 || height_ <= 0) return;
    if (ChildCount() == 0 || drawIfOwner_) {
        canvas.FillRect(BoundsRect(), fill);
        DrawTextWith(canvas, font, font);
    }
    DrawChildren(canvas);
}

void TSeSkinObject::DrawChildren(SkinCanvas& canvas) {
    for (int i = 0; i < ChildCount(); ++i) {
        TSeSkinObject* c = Child(i);
        if (c && c->visible_ && c->width_ > 0 && c->height_ > 0) c->Draw(canvas);
    }
}

void TSeSkinObject::DrawText(SkinCanvas& canvas) { DrawTextWith(canvas, *font_, *GetFont()); }

// A state-dependent object draws with its state font in place of Font, and
// the separator takes the colour of the font GetFont then gives: the one in
// place. Outside such a drawing the separator's font is GetFont's own.
void TSeSkinObject::DrawTextWith(SkinCanvas& canvas, const framework::TFont& font,
                                 const framework::TFont& separatorFont) {
    const TRect bounds = BoundsRect();
    if (text_ == L"-") {
        const int top = ClampToInt(std::int64_t{bounds.Top} + height_ / 2 - 1);
        canvas.FillRect(TRect{ClampToInt(std::int64_t{bounds.Left} + 3), top,
                              ClampToInt(std::int64_t{bounds.Right} - 3), ClampToInt(std::int64_t{top} + 1)},
                        separatorFont.Color());
        return;
    }
    const TRect textRect{ClampToInt(std::int64_t{bounds.Left} + textMarginLeft_),
                         ClampToInt(std::int64_t{bounds.Top} + textMarginTop_),
                         ClampToInt(std::int64_t{bounds.Right} - textMarginRight_), bounds.Bottom};
    const TextFlags& flags = kTextFlags[textAlign_ < std::size(kTextFlags) ? textAlign_ : taLeft];
    if (!text_.empty()) {
        unsigned textFlags = flags.text | kTextSingleLine;
        // Only a right-to-left system mirrors text or reads it right to left.
        if (canvas.RightToLeftLocale() && biDiMode_ != 0) {
            textFlags = MirrorHorizontal(textFlags);
            if (biDiMode_ == 1) textFlags |= kTextRtlReading;
        }
        canvas.SetFont(font);
        const TColor color = enabled_ ? font.Color() : kDisabledTextColor;
        const std::wstring text =
            kind_ == skTitle ? canvas.EllipsisText(text_, std::max(0, RectWidth(textRect))) : text_;
        if (textEffect_ == teShadow) {
            canvas.SetFontColor(0x000000);
            canvas.DrawText(text, RectOffset(textRect, 1, 1), textFlags);
        }
        canvas.SetFontColor(color);
        canvas.DrawText(text, textRect, textFlags);
    }
    if (!shortCutText_.empty()) {
        unsigned shortCutFlags = flags.shortCut | kTextSingleLine;
        if (control_) shortCutFlags = control_->DrawTextBiDiModeFlags(shortCutFlags);
        canvas.DrawText(shortCutText_, textRect, shortCutFlags);
    }
}

std::optional<SkinRegion> TSeSkinObject::CreateRegion() { return SkinRegion::FromRect(BoundsRect()); }

void TSeSkinObject::ShiftColorHue(TColor& color, int delta) { color = PixelToColor(ShiftHue(ColorToPixel(color), delta)); }

void TSeSkinObject::ShiftFontHue(framework::TFont& font, int delta) {
    TColor color = font.Color();
    ShiftColorHue(color, delta);
    font.SetColor(color);
}

void TSeSkinObject::ChangeHue(int delta) {
    ShiftColorHue(color_, delta);
    ShiftFontHue(*font_, delta);
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i)) c->ChangeHue(delta);
}

void TSeSkinObject::SetCharset(int charset) {
    font_->SetCharset(charset);
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i)) c->SetCharset(charset);
}

// ---- lookup and tree-wide settings -------------------------------------------------

TSeSkinObject* TSeSkinObject::ObjectAtPoint(TPoint point) {
    if (!visible_ || kind_ == skTranparent || !RectContains(BoundsRect(), point.X, point.Y)) return nullptr;
    TSeSkinObject* found = nullptr;
    for (int i = 0; i < ChildCount(); ++i) {
        if (TSeSkinObject* c = Child(i))
            if (TSeSkinObject* hit = c->ObjectAtPoint(point)) found = hit;
    }
    return found ? found : this;
}

TSeSkinObject* TSeSkinObject::FindByKind(TSeKind kind) {
    if (kind_ == kind) return this;
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i))
            if (TSeSkinObject* found = c->FindByKind(kind)) return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::FindByName(std::string_view name) {
    if (framework::SameText(Name(), name)) return this;
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i))
            if (TSeSkinObject* found = c->FindByName(name)) return found;
    return nullptr;
}

std::optional<SkinRegion> TSeSkinObject::CreateSubtreeRegion() {
    if (width_ <= 0 || height_ <= 0) return std::nullopt;
    if (ChildCount() == 0 || drawIfOwner_ || !masked_) return CreateRegion();
    SkinRegion region;
    for (int i = 0; i < ChildCount(); ++i) {
        TSeSkinObject* c = Child(i);
        if (!c || !c->visible_) continue;
        if (auto part = c->CreateSubtreeRegion()) region.Union(std::move(*part));
    }
    return region;
}

void TSeSkinObject::SetActive(bool active) {
    active_ = active;
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i)) c->SetActive(active);
}

void TSeSkinObject::SetControl(SkinObjectControl* control) {
    control_ = control;
    biDiMode_ = control ? control->BiDiMode() : 0;
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i)) c->SetControl(control);
}

void TSeSkinObject::SetBitmapList(TSeBitmapList* list) {
    bitmapList_ = list;
    for (int i = 0; i < ChildCount(); ++i)
        if (TSeSkinObject* c = Child(i)) c->SetBitmapList(list);
}

void TSeSkinObject::Invalidate() {
    if (visible_ && control_) control_->ObjectChanged(this);
}

SkinnedForm* TSeSkinObject::GetSkinForm() const { return control_ ? control_->GetSkinForm() : nullptr; }

}  // namespace skin
