// The modal tracking loop of an open level. It looks at every message of
// the thread before it is dispatched: the mouse and the keyboard are the
// menu's while it is open, a click outside every level closes them all and
// still reaches the window under it, and everything else (timers, paints,
// other windows) is dispatched as usual.
//
// Nested levels run nested loops: a level's loop runs inside the
// OpenSubmenu of its parent's loop. Escape ends one loop; CloseAll clears
// Tracking in the whole chain, so every loop ends at its next round.
#include <windows.h>
#include <windowsx.h>

#include <vector>

#include "skin/gfx/win32/InputHelpers.h"
#include "skin/ScopeExit.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/menus/MenuLayout.h"

namespace skinui {

using skin::TPoint;

namespace {

bool LeftButtonDown() { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }

void PostKey(HWND window, WPARAM key) {
    if (IsWindow(window)) PostMessageA(window, WM_KEYDOWN, key, 0);
}

TSeParentKind ParentKind(const TSeItemView& view) {
    if (!view.Parent()) return TSeParentKind::None;
    return view.Parent()->IsMenuBar() ? TSeParentKind::MenuBar : TSeParentKind::Popup;
}

}  // namespace

TPoint TSeItemView::ClientPoint(const MSG& msg) const {
    POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.hwnd && msg.hwnd != window_ && IsWindow(msg.hwnd)) MapWindowPoints(msg.hwnd, window_, &p, 1);
    return TPoint{p.x, p.y};
}

bool TSeItemView::InCurrentItem(TPoint client) const {
    return Current() && skin::RectContains(Current()->Bounds(), client.X, client.Y);
}

void TSeItemView::Track() {
    HWND window = window_;
    if (!IsWindow(window) || !Item()) return;
    SetTracking(true);
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    if (Item()->Count() > 0) {
        SetCurrent(StartingCurrent());
        RepaintItem(Current());
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    lastMouse_ = TPoint{cursor.x, cursor.y};
    Hover(lastMouse_);
    skin::CaptureMouse(window);
    skin::OnExit leave{[this, window] {
        if (Parent() && Parent()->Item()) Parent()->Repaint();
        SetTracking(false);
        if (IsWindow(window)) StopScrollTimer();
        skin::ReleaseMouse();
    }};

    while (Tracking() && IsWindow(window) && TSeCustomItem::Alive(Item()) && skin::MouseCaptureWindow() &&
           GetCapture() == skin::MouseCaptureWindow()) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            WaitMessage();
            continue;
        }
        if (!OnTrackingMessage(msg)) break;
    }
}

bool TSeItemView::OnTrackingMessage(MSG& msg) {
    MSG removed;
    const auto remove = [&] { PeekMessageA(&removed, msg.hwnd, msg.message, msg.message, PM_REMOVE); };
    // Keys and the loop's own requests for a window that is gone (a level
    // that closed before it saw them) are dropped.
    const TSeTrackAction action = ClassifyTrackingMessage(msg.message);
    if (msg.hwnd && !IsWindow(msg.hwnd) &&
        (action == TSeTrackAction::Key || action == TSeTrackAction::Char || action == TSeTrackAction::OpenSubmenu)) {
        remove();
        return true;
    }
    switch (action) {
        case TSeTrackAction::CloseAllKeep:
            CloseAll();
            return true;
        case TSeTrackAction::CloseAllAndLeave:
            CloseAll();
            return false;
        case TSeTrackAction::ButtonDown:
            return OnButton(msg, true);
        case TSeTrackAction::ButtonUp:
            remove();
            return OnButton(msg, false);
        case TSeTrackAction::MouseMove:
            remove();
            return OnMouseMove(msg);
        case TSeTrackAction::OpenSubmenu:
            remove();
            OpenSubmenu();
            return true;
        case TSeTrackAction::Key:
            remove();
            return OnKey(msg);
        case TSeTrackAction::Char:
            remove();
            return OnChar(msg);
        case TSeTrackAction::Ignore:
            remove();
            return true;
        case TSeTrackAction::Dispatch:
            break;
    }
    if (PeekMessageA(&removed, msg.hwnd, msg.message, msg.message, PM_REMOVE)) DispatchMessageA(&removed);
    return true;
}

