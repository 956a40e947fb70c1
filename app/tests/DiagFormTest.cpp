// The diagnostic window under Wine, built from its embedded description and
// driven through real window messages, with simulated cards behind the port
// access interface.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <string>
#include <vector>

#include "app/DiagUnit.h"
#include "skin/objects/SkinObject.h"
#include "cartridge/CardIdentification.h"
#include "cartridge/tests/GoodRunLog.h"
#include "framework/win32/Application.h"
#include "portio/InpOutPort.h"
#include "portio/PortAccess.h"
#include "portio/PortRecorder.h"
#include "portio/ddkint.h"
#include "sim/CardConfig.h"
#include "sim/SimulatedCard.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/SkinItem.h"
#include "skinui/menus/win32/SkinPopupWindow.h"
#include "skinui/tests/win32/MenuScript.h"
#include "skinui/tests/win32/WindowMessageLog.h"

namespace app {
namespace {

using Lines = std::vector<std::string>;
const std::string& kEnd = cartridge::test::kEndLine;

Lines GoodRun(const std::string& found) { return cartridge::test::GoodRunLines(found); }

std::string Text(HWND window) {
    char buffer[256] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

RECT BoundsInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Counts message boxes of this thread and closes them with OK.
struct MessageBoxWatcher {
    static inline int seen = 0;
    static inline std::string title, text;

    static BOOL CALLBACK Visit(HWND window, LPARAM) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
        ++seen;
        title = Text(window);
        char buffer[256] = {};
        GetDlgItemTextA(window, 0xFFFF, buffer, sizeof buffer);
        text = buffer;
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), &Visit, 0);
    }
};

class DiagFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        framework::Application().Initialize();
        framework::RegisterStandardControls();
        skin::RegisterSkinClasses();
        skinui::RegisterProgressBarClasses();
        skinui::RegisterFormClasses();
    }

    // Creates the window with `backend` behind the port interface.
    void Open(portio::PortBackend& backend) {
        scope_ = std::make_unique<portio::ScopedPortBackend>(backend);
        form = TDiagForm::CreateFromResource();
        DiagForm = form.get();
        form->Show();
        framework::Application().ProcessMessages();
    }

    void OpenWithCard(const std::string& card) {
        card_ = std::make_unique<sim::SimulatedCard>(sim::ParseCardConfig(card));
        Open(*card_);
    }

    void TearDown() override {
        DiagForm = nullptr;
        form.reset();
        framework::Application().ProcessMessages();
        scope_.reset();
    }

    Lines RunOnce() {
        SendMessageA(form->ProcButton->Handle(), BM_CLICK, 0, 0);
        return form->Memo1->Lines().Lines();
    }

    std::unique_ptr<TDiagForm> form;
    std::unique_ptr<sim::SimulatedCard> card_;
    std::unique_ptr<portio::ScopedPortBackend> scope_;
};

TEST_F(DiagFormTest, WindowComesFromItsDescriptionWithLayoutCaptionsAndFont) {
    OpenWithCard("intel64");
    EXPECT_EQ(Text(form->Handle()), "Orlin Flash Diagnostic ver1.5M");
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 350);
    EXPECT_EQ(client.bottom, 416);
    RECT frame;
    GetWindowRect(form->Handle(), &frame);
    EXPECT_EQ(frame.left, 304);
    EXPECT_EQ(frame.top, 135);
    // No border icons of the plain frame: no system menu, no close box.
    EXPECT_EQ(GetWindowLongA(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    // The skinned frame gives the form its skin's colour.
    EXPECT_EQ(form->Color(), form->SeSkinForm1->FormObject()->Color());
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form->Font()->Height(), -11);
    EXPECT_EQ(form->Font()->Charset(), 1);
    EXPECT_EQ(form->Font()->Color(), framework::clWindowText);

    struct Expected {
        framework::TControl* control;
        RECT bounds;  // left, top, right, bottom
        const char* caption;
    };
    for (const Expected& e : {
             Expected{form->Memo1, {8, 8, 345, 329}, ""},
             Expected{form->ProgressBar1, {8, 328, 345, 345}, ""},
             Expected{form->CheckBox3, {8, 350, 105, 367}, "Flash size check"},
             Expected{form->CheckBox1, {8, 364, 113, 381}, "Flash area check"},
             Expected{form->CheckBox2, {8, 378, 113, 395}, "Saver area check"},
             Expected{form->ProcButton, {120, 360, 249, 385}, "RUN ALL DIAGNOSTIC"},
             Expected{form->BitBtn1, {248, 360, 347, 385}, "&Close"},
             Expected{form->Label1, {136, 393, 340, 406}, nullptr},
         }) {
        SCOPED_TRACE(e.control->Name());
        const RECT r = BoundsInParent(e.control->Handle());
        EXPECT_EQ(r.left, e.bounds.left);
        EXPECT_EQ(r.top, e.bounds.top);
        EXPECT_EQ(r.right, e.bounds.right);
        EXPECT_EQ(r.bottom, e.bounds.bottom);
        if (e.caption) {
            EXPECT_EQ(Text(e.control->Handle()), e.caption);
        }
    }
    EXPECT_TRUE(form->CheckBox1->Checked());
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_TRUE(form->CheckBox3->Checked());
    const LONG memoStyle = GetWindowLongA(form->Memo1->Handle(), GWL_STYLE);
    EXPECT_TRUE(memoStyle & WS_VSCROLL);
    EXPECT_FALSE(memoStyle & ES_READONLY);
    EXPECT_FALSE(memoStyle & ES_AUTOHSCROLL);  // word wrap
    EXPECT_TRUE(form->Memo1->Lines().Lines().empty());
    EXPECT_EQ(form->ProgressBar1->Position(), 0);

    // The label's one line fits its 204 pixels in the window's font.
    const std::string label = Text(form->Label1->Handle());
    ASSERT_FALSE(label.empty());
    HDC dc = GetDC(form->Handle());
    HGDIOBJ old = SelectObject(dc, form->FontHandle());
    SIZE extent{};
    GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(form->Handle(), dc);
    EXPECT_LE(extent.cx, 204);
    EXPECT_TRUE(IsWindowVisible(form->Label1->Handle()));
    // Its text is drawn: some pixel of the label differs from the face colour.
    UpdateWindow(form->Handle());
    HDC labelDc = GetDC(form->Label1->Handle());
    int inked = 0;
    for (int y = 0; y < 13; ++y) {
        for (int x = 0; x < 204; ++x) {
            if (GetPixel(labelDc, x, y) != GetSysColor(COLOR_BTNFACE)) ++inked;
        }
    }
    ReleaseDC(form->Label1->Handle(), labelDc);
    EXPECT_GT(inked, 20);
}

