#include "skin/gfx/SeBitmapList.h"

#include "framework/TextUtil.h"

namespace skin {

bool SameName(const std::string& a, const std::string& b) { return framework::SameText(a, b); }

TSeBitmap* TSeBitmapList::Add(std::unique_ptr<TSeBitmap> bitmap) {
    items_.push_back(std::move(bitmap));
    return items_.back().get();
}

TSeBitmap* TSeBitmapList::Items(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[std::size_t(index)].get();
}

std::unique_ptr<TSeBitmapLink> TSeBitmapList::GetLink(const std::string& name, const TRect& rect) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (SameName((*it)->Name(), name)) return (*it)->CreateLink(rect);
    }
    return nullptr;
}

}  // namespace skin

namespace skin {

void ResolveLink(const TSeBitmapList* list, TSeBitmapLink& link) {
    if (!list || link.Name().empty()) return;
    if (auto found = list->GetLink(link.Name(), link.Rect())) link.Assign(*found);
}

const framework::PropertyTable& TSeBitmapLink::ClassProperties() {
    using T = TSeBitmapLink;
    using namespace framework;
    static const PropertyTable table(&TPersistent::ClassProperties(),
                                     {
                                         StringProperty("Name", &T::Name, &T::SetName),
                                         IntegerProperty("Left", &T::Left, &T::SetLeft),
                                         IntegerProperty("Top", &T::Top, &T::SetTop),
                                         IntegerProperty("Right", &T::Right, &T::SetRight),
                                         IntegerProperty("Bottom", &T::Bottom, &T::SetBottom),
                                     });
    return table;
}

}  // namespace skin
