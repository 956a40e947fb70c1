// The skinned form frame under Wine, on real windows: sizes and region,
// the client rectangle the system is given, the frame paint in every
// buffering mode, the shadow over a known screen, the caption, the states
// asked for while loading, the skin link's fallbacks and the close button.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "framework/ObjectText.h"
#include "framework/win32/Form.h"
#include "framework/win32/StdControls.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinMessages.h"
#include "skinui/frame/win32/SeSkinForm.h"
#include "skinui/tests/win32/FormFrameSupport.h"

namespace skinui {
namespace {

using skin::TRect;
using namespace test;

TEST(FormFrameTest, TheSkinDecidesFrameClientAndRegionAndTheClientKeepsItsSize) {
    Framed f;
    ASSERT_NE(f.frame, nullptr);
    ASSERT_TRUE(f.frame->Active());
    f.Skin();
    ASSERT_TRUE(f.frame->SkinUsable());

    // Borders 6, 30, 6, 5 and a 4-pixel shadow around a 200 x 100 client.
    RECT client = f.ClientRect();
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    RECT window = f.WindowRect();
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(window.top, 80);
    EXPECT_EQ(window.right - window.left, 216);
    EXPECT_EQ(window.bottom - window.top, 139);
    EXPECT_EQ(f.frame->FrameWidth(), 212);
    EXPECT_EQ(f.frame->FrameHeight(), 135);
    EXPECT_EQ(f.frame->GetClientBounds(), (TRect{6, 30, 206, 130}));

    // The region: the frame and its copy moved by the shadow's size.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(f.form.Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 211, 134));
    EXPECT_FALSE(PtInRegion(region, 215, 2));   // right of the frame, above the copy
    EXPECT_TRUE(PtInRegion(region, 215, 138));  // the copy's corner
    EXPECT_FALSE(PtInRegion(region, 2, 137));   // below the frame, left of the copy
    EXPECT_TRUE(PtInRegion(region, 4, 137));
    DeleteObject(region);

    // The system's client rectangle for any window rectangle.
    RECT asked{300, 200, 516, 339};
    SendMessageA(f.form.Handle(), WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&asked));
    EXPECT_EQ(asked.left, 306);
    EXPECT_EQ(asked.top, 230);
    EXPECT_EQ(asked.right, 506);
    EXPECT_EQ(asked.bottom, 330);
}

TEST(FormFrameTest, WithoutASkinTheFrameIsPlainAndAClientAtTheEdgeIsIgnored) {
    Framed f;
    const int inset = GetSystemMetrics(SM_CXFRAME);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    EXPECT_FALSE(f.frame->SkinUsable());
    EXPECT_EQ(f.form.Color(), framework::clBtnFace);
    EXPECT_EQ(f.frame->GetClientBounds(),
              (TRect{inset, inset + caption, f.frame->FrameWidth() - inset, f.frame->FrameHeight() - inset}));
    RECT client = f.ClientRect();
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 100);
    RECT window = f.WindowRect();
    EXPECT_EQ(window.right - window.left, 200 + 2 * inset + 4);

    // A skin whose client object touches the left edge: the plain bounds.
    f.Skin(true);
    ASSERT_TRUE(f.frame->SkinUsable());
    ASSERT_EQ(f.frame->ClientObject()->Left(), 0);
    EXPECT_EQ(f.frame->GetClientBounds(),
              (TRect{inset, inset + caption, f.frame->FrameWidth() - inset, f.frame->FrameHeight() - inset}));
}

