// TSeSkinObject: one node of a skin's object tree. It has a rectangle in the
// coordinates of the root's canvas (children are not relative to their
// parent), a rule that places it inside its parent, a kind that tells
// controls what it stands for, and a way to draw itself. Its children are
// the skin objects it owns, in the order they were added.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Font.h"
#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/SkinRegion.h"

namespace skin {

class SkinCanvas;
class SkinObjectControl;
class SkinnedForm;
class TSeBitmapList;

class TSeSkinObject : public framework::TComponent {
public:
    static constexpr std::string_view kClassName = "TSeSkinObject";

    explicit TSeSkinObject(framework::TComponent* owner);
    ~TSeSkinObject() override;

    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Names of skin objects need not be unique: the children of one object
    // may share a name (copies of one object, say), and every lookup by
    // name takes the first match. Assigning and naming follow this one rule.
    bool UniqueComponentNames() const override { return false; }
    // The children are stored in the binary property "Objects", never as
    // objects nested in the stream: a stream that nests one is a read error.
    bool AcceptsNestedObjects() const override { return false; }
    // Align, Color, DrawIfOwner, Font, Kind, Masked, Left, Top, Height,
    // Width, the four margins, TextAlign, TextEffect and the three text
    // margins, in this stored order, all of them always; then "Objects",
    // the children (SkinObjectRecords.h), stored after every subclass's
    // properties.
    static const framework::PropertyTable& ClassProperties();
    std::vector<std::uint8_t> ObjectsData() const;
    void SetObjectsData(std::span<const std::uint8_t> data);

