// TSeSkinItem: a menu item that measures and draws itself from its skin
// engine's menu objects: "MenuBar" (its "Item", or "ToolbarItem" for a tool
// bar's item, and the "Close", "Restore" and "Min" buttons of a maximized
// child window) and "PopupMenu" (its "Item" and "Separator"). The item holds
// the engine's own objects, not copies: drawing sets their rectangle, text
// and state and draws them. Without a usable skin, or without the object a
// drawing needs, it draws as the plain item.
//
// Its levels open in a TSeSkinPopupWindow (SkinPopupWindow.h, Windows),
// framed by the "PopupMenu" object's "Frame".
#pragma once

#include <functional>
#include <string_view>

#include "skinui/controls/SkinBinding.h"
#include "skinui/menus/MenuItem.h"

namespace skinui {

class TSeSkinItem : public TSeCustomItem {
public:
    static constexpr std::string_view kClassName = "TSeSkinItem";
    explicit TSeSkinItem(framework::TComponent* owner);
    ~TSeSkinItem() override;
    std::string_view ClassName() const override { return kClassName; }
    // The published properties are the base item's: Checked, Enabled,
    // Caption, ImageIndex, Images, ShortCut, Visible, OnClick and
    // OnBeforeDropDown among them, in that order. The engine is not stored.

    skin::TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    // Binds the item, and every sub-item that is a TSeSkinItem, to the
    // engine's menu objects (all cleared when its skin is empty or being
    // replaced). The item stops listening to its old engine and hears when
    // the new one is destroyed.
    void SetSkinEngine(skin::TSeSkinEngine* engine);

    skin::TSeSkinObject* MenuBarObject() const { return menuBar_; }
    skin::TSeSkinObject* PopupMenuObject() const { return popupMenu_; }
    skin::TSeSkinObject* BarItemObject() const { return barItem_; }
    skin::TSeSkinObject* PopupItemObject() const { return popupItem_; }
    skin::TSeSkinObject* SeparatorObject() const { return separator_; }

    // False while the item is loading or being destroyed; true when the
    // engine's skin is not locked, holds objects, and "MenuBar" and
    // "PopupMenu" were found. A skin whose objects were replaced since the
    // item was bound binds it again first, so that it never draws with
    // objects that are gone.
    bool SkinUsable();

    void MeasureItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, int& width, int& height) override;
    void DrawItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, bool hot, bool selected,
                  const skin::TRect& rect) override;
    void DrawScrollArrow(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, bool selected, int direction,
                         const skin::TRect& rect) override;
    // A TSeSkinPopupWindow showing this item's children with its engine;
    // nullptr (the plain window) where no maker is installed.
    TSePopupWindow* CreatePopupWindow(TSeItemView* parentView, framework::TComponent* owner) override;

    void Notification(framework::TComponent* component, framework::TOperation operation) override;

    // Makes the popup window of a skinned item's level. The Windows library
    // installs it (InitializeMenus); portable builds have none.
    using PopupWindowMaker =
        std::function<TSePopupWindow*(TSeSkinItem& item, TSeItemView* parentView, framework::TComponent* owner)>;
    static PopupWindowMaker& PopupWindowFactory();

private:
    // Takes the engine's objects for this item alone.
    void Bind(skin::TSeSkinEngine* engine);
    void ClearObjects();
    void DrawBarItem(skin::SkinCanvas& canvas, bool hot, bool selected, const skin::TRect& rect);
    void DrawPopupItem(skin::SkinCanvas& canvas, bool hot, bool selected, const skin::TRect& rect);

    // The engine's own objects are held, not copies: the binding says when
    // they must be looked up again.
    SkinBinding binding_{"", this};
    skin::TSeSkinObject* menuBar_ = nullptr;
    skin::TSeSkinObject* popupMenu_ = nullptr;
    skin::TSeSkinObject* barItem_ = nullptr;
    skin::TSeSkinObject* popupItem_ = nullptr;
    skin::TSeSkinObject* separator_ = nullptr;
};

// The state a skin object draws an item in: 5 (hot) when the item is
// selected and hot, 7 (focused) when it is selected without hot, else 0.
int SkinItemState(bool hot, bool selected);

}  // namespace skinui
