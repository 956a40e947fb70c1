// The frame's mouse under Wine, on real windows, driven by synthesized
// non-client messages: the hit codes the system is told, moving by the
// caption with snapping, sizing down to the minimum track size, the outline
// drag, presses released elsewhere, double clicks on the caption, and the
// mouse reaching the skin's objects.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/objects/SystemButton.h"
#include "skinui/frame/win32/SeSkinForm.h"
#include "skinui/controls/win32/ThemeLibrary.h"
#include "skinui/tests/win32/FormFrameSupport.h"

namespace skinui {
namespace {

using namespace test;
using skin::TRect;

LRESULT HitAt(HWND window, int x, int y) {
    RECT r;
    GetWindowRect(window, &r);
    return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

TEST(FrameDragWindowTest, EachPartOfTheFrameTellsTheSystemItsHitCode) {
    Framed f;
    f.Skin();
    HWND window = f.form.Handle();
    const TRect close = f.frame->FormObject()->FindByName("Close")->BoundsRect();
    EXPECT_EQ(HitAt(window, 60, 10), HTCAPTION);
    EXPECT_EQ(HitAt(window, 2, 60), HTLEFT);
    EXPECT_EQ(HitAt(window, 209, 60), HTRIGHT);
    EXPECT_EQ(HitAt(window, 100, 133), HTBOTTOM);
    EXPECT_EQ(HitAt(window, close.Left + 3, close.Top + 3), HTMINBUTTON);
    EXPECT_EQ(HitAt(window, 100, 60), HTCLIENT);

    f.frame->Dragging()->SetMoveable(false);
    EXPECT_EQ(HitAt(window, 60, 10), HTCLIENT);
    f.frame->Dragging()->SetSizeable(false);
    EXPECT_EQ(HitAt(window, 2, 60), HTCLIENT);
    EXPECT_EQ(HitAt(window, 100, 133), HTCLIENT);

    // The plain frame, maximized: its borders are no longer edges.
    Framed plain;
    HWND other = plain.form.Handle();
    EXPECT_EQ(HitAt(other, 1, 60), HTLEFT);
    EXPECT_EQ(HitAt(other, 1, 1), HTTOPLEFT);
    plain.frame->Maximize();
    ASSERT_EQ(plain.frame->WindowState(), kwsMaximized);
    EXPECT_EQ(HitAt(other, 1, 60), HTCLIENT);
}

TEST(FrameDragWindowTest, TheCaptionDragsTheWindowByTheMousesDistanceAndSnapsAtTheWorkAreasEdge) {
    Framed f;
    f.Skin();
    HWND window = f.form.Handle();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    {
        Mouse mouse(window);
        mouse.Down(60, 10);
        EXPECT_TRUE(f.frame->DragRunning());
        mouse.Move(100, 40);
        mouse.Move(110, 45);
        mouse.Up(110, 45);
    }
    EXPECT_FALSE(f.frame->DragRunning());
    RECT r = f.WindowRect();
    EXPECT_EQ(r.left, 150);
    EXPECT_EQ(r.top, 115);
    EXPECT_EQ(r.right - r.left, 216);

    // To 19 pixels from the work area's left edge: it snaps onto it; to 20: not.
    const RECT area = WorkArea();
    for (const auto& [gap, expected] : {std::pair{19, 0}, std::pair{20, 20}}) {
        SetWindowPos(window, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Mouse mouse(window);
        mouse.Down(60, 10);
        mouse.Move(60 + (area.left + gap - 300), 10);
        mouse.Up(60 + (area.left + gap - 300), 10);
        EXPECT_EQ(f.WindowRect().left, area.left + expected) << "gap " << gap;
    }
    // The frame's bottom edge snaps, not the shadow's: 4 pixels hang below.
    SetWindowPos(window, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Mouse mouse(window);
    const int down = (area.bottom - 10) - (300 + 135);
    mouse.Down(60, 10);
    mouse.Move(60, 10 + down);
    mouse.Up(60, 10 + down);
    EXPECT_EQ(f.WindowRect().bottom, area.bottom + 4);
}

TEST(FrameDragWindowTest, TheLeftAndTopEdgesSizeTheWindowNoSmallerThanTheMinimumTrackSize) {
    Framed plain;  // the plain frame has a top border to pull
    HWND window = plain.form.Handle();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const RECT before = plain.WindowRect();
    {
        Mouse mouse(window);
        mouse.Down(1, 60, HTLEFT);
        mouse.Move(-29, 60);
        mouse.Up(-29, 60);
    }
    RECT r = plain.WindowRect();
    EXPECT_EQ(r.left, before.left - 30);
    EXPECT_EQ(r.right, before.right);
    {
        Mouse mouse(window);
        mouse.Down(1, 60, HTLEFT);
        mouse.Move(900, 60);
        mouse.Up(900, 60);
    }
    r = plain.WindowRect();
    EXPECT_EQ(r.right - r.left, 150);
    EXPECT_EQ(r.right, before.right);
    {
        Mouse mouse(window);
        mouse.Down(60, 1, HTTOP);
        mouse.Move(60, 900);
        mouse.Up(60, 900);
    }
    r = plain.WindowRect();
    EXPECT_EQ(r.bottom - r.top, 40);
    EXPECT_EQ(r.bottom, before.bottom);
    // The right edge is held at the limit by the window's own size checks.
    {
        const int width = r.right - r.left;
        Mouse mouse(window);
        mouse.Down(width - 1, 20, HTRIGHT);
        mouse.Move(width - 500, 20);
        mouse.Up(width - 500, 20);
    }
    r = plain.WindowRect();
    EXPECT_EQ(r.right - r.left, 150);
}

TEST(FrameDragWindowTest, AnOutlineDragDrawsAndErasesItsXorRectangleAndMovesTheWindowOnRelease) {
    Framed f;
    f.Skin();
    f.frame->Dragging()->SetDragMode(kfdmBorder);
    HWND window = f.form.Handle();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    Pump();
    HDC screen = GetDC(nullptr);
    // A point on the bottom edge of the first outline, below the window.
    const POINT probe{100 + 100 + 20, 80 + 139 + 80 - 1};
    const COLORREF plainScreen = GetPixel(screen, probe.x, probe.y);
    Mouse mouse(window);
    mouse.Down(60, 10);
    mouse.Move(160, 90);
    EXPECT_EQ(f.frame->DragOutline(), skin::MakeBounds(200, 160, 216, 139));
    EXPECT_EQ(f.WindowRect().left, 100) << "the window waits for the release";
    EXPECT_EQ(GetPixel(screen, probe.x, probe.y), plainScreen ^ 0x00FFFFFF);
    mouse.Move(260, 190);
    EXPECT_EQ(GetPixel(screen, probe.x, probe.y), plainScreen) << "the first outline is erased";
    mouse.Up(260, 190);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(skin::RectIsEmpty(f.frame->DragOutline()));
    const RECT r = f.WindowRect();
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 260);
    EXPECT_EQ(r.right - r.left, 216);
}

TEST(FrameDragWindowTest, ADragEndsWhenTheWindowLosesTheMouse) {
    Framed f;
    f.Skin();
    HWND window = f.form.Handle();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    Pump();
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const RECT start = f.WindowRect();
    Mouse mouse(window);
    mouse.Down(60, 10);
    ASSERT_TRUE(f.frame->DragRunning());
    // Another window takes the mouse and the button is released over it;
    // then the mouse moves over the caption with no button held.
    SetCapture(other);
    ReleaseCapture();
    EXPECT_FALSE(f.frame->DragRunning());
    for (int i = 1; i <= 3; ++i) mouse.Move(60 + 40 * i, 10 + 2 * i);
    EXPECT_EQ(f.WindowRect().left, start.left);
    EXPECT_EQ(f.WindowRect().top, start.top);

    // The system cancelling the mode ends an outline drag and erases it.
    f.frame->Dragging()->SetDragMode(kfdmBorder);
    HDC screen = GetDC(nullptr);
    const POINT probe{start.left + 100 + 20, start.top + 139 + 80 - 1};
    const COLORREF plainScreen = GetPixel(screen, probe.x, probe.y);
    mouse.Down(60, 10);
    mouse.Move(160, 90);
    ASSERT_FALSE(skin::RectIsEmpty(f.frame->DragOutline()));
    SendMessageA(window, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(f.frame->DragRunning());
    EXPECT_TRUE(skin::RectIsEmpty(f.frame->DragOutline()));
    EXPECT_EQ(GetPixel(screen, probe.x, probe.y), plainScreen) << "the outline is erased";
    ReleaseDC(nullptr, screen);
    mouse.Move(260, 190);
    mouse.Up(260, 190);
    EXPECT_EQ(f.WindowRect().left, start.left);
    DestroyWindow(other);
}

TEST(FrameDragWindowTest, APressReleasedElsewhereRunsNothingAndADoubleClickMaximizesOnlyWithItsIcon) {
    Framed f;
    f.Skin();
    HWND window = f.form.Handle();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    const TRect close = f.frame->FormObject()->FindByName("Close")->BoundsRect();
    {
        // Caption pressed, released on the close button: the window stays.
        Mouse mouse(window);
        mouse.Down(60, 10);
        mouse.Up(close.Left + 3, close.Top + 3);
        Pump();
        ASSERT_TRUE(IsWindowVisible(window));
        // Close pressed, released on the caption: the same.
        mouse.Down(close.Left + 3, close.Top + 3, HTMINBUTTON);
        mouse.Up(60, 10);
        Pump();
        ASSERT_TRUE(IsWindowVisible(window));
    }
    f.frame->SetBorderIcons(f.frame->BorderIcons() & ~(1u << skin::kbiMaximize));
    Mouse(window).DoubleClick(60, 10);
    EXPECT_EQ(f.frame->WindowState(), kwsNormal);
    f.frame->SetBorderIcons(f.frame->BorderIcons() | (1u << skin::kbiMaximize));
    Mouse(window).DoubleClick(60, 10);
    EXPECT_EQ(f.frame->WindowState(), kwsMaximized);
    Mouse(window).DoubleClick(60, 10);
    EXPECT_EQ(f.frame->WindowState(), kwsNormal);
    EXPECT_FALSE(f.frame->DragRunning());
}

TEST(FrameDragWindowTest, ThePlainTopBandReachesTheCaptionAndEachClickOfADoubleClickPressesAButton) {
    SetThemesAllowed(false);
    Framed plain;
    HWND window = plain.form.Handle();
    ShowWindow(window, SW_SHOWNOACTIVATE);
    // Without themes the caption starts one row below the frame width.
    const int band = GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(HitAt(window, 100, band), HTTOP);
    EXPECT_EQ(HitAt(window, 100, band + 1), HTCAPTION);

    plain.frame->SetBorderIcons((1u << skin::kbiClose) | (1u << skin::kbiRollup) | (1u << skin::kbiSystemMenu));
    const TRect rollup = plain.frame->GetButtonRect(skin::kbiRollup);
    ASSERT_FALSE(skin::RectIsEmpty(rollup));
    const int x = rollup.Left + 3, y = rollup.Top + 3;
    ASSERT_EQ(HitAt(window, x, y), HTMINBUTTON);
    // A double click arrives as a click and a double click: both act.
    Mouse mouse(window);
    mouse.Down(x, y, HTMINBUTTON);
    mouse.Up(x, y);
    EXPECT_EQ(plain.frame->WindowState(), kwsRollup);
    mouse.DoubleClick(x, y);
    mouse.Up(x, y);
    EXPECT_EQ(plain.frame->WindowState(), kwsNormal);
    SetThemesAllowed(true);
}

TEST(FrameDragWindowTest, TheMouseReachesTheSkinObjectsAndHoverFollowsTheCursor) {
    Framed f;
    f.Skin();
    HWND window = f.form.Handle();
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    auto* close = dynamic_cast<skin::TSeSystemButton*>(f.frame->FormObject()->FindByName("Close"));
    ASSERT_NE(close, nullptr);
    const TRect bounds = close->BoundsRect();
    const RECT r = f.WindowRect();

    // The 100 ms tracking finds the object under the cursor.
    SetCursorPos(r.left + bounds.Left + 3, r.top + bounds.Top + 3);
    for (int i = 0; i < 40 && f.frame->HoverObject() != close; ++i) {
        Pump();
        Sleep(10);
    }
    EXPECT_EQ(f.frame->HoverObject(), close);
    EXPECT_EQ(close->ButtonState(), 1) << "hot";
    SetCursorPos(r.left + 100, r.top + 60);  // the client object
    for (int i = 0; i < 40 && f.frame->HoverObject() == close; ++i) {
        Pump();
        Sleep(10);
    }
    EXPECT_EQ(f.frame->HoverObject(), f.frame->FormObject()->FindByName("Client"));
    EXPECT_EQ(close->ButtonState(), 0) << "left";
    SetCursorPos(r.right + 40, r.bottom + 40);  // off the window
    for (int i = 0; i < 40 && f.frame->HoverObject() != nullptr; ++i) {
        Pump();
        Sleep(10);
    }
    EXPECT_EQ(f.frame->HoverObject(), nullptr);

    // A press on the button reaches it; a release elsewhere does not.
    Mouse mouse(window);
    mouse.Down(bounds.Left + 3, bounds.Top + 3, HTMINBUTTON);
    EXPECT_EQ(close->ButtonState(), 2) << "pressed";
    EXPECT_EQ(f.frame->PressedHit(), kfhSkinButton);
    mouse.Up(60, 10);
    Pump();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(f.frame->PressedHit(), kfhNone);
}

}  // namespace
}  // namespace skinui
