#include "skinui/effects/FormOptions.h"

#include <algorithm>

#include "framework/Property.h"

namespace skinui {

namespace {
const framework::EnumInfo kDragModes{"kfdmBorder", "kfdmFullDrag"};
const framework::EnumInfo kDirections{"kdNone", "kdNoRotate", "kdRotate90", "kdRotate180", "kdRotate270"};
const framework::EnumInfo kEffects{"keRandomSelect", "keFade",         "keDiagonal",      "keDown",
                                   "keIn",           "keOut",          "keRectIn",        "keRectOut",
                                   "kePixel",        "kePixelLine",    "keDiamondIn",     "keDiamondOut",
                                   "keSmoothDiagonal", "keSmoothRectIn", "keSmoothRectOut"};
}  // namespace

// ---- TSeShadow ------------------------------------------------------------

const framework::PropertyTable& TSeShadow::ClassProperties() {
    using T = TSeShadow;
    static const framework::PropertyTable table(
        &TPersistent::ClassProperties(), {
                                             framework::BooleanProperty("Enabled", &T::Enabled, &T::SetEnabled, false),
                                             framework::IntegerProperty("Size", &T::Size, &T::SetSize, kDefaultSize),
                                         });
    return table;
}

void TSeShadow::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Changed();
}

void TSeShadow::SetSize(int value) {
    value = std::min(value, kMaxSize);
    const bool disable = value <= 0 && enabled_;
    if (value == size_ && !disable) return;
    size_ = value;
    if (disable) enabled_ = false;
    Changed();
}

void TSeShadow::Assign(const TSeShadow& other) {
    if (other.enabled_ == enabled_ && other.size_ == size_) return;
    enabled_ = other.enabled_;
    size_ = other.size_;
    Changed();
}

// ---- TSeGravitation -------------------------------------------------------

TSeGravitation::TSeGravitation(bool multipleDocumentChild)
    : size_(multipleDocumentChild ? kChildDefaultSize : kDefaultSize), child_(multipleDocumentChild) {}

const framework::PropertyTable& TSeGravitation::Properties() const {
    return child_ ? ChildClassProperties() : ClassProperties();
}

const framework::PropertyTable& TSeGravitation::ClassProperties() {
    using T = TSeGravitation;
    static const framework::PropertyTable table(
        &TPersistent::ClassProperties(), {
                                             framework::BooleanProperty("Enabled", &T::Enabled, &T::SetEnabled, true),
                                             framework::IntegerProperty("Size", &T::Size, &T::SetSize, kDefaultSize),
                                         });
    return table;
}

const framework::PropertyTable& TSeGravitation::ChildClassProperties() {
    using T = TSeGravitation;
    static const framework::PropertyTable table(
        &TPersistent::ClassProperties(),
        {
            framework::BooleanProperty("Enabled", &T::Enabled, &T::SetEnabled, true),
            framework::IntegerProperty("Size", &T::Size, &T::SetSize, kChildDefaultSize),
        });
    return table;
}

void TSeGravitation::SetSize(int value) { size_ = std::clamp(value, 1, 50); }

void TSeGravitation::Assign(const TSeGravitation& other) {
    enabled_ = other.enabled_;
    size_ = other.size_;
}

// ---- TSeDragging ----------------------------------------------------------

const framework::PropertyTable& TSeDragging::ClassProperties() {
    using T = TSeDragging;
    static const framework::PropertyTable table(
        &TPersistent::ClassProperties(),
        {
            framework::BooleanProperty("Moveable", &T::Moveable, &T::SetMoveable, true),
            framework::BooleanProperty("Sizeable", &T::Sizeable, &T::SetSizeable, true),
            framework::EnumProperty("DragMode", kDragModes, &T::DragMode, &T::SetDragMode, kfdmFullDrag),
        });
    return table;
}

void TSeDragging::Assign(const TSeDragging& other) {
    moveable_ = other.moveable_;
    sizeable_ = other.sizeable_;
    dragMode_ = other.dragMode_;
}

// ---- TSeAnimation ---------------------------------------------------------

const framework::PropertyTable& TSeAnimation::ClassProperties() {
    using T = TSeAnimation;
    static const framework::PropertyTable table(
        &TPersistent::ClassProperties(),
        {
            framework::EnumProperty("Direction", kDirections, &T::Direction, &T::SetDirection, kdNone),
            framework::EnumProperty("Effect", kEffects, &T::Effect, &T::SetEffect, keFade),
            framework::BooleanProperty("Enabled", &T::Enabled, &T::SetEnabled, false),
            framework::IntegerProperty("Resolution", &T::Resolution, &T::SetResolution, 1),
            framework::IntegerProperty("TileCount", &T::TileCount, &T::SetTileCount, 1),
            framework::IntegerProperty("Time", &T::Time, &T::SetTime, kDefaultTime),
        });
    return table;
}

void TSeAnimation::SetDirection(TSeDirection value) { Store(direction_, value); }
void TSeAnimation::SetEffect(TkeEffect value) { Store(effect_, value); }
void TSeAnimation::SetEnabled(bool value) { Store(enabled_, value); }
void TSeAnimation::SetResolution(int value) { Store(resolution_, std::clamp(value, 1, 10)); }
void TSeAnimation::SetTileCount(int value) { Store(tileCount_, std::clamp(value, 1, 20)); }
void TSeAnimation::SetTime(int value) { Store(time_, std::clamp(value, 50, 9000)); }

void TSeAnimation::Assign(const TSeAnimation& other) {
    if (other.direction_ == direction_ && other.effect_ == effect_ && other.enabled_ == enabled_ &&
        other.resolution_ == resolution_ && other.tileCount_ == tileCount_ && other.time_ == time_) {
        return;
    }
    direction_ = other.direction_;
    effect_ = other.effect_;
    enabled_ = other.enabled_;
    resolution_ = other.resolution_;
    tileCount_ = other.tileCount_;
    time_ = other.time_;
    if (onChange) onChange();
}

// ---- TSeFormOptions -------------------------------------------------------

TSeFormOptions::TSeFormOptions()
    : blending_(std::make_unique<TSeBlending>()),
      shadow_(std::make_unique<TSeShadow>()),
      animation_(std::make_unique<TSeAnimation>()) {
    blending_->onChange = [this] { PartChanged(); };
    shadow_->onChange = [this] { PartChanged(); };
    animation_->onChange = [this] { PartChanged(); };
}

TSeFormOptions::~TSeFormOptions() = default;

const framework::PropertyTable& TSeFormOptions::ClassProperties() {
    using T = TSeFormOptions;
    static const framework::PropertyTable table(&TPersistent::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("Blending", &T::Blending),
                                                    framework::ObjectProperty("Shadow", &T::Shadow),
                                                    framework::ObjectProperty("Animation", &T::Animation),
                                                });
    return table;
}

void TSeFormOptions::PartChanged() {
    if (assigning_) {
        changedWhileAssigning_ = true;
        return;
    }
    if (onChange) onChange();
}

void TSeFormOptions::Assign(const TSeFormOptions& other) {
    if (&other == this) return;
    assigning_ = true;
    changedWhileAssigning_ = false;
    blending_->Assign(*other.blending_);
    shadow_->Assign(*other.shadow_);
    animation_->Assign(*other.animation_);
    assigning_ = false;
    if (changedWhileAssigning_ && onChange) onChange();
}

}  // namespace skinui
