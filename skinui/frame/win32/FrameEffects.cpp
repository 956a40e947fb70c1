// TSeCustomForm: the screen under the window (for the shadow and
// translucency) and the show animation, on the real screen.
#include <windows.h>

#include <uxtheme.h>
#include <vsstyle.h>

#include <algorithm>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "framework/win32/GraphicControl.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/ScopeExit.h"
#include "skinui/effects/AnimationPlayer.h"
#include "skinui/effects/BackgroundCapture.h"
#include "skinui/frame/win32/SeCustomForm.h"
#include "skinui/controls/win32/ThemeLibrary.h"

namespace skinui {

using skin::TRect;
using skin::TSeBitmap;

namespace {

// The animation's frames go straight onto the screen at the window's place.
class ScreenTarget final : public AnimationTarget {
public:
    ScreenTarget(HDC screen, int x, int y) : screen_(screen), x_(x), y_(y) {}
    void DrawFrame(const TSeBitmap& frame) override {
        BitBlt(screen_, x_, y_, frame.Width(), frame.Height(), skin::BitmapDC(frame), 0, 0, SRCCOPY);
        GdiFlush();
    }
    void DrawWindowKeyed(const TSeBitmap& window) override {
        skin::Draw(window, screen_, x_, y_, true);
        GdiFlush();
    }

private:
    HDC screen_;
    int x_, y_;
};

// A control's scroll bar (OBJID_VSCROLL or OBJID_HSCROLL) as the system
// shows it: arrows, track and thumb, themed when themes are on.
void DrawScrollBar(HWND control, HDC dc, LONG id, const RECT& windowRect) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(control, id, &info) ||
        (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))) {
        return;
    }
    RECT bar = info.rcScrollBar;
    OffsetRect(&bar, -windowRect.left, -windowRect.top);
    const bool vertical = id == OBJID_VSCROLL;
    // The arrows have states of their own: a bar without a range to scroll
    // may still show them enabled.
    const bool disabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
    const bool firstDisabled = (info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) != 0;
    const bool secondDisabled = (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) != 0;
    const int button = info.dxyLineButton;
    RECT first = bar, second = bar, track = bar, thumb = bar;
    if (vertical) {
        first.bottom = bar.top + button;
        second.top = bar.bottom - button;
        track.top = first.bottom;
        track.bottom = second.top;
        thumb.top = bar.top + info.xyThumbTop;
        thumb.bottom = bar.top + info.xyThumbBottom;
    } else {
        first.right = bar.left + button;
        second.left = bar.right - button;
        track.left = first.right;
        track.right = second.left;
        thumb.left = bar.left + info.xyThumbTop;
        thumb.right = bar.left + info.xyThumbBottom;
    }
    const bool hasThumb = !disabled && !(info.rgstate[3] & STATE_SYSTEM_INVISIBLE) &&
                          info.xyThumbBottom > info.xyThumbTop;
    if (ThemesActive()) {
        const int firstState = vertical ? (firstDisabled ? ABS_UPDISABLED : ABS_UPNORMAL)
                                        : (firstDisabled ? ABS_LEFTDISABLED : ABS_LEFTNORMAL);
        const int secondState = vertical ? (secondDisabled ? ABS_DOWNDISABLED : ABS_DOWNNORMAL)
                                         : (secondDisabled ? ABS_RIGHTDISABLED : ABS_RIGHTNORMAL);
        const int trackState = disabled ? SCRBS_DISABLED : SCRBS_NORMAL;
        if (DrawThemePart(control, L"ScrollBar", dc, vertical ? SBP_LOWERTRACKVERT : SBP_LOWERTRACKHORZ, trackState,
                          track)) {
            DrawThemePart(control, L"ScrollBar", dc, SBP_ARROWBTN, firstState, first);
            DrawThemePart(control, L"ScrollBar", dc, SBP_ARROWBTN, secondState, second);
            if (hasThumb) {
                DrawThemePart(control, L"ScrollBar", dc, vertical ? SBP_THUMBBTNVERT : SBP_THUMBBTNHORZ,
                              SCRBS_NORMAL, thumb);
            }
            return;
        }
    }
    DrawFrameControl(dc, &first, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | (firstDisabled ? DFCS_INACTIVE : 0));
    DrawFrameControl(dc, &second, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | (secondDisabled ? DFCS_INACTIVE : 0));
    FillRect(dc, &track, GetSysColorBrush(COLOR_SCROLLBAR));
    if (hasThumb) DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

