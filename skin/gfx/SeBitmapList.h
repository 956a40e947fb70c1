// TSeBitmapList: the bitmaps of a loaded skin, in load order, owned by the list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/gfx/Rect.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/SeBitmapLink.h"

namespace skin {

class TSeBitmapList {
public:
    // Takes ownership and returns the bitmap.
    TSeBitmap* Add(std::unique_ptr<TSeBitmap> bitmap);
    int Count() const { return int(items_.size()); }
    // The bitmap at `index`, or nullptr outside 0 <= index < Count().
    TSeBitmap* Items(int index) const;
    void Clear() { items_.clear(); }

    // A new link to the last bitmap whose name equals `name` regardless of
    // letter case, with `rect`; nullptr when no bitmap has that name.
    std::unique_ptr<TSeBitmapLink> GetLink(const std::string& name, const TRect& rect) const;

private:
    std::vector<std::unique_ptr<TSeBitmap>> items_;
};

// Points `link` at the bitmap its name and rectangle find in `list`
// (GetLink). A link without a name stands for no bitmap and is not looked
// up; a link that finds nothing is left as it is (and not valid).
void ResolveLink(const TSeBitmapList* list, TSeBitmapLink& link);

// Names compare by 8-bit characters with ASCII letters folded; skin names
// are plain ASCII.
bool SameName(const std::string& a, const std::string& b);

}  // namespace skin