bool TSeItemView::OnButton(MSG& msg, bool down) {
    const TPoint client = ClientPoint(msg);
    if (InCurrentItem(client)) {
        if (down) PeekMessageA(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
        PostKey(window_, VK_RETURN);
        return true;
    }
    // On the current item of a parent level (the one whose level is open):
    // nothing to do.
    POINT screen{client.X, client.Y};
    ClientToScreen(window_, &screen);
    for (TSeItemView* view = Parent(); view; view = view->Parent()) {
        if (!IsWindow(view->ViewWindow())) continue;
        POINT p = screen;
        ScreenToClient(view->ViewWindow(), &p);
        if (view->InCurrentItem(TPoint{p.x, p.y})) {
            if (down) PeekMessageA(&msg, msg.hwnd, msg.message, msg.message, PM_REMOVE);
            return true;
        }
    }
    // Outside: every level closes and a press stays queued for the window
    // under the mouse.
    CloseAll();
    return !down;
}

bool TSeItemView::OnMouseMove(MSG& msg) {
    const TPoint client = ClientPoint(msg);
    POINT p{client.X, client.Y};
    ClientToScreen(window_, &p);
    const TPoint screen{p.x, p.y};
    if (screen == lastMouse_) return true;
    lastMouse_ = screen;
    // The chain from the top-most level down to this one.
    std::vector<TSeItemView*> chain;
    for (TSeItemView* view = this; view; view = view->Parent()) chain.insert(chain.begin(), view);
    for (std::size_t i = 0; i < chain.size(); ++i) {
        TSeItemView* view = chain[i];
        // A deeper level's window over this one hides it from the mouse.
        bool covered = false;
        for (std::size_t j = i + 1; j < chain.size() && !covered; ++j) {
            RECT r;
            covered = IsWindow(chain[j]->ViewWindow()) && GetWindowRect(chain[j]->ViewWindow(), &r) &&
                      PtInRect(&r, POINT{screen.X, screen.Y});
        }
        if (covered) continue;
        TSeCustomItem* before = view->Current();
        view->Hover(screen);
        if (view->Current() == before || view == this) continue;
        // The mouse went back to a parent level's other item: the levels
        // below it close and it opens the item's level.
        for (TSeItemView* closing = this; closing && closing != view; closing = closing->Parent()) {
            PostKey(closing->ViewWindow(), VK_ESCAPE);
        }
        if (IsWindow(view->ViewWindow())) PostMessageA(view->ViewWindow(), kOpenSubmenuMessage, 0, 0);
        return false;
    }
    return true;
}

bool TSeItemView::OnKey(MSG& msg) {
    if (LeftButtonDown()) return true;
    switch (MenuKeyAction(int(msg.wParam), IsMenuBar(), ParentKind(*this))) {
        case TSeKeyAction::Ignore:
            return true;
        case TSeKeyAction::Choose: {
            TSeCustomItem* current = Current();
            if (!current) return true;
            current->Click();
            if (!TSeCustomItem::Alive(current)) return true;
            if (!OpenSubmenu() && current->Enabled() && !current->IsSeparator()) CloseAll();
            return true;
        }
        case TSeKeyAction::CloseAll:
            CloseAll();
            return true;
        case TSeKeyAction::CloseLevel:
            if (Parent()) Parent()->SetSubmenuOpen(false);
            SetCurrent(nullptr);
            Repaint();
            return false;
        case TSeKeyAction::Previous:
            Previous();
            return true;
        case TSeKeyAction::Next:
            Next();
            return true;
        case TSeKeyAction::OpenSubmenu:
        case TSeKeyAction::RightOpen:
            OpenSubmenu();
            return true;
        case TSeKeyAction::LeftToMenuBar:
            PostKey(Parent()->ViewWindow(), VK_LEFT);
            return false;
        case TSeKeyAction::EscapeSelf:
            PostKey(window_, VK_ESCAPE);
            return true;
        case TSeKeyAction::RightOpenOrToMenuBar:
            if (OpenSubmenu()) return true;
            PostKey(Parent()->ViewWindow(), VK_RIGHT);
            return false;
        case TSeKeyAction::RightOpenOrEscape:
            if (!OpenSubmenu()) PostKey(window_, VK_ESCAPE);
            return true;
        case TSeKeyAction::Translate:
            TranslateMessage(&msg);
            return true;
    }
    return true;
}

bool TSeItemView::OnChar(MSG& msg) {
    if (LeftButtonDown() || !Item()) return true;
    if (TSeCustomItem* found = Item()->FindByAccelerator(char(msg.wParam))) {
        TSeCustomItem* old = Current();
        SetCurrent(found);
        RepaintItem(old);
        RepaintItem(found);
        PostKey(window_, VK_RETURN);
    }
    return true;
}

}  // namespace skinui
