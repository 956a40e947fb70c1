#include "skinui/controls/ControlPaintSettings.h"

namespace skinui {

namespace {
const framework::EnumInfo kPerformances{"ztpNoBuffer", "ztpSharedBuffer", "ztpDoubleBuffer"};
}  // namespace

ControlPaintSettings::ControlPaintSettings() : blending_(std::make_unique<TSeBlending>()) {
    blending_->onChange = [this] { BlendingChanged(); };
}

ControlPaintSettings::~ControlPaintSettings() = default;

const framework::EnumInfo& ControlPaintSettings::PerformanceNames() { return kPerformances; }

void ControlPaintSettings::SetPerformance(TSePerformance value) {
    if (value == performance_) return;
    if (value == ztpNoBuffer && blending_->Enabled()) return;  // blending needs a buffer
    performance_ = value;
    PaintSettingsChanged();
}

void ControlPaintSettings::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    PaintSettingsChanged();
}

void ControlPaintSettings::SetBlending(const TSeBlending& value) {
    // Assigned without telling: the buffer follows here, once.
    auto callback = std::move(blending_->onChange);
    blending_->Assign(value);
    blending_->onChange = std::move(callback);
    if (blending_->Enabled() && performance_ == ztpNoBuffer) performance_ = ztpDoubleBuffer;
    if (!ReadingPaintSettings()) PaintSettingsChanged();
}

void ControlPaintSettings::BlendingChanged() {
    if (blending_->Enabled() && performance_ == ztpNoBuffer) performance_ = ztpDoubleBuffer;
    PaintSettingsChanged();
}

void ControlPaintSettings::SetColor(framework::TColor value) {
    color_ = value;
    PaintSettingsChanged();
}

}  // namespace skinui
