#include "skinui/menus/win32/PopupMenu.h"

#include "framework/Property.h"
#include "framework/win32/Application.h"
#include "framework/win32/Control.h"
#include "skin/ScopeExit.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skinui/menus/win32/ClickHandler.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/win32/PopupWindow.h"
#include "skinui/frame/win32/SeCustomForm.h"

namespace skinui {

namespace {

TSeCustomPopupMenu*& ShownMenu() {
    static TSeCustomPopupMenu* menu = nullptr;
    return menu;
}

// The open level of a tree whose loop runs deepest, or nullptr. Every open
// level is a view of an item of the tree.
TSeItemView*& DeepestView() {
    static TSeItemView* view = nullptr;
    return view;
}

}  // namespace

TSeItemView* DeepestOpenLevel() { return DeepestView(); }

const framework::PropertyTable& TSeCustomPopupMenu::ClassProperties() {
    using T = TSeCustomPopupMenu;
    static const framework::PropertyTable table(
        &framework::TComponent::ClassProperties(),
        {
            framework::ComponentProperty("Images", &T::Images, &T::SetImages),
            framework::ObjectProperty("PopupMenuOptions", &T::PopupMenuOptions),
            framework::EventProperty("OnPopup", &T::OnPopupName, &T::SetOnPopup),
        });
    return table;
}

TSeCustomPopupMenu::TSeCustomPopupMenu(framework::TComponent* owner)
    : TPopupMenu(owner), items_(nullptr), options_(std::make_unique<TSePopupMenuOptions>()) {
    items_ = CreateItem();
    InitializeMenus();
}

TSeCustomPopupMenu::~TSeCustomPopupMenu() {
    BeginDestruction();
    *alive_ = false;
    if (ShownMenu() == this) ShownMenu() = nullptr;
}

TSeCustomPopupMenu* TSeCustomPopupMenu::Shown() { return ShownMenu(); }

void TSeCustomPopupMenu::Notification(framework::TComponent* component, framework::TOperation operation) {
    if (operation == framework::TOperation::opRemove && component == items_) items_ = nullptr;
    TPopupMenu::Notification(component, operation);
}

namespace {

void CloseShownMenu() {
    if (TSeCustomPopupMenu* other = ShownMenu()) {
        other->Close();
        framework::Application().ProcessMessages();
    }
}

// The tree's first level for `owner`, after `beforeShow` (false: stop).
template <class BeforeShow>
void ShowTree(TSeCustomItem& root, TSePopupMenuOptions* options, framework::TComponent* owner, int x, int y,
              BeforeShow&& beforeShow) {
    root.SetOptions(options);
    auto* control = dynamic_cast<framework::TControl*>(owner);
    if (control && control->HandleAllocated()) root.SetOwnerControl(control);
    root.SetAnimateFirst(true);
    root.SetInPopup(true);
    if (!beforeShow()) return;
    root.ShowSubItems(nullptr, x, y, skin::TRect{});
}

}  // namespace

void TSeCustomPopupMenu::Popup(int x, int y) {
    if (!items_) return;
    CloseShownMenu();
    ShownMenu() = this;
    const std::shared_ptr<bool> alive = alive_;
    skin::OnExit notShown{[this, alive] {
        if (!*alive) return;  // destroyed while it was shown
        if (ShownMenu() == this) ShownMenu() = nullptr;
        if (items_) items_->SetInPopup(false);
    }};
    ShowTree(*items_, options_.get(), Owner(), x, y, [this, alive] {
        if (onPopup) onPopup(*this);
        return *alive && items_ != nullptr;
    });
}

void PopupItemTree(TSeCustomItem& root, TSePopupMenuOptions* options, framework::TComponent* owner, int x, int y) {
    CloseShownMenu();
    // The tree's owner may be destroyed while the menu is shown.
    skin::OnExit notShown{[&root] {
        if (TSeCustomItem::Alive(&root)) root.SetInPopup(false);
    }};
    ShowTree(root, options, owner, x, y, [] { return true; });
}

void TSeCustomPopupMenu::Close() {
    auto* control = dynamic_cast<framework::TControl*>(Owner());
    if (control && control->HandleAllocated()) {
        PostMessageA(control->Handle(), WM_NCMBUTTONDBLCLK, 0, 0);
    } else if (HWND handler = ClickHandlerWindow()) {
        // Any window of the thread will do: the loops see every message.
        PostMessageA(handler, WM_NCMBUTTONDBLCLK, 0, 0);
    }
    // A Close from inside the menu's own loop (a timer, a second Popup)
    // ends the levels at once: the message would be taken by whoever pumps
    // messages next.
    if (ShownMenu() == this && DeepestView() && items_ && DeepestView()->Item() &&
        DeepestView()->Item()->Root() == items_) {
        DeepestView()->CloseAll();
    }
}

// ---- showing a level ---------------------------------------------------------------

namespace {

// The bounds a level stays inside: the monitor of the form at the top of
// the item's owners, else the screen.
skin::TRect PlacementBounds(TSeCustomItem& item) {
    framework::TComponent* top = item.Owner() ? item.Owner() : item.Root()->Owner();
    if (!top) top = item.OwnerControl();
    while (top && top->Owner()) top = top->Owner();
    if (auto* form = dynamic_cast<framework::TControl*>(top); form && form->HandleAllocated()) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoA(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &info)) {
            return skin::FromRECT(info.rcMonitor);
        }
    }
    return skin::TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// The first skinned frame among the components of the menu's owner control.
TSeCustomForm* OwnerFrame(framework::TComponent* control) {
    if (!control) return nullptr;
    for (std::size_t i = 0; i < control->ComponentCount(); ++i) {
        if (auto* frame = dynamic_cast<TSeCustomForm*>(control->Components(i))) return frame;
    }
    return nullptr;
}

bool HasVisibleChild(const TSeCustomItem& item) {
    for (int i = 0; i < item.Count(); ++i) {
        if (item.Items(i)->Visible()) return true;
    }
    return false;
}

}  // namespace

