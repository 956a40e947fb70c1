// TSeCustomItem: one item of the library's own menus, and the tree they
// form. A parent owns its children: destroying an item destroys its
// children first and takes it out of its parent's list.
//
// An item draws itself (MeasureItem, DrawItem, DrawScrollArrow; the plain
// look is in MenuItemLook.cpp, skinned items override it) and names the
// class of the popup window that shows its children (CreatePopupWindow).
// The window, view and tracking loop that show a level are Windows code
// (ItemView.h, PopupWindow.h); the tree itself is portable.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Action.h"
#include "framework/Component.h"
#include "framework/ImageList.h"
#include "skin/gfx/Rect.h"
#include "skinui/effects/FormOptions.h"

namespace skin {
class SkinCanvas;
}

namespace skinui {

class TSeItemViewGeometry;
class TSeItemView;
class TSePopupWindow;

// Raised for a misuse of the item tree.
class EZtItemError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline constexpr std::string_view kItemAlreadyInserted = "Toolbar item already inserted";

// Buttons of a maximized child window shown in a menu bar.
enum TSeItemSpecialKind : int { kskNone = 0, kskClose = 1, kskRestore = 2, kskMinimize = 3, kskWindowIcon = 4 };

class TSeCustomItem : public framework::TComponent, private framework::TActionClient {
public:
    static constexpr std::string_view kClassName = "TSeCustomItem";
    explicit TSeCustomItem(framework::TComponent* owner);
    ~TSeCustomItem() override;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Action, HelpContext, Hint, Checked, Enabled (True), Caption,
    // ImageIndex (-1), Images, Scrolled, ScrollCount, ShortCut, Visible
    // (True), OnClick, OnBeforeDropDown. Count and Parent are read only.
    static const framework::PropertyTable& ClassProperties();

    // True while `item` is an item that has not been destroyed. Posted
    // clicks and short-cut searches check their items with it.
    static bool Alive(const TSeCustomItem* item);

    // ---- the tree ----------------------------------------------------------
    TSeCustomItem* Parent() const { return parent_; }
    int Count() const { return int(items_.size()); }
    // nullptr outside 0 .. Count() - 1.
    TSeCustomItem* Items(int index) const;
    int IndexOf(const TSeCustomItem* item) const;
    // Take an item without a parent; one with a parent raises EZtItemError.
    void Add(TSeCustomItem* item);
    void Insert(int index, TSeCustomItem* item);
    // Take the child out (it is not destroyed; the caller owns it again).
    void Remove(TSeCustomItem* item);
    void Delete(int index);
    // The top-most parent (the item itself at the root).
    TSeCustomItem* Root();

