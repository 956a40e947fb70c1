// The base of every object that can be stored in a component stream.
#pragma once

#include <string_view>

#include "framework/Property.h"

namespace framework {

class TPersistent {
public:
    static constexpr std::string_view kClassName = "TPersistent";

    virtual ~TPersistent() = default;

    // The exact class name written to and expected in component streams.
    virtual std::string_view ClassName() const { return kClassName; }
    // The class's published properties (see Property.h).
    virtual const PropertyTable& Properties() const { return ClassProperties(); }

    // The table of TPersistent itself: no properties. Derived tables name it
    // (or a descendant's table) as their parent.
    static const PropertyTable& ClassProperties();
};

}  // namespace framework