void TSeCustomItem::ShowSubItems(TSeItemView* parentView, int x, int y, const skin::TRect& anchor) {
    if (!HasVisibleChild(*this)) return;
    InitializeMenus();
    if (onBeforeDropDown) {
        onBeforeDropDown(*this);
        if (!HasVisibleChild(*this)) return;
    }
    std::unique_ptr<TSePopupWindow> window(CreatePopupWindow(parentView, OwnerControl()));
    if (!window) window = std::make_unique<TSePopupWindow>(this, parentView, OwnerControl());
    if (!window->Prepare()) return;
    HWND handle = window->Handle();

    SetWindowPos(handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    window->Layout();
    RECT placed{};
    GetWindowRect(handle, &placed);
    const skin::TPoint at = PlaceLevel(skin::TPoint{x, y},
                                       skin::TPoint{placed.right - placed.left, placed.bottom - placed.top}, anchor,
                                       parentView && parentView->IsMenuBar(), PlacementBounds(*this));
    SetWindowPos(handle, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    TSeCustomForm* ownerFrame = OwnerFrame(OwnerControl());
    if (ownerFrame) ownerFrame->SetFramePaintingAllowed(false);
    window->ShowLevel();
    if (ownerFrame && OwnerFrame(OwnerControl()) == ownerFrame) ownerFrame->SetFramePaintingAllowed(true);

    TSeItemView* view = window->View();
    if (parentView) parentView->SetChildView(view);
    TSeItemView* outer = DeepestView();
    DeepestView() = view;
    skin::OnExit restore{[&] {
        DeepestView() = outer;
        if (parentView) parentView->SetChildView(nullptr);
    }};
    window->Track();
}

}  // namespace skinui