    // ---- published properties -----------------------------------------
    TSeAlign Align() const { return align_; }
    void SetAlign(TSeAlign value) { align_ = value; }
    TSeKind Kind() const { return kind_; }
    void SetKind(TSeKind value) { kind_ = value; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Each calls SetBounds with one value changed.
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    TSeTextAlign TextAlign() const { return textAlign_; }
    void SetTextAlign(TSeTextAlign value) { textAlign_ = value; }
    TSeTextEffect TextEffect() const { return textEffect_; }
    void SetTextEffect(TSeTextEffect value) { textEffect_ = value; }
    int TextMarginLeft() const { return textMarginLeft_; }
    void SetTextMarginLeft(int value) { textMarginLeft_ = value; }
    int TextMarginRight() const { return textMarginRight_; }
    void SetTextMarginRight(int value) { textMarginRight_ = value; }
    int TextMarginTop() const { return textMarginTop_; }
    void SetTextMarginTop(int value) { textMarginTop_ = value; }
    bool DrawIfOwner() const { return drawIfOwner_; }
    void SetDrawIfOwner(bool value) { drawIfOwner_ = value; }
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int value) { marginLeft_ = value; }
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int value) { marginTop_ = value; }
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int value) { marginRight_ = value; }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int value) { marginBottom_ = value; }
    bool Masked() const { return masked_; }
    void SetMasked(bool value) { masked_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    framework::TFont* Font() const { return font_.get(); }

    // ---- run-time fields (never stored or copied) -------------------------
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool Active() const { return active_; }
    int State() const { return state_; }
    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& value) { text_ = value; }
    const std::wstring& ShortCutText() const { return shortCutText_; }
    void SetShortCutText(const std::wstring& value) { shortCutText_ = value; }
    int BiDiMode() const { return biDiMode_; }
    int PrevWidth() const { return prevWidth_; }
    int PrevHeight() const { return prevHeight_; }
    SkinObjectControl* Control() const { return control_; }
    TSeBitmapList* BitmapList() const { return bitmapList_; }
    TRect BoundsRect() const;

    // ---- children ---------------------------------------------------------
    int ChildCount() const;
    // nullptr outside 0 .. ChildCount() - 1.
    TSeSkinObject* Child(int index) const;
    // The object at the top of the tree (this one when it has no skin
    // object as owner).
    TSeSkinObject* Root();

    // ---- virtual operations -----------------------------------------------
    // Takes over the stored look of `source` and copies its children (see
    // SkinObject.cpp); run-time fields stay.
    virtual void Assign(const TSeSkinObject& source);
    virtual framework::TFont* GetFont() const { return font_.get(); }
    // Sets State on this object and its whole subtree.
    virtual void SetState(int state);
    // Resolves the bitmap links of the subtree in the bitmap list.
    virtual void LinkBitmaps();
    virtual void Draw(SkinCanvas& canvas);
    // The shape of the object; nothing when it has none.
    virtual std::optional<SkinRegion> CreateRegion();
    virtual void ChangeHue(int delta);
    // Mouse coordinates are relative to Left and Top.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void MouseMove(TShiftState /*shift*/, int /*x*/, int /*y*/) {}
    virtual void MouseUp(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void MouseDoubleClick(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void SetCharset(int charset);

    // ---- layout, lookup and tree-wide settings -----------------------------
    // Sizes below 0 become 0. Nothing happens when the rectangle is the
    // current one; otherwise the old size is kept as PrevWidth/PrevHeight
    // and the children are laid out again.
    void SetBounds(const TRect& rect);
    void AlignChildren();
    void DrawText(SkinCanvas& canvas);
    void DrawChildren(SkinCanvas& canvas);
    // Hit test in root coordinates.
    TSeSkinObject* ObjectAtPoint(TPoint point);
    // Depth-first, this object first; names compare without regard to case.
    TSeSkinObject* FindByKind(TSeKind kind);
    TSeSkinObject* FindByName(std::string_view name);
    std::optional<SkinRegion> CreateSubtreeRegion();
    void SetActive(bool active);
    // Also copies the control's bidirectional mode into every object.
    void SetControl(SkinObjectControl* control);
    void SetBitmapList(TSeBitmapList* list);
    // Asks the control to repaint this object (when visible).
    void Invalidate();
    SkinnedForm* GetSkinForm() const;

    // Shift a stored colour, or a font's colour, by `delta` hue steps.
    static void ShiftColorHue(TColor& color, int delta);
    static void ShiftFontHue(framework::TFont& font, int delta);

protected:
    // Draw with `fill` and `font` standing for Color and Font.
    void DrawPlain(SkinCanvas& canvas, TColor fill, const framework::TFont& font);
    void DrawTextWith(SkinCanvas& canvas, const framework::TFont& font, const framework::TFont& separatorFont);
    // Sets State on every descendant, not on this object.
    void SetChildrenState(int state);

private:
    void AnchorChildren();

    TSeAlign align_ = saNone;
    TSeKind kind_ = skNone;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    TSeBitmapList* bitmapList_ = nullptr;
    bool active_ = false;
    int state_ = kStateNormal;
    SkinObjectControl* control_ = nullptr;
    int prevWidth_ = 0;
    int prevHeight_ = 0;
    bool anchorPending_ = false;  // the rectangle changed since the children were anchored
    std::wstring text_;
    TSeTextAlign textAlign_ = taLeft;
    int textMarginRight_ = 0;
    int textMarginLeft_ = 0;
    int textMarginTop_ = 0;
    TSeTextEffect textEffect_ = teNone;
    bool drawIfOwner_ = false;
    std::wstring shortCutText_;
    bool enabled_ = true;
    int marginLeft_ = 0;
    int marginTop_ = 0;
    int marginBottom_ = 0;
    int marginRight_ = 0;
    int biDiMode_ = 0;
    bool masked_ = true;
    TColor color_ = 0xFFFFFF;
    std::unique_ptr<framework::TFont> font_;
};

// The width that saText layout gives a text in a font. The default measures
// on the screen (ScreenTextWidth); tests and other hosts may set their own.
// An empty function restores the default.
using TextMeasure = std::function<int(const framework::TFont& font, const std::wstring& text)>;
void SetTextMeasure(TextMeasure measure);
int MeasureText(const framework::TFont& font, const std::wstring& text);

// The declarations every skin object class repeats: its stored class name,
// the owner constructor and its property table.
#define SE_SKIN_CLASS(Name)                                                                   \
    static constexpr std::string_view kClassName = #Name;                                    \
    explicit Name(framework::TComponent* owner);                                              \
    std::string_view ClassName() const override { return kClassName; }                       \
    const framework::PropertyTable& Properties() const override { return ClassProperties(); } \
    static const framework::PropertyTable& ClassProperties();

}  // namespace skin
