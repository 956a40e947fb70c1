#include "skinui/frame/SizeConstraints.h"

#include <algorithm>

#include "framework/Property.h"

namespace skinui {

const framework::PropertyTable& TSeSizeConstraints::ClassProperties() {
    using T = TSeSizeConstraints;
    static const framework::PropertyTable table(&TPersistent::ClassProperties(),
                                                {
                                                    framework::IntegerProperty("MaxHeight", &T::MaxHeight, &T::SetMaxHeight, 0),
                                                    framework::IntegerProperty("MaxWidth", &T::MaxWidth, &T::SetMaxWidth, 0),
                                                    framework::IntegerProperty("MinHeight", &T::MinHeight, &T::SetMinHeight, 0),
                                                    framework::IntegerProperty("MinWidth", &T::MinWidth, &T::SetMinWidth, 0),
                                                });
    return table;
}

void TSeSizeConstraints::Set(int& field, int value) {
    value = std::max(value, 0);  // a negative limit means nothing
    if (field == value) return;
    field = value;
    if (onChange) onChange();
}

void TSeSizeConstraints::Assign(const TSeSizeConstraints& other) {
    if (minWidth_ == other.minWidth_ && minHeight_ == other.minHeight_ && maxWidth_ == other.maxWidth_ &&
        maxHeight_ == other.maxHeight_)
        return;
    minWidth_ = other.minWidth_;
    minHeight_ = other.minHeight_;
    maxWidth_ = other.maxWidth_;
    maxHeight_ = other.maxHeight_;
    if (onChange) onChange();
}

}  // namespace skinui
