// TSeSizeConstraints: the least and greatest size a user may give a framed
// window; 0 leaves an axis free. A change is told to the owner.
#pragma once

#include <functional>
#include <string_view>

#include "framework/Persistent.h"

namespace skinui {

class TSeSizeConstraints : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSizeConstraints";
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // MaxHeight, MaxWidth, MinHeight, MinWidth, each 0 by default.
    static const framework::PropertyTable& ClassProperties();

    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { Set(minWidth_, value); }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { Set(minHeight_, value); }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { Set(maxWidth_, value); }
    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { Set(maxHeight_, value); }
    void Assign(const TSeSizeConstraints& other);

    std::function<void()> onChange;

private:
    void Set(int& field, int value);
    int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

}  // namespace skinui
