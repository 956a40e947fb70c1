// TSeCustomForm: the window messages it answers before (and a few after)
// the form's own window procedure, and the size bookkeeping.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "framework/win32/Form.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skin/SkinMessages.h"
#include "skinui/controls/ParentBackground.h"
#include "skinui/frame/win32/SeCustomForm.h"

namespace skinui {

using skin::TRect;

namespace {

// The system's hit code for a frame hit code.
LRESULT SystemHitCode(TSeFrameHit hit, const TSeDragging& dragging, TSeWindowState state) {
    const bool sizeable = dragging.Sizeable() && state != kwsMaximized;
    switch (hit) {
        case kfhNone: return HTCLIENT;
        case kfhCaption: return dragging.Moveable() ? HTCAPTION : HTCLIENT;
        case kfhLeft: return sizeable ? HTLEFT : HTCLIENT;
        case kfhTop: return sizeable ? HTTOP : HTCLIENT;
        case kfhRight: return sizeable ? HTRIGHT : HTCLIENT;
        case kfhBottom: return sizeable ? HTBOTTOM : HTCLIENT;
        case kfhTopLeft: return sizeable ? HTTOPLEFT : HTCLIENT;
        case kfhTopRight: return sizeable ? HTTOPRIGHT : HTCLIENT;
        case kfhBottomLeft: return sizeable ? HTBOTTOMLEFT : HTCLIENT;
        case kfhBottomRight: return sizeable ? HTBOTTOMRIGHT : HTCLIENT;
        case kfhBorder: return HTBORDER;
        case kfhClose: return HTCLOSE;
        case kfhHelp: return HTHELP;
        case kfhMaximize: return HTMAXBUTTON;
        case kfhMinimize:
        case kfhRollup:
        case kfhTray:
        case kfhSysMenu:
        case kfhSkinButton: return HTMINBUTTON;
    }
    return HTCLIENT;
}

// Bounds the paint pump: a window that never validates its update region
// must not hold the caller forever.
constexpr int kMaxPumpedPaints = 10000;

}  // namespace

bool TSeCustomForm::Dispatch(TMessage& message) {
    bool handled = false;
    BeforeMessage(message, handled);
    return handled;
}

void TSeCustomForm::HandleMessage(TMessage& m) {
    if (!Form()) return;
    HWND window = OwnerWindow();
    switch (m.msg) {
        case WM_NCCALCSIZE:
            OnNcCalcSize(m);
            MarkHandled();
            return;
        case WM_NCPAINT:
            PaintFrame();
            m.result = 0;
            MarkHandled();
            return;
        case WM_NCACTIVATE:
            frameActive_ = m.wParam != 0;
            if (minimizeApplication_) TakeApplicationEvents();
            PaintFrame();
            m.result = m.wParam ? 0 : 1;
            MarkHandled();
            return;
        case WM_NCHITTEST: {
            RECT r;
            GetWindowRect(window, &r);
            const TSeFrameHit hit = HitTest(GET_X_LPARAM(m.lParam) - r.left, GET_Y_LPARAM(m.lParam) - r.top);
            m.result = SystemHitCode(hit, *dragging_, windowState_);
            MarkHandled();
            return;
        }
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
        case WM_NCMOUSEMOVE:
            OnNonClientMouse(m);
            return;
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            OnCapturedMouse(m);
            return;
        case WM_ACTIVATE:
            // Minimized by the system; a window already minimized or in the
            // tray stays so (Minimize would restore it).
            if (!frameActive_ && HIWORD(m.wParam) && windowState_ != kwsMinimized && windowState_ != kwsTray) {
                Minimize();
            }
            return;
        case WM_PAINT:
            OnPaint(m);
            MarkHandled();
            return;
        case WM_ERASEBKGND:
            OnEraseBackground(m);
            MarkHandled();
            return;
        case WM_WINDOWPOSCHANGING:
            OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(m.lParam));
            m.result = 0;
            MarkHandled();
            return;
        case WM_WINDOWPOSCHANGED:
            OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(m.lParam));
            return;
        case WM_SYSCOMMAND: {
            const WPARAM command = m.wParam & 0xFFF0;
            // The frame's menu replaces the system's, which would open next.
            if ((command == SC_KEYMENU && m.lParam == ' ') || command == SC_MOUSEMENU) {
                PopupSystemMenu();
                m.result = 0;
                MarkHandled();
            }
            return;
        }
        case WM_THEMECHANGED:
            // The metrics are read from the system at every use.
            m.result = 0;
            MarkHandled();
            return;
        default:
            break;
    }
    if (m.msg == skin::WM_SESETSTATE) {
        // Only the four operations are requests; anything else is ignored.
        if (m.wParam >= kwsMaximized && m.wParam <= kwsTray) ApplyState(static_cast<TSeWindowState>(m.wParam));
        MarkHandled();
    } else if (m.msg == skin::WM_SECHILDMAXIMIZE) {
        Maximize();
        MarkHandled();
    } else if (m.msg == skin::WM_SEREFRESHFRAME) {
        if (m.wParam == 13) {
            SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CAPTION);
            PaintFrame();
        }
        MarkHandled();
    } else if (m.msg == skin::WM_SEPAINTFRAME) {
        const auto packed = static_cast<DWORD>(m.wParam);
        PaintFrameInto(reinterpret_cast<HDC>(m.lParam),
                       skin::TPoint{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))});
        m.result = 1;
        MarkHandled();
    }
}

