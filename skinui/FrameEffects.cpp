// TSeCustomForm: the screen under the window (for the shadow and
// translucency) and the show animation, on the real screen.
#include <windows.h>

#include <algorithm>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "framework/win32/GraphicControl.h"
#include "skin/BitmapDraw.h"
#include "skin/ScopeExit.h"
#include "skinui/AnimationPlayer.h"
#include "skinui/BackgroundCapture.h"
#include "skinui/SeCustomForm.h"

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

}  // namespace

void TSeCustomForm::CaptureBackground(const TRect& rect) {
    if (!Hooked() || rect == backgroundRect_ || captureSuppressed_) return;
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
    // Only what lies on the screen is read: a copy that reaches past the
    // screen's edge fails whole under some window systems (Wine's), which
    // would leave a black background under the shadow.
    const TRect screenRect = skin::MakeBounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                                              GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                              GetSystemMetrics(SM_CYVIRTUALSCREEN));
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
    // directly, each windowed one printed at origin 0 into a buffer of its
    // own (standard controls print almost nothing into a context whose
    // origin was moved) that starts as the image under it, then copied.
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
        SendMessageA(child->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(pieceDC),
                     PRF_CLIENT | PRF_NONCLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
        GdiFlush();
        BitBlt(imageDC, x, y, piece.Width(), piece.Height(), pieceDC, 0, 0, SRCCOPY);
    }
    GdiFlush();
}

}  // namespace skinui
