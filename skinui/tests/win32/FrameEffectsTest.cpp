// The frame and its effects under Wine, on real windows: the show
// animation's picture of the window with its controls, states stored in a
// description, the frame painted into a caller's context, the plain frame
// maximized, the shadow switched on at run time, and the stored events.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/ComponentStreaming.h"
#include "framework/ObjectText.h"
#include "framework/Stream.h"
#include "framework/win32/Form.h"
#include "framework/win32/StdControls.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinMessages.h"
#include "skinui/controls/win32/SeProgressBar.h"
#include "skinui/frame/win32/SeSkinForm.h"
#include "skinui/tests/win32/FormFrameSupport.h"

namespace skinui {
namespace {

using skin::TRect;
using namespace test;

// A form whose methods are all known: every stored event resolves, and a
// handler run is recorded by its method name.
class RecordingForm : public framework::TForm {
public:
    using TForm::TForm;
    framework::TNotifyEvent MethodAddress(std::string_view name) override {
        return [this, method = std::string(name)](framework::TComponent&) { ran.push_back(method); };
    }
    std::vector<std::string> ran;
};

void RegisterAll() {
    framework::RegisterStandardControls();
    skin::RegisterSkinClasses();
    RegisterFormClasses();
    RegisterProgressBarClasses();
}

// A form whose engine holds the test skin before the description is read,
// as in the program, where the engine is part of the description.
struct SkinnedWhileLoading {
    explicit SkinnedWhileLoading(const std::string& frameSettings) {
        RegisterAll();
        engine = new skin::TSeSkinEngine(&form);
        engine->SetName("Engine1");
        GiveSkin(*engine);
        form.LoadFromDescription(framework::ObjectTextToBinary(
            Description("    SkinEngine = Engine1\n    Shadow.Enabled = True\n" + frameSettings)));
        frame = dynamic_cast<TSeSkinForm*>(form.FindComponent("Frame1"));
    }
    RECT ClientRect() const {
        RECT r;
        GetClientRect(form.Handle(), &r);
        return r;
    }
    RECT WindowRect() const {
        RECT r;
        GetWindowRect(form.Handle(), &r);
        return r;
    }
    framework::TForm form{nullptr};
    skin::TSeSkinEngine* engine = nullptr;
    TSeSkinForm* frame = nullptr;
};

TEST(FrameEffectsTest, TheShowAnimationsPictureHoldsEveryControlAsTheScreenShowsIt) {
    RegisterAll();
    framework::TForm form(nullptr);
    form.LoadFromDescription(framework::ObjectTextToBinary(
        "object Form1: TForm\n  Left = 100\n  Top = 80\n  ClientWidth = 200\n  ClientHeight = 100\n"
        "  Caption = 'Animated'\n"
        "  object Button1: TButton\n    Left = 10\n    Top = 8\n    Width = 80\n    Height = 25\n"
        "    Caption = 'Go'\n  end\n"
        "  object Check1: TCheckBox\n    Left = 10\n    Top = 40\n    Width = 80\n    Height = 17\n"
        "    Caption = 'Check'\n    Checked = True\n  end\n"
        "  object Label1: TLabel\n    Left = 100\n    Top = 10\n    Width = 90\n    Height = 13\n"
        "    Caption = 'Label here'\n  end\n"
        "  object Bar1: TSeSkinProgressBar\n    Left = 10\n    Top = 70\n    Width = 180\n    Height = 17\n"
        "    Position = 50\n  end\n"
        "  object Frame1: TSeSkinForm\n    Shadow.Enabled = True\n  end\nend\n"));
    auto* frame = dynamic_cast<TSeSkinForm*>(form.FindComponent("Frame1"));
    ASSERT_NE(frame, nullptr);
    auto* engine = new skin::TSeSkinEngine(&form);
    GiveSkin(*engine);
    frame->SetSkinEngine(engine);
    ShowWindow(form.Handle(), SW_SHOWNA);
    for (int i = 0; i < 5; ++i) {
        Pump();
        Sleep(20);
    }
    const int width = frame->WindowWidth(), height = frame->WindowHeight();
    auto screen = WindowPixels(form.Handle(), width, height);
    skin::TSeBitmap image;
    image.SetSize(width, height);
    frame->RenderShowImage(image);

    const TRect client = frame->GetClientBounds();
    for (const char* name : {"Button1", "Check1", "Label1", "Bar1"}) {
        auto* control = dynamic_cast<framework::TControl*>(form.FindComponent(name));
        ASSERT_NE(control, nullptr) << name;
        int differing = 0, colours = 0;
        std::uint32_t first = Rgb(*screen, client.Left + control->Left(), client.Top + control->Top());
        for (int y = 0; y < control->Height(); ++y)
            for (int x = 0; x < control->Width(); ++x) {
                const int wx = client.Left + control->Left() + x, wy = client.Top + control->Top() + y;
                if (Rgb(image, wx, wy) != Rgb(*screen, wx, wy)) ++differing;
                if (Rgb(*screen, wx, wy) != first) ++colours;
            }
        ASSERT_GT(colours, 0) << name << ": the screen shows nothing of it";
        EXPECT_LE(differing, control->Width() * control->Height() / 20) << name;
    }
}

TEST(FrameEffectsTest, AStoredStateRestoresToTheDesignedClientSize) {
    for (const char* state : {"kwsMaximized", "kwsRollup", "kwsMinimized"}) {
        SkinnedWhileLoading f(std::string("    WindowState = ") + state + "\n");
        ASSERT_NE(f.frame, nullptr);
        ASSERT_TRUE(f.frame->SkinUsable());
        Pump();  // WM_SESETSTATE
        EXPECT_NE(f.frame->WindowState(), kwsNormal) << state;
        if (std::string(state) == "kwsRollup") {
            const RECT rolled = f.WindowRect();
            EXPECT_EQ(rolled.right - rolled.left, 216) << state;
            EXPECT_EQ(rolled.bottom - rolled.top, 30 + 5 + 4) << state;
        }
        f.frame->Restore();
        Pump();
        EXPECT_EQ(f.frame->WindowState(), kwsNormal) << state;
        const RECT client = f.ClientRect();
        EXPECT_EQ(client.right, 200) << state;
        EXPECT_EQ(client.bottom, 100) << state;
        const RECT window = f.WindowRect();
        EXPECT_EQ(window.right - window.left, 216) << state;
        EXPECT_EQ(window.bottom - window.top, 139) << state;
        ShowWindow(f.form.Handle(), SW_HIDE);
    }
}

TEST(FrameEffectsTest, AWindowRestoredFromAStoredMaximizeShadowsTheScreenAtItsPlace) {
    HWND under = OpenColouredWindow("FrameEffectsUnderStored", RGB(0, 0, 255), 90, 70, 260, 200);
    SkinnedWhileLoading f("    WindowState = kwsMaximized\n");
    Pump();  // WM_SESETSTATE
    ASSERT_EQ(f.frame->WindowState(), kwsMaximized);
    f.frame->Restore();
    Pump();
    ASSERT_EQ(f.WindowRect().left, 100);
    // Parked below the screen before it was maximized, the window kept the
    // capture of its designed place.
    EXPECT_EQ(f.frame->Background().GetPixel(213, 60) & 0xFFFFFF, 0x0000FFu);
    auto picture = WindowPixels(f.form.Handle(), 216, 139);
    const std::uint32_t expected = skin::BlendPixel(skin::TPixel(128) << 24 | 0x3F3F3F, 0xFF0000FF) & 0xFFFFFF;
    EXPECT_EQ(Rgb(*picture, 212, 60), expected);
    DestroyWindow(under);
}

TEST(FrameEffectsTest, PaintFrameMessageKeepsTheCallersOriginAndClipping) {
    Framed f;
    f.Skin();
    ASSERT_EQ(f.frame->Performance(), ztfpNoBuffer);  // the caption strip is drawn apart and clipped away
    skin::TSeBitmap picture;
    picture.SetSize(260, 200);
    picture.Fill(0xFF000000);
    HDC dc = skin::BitmapDC(picture);
    SetViewportOrgEx(dc, 5, 7, nullptr);
    EXPECT_EQ(SendMessageA(f.form.Handle(), skin::WM_SEPAINTFRAME, MAKEWPARAM(10, 20), reinterpret_cast<LPARAM>(dc)),
              1);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 5);
    EXPECT_EQ(origin.y, 7);
    // Drawn at the caller's origin plus the offset.
    EXPECT_EQ(picture.GetPixel(5 + 10 + 50, 7 + 20 + 10) & 0xFFFFFF, RgbOf(kCaptionColor));
    EXPECT_EQ(picture.GetPixel(5 + 10 + 60, 7 + 20 + 60) & 0xFFFFFF, RgbOf(kClientColor));
    // Nothing of the frame's clipping is left: the caption strip can be drawn on.
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, clip), 0);
    DeleteObject(clip);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    RECT strip{20, 30, 40, 40};
    FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    GdiFlush();
    EXPECT_EQ(picture.GetPixel(30, 35) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(FrameEffectsTest, ThePlainFrameMaximizesOverTheWholeWorkArea) {
    Framed f;
    ASSERT_FALSE(f.frame->SkinUsable());
    f.frame->Maximize();
    const TRect maximized = f.frame->GetMaximizedBounds();
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    // The plain borders lie off the screen.
    EXPECT_LT(maximized.Left, area.left);
    const RECT now = f.WindowRect();
    EXPECT_EQ(now.left, maximized.Left);
    EXPECT_EQ(now.top, maximized.Top);
    EXPECT_EQ(now.right - now.left, skin::RectWidth(maximized));
    EXPECT_EQ(now.bottom - now.top, skin::RectHeight(maximized));
}

TEST(FrameEffectsTest, AShadowSwitchedOnAtRunTimeMixesWithTheScreenAtOnce) {
    HWND under = OpenColouredWindow("FrameEffectsUnder", RGB(0, 0, 255), 90, 70, 260, 200);
    Framed f("    Shadow.Enabled = False\n");
    f.Skin();
    ShowWindow(f.form.Handle(), SW_SHOWNA);
    Pump();
    ASSERT_EQ(f.frame->WindowWidth(), 212);
    f.frame->Shadow()->SetEnabled(true);
    Pump();
    ASSERT_EQ(f.frame->WindowWidth(), 216);
    const skin::TPixel blue = 0xFF0000FF;
    auto picture = WindowPixels(f.form.Handle(), 216, 139);
    const std::uint32_t expected = skin::BlendPixel(skin::TPixel(128) << 24 | 0x3F3F3F, blue) & 0xFFFFFF;
    EXPECT_EQ(Rgb(*picture, 212, 60), expected);
    EXPECT_EQ(Rgb(*picture, 100, 135), expected);
    DestroyWindow(under);
}

TEST(FrameEffectsTest, EveryStoredEventAndTheMenuBarLoadAndVersionReadsThroughTheTable) {
    RegisterAll();
    RecordingForm form(nullptr);
    form.LoadFromDescription(framework::ObjectTextToBinary(
        "object Form1: TForm\n  ClientWidth = 200\n  ClientHeight = 100\n"
        "  object Bar1: TSeSkinProgressBar\n    Width = 100\n    Height = 17\n"
        "    OnMouseEnter = BarEnter\n    OnMouseLeave = BarLeave\n  end\n"
        "  object Frame1: TSeSkinForm\n    MenuBar = Bar1\n    OnClose = FrameClose\n"
        "    OnMinimize = FrameMinimize\n    OnMaximize = FrameMaximize\n    OnRollup = FrameRollup\n"
        "    OnMinToTray = FrameMinToTray\n    OnCustomAction = FrameCustom\n  end\nend\n"));
    auto* frame = dynamic_cast<TSeSkinForm*>(form.FindComponent("Frame1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->MenuBar(), form.FindComponent("Bar1"));
    frame->Maximize();
    frame->Rollup();
    skin::TSeSkinObject button(nullptr);
    frame->CustomAction(button);
    auto* bar = dynamic_cast<TSeSkinProgressBar*>(form.FindComponent("Bar1"));
    SendMessageA(bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageA(bar->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(form.ran, (std::vector<std::string>{"FrameMaximize", "FrameRollup", "FrameCustom", "BarEnter",
                                                  "BarLeave"}));

    const framework::PropertyInfo* version = frame->Properties().Find("Version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->getString(*frame), "3.1.4");
    // The frame alone, as the root of a stream (forms write only controls).
    framework::TMemoryStream stored;
    stored.Write("TPF0", 4);
    framework::WriteObject(stored, *frame);
    const std::string text = framework::ObjectBinaryToText(stored.Bytes());
    EXPECT_EQ(text.find("Version"), std::string::npos) << text;
    EXPECT_NE(text.find("OnMaximize = FrameMaximize"), std::string::npos) << text;
    EXPECT_NE(text.find("MenuBar = Bar1"), std::string::npos) << text;

    // The menu bar goes with its component.
    delete bar;
    EXPECT_EQ(frame->MenuBar(), nullptr);
}

TEST(FrameEffectsTest, OnPaintDrawsTheClientBackgroundThroughItsTarget) {
    Framed f;
    f.Skin();
    HDC seen = nullptr;
    f.frame->onPaint = [&](framework::TComponent&) {
        seen = f.frame->PaintTarget();
        RECT r{0, 0, 20, 20};
        FillRect(seen, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    };
    skin::TSeBitmap picture;
    picture.SetSize(200, 100);
    picture.Fill(0xFFFFFFFF);
    SendMessageA(f.form.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(skin::BitmapDC(picture)), 0);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(picture.GetPixel(5, 5) & 0xFFFFFF, 0u);
    EXPECT_EQ(f.frame->PaintTarget(), nullptr);
}

// Records a message posted to it, to see that pending messages ran.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP + 7) SetWindowLongPtrA(window, GWLP_USERDATA, 1);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(FrameEffectsTest, ASkinChangeLetsPendingMessagesRunAndContextHelpRepaintsTheFrame) {
    Framed f;
    f.Skin();
    WNDCLASSA type{};
    type.lpfnWndProc = RecordingProc;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "FrameEffectsRecorder";
    RegisterClassA(&type);
    HWND recorder = CreateWindowExA(0, type.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    type.hInstance, nullptr);
    PostMessageA(recorder, WM_APP + 7, 0, 0);
    SendMessageA(f.form.Handle(), skin::WM_SESKINCHANGING, 0, reinterpret_cast<LPARAM>(f.engine));
    EXPECT_EQ(GetWindowLongPtrA(recorder, GWLP_USERDATA), 1);
    SendMessageA(f.form.Handle(), skin::WM_SESKINCHANGED, 0, reinterpret_cast<LPARAM>(f.engine));
    DestroyWindow(recorder);

    ShowWindow(f.form.Handle(), SW_SHOWNA);
    Pump();
    HDC dc = GetWindowDC(f.form.Handle());
    RECT all{0, 0, 216, 30};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(f.form.Handle(), dc);
    SendMessageA(f.form.Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    auto picture = WindowPixels(f.form.Handle(), 216, 139);
    EXPECT_EQ(Rgb(*picture, 50, 10), RgbOf(kCaptionColor));
}

}  // namespace
}  // namespace skinui