// The description's engine loads the built-in skin while the window is made.
TEST_F(DiagFormTest, TheEngineHoldsTheBuiltInSkin) {
    OpenWithCard("intel64");
    ASSERT_NE(form->SeSkinEngine1, nullptr);
    const skin::TSeSkinEngine& engine = *form->SeSkinEngine1;
    EXPECT_TRUE(engine.LoadError().empty()) << engine.LoadError();
    EXPECT_EQ(engine.DeltaHue(), 0);
    EXPECT_EQ(engine.Version(), "3.1.4");
    EXPECT_EQ(engine.SkinStore(), "(none)");
    EXPECT_EQ(engine.SkinFile(), "");
    const skin::TSeSkinSource& source = *engine.SkinSource();
    EXPECT_EQ(source.SkinVersion(), "3.1.0");
    EXPECT_EQ(source.Count(), 24);
    EXPECT_EQ(source.Bitmaps().Count(), 33);
    ASSERT_NE(source.GetFormObject(), nullptr);
    EXPECT_EQ(source.GetFormObject()->Name(), "Form");
    EXPECT_NE(source.GetObjectByName("progressbar"), nullptr);
    EXPECT_NE(source.GetObjectByName("PopupMenu"), nullptr);

    // The bar draws from the skin, with the settings of the description.
    skinui::TSeSkinProgressBar& bar = *form->ProgressBar1;
    EXPECT_EQ(bar.SkinEngine(), form->SeSkinEngine1);
    EXPECT_EQ(bar.SkinObject(), "ProgressBar");
    EXPECT_TRUE(bar.SkinAvailable());
    EXPECT_TRUE(bar.Smooth());
    EXPECT_TRUE(bar.ShowBorder());
    EXPECT_EQ(bar.BarBorderWidth(), 1);
    EXPECT_TRUE(bar.Transparent());
    EXPECT_EQ(bar.Performance(), skinui::ztpDoubleBuffer);
    EXPECT_EQ(bar.GetBarRect(), (skin::TRect{0, 0, 337, 17}));  // the skin's frame has no margins
    // Half full: the bar's image on the left half only.
    form->ProgressStart(0, 100);
    bar.SetPosition(50);
    skin::TSeBitmap picture;
    picture.SetSize(337, 17);
    bar.Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.DC()), 0);
    EXPECT_NE(picture.GetPixel(80, 8), picture.GetPixel(250, 8));
    bar.SetPosition(100);
    skin::TSeBitmap full;
    full.SetSize(337, 17);
    bar.Perform(WM_PAINT, reinterpret_cast<WPARAM>(full.DC()), 0);
    EXPECT_EQ(full.GetPixel(80, 8), picture.GetPixel(80, 8));
    EXPECT_EQ(full.GetPixel(250, 8), picture.GetPixel(80, 8));
}

