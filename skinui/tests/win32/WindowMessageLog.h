// The message log (tests/MessageLog.h) on real windows: each watched
// window's procedure is replaced by one that records the message and hands
// it on, so it sees everything the window receives, also what the frame's
// hook answers itself; it should be put in place after the hooks under test.
//
// Whether a message reached the default window procedure is seen at the
// one place this program's code calls it: the program's import slot of
// DefWindowProcA is pointed at a function that notes the call and goes on
// to the system's. The slot stays so for the rest of the test program (the
// note is made only while a log is alive), as window classes may have
// taken its address meanwhile. Messages that a system control's own
// procedure hands to the default procedure inside the system are not seen.
//
// A system command that reached a watched window (the default handling of
// a press on the caption starts the system's move loop, which would wait
// for a real mouse) is ended with Escape after a quarter of a second, so
// that the test fails with its sequence instead of hanging.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skinui/tests/MessageLog.h"

namespace skinui::test {

// The names tests use where the system's headers are not included.
static_assert(wm::kDestroy == WM_DESTROY && wm::kActivate == WM_ACTIVATE && wm::kEnable == WM_ENABLE &&
              wm::kPaint == WM_PAINT && wm::kClose == WM_CLOSE && wm::kQuit == WM_QUIT &&
              wm::kEraseBkgnd == WM_ERASEBKGND && wm::kShowWindow == WM_SHOWWINDOW &&
              wm::kSetCursor == WM_SETCURSOR && wm::kWindowPosChanging == WM_WINDOWPOSCHANGING &&
              wm::kWindowPosChanged == WM_WINDOWPOSCHANGED && wm::kContextMenu == WM_CONTEXTMENU &&
              wm::kNcCalcSize == WM_NCCALCSIZE && wm::kNcHitTest == WM_NCHITTEST && wm::kNcPaint == WM_NCPAINT &&
              wm::kNcActivate == WM_NCACTIVATE);
static_assert(wm::kNcMouseMove == WM_NCMOUSEMOVE && wm::kNcLButtonDown == WM_NCLBUTTONDOWN &&
              wm::kNcLButtonUp == WM_NCLBUTTONUP && wm::kNcLButtonDblClk == WM_NCLBUTTONDBLCLK &&
              wm::kNcRButtonDown == WM_NCRBUTTONDOWN && wm::kNcRButtonUp == WM_NCRBUTTONUP &&
              wm::kNcRButtonDblClk == WM_NCRBUTTONDBLCLK && wm::kNcMButtonDown == WM_NCMBUTTONDOWN &&
              wm::kNcMButtonUp == WM_NCMBUTTONUP && wm::kNcMButtonDblClk == WM_NCMBUTTONDBLCLK &&
              wm::kNcXButtonDown == WM_NCXBUTTONDOWN && wm::kNcXButtonUp == WM_NCXBUTTONUP &&
              wm::kNcXButtonDblClk == WM_NCXBUTTONDBLCLK && wm::kNcMouseLeave == WM_NCMOUSELEAVE);
static_assert(wm::kKeyDown == WM_KEYDOWN && wm::kKeyUp == WM_KEYUP && wm::kChar == WM_CHAR &&
              wm::kDeadChar == WM_DEADCHAR && wm::kSysKeyDown == WM_SYSKEYDOWN && wm::kSysKeyUp == WM_SYSKEYUP &&
              wm::kSysChar == WM_SYSCHAR && wm::kSysDeadChar == WM_SYSDEADCHAR && wm::kCommand == WM_COMMAND &&
              wm::kSysCommand == WM_SYSCOMMAND && wm::kTimer == WM_TIMER && wm::kMouseMove == WM_MOUSEMOVE &&
              wm::kLButtonDown == WM_LBUTTONDOWN && wm::kLButtonUp == WM_LBUTTONUP &&
              wm::kCaptureChanged == WM_CAPTURECHANGED && wm::kEnterSizeMove == WM_ENTERSIZEMOVE &&
              wm::kExitSizeMove == WM_EXITSIZEMOVE && wm::kApp == WM_APP);
static_assert(vk::kTab == VK_TAB && vk::kReturn == VK_RETURN && vk::kAlt == VK_MENU && vk::kEscape == VK_ESCAPE &&
              vk::kSpace == VK_SPACE && vk::kLeft == VK_LEFT && vk::kUp == VK_UP && vk::kRight == VK_RIGHT &&
              vk::kDown == VK_DOWN && vk::kF10 == VK_F10);

class WindowMessageLog : public MessageLog {
public:
    WindowMessageLog() {
        SetOnWine(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr);
        watchingDefault_ = WatchDefaultProcedure();
        current_ = this;
        guard_ = SetTimer(nullptr, 0, 250, &EndSystemLoop);
    }
    ~WindowMessageLog() {
        for (const Watched& w : watched_) {
            if (!IsWindow(w.window) || !GetPropA(w.window, kLogProperty)) continue;
            // A procedure put in place after ours keeps calling ours, which
            // then only hands on.
            if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w.window, GWLP_WNDPROC)) == &LoggingProc) {
                SetWindowLongPtrA(w.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(w.previous));
                RemovePropA(w.window, kLogProperty);
            }
        }
        if (guard_) KillTimer(nullptr, guard_);
        if (current_ == this) current_ = nullptr;
    }
    WindowMessageLog(const WindowMessageLog&) = delete;
    WindowMessageLog& operator=(const WindowMessageLog&) = delete;

    // False when the default window procedure's calls cannot be seen (its
    // import slot was not found): then no entry says it reached it.
    bool WatchingDefault() const { return watchingDefault_; }

    // Records `window`'s messages from now on under `name`; returns the
    // window's index for expected entries.
    int Watch(HWND window, std::string name) {
        const int index = AddWindow(std::move(name));
        auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LoggingProc)));
        watched_.push_back(Watched{window, previous, index});
        SetPropA(window, kLogProperty, reinterpret_cast<HANDLE>(previous));
        return index;
    }

