// TSeCustomForm: the frame's own system menu (built anew for every popup
// from the state and the border icons), the popup menus linked in its
// place, the tray icon, and the icons the frame shows.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/PopupMenu.h"
#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "skin/ScopeExit.h"
#include "skinui/menus/MenuItem.h"
#include "skinui/menus/win32/PopupMenu.h"
#include "skinui/frame/win32/SeCustomForm.h"
#include "skinui/menus/SeImageList.h"
#include "skinui/frame/SystemMenu.h"
#include "skinui/frame/SystemMenuImages.h"
#include "skinui/frame/win32/TrayIcon.h"

namespace skinui {

namespace {

// The images of every frame's system menu, made once per process.
TSeImageList& SystemMenuImageList() {
    static const std::unique_ptr<TSeImageList> list = [] {
        auto images = std::make_unique<TSeImageList>(nullptr);
        images->SetSize(kSystemMenuImageSize, kSystemMenuImageSize);
        images->SetImages(SystemMenuImages());
        return images;
    }();
    return *list;
}

}  // namespace

TSeCustomItem* TSeCustomForm::CreateSystemMenuItem() { return new TSeCustomItem(nullptr); }

TSeCustomItem* TSeCustomForm::BuildSystemMenu() {
    systemMenu_.reset(CreateSystemMenuItem());
    TSeCustomItem& root = *systemMenu_;
    root.SetImages(&SystemMenuImageList());
    for (const SystemMenuEntry& entry : SystemMenuEntries(borderIcons_, windowState_)) {
        // Children are made by the root, so that they are of its class.
        TSeCustomItem* item = CreateSystemMenuItem();
        item->SetCaption(std::string(entry.caption));
        item->SetImageIndex(entry.imageIndex);
        item->SetShortCut(entry.shortCut);
        if (entry.command != TSeSystemCommand::None) {
            item->onClick = [this](framework::TComponent& sender) {
                RunSystemCommand(static_cast<TSeCustomItem&>(sender).Caption());
            };
        }
        root.Add(item);
    }
    root.SetOptions(systemMenuOptions_.get());
    return &root;
}

// The click of an item of the frame's menu, told apart by its caption.
void TSeCustomForm::RunSystemCommand(const std::string& caption) {
    switch (SystemCommandFor(caption)) {
        case TSeSystemCommand::Close: CloseForm(); break;
        case TSeSystemCommand::Maximize: Maximize(); break;
        case TSeSystemCommand::Minimize: Minimize(); break;
        case TSeSystemCommand::Rollup: Rollup(); break;
        case TSeSystemCommand::Tray: MinToTray(); break;
        case TSeSystemCommand::Restore: Restore(); break;
        case TSeSystemCommand::None: break;
    }
}

void TSeCustomForm::PopupLinkedMenu(framework::TPopupMenu& menu, TSePopupMenuOptions& options, bool foreground,
                                    skin::TPoint at) {
    if (auto* skinned = dynamic_cast<TSeCustomPopupMenu*>(&menu)) {
        skinned->SetPopupMenuOptions(options);
        if (foreground && skinned->Items()) skinned->Items()->SetForeground(true);
    }
    menu.Popup(at.X, at.Y);
}

// One menu at a time: a second request while one is shown (a tray click
// dispatched by its loop) is dropped, as it would free the tree in use.
void TSeCustomForm::PopupSystemMenu() {
    track_.HoverOver(kfhSkinButton);
    if (systemMenuShown_ || !Hooked()) return;
    systemMenuShown_ = true;
    skin::OnExit shown{[this] { systemMenuShown_ = false; }};
    const bool inTray = windowState_ == kwsTray;
    skin::TPoint at = popupPoint_;
    popupPoint_ = skin::TPoint{};
    if (inTray) {
        POINT cursor{};
        GetCursorPos(&cursor);
        at = skin::TPoint{cursor.x, cursor.y};
    } else if (at.X == 0 && at.Y == 0) {
        POINT origin{0, 0};
        ClientToScreen(OwnerWindow(), &origin);
        at = skin::TPoint{origin.x, origin.y};
    }
    if (inTray && trayMenuLink_) {
        PopupLinkedMenu(*trayMenuLink_, *trayMenuOptions_, true, at);
        return;
    }
    if (!inTray && systemMenuLink_) {
        PopupLinkedMenu(*systemMenuLink_, *systemMenuOptions_, false, at);
        return;
    }
    TSeCustomItem* root = BuildSystemMenu();
    // From the tray the menu's window must come to the front to get the keys.
    root->SetForeground(inTray);
    PopupItemTree(*root, systemMenuOptions_.get(), Form(), at.X, at.Y);
}

// ---- tray and icons ------------------------------------------------------------------

TSeTrayIcon& TSeCustomForm::Tray() {
    if (!tray_) {
        tray_ = std::make_unique<TSeTrayIcon>(static_cast<UINT>(reinterpret_cast<UINT_PTR>(this)));
        tray_->onDoubleClick = [this] { Restore(); };
        tray_->onContextMenu = [this] { PopupSystemMenu(); };
        tray_->onMessage = [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            TMessage m{message, wParam, lParam, 0};
            const bool handled = Dispatch(m);
            result = m.result;
            return handled;
        };
    }
    return *tray_;
}

HICON TSeCustomForm::FormIcon() const {
    const framework::TForm* form = Form();
    if (form && form->Icon()) return form->Icon();
    return framework::Application().Icon();
}

HICON TSeCustomForm::SmallIcon() {
    if (smallIcon_) return smallIcon_;
    int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    if (width == 0 || height == 0) {
        width = GetSystemMetrics(SM_CXSIZE);
        height = GetSystemMetrics(SM_CYSIZE);
    }
    // An icon from a resource gives its own picture of that size; any other
    // is scaled.
    smallIcon_ = static_cast<HICON>(CopyImage(FormIcon(), IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
    if (!smallIcon_) smallIcon_ = static_cast<HICON>(CopyImage(FormIcon(), IMAGE_ICON, width, height, 0));
    return smallIcon_;
}

}  // namespace skinui