// The frame is the skin's: 8-pixel borders, a 35-pixel caption and the
// 4-pixel shadow around the 350 x 416 client; only the close button shows.
TEST_F(DiagFormTest, TheSkinnedFrameGivesTheWindowItsSizeCaptionAndShadow) {
    OpenWithCard("intel64");
    ASSERT_NE(form->SeSkinForm1, nullptr);
    skinui::TSeSkinForm& frame = *form->SeSkinForm1;
    ASSERT_TRUE(frame.SkinUsable());
    EXPECT_EQ(frame.SkinEngine(), form->SeSkinEngine1);
    EXPECT_EQ(frame.Caption(), "Orlin Flash Diagnostic ver1.2");
    EXPECT_EQ(frame.BorderIcons(), 0x63u);
    EXPECT_EQ(frame.Performance(), skinui::ztfpNoBuffer);
    EXPECT_TRUE(frame.Shadow()->Enabled());
    EXPECT_EQ(frame.Shadow()->Size(), 4);
    EXPECT_EQ(frame.Animation()->Direction(), skinui::kdRotate180);
    EXPECT_EQ(frame.Animation()->Effect(), skinui::keRandomSelect);
    EXPECT_FALSE(frame.Animation()->Enabled());

    RECT window;
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(window.left, 304);
    EXPECT_EQ(window.top, 135);
    EXPECT_EQ(window.right - window.left, 370);
    EXPECT_EQ(window.bottom - window.top, 463);
    EXPECT_EQ(frame.FrameWidth(), 366);
    EXPECT_EQ(frame.FrameHeight(), 459);
    EXPECT_EQ(frame.GetClientBounds(), (skin::TRect{8, 35, 358, 451}));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 369, 230));  // the shadow's copy, right
    EXPECT_TRUE(PtInRegion(region, 200, 462));  // and below
    EXPECT_FALSE(PtInRegion(region, 369, 1));
    DeleteObject(region);

    // The skinned caption is the form's; of the caption buttons only close shows.
    frame.PaintFrame();
    EXPECT_EQ(frame.TitleObject()->Text(), L"Orlin Flash Diagnostic ver1.5M");
    skin::TSeSkinObject& object = *frame.FormObject();
    EXPECT_TRUE(object.FindByName("CloseButton")->Visible());
    for (const char* hidden : {"MinButton", "MaxButton", "RestoreButton"}) {
        EXPECT_FALSE(object.FindByName(hidden)->Visible()) << hidden;
    }

    // Its close button closes the window (hidden: in this test the form is
    // not the program's main form, whose close ends the program).
    const skin::TRect close = object.FindByName("CloseButton")->BoundsRect();
    const LPARAM at = MAKELPARAM(window.left + close.Left + 10, window.top + close.Top + 10);
    EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0, at), HTMINBUTTON);
    HWND handle = form->Handle();
    SendMessageA(handle, WM_NCLBUTTONDOWN, HTMINBUTTON, at);
    SendMessageA(handle, WM_NCLBUTTONUP, HTMINBUTTON, at);
    framework::Application().ProcessMessages();
    EXPECT_FALSE(IsWindowVisible(handle));
}

std::vector<std::string> Captions(const skinui::TSeCustomItem* menu) {
    std::vector<std::string> captions;
    for (int i = 0; menu && i < menu->Count(); ++i) captions.push_back(menu->Items(i)->Caption());
    return captions;
}

