// TSeTrayIcon: a frame's icon in the notification area, and the hidden
// utility window that receives the icon's mouse messages from the shell.
//
// The record given to the shell is the first form of the notification-icon
// data, which every shell version reads: message, icon and tip (at most 63
// characters). It is 88 bytes in a 32-bit program and 104 in a 64-bit one,
// where the window and icon handles are 8 bytes and aligned to 8. The icon is added when the frame goes to
// the tray and deleted when it comes back, at the end of the session and
// when the tray icon is destroyed. Failures of the shell are ignored: the
// window can still be brought back through its frame's state.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace skinui {

// The notification-icon data as the shell's first version defines it.
struct TSeTrayRecord {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[64];
};
// The size the shell is told, and the layout it reads: its own first form.
inline constexpr DWORD kTrayRecordSize = sizeof(void*) == 4 ? 88 : 104;
static_assert(sizeof(TSeTrayRecord) == kTrayRecordSize, "the shell reads the record by its first form's size");
static_assert(offsetof(TSeTrayRecord, hWnd) == offsetof(NOTIFYICONDATAA, hWnd) &&
              offsetof(TSeTrayRecord, uCallbackMessage) == offsetof(NOTIFYICONDATAA, uCallbackMessage) &&
              offsetof(TSeTrayRecord, hIcon) == offsetof(NOTIFYICONDATAA, hIcon) &&
              offsetof(TSeTrayRecord, szTip) == offsetof(NOTIFYICONDATAA, szTip),
              "the record is the head of the shell's notification-icon data");

class TSeTrayIcon {
public:
    // `id` tells this icon apart from the program's others.
    explicit TSeTrayIcon(UINT id);
    ~TSeTrayIcon();
    TSeTrayIcon(const TSeTrayIcon&) = delete;
    TSeTrayIcon& operator=(const TSeTrayIcon&) = delete;

    // The utility window (made on first use); nullptr when it could not be made.
    HWND Window();
    const TSeTrayRecord& Record() const { return record_; }
    bool Shown() const { return shown_; }

    // The icon shown (not owned); a shown icon is updated at once.
    void SetIcon(HICON icon);
    // Adds the icon with `tip`, cut to 63 characters.
    void Show(const std::string& tip);
    // Deletes the icon when it is shown.
    void Hide();

    // A double click with the left button on the icon.
    std::function<void()> onDoubleClick;
    // The right button released on the icon.
    std::function<void()> onContextMenu;
    // Every other message of the utility window in the program's own range
    // (WM_USER and up); true when it was handled.
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)> onMessage;

    // What reaches the shell: Shell_NotifyIconA by default; tests put
    // their own in to see the records.
    using Notifier = std::function<BOOL(DWORD action, TSeTrayRecord& record)>;
    static Notifier& ShellNotifier();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Notify(DWORD action);

    TSeTrayRecord record_{};
    HWND window_ = nullptr;
    bool shown_ = false;
};

}  // namespace skinui
