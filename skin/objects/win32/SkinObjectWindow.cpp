#include "skin/objects/win32/SkinObjectWindow.h"

#include "skin/SkinMessages.h"

namespace skin {

void SkinObjectWindow::ObjectChanged(TSeSkinObject* object) {
    if (window_) SendMessage(window_, WM_SEOBJECTCHANGED, 0, reinterpret_cast<LPARAM>(object));
}

SkinnedForm* SkinObjectWindow::GetSkinForm() {
    if (!window_) return nullptr;
    return reinterpret_cast<SkinnedForm*>(SendMessage(window_, WM_SEGETFORM, 0, 0));
}

unsigned SkinObjectWindow::DrawTextBiDiModeFlags(unsigned flags) const {
    if (biDiMode_ != 1) return flags;
    // Right to left: the alignment is mirrored on a right-to-left system,
    // and the text always reads right to left.
    if (GetSystemMetrics(SM_MIDEASTENABLED)) {
        if ((flags & (DT_CENTER | DT_RIGHT)) == DT_RIGHT)
            flags &= ~unsigned(DT_RIGHT);
        else if ((flags & (DT_CENTER | DT_RIGHT)) == 0)
            flags |= DT_RIGHT;
    }
    return flags | DT_RTLREADING;
}

bool SkinObjectWindow::IsForm() const {
    return window_ && (GetWindowLongPtr(window_, GWL_STYLE) & WS_CHILD) == 0;
}

void* SkinObjectWindow::Icon() const {
    if (!window_) return nullptr;
    auto icon = reinterpret_cast<HICON>(SendMessage(window_, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessage(window_, WM_GETICON, ICON_BIG, 0));
    return icon;
}

void SkinObjectWindow::ProcessMessages() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the message loop that owns it.
            PostQuitMessage(int(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

}  // namespace skin