// The system menu, opened from the keyboard, is drawn from the built-in
// skin; its Rollup shrinks the window to caption and bottom border, and
// the menu of the rolled-up window restores it.
TEST_F(DiagFormTest, TheSystemMenuIsSkinnedAndRollsTheWindowUpAndBack) {
    using namespace skinui::test;
    OpenWithCard("intel64");
    SetCursorPos(1, 760);
    skinui::TSeSkinForm& frame = *form->SeSkinForm1;
    HWND window = form->Handle();
    RECT normal;
    GetWindowRect(window, &normal);

    skinui::TSeCustomItem* menu = frame.BuildSystemMenu();
    ASSERT_EQ(Captions(menu), (std::vector<std::string>{"Ro&llup", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(skinui::ShortCutToText(menu->Items(3)->ShortCut()), "Alt+F4");
    for (int i = 0; i < menu->Count(); ++i) {
        auto* item = dynamic_cast<skinui::TSeSkinItem*>(menu->Items(i));
        ASSERT_NE(item, nullptr) << i;
        EXPECT_EQ(item->SkinEngine(), form->SeSkinEngine1);
        EXPECT_TRUE(item->SkinUsable());
    }

    skin::TRect client{}, frameBounds{};
    const Step look = [&] {
        auto* view = dynamic_cast<skinui::TSePopupView*>(skinui::DeepestOpenLevel());
        auto* popup = view ? dynamic_cast<skinui::TSeSkinPopupForm*>(view->Frame()) : nullptr;
        if (!popup) return false;
        client = popup->GetClientBounds();
        frameBounds = skin::TRect{0, 0, popup->FrameWidth(), popup->FrameHeight()};
        return true;
    };
    const auto altSpace = [&] { SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' '); };
    ASSERT_TRUE(MenuScript::Run(altSpace, CloseMenus, {LevelsOpen(1), look, PressKey(window, 'L')}));
    framework::Application().ProcessMessages();
    EXPECT_EQ(client, (skin::TRect{8, 8, frameBounds.Right - 8, frameBounds.Bottom - 8}));
    EXPECT_EQ(frame.WindowState(), skinui::kwsRollup);
    RECT rolled;
    GetWindowRect(window, &rolled);
    EXPECT_EQ(rolled.right - rolled.left, normal.right - normal.left);
    EXPECT_LT(rolled.bottom - rolled.top, 80);
    EXPECT_EQ(Captions(frame.BuildSystemMenu()),
              (std::vector<std::string>{"&Restore", "Minimize to &Tray", "-", "&Close"}));

    ASSERT_TRUE(MenuScript::Run(altSpace, CloseMenus, {LevelsOpen(1), PressKey(window, 'R')}));
    framework::Application().ProcessMessages();
    EXPECT_EQ(frame.WindowState(), skinui::kwsNormal);
    RECT restored;
    GetWindowRect(window, &restored);
    EXPECT_EQ(restored.bottom - restored.top, normal.bottom - normal.top);
}

// The program's icon is its own drawn cartridge, at the small size too,
// and the window's class carries it to the taskbar.
TEST_F(DiagFormTest, TheProgramsIconIsTheCartridgeAtTheSmallSizeToo) {
    OpenWithCard("intel64");
    HICON icon = framework::Application().Icon();
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(icon, LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(form->Handle(), GCLP_HICON)), icon);

    HICON small = form->SeSkinForm1->SmallIcon();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(small, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(colour.bmHeight, GetSystemMetrics(SM_CYSMICON));

    // Drawn over magenta: the corners stay magenta, the label is light.
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    const RECT all{0, 0, 16, 16};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    ASSERT_TRUE(DrawIconEx(dc, 0, 0, small, 16, 16, 0, nullptr, DI_NORMAL));
    GdiFlush();
    const auto pixel = [&](int x, int y) { return static_cast<const std::uint32_t*>(bits)[y * 16 + x] & 0xFFFFFF; };
    EXPECT_EQ(pixel(0, 0), 0xFF00FFu);
    EXPECT_EQ(pixel(15, 15), 0xFF00FFu);
    EXPECT_GT((pixel(4, 8) >> 8) & 0xFF, 0xC0u);
    EXPECT_NE(pixel(4, 8), 0xFF00FFu);
    EXPECT_LT((pixel(7, 5) >> 8) & 0xFF, 0x40u);  // the chip
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

TEST_F(DiagFormTest, TheBuiltInSkinsFrameTellsTheSystemEachPartAndItsEdgesSizeTheWindow) {
    OpenWithCard("intel64");
    HWND window = form->Handle();
    skin::TSeSkinObject& object = *form->SeSkinForm1->FormObject();
    RECT r;
    GetWindowRect(window, &r);
    const auto hitAtCentreOf = [&](const char* name) -> LRESULT {
        const skin::TSeSkinObject* part = object.FindByName(name);
        if (!part) return -1;
        const skin::TRect b = part->BoundsRect();
        const int x = r.left + (b.Left + b.Right) / 2, y = r.top + (b.Top + b.Bottom) / 2;
        return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    };
    const std::pair<const char*, LRESULT> parts[] = {
        {"CaptionCenter", HTCAPTION},  {"CloseButton", HTMINBUTTON},   {"LeftTop", HTTOPLEFT},
        {"LeftCenter", HTLEFT},        {"LeftBottom", HTBOTTOMLEFT},   {"RightTop", HTTOPRIGHT},
        {"RightCenter", HTRIGHT},      {"RightBottom", HTBOTTOMRIGHT}, {"BottomCenter", HTBOTTOM},
    };
    for (const auto& [name, code] : parts) EXPECT_EQ(hitAtCentreOf(name), code) << name;
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + 100, r.top + 100)), HTCLIENT);

    // The bottom-right corner pulled far up and left: 150 x 40 at least,
    // and the controls keep their places.
    const skin::TRect corner = object.FindByName("RightBottom")->BoundsRect();
    const int x = (corner.Left + corner.Right) / 2, y = (corner.Top + corner.Bottom) / 2;
    SendMessageA(window, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(r.left + x, r.top + y));
    SendMessageA(window, WM_NCMOUSEMOVE, HTBOTTOMRIGHT, MAKELPARAM(r.left + x - 1000, r.top + y - 1000));
    SendMessageA(window, WM_NCLBUTTONUP, HTBOTTOMRIGHT, MAKELPARAM(r.left + x - 1000, r.top + y - 1000));
    framework::Application().ProcessMessages();
    RECT small;
    GetWindowRect(window, &small);
    EXPECT_EQ(small.left, r.left);
    EXPECT_EQ(small.top, r.top);
    EXPECT_EQ(small.right - small.left, 150);
    EXPECT_EQ(small.bottom - small.top, 40);
    EXPECT_EQ(form->Memo1->Left(), 8);
    EXPECT_EQ(form->Memo1->Top(), 8);
}

