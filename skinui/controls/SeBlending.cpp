#include "skinui/controls/SeBlending.h"

#include <algorithm>

#include "framework/Property.h"

namespace skinui {

const framework::PropertyTable& TSeBlending::ClassProperties() {
    using T = TSeBlending;
    static const framework::PropertyTable table(
        &TPersistent::ClassProperties(), {
                                             framework::BooleanProperty("Enabled", &T::Enabled, &T::SetEnabled, false),
                                             framework::IntegerProperty("Value", &T::Value, &T::SetValue, kDefaultValue),
                                         });
    return table;
}

void TSeBlending::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    Changed();
}

void TSeBlending::SetValue(int value) {
    value = std::clamp(value, 0, 255);
    if (value == value_) return;
    value_ = value;
    Changed();
}

void TSeBlending::Assign(const TSeBlending& other) {
    if (other.enabled_ == enabled_ && other.value_ == value_) return;
    enabled_ = other.enabled_;
    value_ = other.value_;
    Changed();
}

}  // namespace skinui