// The part of a control outside its client (border and scroll bars), for a
// system whose print request leaves it out (Wine's).
void DrawControlFrame(HWND control, HDC dc, const RECT& windowRect) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG extended = GetWindowLongA(control, GWL_EXSTYLE);
    RECT all{0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top};
    if (extended & WS_EX_CLIENTEDGE) {
        if (!ThemesActive() || !DrawThemePart(control, L"Edit", dc, EP_EDITTEXT, ETS_NORMAL, all)) {
            DrawEdge(dc, &all, EDGE_SUNKEN, BF_RECT);
        }
    } else if (style & WS_BORDER) {
        FrameRect(dc, &all, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    if (style & WS_VSCROLL) DrawScrollBar(control, dc, OBJID_VSCROLL, windowRect);
    if (style & WS_HSCROLL) DrawScrollBar(control, dc, OBJID_HSCROLL, windowRect);
}

// A windowed control into `piece` (its window size, holding what lies under
// it): each part printed at origin 0, as standard controls print almost
// nothing into a context whose origin was moved; the client into a buffer
// of its own, copied to its place.
void PrintControl(HWND control, TSeBitmap& piece) {
    HDC pieceDC = skin::BitmapDC(piece);
    RECT windowRect, clientRect;
    GetWindowRect(control, &windowRect);
    GetClientRect(control, &clientRect);
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    const int cx = origin.x - windowRect.left, cy = origin.y - windowRect.top;
    const int cw = clientRect.right, ch = clientRect.bottom;
    if (cx != 0 || cy != 0 || cw != piece.Width() || ch != piece.Height()) {
        // The system's print of the frame where it has one, else ours.
        TSeBitmap before;
        before.SetSize(piece.Width(), piece.Height());
        BitBlt(skin::BitmapDC(before), 0, 0, piece.Width(), piece.Height(), pieceDC, 0, 0, SRCCOPY);
        SendMessageA(control, WM_PRINT, reinterpret_cast<WPARAM>(pieceDC), PRF_NONCLIENT);
        GdiFlush();
        bool drawn = false;
        for (int y = 0; y < piece.Height() && !drawn; ++y)
            for (int x = 0; x < piece.Width() && !drawn; ++x) {
                if (x >= cx && x < cx + cw && y >= cy && y < cy + ch) continue;
                drawn = piece.GetPixel(x, y) != before.GetPixel(x, y);
            }
        if (!drawn) DrawControlFrame(control, pieceDC, windowRect);
    }
    if (cw <= 0 || ch <= 0) return;
    TSeBitmap inside;
    inside.SetSize(cw, ch);
    if (inside.Empty()) return;
    HDC insideDC = skin::BitmapDC(inside);
    BitBlt(insideDC, 0, 0, cw, ch, pieceDC, cx, cy, SRCCOPY);
    SendMessageA(control, WM_PRINT, reinterpret_cast<WPARAM>(insideDC), PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
    GdiFlush();
    BitBlt(pieceDC, cx, cy, cw, ch, insideDC, 0, 0, SRCCOPY);
}

}  // namespace

void TSeCustomForm::CaptureBackground(const TRect& rect) {
    if (!Hooked() || rect == backgroundRect_ || captureSuppressed_) return;
    // Only what lies on the screen is read: a copy that reaches past the
    // screen's edge fails whole under some window systems (Wine's), which
    // would leave a black background under the shadow. A window wholly off
    // the screen (parked there until a stored state is applied) keeps the
    // last capture, which is what its restored place shows.
    const TRect screenRect = skin::MakeBounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                              GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                              GetSystemMetrics(SM_CYVIRTUALSCREEN));
    if (skin::RectIsEmpty(skin::RectIntersection(rect, screenRect))) return;
    if (!blending_->Enabled()) {
        if (windowState_ == kwsMaximized) return;
        if (maximizedOnScreen_) {
            // The screen still shows the maximized window: skipped once.
            // (A flag of its own: PreviousState must stay for Restore.)
            maximizedOnScreen_ = false;
            return;
        }
    }
    // Only what the window did not cover before comes from the screen; the
    // rest is the old background (the screen there shows the window).
    const TBackgroundCapturePlan plan = PlanBackgroundCapture(rect, backgroundRect_);
    if (plan.unchanged) return;
    const int width = skin::RectWidth(rect), height = skin::RectHeight(rect);
    if (width <= 0 || height <= 0) return;
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    skin::OnExit release{[&] { ReleaseDC(nullptr, screen); }};
    auto fresh = std::make_unique<TSeBitmap>();
    fresh->SetSize(width, height);
    if (fresh->Empty()) return;
    HDC into = skin::BitmapDC(*fresh);
    for (const TRect& strip : plan.fromScreen) {
        const TRect onScreen =
            skin::RectIntersection(skin::RectOffset(strip, rect.Left, rect.Top), screenRect);
        if (skin::RectIsEmpty(onScreen)) continue;
        BitBlt(into, onScreen.Left - rect.Left, onScreen.Top - rect.Top, skin::RectWidth(onScreen),
               skin::RectHeight(onScreen), screen, onScreen.Left, onScreen.Top, SRCCOPY);
    }
    if (plan.reuseOld && !background_->Empty()) {
        background_->CopyTo(*fresh, plan.overlapInNew.Left, plan.overlapInNew.Top, plan.overlapInOld);
    }
    background_ = std::move(fresh);
    backgroundRect_ = rect;
}

