// Walking a built skin in tests: every object of a tree and every bitmap
// link of an object, with a label naming it.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/ButtonObject.h"
#include "skin/objects/SystemButton.h"

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

// The links of the first family's bitmap classes, labelled "Object.Property".
inline std::vector<NamedLink> LinksOf(skin::TSeSkinObject* object) {
    using namespace skin;
    std::vector<NamedLink> links;
    auto add = [&](const char* property, TSeBitmapLink* link) { links.emplace_back(object->Name() + "." + property, link); };
    if (auto* b = dynamic_cast<TSeBitmapObject*>(object)) add("Bitmap", b->Bitmap());
    if (auto* a = dynamic_cast<TSeActiveBitmap*>(object)) add("ActiveBitmap", a->ActiveBitmap());
    if (auto* s = dynamic_cast<TSeSystemButton*>(object)) {
        add("BitmapHot", s->BitmapHot());
        add("BitmapPressed", s->BitmapPressed());
    }
    if (auto* b = dynamic_cast<TSeButtonObject*>(object)) {
        add("BitmapHot", b->BitmapHot());
        add("BitmapFocused", b->BitmapFocused());
        add("BitmapPressed", b->BitmapPressed());
        add("BitmapDisabled", b->BitmapDisabled());
    }
    return links;
}

}  // namespace skingen::test
