// The option objects of the window effects, published properties of a
// skinned frame (and of popup menus and message windows through the two
// option groups): the drop shadow, snapping to the work area's edges, move
// and size behaviour, and the show animation. Translucency is TSeBlending.
//
// Setters clamp out-of-range values instead of refusing them, so that any
// stored form description loads. Objects whose changes the frame must see
// (TSeShadow, TSeAnimation, the groups) call onChange once per change.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "framework/Persistent.h"
#include "skinui/effects/EffectTypes.h"
#include "skinui/controls/SeBlending.h"

namespace skinui {

class TSeShadow : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeShadow";
    static constexpr int kDefaultSize = 4;
    static constexpr int kMaxSize = 20;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Enabled (default False), Size (default 4).
    static const framework::PropertyTable& ClassProperties();

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int Size() const { return size_; }
    // A size of 0 or less is kept and turns the shadow off; above 20 is 20.
    void SetSize(int value);
    // The depth the frame reserves and paints: Size while the shadow is on,
    // else 0. A shadow switched on again after a size of 0 or less was set
    // still has no depth.
    int Depth() const { return enabled_ && size_ > 0 ? size_ : 0; }
    void Assign(const TSeShadow& other);

    std::function<void()> onChange;

private:
    void Changed() {
        if (onChange) onChange();
    }
    bool enabled_ = false;
    int size_ = kDefaultSize;
};

class TSeGravitation : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeGravitation";
    static constexpr int kDefaultSize = 20;
    // The default of a multiple-document child, which snaps inside its parent.
    static constexpr int kChildDefaultSize = 9;
    // A multiple-document child's object starts at, and stores Size
    // against, the child default.
    explicit TSeGravitation(bool multipleDocumentChild = false);
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override;
    // Enabled (default True), Size (default 20).
    static const framework::PropertyTable& ClassProperties();
    // The same with Size defaulting to 9.
    static const framework::PropertyTable& ChildClassProperties();

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    int Size() const { return size_; }
    // Clamped to 1..50.
    void SetSize(int value);
    void Assign(const TSeGravitation& other);

private:
    bool enabled_ = true;
    int size_ = kDefaultSize;
    bool child_ = false;
};

class TSeDragging : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeDragging";
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Moveable, Sizeable (default True), DragMode (default kfdmFullDrag).
    static const framework::PropertyTable& ClassProperties();

    bool Moveable() const { return moveable_; }
    void SetMoveable(bool value) { moveable_ = value; }
    bool Sizeable() const { return sizeable_; }
    void SetSizeable(bool value) { sizeable_ = value; }
    TSeFormDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TSeFormDragMode value) { dragMode_ = value; }
    void Assign(const TSeDragging& other);

private:
    bool moveable_ = true;
    bool sizeable_ = true;
    TSeFormDragMode dragMode_ = kfdmFullDrag;
};

class TSeAnimation : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeAnimation";
    static constexpr int kDefaultTime = 400;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Direction (kdNone), Effect (keFade), Enabled (False), Resolution (1),
    // TileCount (1), Time (400 ms).
    static const framework::PropertyTable& ClassProperties();

    TSeDirection Direction() const { return direction_; }
    void SetDirection(TSeDirection value);
    TkeEffect Effect() const { return effect_; }
    void SetEffect(TkeEffect value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // The side of a mask cell in pixels, clamped to 1..10.
    int Resolution() const { return resolution_; }
    void SetResolution(int value);
    // Tiles per side, clamped to 1..20.
    int TileCount() const { return tileCount_; }
    void SetTileCount(int value);
    // Milliseconds, clamped to 50..9000.
    int Time() const { return time_; }
    void SetTime(int value);
    void Assign(const TSeAnimation& other);

    std::function<void()> onChange;

private:
    template <class V>
    void Store(V& field, V value) {
        if (field == value) return;
        field = value;
        if (onChange) onChange();
    }
    TSeDirection direction_ = kdNone;
    TkeEffect effect_ = keFade;
    bool enabled_ = false;
    int resolution_ = 1;
    int tileCount_ = 1;
    int time_ = kDefaultTime;
};

// Blending, Shadow and Animation of a popup menu or message window. A change
// of any of them fires the group's onChange; Assign fires it once.
class TSeFormOptions : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeFormOptions";
    TSeFormOptions();
    ~TSeFormOptions() override;
    TSeFormOptions(const TSeFormOptions&) = delete;
    TSeFormOptions& operator=(const TSeFormOptions&) = delete;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    static const framework::PropertyTable& ClassProperties();

    TSeBlending* Blending() const { return blending_.get(); }
    TSeShadow* Shadow() const { return shadow_.get(); }
    TSeAnimation* Animation() const { return animation_.get(); }
    void Assign(const TSeFormOptions& other);

    std::function<void()> onChange;

private:
    void PartChanged();
    std::unique_ptr<TSeBlending> blending_;
    std::unique_ptr<TSeShadow> shadow_;
    std::unique_ptr<TSeAnimation> animation_;
    // While Assign copies, the parts' changes are collected into one.
    bool assigning_ = false;
    bool changedWhileAssigning_ = false;
};

class TSePopupMenuOptions : public TSeFormOptions {
public:
    static constexpr std::string_view kClassName = "TSePopupMenuOptions";
    std::string_view ClassName() const override { return kClassName; }
};

}  // namespace skinui
