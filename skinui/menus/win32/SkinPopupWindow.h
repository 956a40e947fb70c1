// The popup window of a skinned item's level: TSeSkinPopupWindow remembers
// the engine of the item tree it shows and frames the level with a
// TSeSkinPopupForm, which draws the "PopupMenu" object's "Frame" over the
// whole window and keeps the items inside that object's margins (3 pixels
// on every side when the skin's popup menu has no "Frame"). Without a
// usable skin, or one without "PopupMenu", the frame is the plain one.
#pragma once

#include <windows.h>

#include "skinui/controls/SkinBinding.h"
#include "skinui/menus/win32/PopupWindow.h"

namespace skinui {

class TSeSkinItem;

class TSeSkinPopupForm : public TSePopupForm {
public:
    static constexpr std::string_view kClassName = "TSeSkinPopupForm";
    TSeSkinPopupForm(framework::TComponent* owner, skin::TSeSkinEngine* engine);
    std::string_view ClassName() const override { return kClassName; }

    skin::TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    // The engine's "PopupMenu" object while its skin is usable, else nullptr.
    skin::TSeSkinObject* PopupMenuObject() const;

    skin::TRect PopupClientRect(int width, int height) override;
    void PaintNonClient(HDC dc) override;
    void Notification(framework::TComponent* component, framework::TOperation operation) override;

private:
    // Looked up at every use: nothing of the skin is held.
    SkinBinding binding_{"", this};
};

class TSeSkinPopupWindow : public TSePopupWindow {
public:
    static constexpr std::string_view kClassName = "TSeSkinPopupWindow";
    // The level of `item`'s children, drawn with the item's engine.
    TSeSkinPopupWindow(TSeSkinItem* item, TSeItemView* parentView, framework::TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }

    skin::TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void Notification(framework::TComponent* component, framework::TOperation operation) override;

protected:
    TSePopupForm* CreateFrame() override;

private:
    SkinBinding binding_{"", this};
};

// Makes skinned items open their levels in TSeSkinPopupWindow
// (TSeSkinItem::PopupWindowFactory); InitializeMenus calls it.
void InstallSkinPopupWindows();

}  // namespace skinui