TEST(FormFrameTest, TheSkinLinkFallsBackToTheFormObjectAndFollowsItsEngine) {
    Framed tool("    BorderStyle = kbsToolWindow\n");
    EXPECT_EQ(tool.frame->SkinObject(), "ToolWindow");
    tool.Skin();
    // The skin has no "ToolWindow": its form object stands in.
    ASSERT_NE(tool.frame->FormObject(), nullptr);
    EXPECT_EQ(tool.frame->FormObject()->Name(), "Form");
    EXPECT_EQ(tool.frame->TitleObject()->Name(), "Title");
    EXPECT_EQ(tool.form.Color(), 0x00808080);

    // The engine's announcements: its own drops the copy and takes a new one.
    skin::TSeSkinEngine other(nullptr);
    SendMessageA(tool.form.Handle(), skin::WM_SESKINCHANGING, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_NE(tool.frame->FormObject(), nullptr);
    SendMessageA(tool.form.Handle(), skin::WM_SESKINCHANGING, 0, reinterpret_cast<LPARAM>(tool.engine));
    EXPECT_EQ(tool.frame->FormObject(), nullptr);
    EXPECT_EQ(tool.frame->ClientObject(), nullptr);
    SendMessageA(tool.form.Handle(), skin::WM_SESKINCHANGED, 0, reinterpret_cast<LPARAM>(tool.engine));
    EXPECT_NE(tool.frame->FormObject(), nullptr);

    // A skin replaced without an announcement is noticed at the frame's next
    // message: it takes a copy of the new form object.
    tool.engine->SkinSource()->Clear();
    GiveSkin(*tool.engine);
    tool.engine->SkinSource()->GetFormObject()->SetColor(0x00404040);
    EXPECT_FALSE(tool.frame->SkinUsable());
    SendMessageA(tool.form.Handle(), WM_NULL, 0, 0);
    ASSERT_TRUE(tool.frame->SkinUsable());
    EXPECT_EQ(tool.frame->FormObject()->Color(), 0x00404040);
    EXPECT_EQ(tool.form.Color(), 0x00404040);
    EXPECT_EQ(tool.frame->TitleObject()->Name(), "Title");

    // Removing the engine leaves the plain frame with the button face.
    delete tool.engine;
    EXPECT_EQ(tool.frame->SkinEngine(), nullptr);
    EXPECT_EQ(tool.frame->FormObject(), nullptr);
    EXPECT_FALSE(tool.frame->SkinUsable());
    EXPECT_EQ(tool.form.Color(), framework::clBtnFace);
}

TEST(FormFrameTest, EveryBufferingModePaintsTheSameFrame) {
    Framed f;
    f.Skin();
    ShowWindow(f.form.Handle(), SW_SHOWNA);
    Pump();
    std::unique_ptr<skin::TSeBitmap> first;
    for (TSeFormPerformance mode : {ztfpNoBuffer, ztfpSharedBuffer, ztfpPersistentBuffer, ztfpDoubleBuffer}) {
        f.frame->SetPerformance(mode);
        // Spoil the frame's pixels, then paint it again.
        HDC dc = GetWindowDC(f.form.Handle());
        RECT all{0, 0, 216, 139};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ReleaseDC(f.form.Handle(), dc);
        f.frame->PaintFrame();
        auto picture = WindowPixels(f.form.Handle(), 216, 139);
        EXPECT_EQ(Rgb(*picture, 50, 10), RgbOf(kCaptionColor)) << int(mode);
        EXPECT_EQ(Rgb(*picture, 2, 60), RgbOf(kBorderColor)) << int(mode);
        EXPECT_EQ(Rgb(*picture, 100, 132), RgbOf(kBottomColor)) << int(mode);
        if (!first) {
            first = std::move(picture);
            continue;
        }
        int differing = 0;
        for (int y = 0; y < 139; ++y)
            for (int x = 0; x < 216; ++x) {
                const bool client = x >= 6 && x < 206 && y >= 30 && y < 130;
                if (!client && Rgb(*picture, x, y) != Rgb(*first, x, y)) ++differing;
            }
        EXPECT_EQ(differing, 0) << int(mode);
    }
}

TEST(FormFrameTest, TheShadowStepsMixWithTheScreenUnderTheWindow) {
    // A blue window lies where the framed window will show.
    HWND under = OpenColouredWindow("FrameTestUnder", RGB(0, 0, 255), 90, 70, 260, 200);
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetPixel(screen, 300, 140) & 0xFFFFFF, RGB(0, 0, 255)) << "the window under is not on the screen";
    ReleaseDC(nullptr, screen);

    Framed f;
    f.Skin();
    ShowWindow(f.form.Handle(), SW_SHOWNA);
    Pump();
    f.frame->PaintFrame();
    const skin::TPixel blue = 0xFF0000FF;
    EXPECT_EQ(f.frame->Background().GetPixel(215, 60) & 0xFFFFFF, 0x0000FFu) << "the screen under the window";
    auto picture = WindowPixels(f.form.Handle(), 216, 139);
    const std::uint8_t steps[] = {128, 108, 58, 8};  // columns 212..215, rows 212..215 of the bottom
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t expected = skin::BlendPixel(skin::TPixel(steps[i]) << 24 | 0x3F3F3F, blue) & 0xFFFFFF;
        EXPECT_EQ(Rgb(*picture, 212 + i, 60), expected) << "right band, column " << 212 + i;
        EXPECT_EQ(Rgb(*picture, 100, 135 + i), expected) << "bottom band, row " << 135 + i;
    }

    // Moved off the blue window, the shadow mixes with what is under it now.
    SetWindowPos(f.form.Handle(), nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    const skin::TPixel now = f.frame->Background().GetPixel(212, 60) | 0xFF000000;
    ASSERT_NE(now & 0xFFFFFF, 0x0000FFu) << "the new place must not be blue";
    picture = WindowPixels(f.form.Handle(), 216, 139);
    EXPECT_EQ(Rgb(*picture, 212, 60), skin::BlendPixel(skin::TPixel(128) << 24 | 0x3F3F3F, now) & 0xFFFFFF);
    DestroyWindow(under);
}

