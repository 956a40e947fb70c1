// TSeCustomPopupMenu: a popup menu component of the library's own menu
// system. Its root item's children form the first level; Popup shows them
// at a screen point and returns once every level has closed.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

#include "framework/PopupMenu.h"
#include "skinui/effects/FormOptions.h"
#include "skinui/menus/MenuItem.h"

namespace skinui {

class TSeItemView;

class TSeCustomPopupMenu : public framework::TPopupMenu {
public:
    static constexpr std::string_view kClassName = "TSeCustomPopupMenu";
    explicit TSeCustomPopupMenu(framework::TComponent* owner);
    ~TSeCustomPopupMenu() override;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Images, PopupMenuOptions, OnPopup (Items is read only).
    static const framework::PropertyTable& ClassProperties();

    TSeCustomItem* Items() const { return items_; }
    framework::TCustomImageList* Images() const { return items_->Images(); }
    void SetImages(framework::TCustomImageList* images) { items_->SetImages(images); }
    TSePopupMenuOptions* PopupMenuOptions() const { return options_.get(); }
    void SetPopupMenuOptions(const TSePopupMenuOptions& options) { options_->Assign(options); }

    // Shows the menu at the screen point (x, y); a menu already shown is
    // closed first.
    void Popup(int x, int y) override;
    // Ends every open level of this menu.
    void Close();
    // The menu being shown, or nullptr.
    static TSeCustomPopupMenu* Shown();

    void Notification(framework::TComponent* component, framework::TOperation operation) override;

protected:
    // The class of the items the menu makes (the root).
    virtual TSeCustomItem* CreateItem() { return new TSeCustomItem(this); }

private:
    TSeCustomItem* items_;
    std::unique_ptr<TSePopupMenuOptions> options_;
    // False once the menu is destroyed: a Popup still on the stack (its
    // owner destroyed it from inside the loop) must not touch it then.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Shows the children of `root` as a popup menu at the screen point (x, y)
// for the control `owner` (nullptr: none) with `options`, and returns once
// every level has closed. A popup menu being shown is closed first.
void PopupItemTree(TSeCustomItem& root, TSePopupMenuOptions* options, framework::TComponent* owner, int x, int y);

}  // namespace skinui
