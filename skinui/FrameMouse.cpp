// TSeCustomForm: the mouse on the frame. The frame's caption buttons and
// the skin's system buttons are pressed, tracked and released here; moving
// by the caption and sizing by the borders are still left to the system's
// default handling (the hit codes it is given say where).
#include <windows.h>
#include <windowsx.h>

#include "skinui/SeCustomForm.h"

namespace skinui {

namespace {

bool StartsDragOrSize(TSeFrameHit hit) { return hit >= kfhCaption && hit <= kfhBottomRight; }

}  // namespace

void TSeCustomForm::OnNonClientMouse(TMessage& m) {
    HWND window = OwnerWindow();
    RECT r;
    GetWindowRect(window, &r);
    const int x = GET_X_LPARAM(m.lParam) - r.left;
    const int y = GET_Y_LPARAM(m.lParam) - r.top;
    const TSeFrameHit hit = HitTest(x, y);
    switch (m.msg) {
        case WM_NCLBUTTONDOWN:
            if (StartsDragOrSize(hit)) return;  // the system moves and sizes
            if (!frameActive_) SetFocus(window);
            buttonsHeld_ = kShiftLeft;
            FrameMouseDown(skin::mbLeft, kShiftLeft, x, y);
            break;
        case WM_NCRBUTTONDOWN:
            if (!frameActive_) SetFocus(window);
            buttonsHeld_ = kShiftRight;
            FrameMouseDown(skin::mbRight, kShiftRight, x, y);
            break;
        case WM_NCLBUTTONDBLCLK:
            if (StartsDragOrSize(hit) && hit != kfhCaption) return;
            FrameMouseDown(skin::mbLeft, kShiftLeft | kShiftDouble, x, y);
            FrameMouseUp(skin::mbLeft, kShiftLeft | kShiftDouble, x, y);
            buttonsHeld_ = 0;
            m.result = 1;
            MarkHandled();
            return;
        case WM_NCLBUTTONUP:
            buttonsHeld_ = 0;
            FrameMouseUp(skin::mbLeft, kShiftLeft, x, y);
            break;
        case WM_NCRBUTTONUP:
            buttonsHeld_ = 0;
            FrameMouseUp(skin::mbRight, kShiftRight, x, y);
            break;
        case WM_NCMOUSEMOVE:
            FrameMouseMove(buttonsHeld_, x, y);
            break;
        default:
            return;
    }
    m.result = 0;
    MarkHandled();
}

// While the frame holds the mouse the window hears client messages.
void TSeCustomForm::OnCapturedMouse(TMessage& m) {
    HWND window = OwnerWindow();
    if (m.msg == WM_MOUSEMOVE) {
        if (hoverHit_ != kfhNone && !(buttonsHeld_ & kShiftLeft)) {
            hoverHit_ = kfhNone;
            PaintFrame();
        }
        if (buttonsHeld_ == 0) return;
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ClientToScreen(window, &p);
        RECT r;
        GetWindowRect(window, &r);
        FrameMouseMove(buttonsHeld_, p.x - r.left, p.y - r.top);
    } else if (m.msg == WM_LBUTTONUP && buttonsHeld_ != 0) {
        buttonsHeld_ = 0;
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ClientToScreen(window, &p);
        RECT r;
        GetWindowRect(window, &r);
        FrameMouseUp(skin::mbLeft, kShiftLeft, p.x - r.left, p.y - r.top);
    }
}

void TSeCustomForm::FrameMouseDown(skin::TMouseButton button, skin::TShiftState, int x, int y) {
    if (button != skin::mbLeft) return;
    pressedHit_ = hoverHit_ = HitTest(x, y);
    PaintFrame();
    if (Hooked()) SetCapture(OwnerWindow());
}

void TSeCustomForm::FrameMouseMove(skin::TShiftState, int x, int y) {
    const TSeFrameHit hit = HitTest(x, y);
    if (hit == hoverHit_) return;
    hoverHit_ = hit;
    PaintFrame();
}

void TSeCustomForm::FrameMouseUp(skin::TMouseButton button, skin::TShiftState shift, int x, int y) {
    const TSeFrameHit hit = HitTest(x, y);
    if (button == skin::mbLeft) {
        if (GetCapture() == OwnerWindow()) ReleaseCapture();
        if (shift & kShiftDouble) {
            if (hit == kfhCaption && (borderIcons_ & BorderIconBit(skin::kbiMaximize))) {
                if (windowState_ == kwsMaximized) {
                    Restore();
                } else {
                    Maximize();
                }
            } else if (hit == kfhSysMenu) {
                CloseForm();
            }
            pressedHit_ = kfhNone;
            return;
        }
        if (hit == pressedHit_) {
            switch (hit) {
                case kfhClose: CloseForm(); break;
                case kfhHelp: ContextHelp(); break;
                case kfhMinimize: Minimize(); break;
                case kfhMaximize: Maximize(); break;
                case kfhRollup: Rollup(); break;
                case kfhTray: MinToTray(); break;
                case kfhSysMenu: PopupSystemMenu(); break;
                default: break;
            }
        }
        PaintFrame();
    } else if (button == skin::mbRight && hit == kfhCaption) {
        PopupSystemMenu();
    }
    pressedHit_ = kfhNone;
}

}  // namespace skinui
