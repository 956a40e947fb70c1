// TSeBlending: the translucency of a control or a frame, as an option object
// of its owner: Enabled, and Value, whose low byte is the alpha given to the
// owner's pixels over what lies behind. Out-of-range values are clamped to
// 0..255, never refused. Every change is told to the owner.
#pragma once

#include <functional>
#include <string_view>

#include "framework/Persistent.h"

namespace skinui {

class TSeBlending : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeBlending";
    static constexpr int kDefaultValue = 150;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Enabled (default False), Value (default 150).
    static const framework::PropertyTable& ClassProperties();

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int Value() const { return value_; }
    void SetValue(int value);
    // Takes the other's settings, telling the owner once.
    void Assign(const TSeBlending& other);

    std::function<void()> onChange;

private:
    void Changed() {
        if (onChange) onChange();
    }
    bool enabled_ = false;
    int value_ = kDefaultValue;
};

}  // namespace skinui