    // ---- published ---------------------------------------------------------
    framework::TAction* Action() const { return action_; }
    void SetAction(framework::TAction* action);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { helpContext_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }
    bool Checked() const { return checked_; }
    void SetChecked(bool value) { checked_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { imageIndex_ = value; }
    framework::TCustomImageList* Images() const { return images_; }
    void SetImages(framework::TCustomImageList* images);
    bool Scrolled() const { return scrolled_; }
    void SetScrolled(bool value) { scrolled_ = value; }
    int ScrollCount() const { return scrollCount_; }
    void SetScrollCount(int value) { scrollCount_ = value; }
    // Key code + 0x2000 Shift, + 0x4000 Ctrl, + 0x8000 Alt; 0 for none.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int value) { shortCut_ = value & 0xFFFF; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }

    framework::TNotifyEvent onClick;
    framework::TNotifyEvent onBeforeDropDown;
    const std::string& OnClickName() const { return onClickName_; }
    void SetOnClick(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnBeforeDropDownName() const { return onBeforeDropDownName_; }
    void SetOnBeforeDropDown(const std::string& name, framework::TNotifyEvent handler);

    // ---- derived -----------------------------------------------------------
    bool IsSeparator() const { return caption_ == "-"; }
    // The item's own image list, else its top-most parent's.
    framework::TCustomImageList* ImageList() const;
    bool HasImage() const;

    // ---- run-time fields -----------------------------------------------------
    int FirstVisible() const { return firstVisible_; }
    void SetFirstVisible(int value) { firstVisible_ = value; }
    const skin::TRect& Bounds() const { return bounds_; }
    void SetBounds(const skin::TRect& value) { bounds_ = value; }
    TSeItemSpecialKind SpecialKind() const { return specialKind_; }
    void SetSpecialKind(TSeItemSpecialKind value) { specialKind_ = value; }
    // The item is a button of a tool bar rather than a menu bar's item.
    bool ToolBarItem() const { return toolBarItem_; }
    void SetToolBarItem(bool value) { toolBarItem_ = value; }
    // While true, the view leaves the item out when it paints (the frame
    // repaints another item's rectangle).
    bool PaintSuppressed() const { return paintSuppressed_; }
    void SetPaintSuppressed(bool value) { paintSuppressed_ = value; }

    // These are set on a whole subtree at once.
    framework::TComponent* OwnerControl() const { return ownerControl_; }
    void SetOwnerControl(framework::TComponent* control);
    TSePopupMenuOptions* Options() const { return options_; }
    void SetOptions(TSePopupMenuOptions* options);
    bool AnimateFirst() const { return animateFirst_; }
    void SetAnimateFirst(bool value);
    bool InPopup() const { return inPopup_; }
    void SetInPopup(bool value);
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool value);
    bool Foreground() const { return foreground_; }
    void SetForeground(bool value);

    // ---- operations -----------------------------------------------------------
    // Chooses the item: nothing for a separator, an item with children or a
    // disabled item. The click runs later through the library's click
    // handler when there is one (after the menu has closed), else now.
    void Click();
    // What choosing the item runs: OnClick when it is not the linked
    // action's own handler, else the action, else OnClick.
    void RunClick();

    // The first child whose upper-cased caption holds "&" and the
    // upper-cased character.
    TSeCustomItem* FindByAccelerator(char character) const;
    // Depth first, the item itself first.
    TSeCustomItem* FindByShortCut(int shortCut);
    TSeCustomItem* FindByClickHandler(std::string_view handlerName);

    // Shows the children in a popup level and runs its tracking loop; see
    // ShowSubItems.cpp (Windows).
    void ShowSubItems(TSeItemView* parentView, int x, int y, const skin::TRect& anchor);

    // The plain look; `view` tells whether the item stands in a menu bar.
    virtual void MeasureItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, int& width, int& height);
    virtual void DrawItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, bool hot, bool selected,
                          const skin::TRect& rect);
    // direction 1: up, 2: down.
    virtual void DrawScrollArrow(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, bool selected,
                                 int direction, const skin::TRect& rect);
    // A new popup window of the item's class for the level of its children,
    // or nullptr for the plain TSePopupWindow.
    virtual TSePopupWindow* CreatePopupWindow(TSeItemView* parentView, framework::TComponent* owner);

    // The width of the check and image column in a popup.
    int CheckColumnWidth() const;

    // ---- streaming --------------------------------------------------------------
    std::vector<framework::TComponent*> GetChildren() const override;
    void SetParentComponent(framework::TComponent* parent) override;
    void Notification(framework::TComponent* component, framework::TOperation operation) override;

    // Called for every click that is to run later; true when it was taken.
    // The Windows library sets it to post the click to its click handler.
    static std::function<bool(TSeCustomItem&)>& ClickPoster();

private:
    void ActionChanged(framework::TAction& action) override;
    // Takes the action's values; with `onlyDefaults` only where the item's
    // own value is still its default.
    void TakeFromAction(const framework::TAction& action, bool onlyDefaults);
    template <class F>
    void ForSubtree(F&& f) {
        f(*this);
        for (TSeCustomItem* child : items_) child->ForSubtree(f);
    }

    TSeCustomItem* parent_ = nullptr;
    std::vector<TSeCustomItem*> items_;

    framework::TAction* action_ = nullptr;
    int helpContext_ = 0;
    std::string hint_;
    bool checked_ = false;
    bool enabled_ = true;
    std::string caption_;
    int imageIndex_ = -1;
    framework::TCustomImageList* images_ = nullptr;
    bool scrolled_ = false;
    int scrollCount_ = 0;
    int shortCut_ = 0;
    bool visible_ = true;
    std::string onClickName_, onBeforeDropDownName_;
    // OnClick was taken from the linked action (its own handler).
    bool clickFromAction_ = false;

    int firstVisible_ = 0;
    skin::TRect bounds_{};
    TSeItemSpecialKind specialKind_ = kskNone;
    bool toolBarItem_ = false;
    bool paintSuppressed_ = false;
    framework::TComponent* ownerControl_ = nullptr;
    TSePopupMenuOptions* options_ = nullptr;
    bool animateFirst_ = false;
    bool inPopup_ = false;
    bool rightToLeft_ = false;
    bool foreground_ = false;
};

// Runs the short-cut `code` in the tree: finds the item that carries it and
// clicks every item from the top-most ancestor down to it, stopping at a
// disabled one. An exception raised by a click goes to `onError` and the
// walk goes on. When a click changed the tree so that the item no longer
// carries the code, the search starts again (a bounded number of times).
// True when an item was found.
bool DispatchShortCut(TSeCustomItem& tree, int code,
                      const std::function<void(const std::exception&)>& onError);

}  // namespace skinui
