#include "skinui/menus/win32/ClickHandler.h"

#include <memory>

#include "framework/win32/Application.h"
#include "framework/win32/Screen.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/MenuMetrics.h"
#include "skinui/menus/win32/SkinPopupWindow.h"

namespace skinui {

namespace {

std::unique_ptr<TSeClickHandler>& Handler() {
    // The list of forms is made first so that it outlives the handler, a
    // form that leaves it when it goes.
    framework::Screen();
    static std::unique_ptr<TSeClickHandler> handler;
    return handler;
}

}  // namespace

TSeClickHandler::TSeClickHandler() : TForm(nullptr) {
    SetBorderStyle(framework::TBorderStyle::bsNone);
    SetBounds(10000, 10000, 0, 0);
    CreateHandle();
}

LRESULT TSeClickHandler::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kClickMessage) return TForm::WndProc(message, wParam, lParam);
    auto* item = reinterpret_cast<TSeCustomItem*>(lParam);
    if (!TSeCustomItem::Alive(item)) return 0;
    framework::Application().ProcessMessages();
    // What ran meanwhile may have destroyed the item.
    if (!TSeCustomItem::Alive(item)) return 0;
    try {
        item->RunClick();
    } catch (const std::exception& error) {
        framework::Application().HandleException(error);
    }
    return 0;
}

void InitializeMenus() {
    static bool done = false;
    if (done) return;
    done = true;
    LoadMenuMetrics();
    InstallSkinPopupWindows();
    Handler() = std::make_unique<TSeClickHandler>();
    TSeCustomItem::ClickPoster() = [](TSeCustomItem& item) {
        HWND window = ClickHandlerWindow();
        return window && PostMessageA(window, kClickMessage, 0, reinterpret_cast<LPARAM>(&item));
    };
}

HWND ClickHandlerWindow() {
    const auto& handler = Handler();
    return handler && handler->HandleAllocated() ? handler->Handle() : nullptr;
}

bool IsShortCut(TSeCustomItem& tree, WPARAM key, LPARAM keyData) {
    const int code = ShortCutCode(int(key), (GetKeyState(VK_SHIFT) & 0x8000) != 0,
                                  (GetKeyState(VK_CONTROL) & 0x8000) != 0, (keyData & (1 << 29)) != 0);
    return DispatchShortCut(tree, code, [](const std::exception& error) {
        framework::Application().HandleException(error);
    });
}

}  // namespace skinui
