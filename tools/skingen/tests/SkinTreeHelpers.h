// Walking a built skin in tests: every object of a tree, every bitmap link
// and every colour of an object, each with a label naming it.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/Property.h"
#include "skin/gfx/SeBitmapLink.h"
#include "skin/objects/SkinObject.h"

namespace skingen::test {

inline void ForEachObject(skin::TSeSkinObject* object, const std::function<void(skin::TSeSkinObject*)>& visit) {
    visit(object);
    for (int i = 0; i < object->ChildCount(); ++i) ForEachObject(object->Child(i), visit);
}

inline int CountObjects(skin::TSeSkinObject* object) {
    int count = 0;
    ForEachObject(object, [&](skin::TSeSkinObject*) { ++count; });
    return count;
}

using NamedLink = std::pair<std::string, skin::TSeBitmapLink*>;

// The bitmap links of an object, whatever its class: its object properties
// that are links, labelled "Object.Property", in stored order.
inline std::vector<NamedLink> LinksOf(skin::TSeSkinObject* object) {
    std::vector<NamedLink> links;
    for (const framework::PropertyInfo* property : object->Properties().All()) {
        if (property->kind != framework::PropertyKind::Object) continue;
        if (auto* link = dynamic_cast<skin::TSeBitmapLink*>(property->getObject(*object)))
            links.emplace_back(object->Name() + "." + property->name, link);
    }
    return links;
}

using NamedColor = std::pair<std::string, framework::TColor>;

// Every colour an object stores, its own and its fonts', labelled
// "Object.Property" or "Object.Font.Color".
inline std::vector<NamedColor> ColorsOf(skin::TSeSkinObject* object) {
    std::vector<NamedColor> colors;
    std::function<void(const framework::TPersistent&, const std::string&)> walk =
        [&](const framework::TPersistent& holder, const std::string& label) {
            for (const framework::PropertyInfo* property : holder.Properties().All()) {
                if (property->kind == framework::PropertyKind::Color)
                    colors.emplace_back(label + "." + property->name,
                                        framework::TColor(property->getOrdinal(holder)));
                else if (property->kind == framework::PropertyKind::Object)
                    if (const framework::TPersistent* inner = property->getObject(holder))
                        walk(*inner, label + "." + property->name);
            }
        };
    walk(*object, object->Name());
    return colors;
}

}  // namespace skingen::test