TEST(FormFrameTest, AWindowReachingPastTheScreensEdgeStillCapturesWhatIsOnTheScreen) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HWND under = OpenColouredWindow("FrameTestUnderEdge", RGB(0, 0, 255), width - 300, height - 200, 299, 199);

    Framed f;
    f.Skin();
    // The lower half of the window hangs below the screen.
    SetWindowPos(f.form.Handle(), nullptr, width - 250, height - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(f.form.Handle(), SW_SHOWNA);
    Pump();
    EXPECT_EQ(f.frame->Background().GetPixel(213, 20) & 0xFFFFFF, 0x0000FFu) << "the screen under the shadow";
    DestroyWindow(under);
}

TEST(FormFrameTest, PumpPaintMessagesTakesOnlyPaintsAndLeavesTheQuitRequest) {
    Framed f;
    ShowWindow(f.form.Handle(), SW_SHOWNA);
    Pump();
    MSG msg;
    InvalidateRect(f.form.Handle(), nullptr, FALSE);
    PostMessageA(f.form.Handle(), WM_APP, 0, 0);
    TSeCustomForm::PumpPaintMessages();
    EXPECT_FALSE(GetUpdateRect(f.form.Handle(), nullptr, FALSE));
    EXPECT_TRUE(PeekMessageA(&msg, f.form.Handle(), WM_APP, WM_APP, PM_REMOVE));

    InvalidateRect(f.form.Handle(), nullptr, FALSE);
    PostQuitMessage(7);
    TSeCustomForm::PumpPaintMessages();
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    Pump();
}