private:
    struct Watched {
        HWND window;
        WNDPROC previous;
        int index;
    };
    static constexpr const char* kLogProperty = "skinui.test.MessageLog";

    const Watched* Find(HWND window) const {
        for (const Watched& w : watched_) {
            if (w.window == window) return &w;
        }
        return nullptr;
    }

    static LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, kLogProperty));
        WindowMessageLog* log = current_;
        const Watched* watched = log ? log->Find(window) : nullptr;
        if (message == WM_NCDESTROY) RemovePropA(window, kLogProperty);
        if (!previous) return DefWindowProcA(window, message, wParam, lParam);
        if (!watched) return CallWindowProcA(previous, window, message, wParam, lParam);
        log->Enter(watched->index, message, wParam);
        const LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
        if (current_ == log) log->Leave();
        return result;
    }

    static void CALLBACK EndSystemLoop(HWND, UINT, UINT_PTR, DWORD) {
        if (current_ && current_->Handling(WM_SYSCOMMAND)) PostMessageA(nullptr, WM_KEYDOWN, VK_ESCAPE, 0);
    }

    static LRESULT WINAPI DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (WindowMessageLog* log = current_) {
            if (const Watched* watched = log->Find(window)) log->DefaultReached(watched->index, message);
        }
        return systemDefault_(window, message, wParam, lParam);
    }

    // Points this program's import slots of DefWindowProcA at
    // DefaultProcedure (once); false when there is none.
    static bool WatchDefaultProcedure() {
        static const bool watching = [] {
            using Procedure = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
            systemDefault_ = reinterpret_cast<Procedure>(
                reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "DefWindowProcA")));
            if (!systemDefault_) return false;
            auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
            const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
            const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
            const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
            if (!imports.VirtualAddress) return false;
            bool found = false;
            for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); d->Name; ++d) {
                for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); slot->u1.Function;
                     ++slot) {
                    if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(systemDefault_)) continue;
                    DWORD protection = 0;
                    if (!VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection)) {
                        continue;
                    }
                    slot->u1.Function = reinterpret_cast<ULONG_PTR>(&DefaultProcedure);
                    VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
                    found = true;
                }
            }
            return found;
        }();
        return watching;
    }

    static inline WindowMessageLog* current_ = nullptr;
    static inline LRESULT(WINAPI* systemDefault_)(HWND, UINT, WPARAM, LPARAM) = nullptr;
    std::vector<Watched> watched_;
    bool watchingDefault_ = false;
    UINT_PTR guard_ = 0;
};

}  // namespace skinui::test