void TSeCustomForm::AnimateShow() {
    if (!animation_->Enabled() || !Hooked()) return;
    framework::Application().ProcessMessages();
    if (!Hooked() || windowWidth_ <= 0 || windowHeight_ <= 0) return;
    HWND window = OwnerWindow();

    TSeBitmap image;
    image.SetSize(windowWidth_, windowHeight_);
    if (image.Empty()) return;
    backgroundRect_ = TRect{};
    CaptureBackground(ScreenWindowRect());
    RenderShowImage(image);

    const TRect client = GetClientBounds();
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    if (!screen) return;
    {
        ScreenTarget target(screen, origin.x - client.Left, origin.y - client.Top);
        static const TRandomSource random = MakeRandomSource();
        PlayAnimation(target, *animation_, image, *background_, random);
    }
    ReleaseDC(nullptr, screen);
}

void TSeCustomForm::RenderShowImage(TSeBitmap& image) {
    if (!Hooked() || image.Empty()) return;
    HWND window = OwnerWindow();
    animationRunning_ = true;
    animationBitmap_ = &image;
    skin::OnExit finish{[&] {
        animationRunning_ = false;
        animationBitmap_ = nullptr;
    }};

    // The complete window into the image: frame, shadow, client background.
    {
        const bool wasActive = frameActive_;
        frameActive_ = true;
        PaintFrame();
        SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(skin::BitmapDC(image)), 0);
        frameActive_ = wasActive;
    }

    // Outside the window's shape, along its edges, the image shows the key.
    const int s = ShadowInset();
    HRGN shape = CreateWindowShape();
    image.SetAlpha(255);
    image.ReplaceNearColor(skin::kKeyPixel);
    if (shape) {
        const int width = std::min(windowWidth_, image.Width()), height = std::min(windowHeight_, image.Height());
        for (int y = 0; y < height; ++y) {
            const bool rowInBand = y <= s || y >= frameHeight_;
            for (int x = 0; x < width; ++x) {
                if (!rowInBand && x > s && x < frameWidth_) continue;
                if (!PtInRegion(shape, x, y)) *image.PixelPtr(x, y) = skin::kKeyPixel;
            }
        }
        DeleteObject(shape);
    }

    // The controls on top, at the client offset: the windowless ones
    // directly, each windowed one into a buffer of its own that starts as
    // the image under it (PrintControl), then copied.
    const TRect client = GetClientBounds();
    HDC imageDC = skin::BitmapDC(image);
    {
        const int saved = SaveDC(imageDC);
        OffsetViewportOrgEx(imageDC, client.Left, client.Top, nullptr);
        framework::PaintGraphicChildren(*Form(), imageDC);
        RestoreDC(imageDC, saved);
    }
    for (framework::TControl* child : Form()->Controls()) {
        if (!child->HandleAllocated() || !(GetWindowLongA(child->Handle(), GWL_STYLE) & WS_VISIBLE)) continue;
        RECT r;
        GetWindowRect(child->Handle(), &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        const int x = client.Left + r.left, y = client.Top + r.top;
        TSeBitmap piece;
        piece.SetSize(r.right - r.left, r.bottom - r.top);
        if (piece.Empty()) continue;
        HDC pieceDC = skin::BitmapDC(piece);
        BitBlt(pieceDC, 0, 0, piece.Width(), piece.Height(), imageDC, x, y, SRCCOPY);
        PrintControl(child->Handle(), piece);
        BitBlt(imageDC, x, y, piece.Width(), piece.Height(), pieceDC, 0, 0, SRCCOPY);
    }
    GdiFlush();
}

}  // namespace skinui
