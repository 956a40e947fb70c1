// What the portable menu tests share: a root item with children.
#pragma once

#include <initializer_list>
#include <memory>

#include "skinui/menus/MenuItem.h"

namespace skinui::test {

// A root whose children have the given captions; the root owns them.
inline std::unique_ptr<TSeCustomItem> Level(std::initializer_list<const char*> captions) {
    auto root = std::make_unique<TSeCustomItem>(nullptr);
    for (const char* caption : captions) {
        auto* item = new TSeCustomItem(nullptr);
        item->SetCaption(caption);
        root->Add(item);
    }
    return root;
}

}  // namespace skinui::test