void TSeCustomForm::AfterMessage(TMessage& m) {
    if (!Hooked()) return;
    // Context help leaves the frame's caption buttons to be drawn again.
    if (m.msg == WM_SYSCOMMAND && (m.wParam & 0xFFF0) == SC_CONTEXTHELP) {
        PaintFrame();
        return;
    }
    if (m.msg != WM_SETTEXT) return;
    const char* text = reinterpret_cast<const char*>(m.lParam);
    const std::string caption = text ? text : "";
    if (caption == lastCaption_) return;
    // The system would draw its own caption over the frame while the style
    // says there is one; the frame puts the style back and repaints.
    HWND window = OwnerWindow();
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~WS_CAPTION);
    caption_ = caption;
    lastCaption_ = caption;
    PostMessageA(window, skin::WM_SEREFRESHFRAME, 13, 0);
    m.result = 0;
}

void TSeCustomForm::OnNcCalcSize(TMessage& m) {
    const TRect client = GetClientBounds();
    if (m.wParam) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam);
        const WINDOWPOS& pos = *params->lppos;
        const TRect r = NonClientInset(skin::MakeBounds(pos.x, pos.y, pos.cx, pos.cy), client, windowWidth_,
                                       windowHeight_);
        params->rgrc[0] = skin::ToRECT(r);
        params->rgrc[1] = params->rgrc[0];
    } else if (auto* rect = reinterpret_cast<RECT*>(m.lParam)) {
        const TRect r = NonClientInset(TRect{rect->left, rect->top, rect->right, rect->bottom}, client,
                                       windowWidth_, windowHeight_);
        *rect = skin::ToRECT(r);
    }
    m.result = 0;
}

void TSeCustomForm::OnPaint(TMessage& m) {
    HWND window = OwnerWindow();
    PAINTSTRUCT paint{};
    HDC dc = m.wParam ? reinterpret_cast<HDC>(m.wParam) : BeginPaint(window, &paint);
    Form()->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    if (!m.wParam) EndPaint(window, &paint);
    m.result = 0;
}

void TSeCustomForm::OnEraseBackground(TMessage& m) {
    m.result = 1;
    if (!framePaintingAllowed_) return;
    HWND window = OwnerWindow();
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    const bool ownDC = dc == nullptr;
    if (ownDC) dc = GetDC(window);
    if (!dc) return;
    // lParam: nothing, or a request whose first byte says whether the whole
    // background (1, a control asking for what lies under it) or only the
    // rectangle that follows (0) is wanted.
    TRect only{};
    bool partial = false;
    if (m.lParam) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(m.lParam);
        if (bytes[0] == 0) {
            std::int32_t edges[4];
            std::memcpy(edges, bytes + 1, sizeof edges);
            only = TRect{edges[0], edges[1], edges[2], edges[3]};
            partial = true;
        }
    }
    EraseClient(dc, partial ? &only : nullptr);
    if (ownDC) ReleaseDC(window, dc);
}