TEST_F(DiagFormTest, TabOrderRunsMemoRunCloseAndTheThreeBoxes) {
    OpenWithCard("intel64");
    std::vector<std::string> order;
    for (framework::TControl* c : form->TabList()) order.push_back(c->Name());
    EXPECT_EQ(order, (std::vector<std::string>{"Memo1", "ProcButton", "BitBtn1", "CheckBox1", "CheckBox2", "CheckBox3"}));
    form->Memo1->SetFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 6; ++i) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        framework::Application().ProcessMessages();
        std::string name = "?";
        for (framework::TControl* c : form->Controls()) {
            if (c->Focused()) name = c->Name();
        }
        visited.push_back(name);
    }
    EXPECT_EQ(visited,
              (std::vector<std::string>{"ProcButton", "BitBtn1", "CheckBox1", "CheckBox2", "CheckBox3", "Memo1"}));
}

TEST_F(DiagFormTest, RunGivesTheExactLogForEachSimulatedCard) {
    struct Case {
        const char* card;
        Lines log;
        std::int32_t cardSize;
    };
    for (const Case& c : {
             Case{"intel64", GoodRun("64Mbit(Intel) Card Found"), 0x800000},
             Case{"sharp64", GoodRun("64Mbit(Sharp) Card Found"), 0x800000},
             Case{"sharp32", GoodRun("32Mbit(Sharp) Card Found"), 0x400000},
             Case{"none", {"No card Found      ", kEnd}, 0},
             Case{"sharp32,saver-bad=0x101:0",
                  {"32Mbit(Sharp) Card Found", "* Program Flash Area", "* Verify Flash Area", "Flash Area Pass.",
                   "* write SAVER Area", "* verify SAVER Area", "err $000101 00 : 02", kEnd},
                  0x400000},
         }) {
        SCOPED_TRACE(c.card);
        OpenWithCard(c.card);
        EXPECT_EQ(RunOnce(), c.log);
        EXPECT_EQ(cartridge::CardSize, c.cardSize);
        TearDown();
    }
}

TEST_F(DiagFormTest, CheckBoxesAreReadWhenTheRunReachesThem) {
    OpenWithCard("sharp32");
    form->CheckBox3->SetChecked(false);
    form->CheckBox2->SetChecked(true);
    // Processed inside the flash pass (the bar's message pump): the saver
    // check is read after that and must see it.
    PostMessageA(form->CheckBox2->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(RunOnce(), (Lines{"* Program Flash Area", "* Verify Flash Area", "Flash Area Pass.", kEnd}));
    EXPECT_EQ(cartridge::CardSize, 0x400000);

    form->CheckBox1->SetChecked(false);
    form->CheckBox2->SetChecked(false);
    form->CheckBox3->SetChecked(false);
    EXPECT_EQ(RunOnce(), (Lines{kEnd}));
}

TEST_F(DiagFormTest, ProgressBarFollowsProgressStartAndStep) {
    OpenWithCard("intel64");
    form->ProgressStart(0, 512);
    EXPECT_EQ(form->ProgressBar1->Min(), 0);
    EXPECT_EQ(form->ProgressBar1->Max(), 512);
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    form->ProgressStep();
    form->ProgressStep();
    EXPECT_EQ(form->ProgressBar1->Position(), 2);
    form->ProgressStart(0, 8);
    EXPECT_EQ(form->ProgressBar1->Position(), 0);
    // The saver verify pass steps at its first chunk too, so a whole run
    // leaves the bar one past its maximum: unclamped, it shows empty then.
    RunOnce();
    EXPECT_EQ(form->ProgressBar1->Max(), 64);
    EXPECT_EQ(form->ProgressBar1->Position(), 65);
}

TEST_F(DiagFormTest, DriverNotReadyShowsTheMessageOnceAndTheWindowStillOpens) {
    portio::NoPortBackend noDevice;
    portio::PortRecorder recorder(&noDevice);
    MessageBoxWatcher::seen = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &MessageBoxWatcher::OnTimer);
    Open(recorder);
    KillTimer(nullptr, timer);
    EXPECT_EQ(MessageBoxWatcher::seen, 1);
    EXPECT_EQ(MessageBoxWatcher::title, "Information");
    EXPECT_EQ(MessageBoxWatcher::text, "NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!");
    EXPECT_EQ(recorder.directAccessCalls, 1);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    // Runs still work; with no device nothing answers.
    EXPECT_EQ(RunOnce(), (Lines{"No card Found      ", kEnd}));
}

TEST_F(DiagFormTest, ReadyDriverShowsNoMessage) {
    portio::PortRecorder recorder;  // ready, reads all ones
    MessageBoxWatcher::seen = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &MessageBoxWatcher::OnTimer);
    Open(recorder);
    Sleep(120);
    framework::Application().ProcessMessages();
    KillTimer(nullptr, timer);
    EXPECT_EQ(MessageBoxWatcher::seen, 0);
    EXPECT_EQ(recorder.directAccessCalls, 1);
}

