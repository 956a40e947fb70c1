#include "framework/win32/Application.h"

#include <commctrl.h>

#include "framework/win32/Form.h"

namespace framework {

TApplication& Application() {
    static TApplication application;
    return application;
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    terminated_ = false;
}

void TApplication::Run(TForm& form) {
    mainForm_ = &form;
    terminated_ = false;
    form.Show();
    MSG msg;
    while (!terminated_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        Dispatch(msg);
    }
    mainForm_ = nullptr;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (!terminated_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Run's GetMessage must still see it.
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Dispatch(msg);
    }
}

void TApplication::HandleException(const std::exception& error) {
    if (onException) {
        onException(error);
        return;
    }
    MessageBoxA(mainForm_ ? mainForm_->Handle() : nullptr, error.what(), "Error", MB_OK | MB_ICONERROR);
}

std::string TApplication::Title() const {
    if (!title_.empty() || !mainForm_) return title_;
    return mainForm_->Caption();
}

HICON TApplication::Icon() const {
    if (HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON")) return icon;
    return LoadIconA(nullptr, IDI_APPLICATION);
}

void TApplication::MainWindowMinimized() {
    if (minimized_) return;
    minimized_ = true;
    if (onMinimize) onMinimize();
}

void TApplication::MainWindowRestored() {
    if (!minimized_) return;
    minimized_ = false;
    if (onRestore) onRestore();
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

bool TApplication::PreTranslate(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && (GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        if (TForm* form = TForm::FromHandle(msg.hwnd)) {
            form->SelectNext((GetKeyState(VK_SHIFT) & 0x8000) == 0);
            return true;
        }
    }
    if (msg.message == WM_SYSCHAR) {
        if (TForm* form = TForm::FromHandle(msg.hwnd)) return form->HandleMnemonic(static_cast<char>(msg.wParam));
    }
    return false;
}

void TApplication::Dispatch(const MSG& msg) {
    if (PreTranslate(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

}  // namespace framework
