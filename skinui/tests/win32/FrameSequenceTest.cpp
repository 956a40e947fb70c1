// The frame's messages under Wine as sequences (tests/MessageLog.h): which
// of them the frame answers itself and which reach the default window
// procedure, during a caption drag, a corner pull, activation and frame
// paints, and a press on its close button.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win32/Form.h"
#include "skinui/tests/win32/FormFrameSupport.h"
#include "skinui/tests/win32/WindowMessageLog.h"

namespace skinui {
namespace {

using namespace test;

// Every non-client mouse message, and what the default handling of a press
// on the caption or an edge would send or start.
constexpr std::initializer_list<unsigned> kMouseAndSystemMoves = {
    wm::kNcMouseMove,    wm::kNcLButtonDown,    wm::kNcLButtonUp,    wm::kNcLButtonDblClk, wm::kNcRButtonDown,
    wm::kNcRButtonUp,    wm::kNcRButtonDblClk,  wm::kNcMButtonDown,  wm::kNcMButtonUp,     wm::kNcMButtonDblClk,
    wm::kNcXButtonDown,  wm::kNcXButtonUp,      wm::kNcXButtonDblClk, wm::kNcMouseLeave,   wm::kMouseMove,
    wm::kLButtonUp,      wm::kSysCommand,       wm::kEnterSizeMove,  wm::kExitSizeMove};

TEST(FrameSequenceTest, NoNonClientMouseMessageReachesTheDefaultHandlingDuringACaptionDragOrACornerPull) {
    Framed f;
    f.Skin();
    HWND window = f.form.Handle();
    ShowWindow(window, SW_SHOW);
    Pump();
    WindowMessageLog log;
    ASSERT_TRUE(log.WatchingDefault());
    log.Watch(window, "form");
    log.Only(kMouseAndSystemMoves);

    const RECT before = f.WindowRect();
    {
        Mouse mouse(window);
        mouse.NonClient(WM_NCMOUSEMOVE, HTCAPTION, 50, 12);
        mouse.NonClient(WM_NCLBUTTONDOWN, HTCAPTION, 60, 10);
        mouse.NonClient(WM_NCMOUSEMOVE, HTCAPTION, 80, 30);
        mouse.NonClient(WM_NCMOUSEMOVE, HTCAPTION, 90, 40);
        mouse.NonClient(WM_NCLBUTTONUP, HTCAPTION, 90, 40);
    }
    log.Mark("caption released");
    const RECT moved = f.WindowRect();
    EXPECT_EQ(moved.left - before.left, 30);
    EXPECT_EQ(moved.top - before.top, 30);
    constexpr ExpectedMessage kCaptionDrag[] = {
        {wm::kNcMouseMove, HTCAPTION, kNotDefault},   {wm::kNcLButtonDown, HTCAPTION, kNotDefault},
        {wm::kNcMouseMove, HTCAPTION, kNotDefault},   {wm::kNcMouseMove, HTCAPTION, kNotDefault},
        {wm::kNcLButtonUp, HTCAPTION, kNotDefault},   Marker("caption released"),
    };
    ExpectSequence(log, kCaptionDrag, "caption drag");

    // The corner pull as the system delivers it: the press on the corner,
    // then the captured mouse's client messages. The test skin has no
    // corners; the plain frame has.
    Framed plain;
    HWND plainWindow = plain.form.Handle();
    ShowWindow(plainWindow, SW_SHOW);
    Pump();
    log.Watch(plainWindow, "plain form");
    log.Clear();
    const RECT unpulled = plain.WindowRect();
    {
        Mouse mouse(plainWindow);
        const int inset = plain.frame->ShadowInset() + 2;
        const int right = unpulled.right - unpulled.left - inset, bottom = unpulled.bottom - unpulled.top - inset;
        ASSERT_EQ(SendMessageA(plainWindow, WM_NCHITTEST, 0, MAKELPARAM(unpulled.left + right, unpulled.top + bottom)),
                  HTBOTTOMRIGHT);
        mouse.NonClient(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, right, bottom);
        EXPECT_EQ(GetCapture(), plainWindow);
        mouse.Captured(WM_MOUSEMOVE, right + 10, bottom + 20);
        mouse.Captured(WM_MOUSEMOVE, right + 20, bottom + 25);
        mouse.Captured(WM_LBUTTONUP, right + 20, bottom + 25);
    }
    log.Mark("corner released");
    const RECT pulled = plain.WindowRect();
    EXPECT_EQ((pulled.right - pulled.left) - (unpulled.right - unpulled.left), 20);
    EXPECT_EQ((pulled.bottom - pulled.top) - (unpulled.bottom - unpulled.top), 25);
    constexpr ExpectedMessage kCornerPull[] = {
        {wm::kNcLButtonDown, HTBOTTOMRIGHT, kNotDefault, 1},
        {wm::kMouseMove, kAnyParam, 0, 1},
        {wm::kMouseMove, kAnyParam, 0, 1},
        {wm::kLButtonUp, kAnyParam, 0, 1},
        Marker("corner released"),
    };
    ExpectSequence(log, kCornerPull, "corner pull");
}

TEST(FrameSequenceTest, ActivationAndFramePaintsAreTheFramesAndNeverTheSystems) {
    HWND other = OpenColouredWindow("FrameSequenceOther", RGB(0, 0, 255), 600, 400, 100, 100);
    Framed f;
    f.Skin();
    HWND window = f.form.Handle();
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Pump();
    ASSERT_EQ(GetActiveWindow(), window);
    WindowMessageLog log;
    ASSERT_TRUE(log.WatchingDefault());
    log.Watch(window, "form");
    log.Only({wm::kNcActivate, wm::kNcPaint});

    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    log.Mark("frame redrawn");
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    Pump();
    log.Mark("frame changed");
    SetForegroundWindow(other);
    Pump();
    log.Mark("other window active");
    SetForegroundWindow(window);
    Pump();
    log.Mark("active again");
    EXPECT_EQ(GetActiveWindow(), window);

    constexpr ExpectedMessage kFramesOwn[] = {
        {wm::kNcPaint, kAnyParam, kNotDefault},
        Marker("frame redrawn"),
        {wm::kNcPaint, kAnyParam, kNotDefault},
        Marker("frame changed"),
        {wm::kNcActivate, FALSE, kNotDefault},
        Marker("other window active"),
        {wm::kNcActivate, TRUE, kNotDefault},
        Marker("active again"),
    };
    ExpectSequence(log, kFramesOwn, "frame paints and activation");
    DestroyWindow(other);
}

// The close button's release asks the form's close query itself, while the
// release is on the stack; a form that may close is hidden then and there,
// and nothing closes or destroys the window afterwards.
TEST(FrameSequenceTest, TheCloseButtonsReleaseAsksTheFormAndHidesItWithoutAnyCloseMessage) {
    for (const bool mayClose : {true, false}) {
        Framed f;
        f.Skin();
        HWND window = f.form.Handle();
        ShowWindow(window, SW_SHOWNA);
        Pump();
        f.form.onClose = [mayClose](framework::TForm&, framework::TCloseAction& action) {
            if (!mayClose) action = framework::TCloseAction::caNone;
        };
        WindowMessageLog log;
        ASSERT_TRUE(log.WatchingDefault());
        log.Watch(window, "form");
        log.Only({wm::kNcLButtonDown, wm::kNcLButtonUp, wm::kSysCommand, wm::kShowWindow, wm::kClose, wm::kDestroy});

        const RECT w = f.WindowRect();
        const TRect close = f.frame->FormObject()->FindByName("Close")->BoundsRect();
        const LPARAM at = MAKELPARAM(w.left + close.Left + 7, w.top + close.Top + 7);
        SendMessageA(window, WM_NCLBUTTONDOWN, HTMINBUTTON, at);
        SendMessageA(window, WM_NCLBUTTONUP, HTMINBUTTON, at);
        log.Mark("release returned");
        Pump();
        log.Mark("queue run");
        EXPECT_EQ(IsWindowVisible(window) != FALSE, !mayClose);

        constexpr ExpectedMessage kHidden[] = {
            {wm::kNcLButtonDown, HTMINBUTTON, kNotDefault},
            {wm::kNcLButtonUp, HTMINBUTTON, kNotDefault},
            {wm::kShowWindow, FALSE, kNested},
            Marker("release returned"),
            Marker("queue run"),
        };
        constexpr ExpectedMessage kKept[] = {
            {wm::kNcLButtonDown, HTMINBUTTON, kNotDefault},
            {wm::kNcLButtonUp, HTMINBUTTON, kNotDefault},
            Marker("release returned"),
            Marker("queue run"),
        };
        if (mayClose) {
            ExpectSequence(log, kHidden, "close button, the form may close");
        } else {
            ExpectSequence(log, kKept, "close button, the form refuses");
        }
    }
}

}  // namespace
}  // namespace skinui