void TSeCustomForm::TakeFrameSize(int width, int height) {
    windowWidth_ = width;
    windowHeight_ = height;
    const skin::TPoint frame = FrameSizeOf(width, height, shadow_->Enabled() ? shadow_->Size() : 0, windowState_);
    frameWidth_ = frame.X;
    frameHeight_ = frame.Y;
}

void TSeCustomForm::OnWindowPosChanging(WINDOWPOS& pos) {
    const bool effects = blending_->Enabled() || shadow_->Enabled();
    bool sizeChanged = false;
    if (!((pos.flags & SWP_NOSIZE) && (pos.flags & SWP_NOMOVE))) {
        if (!(pos.flags & SWP_NOSIZE)) {
            const skin::TPoint most = GetMaxTrackSize();
            pos.cx = std::min(pos.cx, most.X);
            pos.cy = std::min(pos.cy, most.Y);
            if (windowState_ != kwsRollup && windowState_ != kwsMinimized) {
                const skin::TPoint least = GetMinTrackSize();
                pos.cx = std::max(pos.cx, least.X);
                pos.cy = std::max(pos.cy, least.Y);
            }
            // A size change is a change of the window's or the frame's size
            // (the frame changes alone when the state leaves or enters
            // maximized at the same window size).
            const skin::TPoint frame =
                FrameSizeOf(pos.cx, pos.cy, shadow_->Enabled() ? shadow_->Size() : 0, windowState_);
            if (!(pos.flags & SWP_FRAMECHANGED) &&
                (pos.cx != windowWidth_ || pos.cy != windowHeight_ || frame.X != frameWidth_ ||
                 frame.Y != frameHeight_)) {
                TakeFrameSize(pos.cx, pos.cy);
                sizeChanged = true;
            }
        }
        if (pos.flags & SWP_FRAMECHANGED) PaintFrame();
        if (effects) {
            const TRect current = ScreenWindowRect();
            const int width = (pos.flags & SWP_NOSIZE) ? skin::RectWidth(current) : pos.cx;
            const int height = (pos.flags & SWP_NOSIZE) ? skin::RectHeight(current) : pos.cy;
            if (pos.flags & SWP_NOMOVE) {
                CaptureBackground(skin::MakeBounds(current.Left, current.Top, width, height));
            } else {
                POINT origin{pos.x, pos.y};
                if (HWND parent = GetParent(OwnerWindow());
                    parent && (GetWindowLongA(OwnerWindow(), GWL_STYLE) & WS_CHILD)) {
                    ClientToScreen(parent, &origin);
                }
                CaptureBackground(skin::MakeBounds(origin.x, origin.y, width, height));
            }
        }
        if (sizeChanged) UpdateRegion();
    }
    if ((pos.flags & SWP_SHOWWINDOW) && pendingState_ == kwsNormal) {
        if (effects) {
            backgroundRect_ = TRect{};
            CaptureBackground(ScreenWindowRect());
        }
        AnimateShow();
    }
    // A translucent window shows the screen under it everywhere, so all of
    // it is drawn again at the new place. With only the shadow, the client
    // and its controls look the same wherever they are: their pixels move
    // with the window and only the frame, whose shadow bands mix with the
    // new background, is repainted once the move is done.
    if (effects && (blending_->Enabled() || sizeChanged)) pos.flags |= SWP_NOCOPYBITS;
}

void TSeCustomForm::OnWindowPosChanged(const WINDOWPOS& pos) {
    if (!(pos.flags & SWP_NOMOVE) && shadow_->Enabled() && !blending_->Enabled() && ShadowInset() > 0) PaintFrame();
}

void TSeCustomForm::SetFormBounds(const TRect& bounds) {
    if (!Hooked()) return;
    SetWindowPos(OwnerWindow(), nullptr, bounds.Left, bounds.Top, skin::RectWidth(bounds), skin::RectHeight(bounds),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    PumpPaintMessages();
}

void TSeCustomForm::PumpPaintMessages() {
    MSG msg;
    for (int i = 0; i < kMaxPumpedPaints && PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE); ++i) {
        const BOOL taken = GetMessageA(&msg, nullptr, WM_PAINT, WM_PAINT);
        if (taken == -1) return;
        if (taken == 0) {
            // The quit request belongs to the message loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchMessageA(&msg);
    }
}

}  // namespace skinui