TEST_F(DiagFormTest, TwoRunsInARowEachStartWithAnEmptyLog) {
    OpenWithCard("sharp32");
    EXPECT_EQ(RunOnce(), GoodRun("32Mbit(Sharp) Card Found"));
    EXPECT_EQ(RunOnce(), GoodRun("32Mbit(Sharp) Card Found"));
}

// Acts from inside a run: a thread timer fires in the progress bar's message
// pump. On the first tick it presses RUN (or asks to close); every tick
// records whether the controls are disabled and the window still exists.
struct DuringRun {
    static inline TDiagForm* form = nullptr;
    static inline bool closeInstead = false;
    static inline int ticks = 0;
    static inline bool allDisabled = true, windowKept = true;

    static void Reset(TDiagForm* target, bool close) {
        form = target;
        closeInstead = close;
        ticks = 0;
        allDisabled = true;
        windowKept = true;
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        if (!form->Running()) return;
        ++ticks;
        if (!IsWindow(form->Handle())) windowKept = false;
        for (framework::TControl* c : std::initializer_list<framework::TControl*>{
                 form->ProcButton, form->BitBtn1, form->CheckBox1, form->CheckBox2, form->CheckBox3}) {
            if (!c->HandleAllocated() || IsWindowEnabled(c->Handle())) allDisabled = false;
        }
        if (ticks != 1) return;
        if (closeInstead) {
            SendMessageA(form->BitBtn1->Handle(), BM_CLICK, 0, 0);
            PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
            PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            SendMessageA(form->ProcButton->Handle(), BM_CLICK, 0, 0);
            PostMessageA(form->ProcButton->Handle(), BM_CLICK, 0, 0);
            form->ProcButtonClick(*form->ProcButton);  // even a direct call starts nothing
        }
    }
};

TEST_F(DiagFormTest, RunPressedDuringARunStartsNoSecondRun) {
    OpenWithCard("intel64");
    DuringRun::Reset(form.get(), false);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &DuringRun::OnTimer);
    const Lines log = RunOnce();
    KillTimer(nullptr, timer);
    ASSERT_GE(DuringRun::ticks, 2);
    EXPECT_TRUE(DuringRun::allDisabled);
    // A run nested in the first would have cleared the log and added its own lines.
    EXPECT_EQ(log, GoodRun("64Mbit(Intel) Card Found"));
    framework::Application().ProcessMessages();
    EXPECT_EQ(form->Memo1->Lines().Lines(), log);
    EXPECT_TRUE(IsWindowEnabled(form->ProcButton->Handle()));
}

TEST_F(DiagFormTest, CloseDuringARunWaitsUntilTheRunHasEnded) {
    OpenWithCard("intel64");
    DuringRun::Reset(form.get(), true);
    HWND window = form->Handle();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &DuringRun::OnTimer);
    SendMessageA(form->ProcButton->Handle(), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    ASSERT_GE(DuringRun::ticks, 2);
    EXPECT_TRUE(DuringRun::allDisabled);
    EXPECT_TRUE(DuringRun::windowKept);
    EXPECT_FALSE(form->Running());
    EXPECT_FALSE(IsWindow(window));  // closed right after the run
}

// A press on the frame's close button while a run goes on: the progress
// bar's pump delivers it inside the run, the frame answers it (nothing
// reaches the default handling), the form holds the close, and the window
// goes only after RUN is enabled again.
TEST_F(DiagFormTest, TheFramesCloseButtonDuringARunIsDeliveredByThePumpAndHeldUntilTheRunEnds) {
    using namespace skinui::test;
    OpenWithCard("intel64");
    HWND window = form->Handle();
    RECT bounds;
    GetWindowRect(window, &bounds);
    const skin::TRect close = form->SeSkinForm1->FormObject()->FindByName("CloseButton")->BoundsRect();
    static LPARAM at;
    static TDiagForm* running;
    at = MAKELPARAM(bounds.left + close.Left + 10, bounds.top + close.Top + 10);
    running = form.get();
    struct Press {
        static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
            if (!running->Running()) return;
            KillTimer(nullptr, timer);
            PostMessageA(running->Handle(), WM_NCLBUTTONDOWN, HTMINBUTTON, at);
            PostMessageA(running->Handle(), WM_NCLBUTTONUP, HTMINBUTTON, at);
        }
    };
    WindowMessageLog log;
    ASSERT_TRUE(log.WatchingDefault());
    log.Watch(window, "form");
    log.Watch(form->ProcButton->Handle(), "RUN");
    log.Only({wm::kEnable, wm::kNcLButtonDown, wm::kNcLButtonUp, wm::kSysCommand, wm::kShowWindow, wm::kClose,
              wm::kDestroy});
    SetTimer(nullptr, 0, 50, &Press::OnTimer);
    SendMessageA(form->ProcButton->Handle(), BM_CLICK, 0, 0);
    log.Mark("RUN click returned");
    EXPECT_FALSE(IsWindow(window));

    constexpr ExpectedMessage kHeldClose[] = {
        {wm::kEnable, FALSE, kNested, 1},
        {wm::kNcLButtonDown, HTMINBUTTON, kNested | kNotDefault, 0},
        {wm::kNcLButtonUp, HTMINBUTTON, kNested | kNotDefault, 0},
        {wm::kEnable, TRUE, kNested, 1},
        {wm::kClose, kAnyParam, kNested | kNotDefault, 0},
        {wm::kDestroy, kAnyParam, kNested, 0},
        {wm::kDestroy, kAnyParam, kNested, 1},
        Marker("RUN click returned"),
    };
    ExpectSequence(log, kHeldClose, "close button pressed during a run");
}

