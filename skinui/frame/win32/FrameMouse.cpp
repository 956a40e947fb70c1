// TSeCustomForm: the mouse on the frame. Every non-client mouse message is
// answered here and never reaches the system's default handling: the
// caption buttons and the skin's system buttons are pressed, tracked and
// released, the caption moves the window and the edges size it (the whole
// window follows the mouse, or an XOR outline does until the release).
// What is pressed, hovered and dragged is kept by FrameTracking; this file
// turns the messages into its verbs and does on the window what they answer.
#include <windows.h>
#include <windowsx.h>

#include "skin/gfx/win32/RectConversion.h"
#include "skinui/frame/FrameDrag.h"
#include "skinui/frame/FrameTracking.h"
#include "skinui/frame/win32/SeCustomForm.h"

namespace skinui {

namespace {

constexpr int kOutlinePenWidth = 2;

}  // namespace

skin::TPoint TSeCustomForm::ScreenToWindow(int screenX, int screenY) const {
    RECT r{};
    GetWindowRect(OwnerWindow(), &r);
    return {screenX - r.left, screenY - r.top};
}

void TSeCustomForm::OnNonClientMouse(TMessage& m) {
    HWND window = OwnerWindow();
    const skin::TPoint at = ScreenToWindow(GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
    const int x = at.X, y = at.Y;
    switch (m.msg) {
        case WM_NCLBUTTONDOWN:
            if (!frameActive_) SetFocus(window);
            track_.Hold(kShiftLeft);
            FrameMouseDown(skin::mbLeft, kShiftLeft, x, y);
            break;
        case WM_NCRBUTTONDOWN:
            if (!frameActive_) SetFocus(window);
            track_.Hold(kShiftRight);
            FrameMouseDown(skin::mbRight, kShiftRight, x, y);
            break;
        case WM_NCLBUTTONDBLCLK:
            FrameMouseDown(skin::mbLeft, kShiftLeft | kShiftDouble, x, y);
            FrameMouseUp(skin::mbLeft, kShiftLeft | kShiftDouble, x, y);
            track_.Release();
            m.result = 1;
            MarkHandled();
            return;
        case WM_NCLBUTTONUP:
            track_.Release();
            FrameMouseUp(skin::mbLeft, kShiftLeft, x, y);
            break;
        case WM_NCRBUTTONUP:
            track_.Release();
            FrameMouseUp(skin::mbRight, kShiftRight, x, y);
            break;
        case WM_NCMOUSEMOVE:
            FrameMouseMove(track_.Buttons(), x, y);
            break;
        default:
            return;
    }
    m.result = 0;
    MarkHandled();
}

// While the frame holds the mouse the window hears client messages. When
// another window takes the mouse (or the system cancels the mode), the
// release will never come here: the press ends now, without its action.
void TSeCustomForm::OnCapturedMouse(TMessage& m) {
    HWND window = OwnerWindow();
    if (m.msg == WM_CAPTURECHANGED || m.msg == WM_CANCELMODE) {
        if (m.msg == WM_CAPTURECHANGED && reinterpret_cast<HWND>(m.lParam) == window) return;
        switch (track_.CaptureLost()) {
            case TLostPress::kNothing: return;
            case TLostPress::kOutline: EraseOutline(); break;
            case TLostPress::kPress: break;
        }
        if (Hooked()) PaintFrame();
    } else if (m.msg == WM_MOUSEMOVE) {
        if (track_.LeaveForClient()) PaintFrame();
        if (track_.Buttons() == 0) return;
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ClientToScreen(window, &p);
        const skin::TPoint at = ScreenToWindow(p.x, p.y);
        FrameMouseMove(track_.Buttons(), at.X, at.Y);
    } else if (m.msg == WM_LBUTTONUP && track_.Buttons() != 0) {
        track_.Release();
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        ClientToScreen(window, &p);
        const skin::TPoint at = ScreenToWindow(p.x, p.y);
        FrameMouseUp(skin::mbLeft, kShiftLeft, at.X, at.Y);
    }
}

void TSeCustomForm::FrameMouseDown(skin::TMouseButton button, skin::TShiftState, int x, int y) {
    if (button != skin::mbLeft || !Hooked()) return;
    const bool drags = track_.Press(HitTest(x, y), skin::TPoint{x, y}, dragging_->DragMode() == kfdmBorder);
    PaintFrame();
    // The outline is drawn over the screen: the frame is not painted under it.
    if (drags && track_.OutlineDrag()) framePaintingAllowed_ = false;
    SetCapture(OwnerWindow());
}

void TSeCustomForm::FrameMouseMove(skin::TShiftState shift, int x, int y) {
    if (!Hooked()) return;
    if (!track_.DragsWith(shift)) {
        if (track_.HoverOver(HitTest(x, y))) PaintFrame();
        return;
    }
    DragRules rules;
    rules.moveable = dragging_->Moveable();
    rules.sizeable = dragging_->Sizeable();
    rules.state = windowState_;
    rules.outline = track_.OutlineDrag();
    rules.minTrack = GetMinTrackSize();
    rules.maxTrack = GetMaxTrackSize();
    rules.snapArea = SnapArea();
    rules.gravitation = gravitation_.get();
    rules.shadow = ShadowInset();
    const skin::TRect bounds = DragStep(OwnerBounds(), track_.Pressed(), track_.StepTo({x, y}), rules);
    if (dragging_->DragMode() == kfdmFullDrag) {
        if (bounds != OwnerBounds()) SetFormBounds(bounds);
        track_.HoverOver(HitTest(x, y));
        PaintFrame();
    } else {
        DrawDragFrame(bounds);
    }
    track_.Stepped({x, y});
}

skin::TRect TSeCustomForm::SnapArea() const {
    HWND window = OwnerWindow();
    RECT area{};
    if (HWND parent = GetParent(window); parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        GetClientRect(parent, &area);
    } else if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return skin::FromRECT(area);
}

void TSeCustomForm::DrawDragFrame(const skin::TRect& rect) {
    HWND window = OwnerWindow();
    // The outline of a child window is drawn on its parent; that of a
    // top-level window over everything on the screen.
    HWND parent = (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
    HWND surface = parent ? parent : GetDesktopWindow();
    HDC dc = parent ? GetDC(parent) : GetDCEx(surface, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc) return;
    HPEN pen = CreatePen(PS_INSIDEFRAME, kOutlinePenWidth, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int oldMode = SetROP2(dc, R2_XORPEN);
    const skin::TRect before = track_.ReplaceOutline(rect);
    if (!skin::RectIsEmpty(before)) Rectangle(dc, before.Left, before.Top, before.Right, before.Bottom);
    if (!skin::RectIsEmpty(rect)) Rectangle(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
    SetROP2(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    ReleaseDC(surface, dc);
}

void TSeCustomForm::FrameMouseUp(skin::TMouseButton button, skin::TShiftState shift, int x, int y) {
    if (!Hooked()) return;
    const TSeFrameHit hit = HitTest(x, y);
    if (button == skin::mbLeft) {
        // A double click on the caption (with the maximize icon) toggles
        // maximized, on the system icon it closes. Anywhere else its second
        // click is a click like the first: a caption button acts on each,
        // as two quick single clicks would.
        if (shift & kShiftDouble) {
            const bool toggles = hit == kfhCaption && (borderIcons_ & BorderIconBit(skin::kbiMaximize));
            if (toggles || hit == kfhSysMenu) {
                EndDrag();
                track_.EndPress();
                ReleaseMouse();
                if (hit == kfhSysMenu) {
                    CloseForm();
                } else if (windowState_ == kwsMaximized) {
                    Restore();
                } else {
                    Maximize();
                }
                return;
            }
        }
        const TSeFrameHit pressed = track_.Pressed();
        if (track_.OutlineDrag() && track_.Dragging()) {
            // The outline goes; one full step puts the window where it was.
            DrawDragFrame(skin::TRect{});
            dragging_->SetDragMode(kfdmFullDrag);
            FrameMouseMove(kShiftLeft, x, y);
            dragging_->SetDragMode(kfdmBorder);
            track_.EndDrag();
            framePaintingAllowed_ = true;
            if (Hooked()) RedrawWindow(OwnerWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        EndDrag();
        track_.EndPress();
        ReleaseMouse();
        // The action may close the window: nothing of it is used afterwards.
        if (hit == pressed) {
            switch (hit) {
                case kfhClose: CloseForm(); return;
                case kfhHelp: ContextHelp(); break;
                case kfhMinimize: Minimize(); break;
                case kfhMaximize: Maximize(); break;
                case kfhRollup: Rollup(); break;
                case kfhTray: MinToTray(); break;
                case kfhSysMenu: PopupSystemMenu(); break;
                default: break;
            }
        }
        if (Hooked()) PaintFrame();
    } else if (button == skin::mbRight && hit == kfhCaption) {
        const skin::TRect client = GetClientBounds();
        POINT at{x - client.Left, y - client.Top};
        ClientToScreen(OwnerWindow(), &at);
        popupPoint_ = skin::TPoint{at.x, at.y};
        PopupSystemMenu();
        popupPoint_ = skin::TPoint{};
    }
    track_.EndPress();
}

// The capture goes once the press has ended, so that the capture change it
// causes finds nothing left to cancel.
void TSeCustomForm::ReleaseMouse() {
    if (Hooked() && GetCapture() == OwnerWindow()) ReleaseCapture();
}

void TSeCustomForm::EndDrag() {
    if (track_.EndDrag()) EraseOutline();
}

void TSeCustomForm::EraseOutline() {
    DrawDragFrame(skin::TRect{});
    framePaintingAllowed_ = true;
}

}  // namespace skinui