TEST(FormFrameTest, ACaptionChangeReachesTheFrameAndTheStyleComesBack) {
    Framed f;
    f.Skin();
    EXPECT_EQ(f.frame->Caption(), "Framed");
    SetWindowTextA(f.form.Handle(), "Renamed");
    EXPECT_EQ(f.frame->Caption(), "Renamed");
    EXPECT_EQ(GetWindowLongA(f.form.Handle(), GWL_STYLE) & WS_CAPTION, 0);
    Pump();  // WM_SEREFRESHFRAME
    EXPECT_EQ(GetWindowLongA(f.form.Handle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);

    // The skinned frame shows the form's caption in its title object.
    skin::TSeBitmap picture;
    picture.SetSize(216, 139);
    SendMessageA(f.form.Handle(), skin::WM_SEPAINTFRAME, 0, reinterpret_cast<LPARAM>(skin::BitmapDC(picture)));
    EXPECT_EQ(f.frame->TitleObject()->Text(), L"Renamed");
}

TEST(FormFrameTest, PaintFrameMessageDrawsFrameAndClientAtTheGivenOffset) {
    Framed f;
    f.Skin();
    skin::TSeBitmap picture;
    picture.SetSize(260, 200);
    picture.Fill(0xFF000000);
    const WPARAM at = MAKEWPARAM(10, 20);
    EXPECT_EQ(SendMessageA(f.form.Handle(), skin::WM_SEPAINTFRAME, at, reinterpret_cast<LPARAM>(skin::BitmapDC(picture))),
              1);
    EXPECT_EQ(picture.GetPixel(10 + 50, 20 + 10) & 0xFFFFFF, RgbOf(kCaptionColor));
    EXPECT_EQ(picture.GetPixel(10 + 2, 20 + 60) & 0xFFFFFF, RgbOf(kBorderColor));
    EXPECT_EQ(picture.GetPixel(10 + 60, 20 + 60) & 0xFFFFFF, RgbOf(kClientColor));
    EXPECT_EQ(picture.GetPixel(5, 5) & 0xFFFFFF, 0u);  // before the offset nothing was drawn
}

TEST(FormFrameTest, AStateSetWhileLoadingIsAppliedFromTheMessageLoop) {
    Framed f("    WindowState = kwsMaximized\n");
    f.Skin();  // the skinned frame fills the work area exactly
    EXPECT_EQ(f.frame->WindowState(), kwsNormal);
    EXPECT_EQ(f.frame->PendingState(), kwsMaximized);
    RECT parked = f.WindowRect();
    EXPECT_EQ(parked.left, 0);
    EXPECT_EQ(parked.top, GetSystemMetrics(SM_CYSCREEN));
    Pump();  // WM_SESETSTATE
    EXPECT_EQ(f.frame->WindowState(), kwsMaximized);
    EXPECT_EQ(f.frame->PendingState(), kwsNormal);
    const TRect maximized = f.frame->GetMaximizedBounds();
    RECT now = f.WindowRect();
    EXPECT_EQ(now.left, maximized.Left);
    EXPECT_EQ(now.top, maximized.Top);
    EXPECT_EQ(now.right - now.left, skin::RectWidth(maximized));
    // No shadow while maximized: the frame is the whole window.
    EXPECT_EQ(f.frame->FrameWidth(), f.frame->WindowWidth());

    f.frame->Restore();
    EXPECT_EQ(f.frame->WindowState(), kwsNormal);
    RECT back = f.WindowRect();
    EXPECT_EQ(back.left, 100);
    EXPECT_EQ(back.top, 80);
}

TEST(FormFrameTest, RollingUpKeepsTheWidthAndRestoringGivesTheSizeBack) {
    Framed f;
    f.Skin();
    const RECT before = f.WindowRect();
    f.frame->Rollup();
    EXPECT_EQ(f.frame->WindowState(), kwsRollup);
    const RECT rolled = f.WindowRect();
    EXPECT_EQ(rolled.right - rolled.left, before.right - before.left);
    EXPECT_EQ(rolled.bottom - rolled.top, 30 + 5 + 4);  // caption, bottom border, shadow
    f.frame->Restore();
    const RECT after = f.WindowRect();
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(f.ClientRect().bottom, 100);
}

TEST(FormFrameTest, TheSkinsCloseButtonClosesTheWindowAndAFormThatIsNotTheMainOneHides) {
    Framed f;
    f.Skin();
    ShowWindow(f.form.Handle(), SW_SHOWNA);
    Pump();
    const RECT w = f.WindowRect();
    // The close button: 15 x 15 at the caption's right, 5 from the top.
    const TRect close = f.frame->FormObject()->FindByName("Close")->BoundsRect();
    const LPARAM at = MAKELPARAM(w.left + close.Left + 7, w.top + close.Top + 7);
    EXPECT_EQ(SendMessageA(f.form.Handle(), WM_NCHITTEST, 0, at), HTMINBUTTON);
    EXPECT_EQ(SendMessageA(f.form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left + 50, w.top + 10)), HTCAPTION);
    EXPECT_EQ(SendMessageA(f.form.Handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left + 60, w.top + 60)), HTCLIENT);
    SendMessageA(f.form.Handle(), WM_NCLBUTTONDOWN, HTMINBUTTON, at);
    EXPECT_EQ(f.frame->HoverHit(), kfhSkinButton);
    EXPECT_TRUE(IsWindow(f.form.Handle()));
    SendMessageA(f.form.Handle(), WM_NCLBUTTONUP, HTMINBUTTON, at);
    // Not the program's main form: closed, it is hidden.
    EXPECT_FALSE(IsWindowVisible(f.form.Handle()));
    EXPECT_TRUE(IsWindow(f.form.Handle()));
}

TEST(FormFrameTest, TheShowAnimationRunsForItsTimeAndLeavesTheWindowDrawn) {
    Framed f("    Shadow.Enabled = True\n    Animation.Enabled = True\n    Animation.Time = 120\n"
             "    Animation.Effect = keDiagonal\n");
    f.Skin();
    const auto start = std::chrono::steady_clock::now();
    ShowWindow(f.form.Handle(), SW_SHOWNA);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(took).count(), 120);
    Pump();
    auto picture = WindowPixels(f.form.Handle(), 216, 139);
    EXPECT_EQ(Rgb(*picture, 50, 10), RgbOf(kCaptionColor));
}

}  // namespace
}  // namespace skinui