TEST_F(DiagFormTest, ControlsComeBackAfterARunAndCloseThenWorks) {
    OpenWithCard("sharp32");
    RunOnce();
    for (framework::TControl* c : {static_cast<framework::TControl*>(form->ProcButton),
                                   static_cast<framework::TControl*>(form->BitBtn1),
                                   static_cast<framework::TControl*>(form->CheckBox3)}) {
        EXPECT_TRUE(IsWindowEnabled(c->Handle())) << c->Name();
    }
    HWND window = form->Handle();
    SendMessageA(form->BitBtn1->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace app

namespace app {
namespace {

// The folder of this test program, with a separator at the end.
std::string TestFolder() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string program = self;
    return program.substr(0, program.find_last_of("\\/") + 1);
}

// Runs flashdiag.exe (next to this test program, or in `folder`) and waits
// for it.
DWORD RunProgram(const std::string& arguments, const std::string& folder = TestFolder()) {
    const std::string program = folder + "flashdiag.exe";
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return 0xFFFFFFFF;
    }
    WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 0xFFFFFFFE;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::string ReadFile(const std::string& path) {
    std::string content;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, n);
        std::fclose(f);
    }
    return content;
}

// Closes the message boxes titled `title` that another program shows, and
// keeps the text of the first one; `onFirst`, when given, runs (on the
// watching thread) as the first box is found, before it is closed.
class MessageBoxCloser {
public:
    explicit MessageBoxCloser(std::string title, std::function<void()> onFirst = {})
        : title_(std::move(title)), onFirst_(std::move(onFirst)), thread_([this] {
              while (!done_) {
                  if (HWND box = FindWindowA("#32770", title_.c_str())) {
                      if (++boxes == 1) {
                          char buffer[512] = {};
                          GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                          firstText = buffer;
                          if (onFirst_) onFirst_();
                      }
                      PostMessageA(box, WM_COMMAND, IDOK, 0);
                      while (!done_ && IsWindow(box)) Sleep(20);
                  }
                  Sleep(20);
              }
          }) {}
    ~MessageBoxCloser() { Stop(); }
    // Read the results only after this.
    void Stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
    }

    int boxes = 0;
    std::string firstText;

private:
    std::string title_;
    std::function<void()> onFirst_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

TEST(FlashdiagProgramTest, AutomationFlagsRunOnceAndLeaveLogAndPicture) {
    std::remove("sharp32.log");
    std::remove("sharp32.bmp");
    EXPECT_EQ(RunProgram("--simulate=sharp32 --autorun --exit-after-run --log=sharp32.log --screenshot=sharp32.bmp"),
              0u);
    EXPECT_EQ(ReadFile("sharp32.log"), cartridge::test::GoodRunText("32Mbit(Sharp) Card Found"));
    // A 24-bit picture of the whole window, frame and shadow included.
    const std::string picture = ReadFile("sharp32.bmp");
    ASSERT_GT(picture.size(), 54u);
    EXPECT_EQ(picture.substr(0, 2), "BM");
    BITMAPINFOHEADER info;
    std::memcpy(&info, picture.data() + sizeof(BITMAPFILEHEADER), sizeof info);
    EXPECT_EQ(info.biWidth, 370);
    EXPECT_EQ(info.biHeight, 463);
    EXPECT_EQ(info.biBitCount, 24);
}

TEST(FlashdiagProgramTest, RunWithoutCardLogsNoCardAndStillEnds) {
    std::remove("none.log");
    EXPECT_EQ(RunProgram("--simulate=none --autorun --exit-after-run --log=none.log"), 0u);
    EXPECT_EQ(ReadFile("none.log"), "No card Found      \nEnd of Diagnostic.      \n");
}

// Without --simulate the program uses the real port layer; no driver can
// start here, so the message box comes first, then the window, and a run
// finds no card. That such a run makes no port access is tested on the
// layer itself, through its recording seam (portio/tests/ZlPortIoTest.cpp).
TEST(FlashdiagProgramTest, WithoutDriverTheMessageComesFirstAndRunsTouchNoPort) {
    std::remove("nodriver.log");
    bool windowShownBeforeBox = false;
    MessageBoxCloser closer("Information", [&windowShownBeforeBox] {
        HWND main = FindWindowA(nullptr, "Orlin Flash Diagnostic ver1.5M");
        windowShownBeforeBox = main && IsWindowVisible(main);
    });
    const DWORD status = RunProgram("--autorun --exit-after-run --log=nodriver.log");
    closer.Stop();
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(closer.boxes, 1);
    EXPECT_EQ(closer.firstText, "NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!");
    EXPECT_FALSE(windowShownBeforeBox);
    EXPECT_EQ(ReadFile("nodriver.log"), "No card Found      \nEnd of Diagnostic.      \n");
}

// A trace file that cannot be created ends the program before its port
// layer starts: no driver service is registered for a run that never comes.
TEST(FlashdiagProgramTest, UnwritableTracePathIsRefusedBeforeThePortLayerStarts) {
    portio::ServiceRemove("zlportio");  // registered by earlier runs without a driver
    MessageBoxCloser closer("flashdiag");
    const DWORD status = RunProgram("--trace=C:\\no-such-folder\\run.trace");
    closer.Stop();
    EXPECT_EQ(status, 1u);
    EXPECT_EQ(closer.boxes, 1);
    EXPECT_EQ(closer.firstText.rfind("cannot write the trace file 'C:\\no-such-folder\\run.trace': ", 0), 0u)
        << closer.firstText;
    EXPECT_EQ(portio::ServiceRemove("zlportio"), 1060u);  // the service does not exist
}

// --port=inpout without the DLL next to the program: a message naming the
// file, exit status 2, and neither the port driver nor a window started.
TEST(FlashdiagProgramTest, PortInpOutWithoutItsDllIsRefusedBeforeAnything) {
    portio::ServiceRemove("zlportio");  // registered by earlier runs without a driver
    std::remove("inpout-refused.log");
    MessageBoxCloser closer("flashdiag");
    const DWORD status = RunProgram("--port=inpout --autorun --exit-after-run --log=inpout-refused.log");
    closer.Stop();
    EXPECT_EQ(status, 2u);
    EXPECT_EQ(closer.boxes, 1);
    EXPECT_EQ(closer.firstText.rfind("cannot load '" + TestFolder() + portio::InpOutLibraryName() +
                                         "' (there is no such file): put the InpOut DLL for ",
                                     0),
              0u)
        << closer.firstText;
    EXPECT_EQ(ReadFile("inpout-refused.log"), "");
    EXPECT_EQ(portio::ServiceRemove("zlportio"), 1060u);  // the service does not exist
}

// The window through the InpOut DLL (the project's stand-in, with a
// simulated card) gives the simulated window's log, and no driver message.
TEST(FlashdiagProgramTest, TheWindowThroughTheInpOutDllLogsAsTheSimulatedOne) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "flashdiag-window-inpout";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(TestFolder() + "flashdiag.exe", folder / "flashdiag.exe");
    std::filesystem::copy_file(TestFolder() + "fake-inpout\\" + portio::InpOutLibraryName(),
                               folder / portio::InpOutLibraryName());
    std::remove("simulated.log");
    std::remove("inpout.log");
    MessageBoxCloser closer("flashdiag");
    ASSERT_EQ(RunProgram("--simulate=sharp32,flash-bad=0x1210:0x00 --autorun --exit-after-run --log=simulated.log"),
              0u);
    SetEnvironmentVariableA("FLASHDIAG_FAKE_INPOUT_CARD", "sharp32,flash-bad=0x1210:0x00");
    const DWORD status =
        RunProgram("--port=inpout --autorun --exit-after-run --log=inpout.log", folder.string() + "\\");
    SetEnvironmentVariableA("FLASHDIAG_FAKE_INPOUT_CARD", nullptr);
    closer.Stop();
    std::filesystem::remove_all(folder);
    EXPECT_EQ(status, 0u);
    EXPECT_EQ(closer.boxes, 0);
    const std::string log = ReadFile("inpout.log");
    EXPECT_NE(log.find("err $001210 00 : "), std::string::npos) << log;
    EXPECT_EQ(log, ReadFile("simulated.log"));
}

// A run cannot stop inside the window, so a trace that cannot be written is
// reported once the window has closed, and the program fails.
TEST(FlashdiagProgramTest, TraceThatCannotBeWrittenIsReportedAfterTheRun) {
    std::remove("fulltrace.log");
    MessageBoxCloser closer("flashdiag");
    const DWORD status =
        RunProgram("--simulate=none --autorun --exit-after-run --log=fulltrace.log --trace=Z:\\dev\\full");
    closer.Stop();
    EXPECT_EQ(status, 1u);
    EXPECT_EQ(closer.boxes, 1);
    EXPECT_EQ(closer.firstText, "cannot write the trace file 'Z:\\dev\\full': No space left on device");
    EXPECT_EQ(ReadFile("fulltrace.log"), "No card Found      \nEnd of Diagnostic.      \n");
}

}  // namespace
}  // namespace app
