#include "skinui/frame/win32/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "skin/SkinMessages.h"

namespace skinui {

namespace {

constexpr char kWindowClass[] = "TSeTrayWindow";
constexpr std::size_t kMaxTip = sizeof(TSeTrayRecord::szTip) - 1;

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSA wc{};
    if (GetClassInfoA(GetModuleHandleA(nullptr), kWindowClass, &wc)) return;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
}

}  // namespace

TSeTrayIcon::Notifier& TSeTrayIcon::ShellNotifier() {
    static Notifier notifier = [](DWORD action, TSeTrayRecord& record) {
        return Shell_NotifyIconA(action, reinterpret_cast<NOTIFYICONDATAA*>(&record));
    };
    return notifier;
}

TSeTrayIcon::TSeTrayIcon(UINT id) {
    record_.cbSize = sizeof record_;
    record_.uID = id;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = skin::WM_SETRAYNOTIFY;
}

TSeTrayIcon::~TSeTrayIcon() {
    Hide();
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

HWND TSeTrayIcon::Window() {
    if (window_) return window_;
    RegisterWindowClass(&TSeTrayIcon::WindowProc);
    // A hidden top-level window: it is never shown and has no taskbar button.
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_) SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    record_.hWnd = window_;
    return window_;
}

void TSeTrayIcon::SetIcon(HICON icon) {
    record_.hIcon = icon;
    if (shown_) Notify(NIM_MODIFY);
}

void TSeTrayIcon::Show(const std::string& tip) {
    Window();
    std::memset(record_.szTip, 0, sizeof record_.szTip);
    std::memcpy(record_.szTip, tip.data(), std::min(tip.size(), kMaxTip));
    // An icon already there gets the new tip instead of a second icon.
    Notify(shown_ ? NIM_MODIFY : NIM_ADD);
    shown_ = true;
}

void TSeTrayIcon::Hide() {
    if (!shown_) return;
    shown_ = false;
    Notify(NIM_DELETE);
}

void TSeTrayIcon::Notify(DWORD action) {
    if (Notifier& notifier = ShellNotifier()) notifier(action, record_);
}

LRESULT CALLBACK TSeTrayIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* tray = reinterpret_cast<TSeTrayIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!tray) return DefWindowProcA(window, message, wParam, lParam);
    return tray->Handle(message, wParam, lParam);
}

// The system's own messages (creation, destruction, painting) keep their
// default handling: the window must come into being and go like any other.
LRESULT TSeTrayIcon::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_QUERYENDSESSION:
            return 1;
        case WM_ENDSESSION:
            if (wParam) Hide();
            return 0;
        default:
            break;
    }
    if (message == skin::WM_SETRAYNOTIFY) {
        if (lParam == WM_LBUTTONDBLCLK && onDoubleClick) onDoubleClick();
        if (lParam == WM_RBUTTONUP && onContextMenu) onContextMenu();
        return 0;
    }
    if (message >= WM_USER && onMessage) {
        LRESULT result = 0;
        if (onMessage(message, wParam, lParam, result)) return result;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace skinui
