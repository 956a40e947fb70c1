// Pictures of the diagnostic window as the screen shows it, for people to
// look at: over a light and a dark background window, active with its close
// button normal, hot and pressed, and inactive. Each picture takes the
// window's rectangle and a margin around it, so the shadow over the
// background shows too. Then the window is dragged by its caption and
// sized by its corner, and the whole screen is pictured before and after.
// The states set opens the system menu from the caption, rolls the window up
// and restores it through the menu, sends it to the tray and brings it back
// by a double click on the tray icon, picturing the screen at each step.
// The animation set plays the window's show animation (a fade, slowed down)
// from the picture the frame makes of the window, on the screen at the
// window's place, and pictures the screen at a few of its frames. The
// stored-states set opens the window from its description with each other
// window state stored in it, and pictures it in that state and restored.
//
//   frame-looks.exe OUTDIR [SET]   writes OUTDIR/<background>-<state>.bmp,
//                                  OUTDIR/drag-*.bmp, OUTDIR/states-*.bmp,
//                                  OUTDIR/animation-*.bmp, OUTDIR/stored-*.bmp
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "app/WindowCapture.h"
#include "app/bench/BenchWindow.h"
#include "framework/ObjectText.h"
#include "portio/PortAccess.h"
#include "sim/SimulatedCard.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/SkinMessages.h"
#include "skin/objects/SkinObject.h"
#include "skinui/effects/AnimationPlayer.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/frame/win32/TrayIcon.h"
#include "skinui/tests/win32/MenuScript.h"

namespace {

using app::bench::Settle;

// A window of one colour over the screen, beneath everything made after it.
HWND OpenBackground(COLORREF colour) {
    WNDCLASSA type{};
    type.lpfnWndProc = DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "FrameLooksBackground";
    RegisterClassA(&type);  // fails harmlessly the second time
    // One pixel short of the screen's size: Wine treats a window that covers
    // the whole screen as a full-screen one, which screen copies leave out.
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, type.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1, nullptr,
                                  nullptr, type.hInstance, nullptr);
    SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(CreateSolidBrush(colour)));
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    return window;
}

bool Shot(HWND window, const std::string& path) {
    RECT r;
    GetWindowRect(window, &r);
    InflateRect(&r, 16, 16);
    const bool ok = app::SaveScreenBitmap(r, path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
    return ok;
}

bool PictureOver(const std::string& outdir, const char* name, COLORREF colour) {
    HWND background = OpenBackground(colour);
    Settle(200);
    std::unique_ptr<app::TDiagForm> form = app::bench::OpenDiagWindow();
    HWND window = form->Handle();
    const std::string prefix = outdir + "/" + name + "-";
    bool ok = Shot(window, prefix + "active.bmp");

    RECT r;
    GetWindowRect(window, &r);
    const skin::TRect close = form->SeSkinForm1->FormObject()->FindByName("CloseButton")->BoundsRect();
    const POINT on{r.left + (close.Left + close.Right) / 2, r.top + (close.Top + close.Bottom) / 2};
    const LPARAM at = MAKELPARAM(on.x, on.y);
    SetCursorPos(on.x, on.y);
    SendMessageA(window, WM_NCMOUSEMOVE, HTMINBUTTON, at);
    Settle(300);  // the hover tracking ticks every 100 ms
    ok = Shot(window, prefix + "close-hot.bmp") && ok;

    SendMessageA(window, WM_NCLBUTTONDOWN, HTMINBUTTON, at);
    Settle(200);
    ok = Shot(window, prefix + "close-pressed.bmp") && ok;
    // Released away from the button: nothing runs.
    const POINT away{r.left + 60, r.top + 200};
    SetCursorPos(away.x, away.y);
    POINT client = away;
    ScreenToClient(window, &client);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    Settle(300);

    SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
    Settle(200);
    ok = Shot(window, prefix + "inactive.bmp") && ok;

    app::bench::CloseDiagWindow(form);
    DestroyWindow(background);
    Settle(100);
    return ok;
}

// Drags the window by its caption and then pulls its bottom-right corner,
// both by synthesized mouse messages, and pictures the whole screen before,
// between and after.
bool PictureDrags(const std::string& outdir) {
    HWND background = OpenBackground(RGB(236, 236, 228));
    Settle(200);
    std::unique_ptr<app::TDiagForm> form = app::bench::OpenDiagWindow();
    HWND window = form->Handle();
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const auto shoot = [&](const char* name) {
        const std::string path = outdir + "/" + name;
        const bool ok = app::SaveScreenBitmap(screen, path);
        std::printf("%s %s\n", ok ? "wrote" : "could not write", path.c_str());
        return ok;
    };
    bool ok = shoot("drag-before.bmp");
    const auto drag = [&](WPARAM hit, POINT from, int dx, int dy) {
        SetCursorPos(from.x, from.y);
        SendMessageA(window, WM_NCLBUTTONDOWN, hit, MAKELPARAM(from.x, from.y));
        for (int step = 1; step <= 10; ++step) {
            const POINT at{from.x + dx * step / 10, from.y + dy * step / 10};
            SetCursorPos(at.x, at.y);
            SendMessageA(window, WM_NCMOUSEMOVE, hit, MAKELPARAM(at.x, at.y));
            Settle(20);
        }
        SendMessageA(window, WM_NCLBUTTONUP, hit, MAKELPARAM(from.x + dx, from.y + dy));
        Settle(300);
    };
    RECT r;
    GetWindowRect(window, &r);
    drag(HTCAPTION, POINT{r.left + 120, r.top + 15}, -200, 90);
    ok = shoot("drag-moved.bmp") && ok;
    GetWindowRect(window, &r);
    drag(HTBOTTOMRIGHT, POINT{r.right - 8, r.bottom - 8}, 160, 120);
    ok = shoot("drag-sized.bmp") && ok;

    app::bench::CloseDiagWindow(form);
    DestroyWindow(background);
    Settle(100);
    return ok;
}

// Through the system menu: open it from the caption (pictured, then with
// its first item selected), roll up, restore, go to the tray and come back.
bool PictureStates(const std::string& outdir) {
    HWND background = OpenBackground(RGB(236, 236, 228));
    Settle(200);
    std::unique_ptr<app::TDiagForm> form = app::bench::OpenDiagWindow();
    skinui::TSeSkinForm& frame = *form->SeSkinForm1;
    HWND window = form->Handle();
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    bool ok = true;
    const auto shoot = [&](const std::string& name) {
        const std::string path = outdir + "/states-" + name + ".bmp";
        const bool wrote = app::SaveScreenBitmap(screen, path);
        std::printf("%s %s\n", wrote ? "wrote" : "could not write", path.c_str());
        ok = wrote && ok;
    };
    using skinui::test::CloseMenus;
    using skinui::test::PressKey;
    using skinui::test::Step;
    const auto menuOpen = [] { return skinui::DeepestOpenLevel() != nullptr; };
    const auto settled = [n = 0]() mutable { return ++n >= 8; };  // 8 ticks of 25 ms
    const auto picture = [&](const char* name) -> Step { return [&shoot, name] { shoot(name); return true; }; };
    const auto altSpace = [window] { SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' '); };

    RECT r;
    GetWindowRect(window, &r);
    const LPARAM caption = MAKELPARAM(r.left + 120, r.top + 15);
    // The mouse away from where the menu opens: no item is hot.
    SetCursorPos(1000, 740);
    ok = skinui::test::MenuScript::Run(
             [&] {
                 SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, caption);
                 SendMessageA(window, WM_NCRBUTTONUP, HTCAPTION, caption);
             },
             CloseMenus,
             {menuOpen, settled, picture("menu"), PressKey(window, VK_DOWN), Step(settled),
              picture("menu-selected"), PressKey(window, 'L')}) &&
         ok;
    Settle(400);  // the click runs once the menu has closed
    shoot("rolled-up");
    ok = skinui::test::MenuScript::Run(altSpace, CloseMenus,
                                       {menuOpen, settled, picture("menu-rolled-up"), PressKey(window, 'R')}) &&
         ok;
    Settle(400);
    shoot("restored");
    ok = skinui::test::MenuScript::Run(altSpace, CloseMenus, {menuOpen, settled, PressKey(window, 'T')}) && ok;
    Settle(400);
    shoot("tray");
    const auto trayRightClick = [&] { SendMessageA(frame.Tray().Window(), skin::WM_SETRAYNOTIFY, 0, WM_RBUTTONUP); };
    ok = skinui::test::MenuScript::Run(trayRightClick, CloseMenus,
                                       {menuOpen, settled, picture("tray-menu"), [] {
                                            CloseMenus();
                                            return true;
                                        }}) &&
         ok;
    Settle(200);
    SendMessageA(frame.Tray().Window(), skin::WM_SETRAYNOTIFY, 0, WM_LBUTTONDBLCLK);
    Settle(400);
    shoot("tray-back");
    std::printf("states: %d (0 normal, 3 rolled up, 4 tray), window %s\n", int(frame.WindowState()),
                IsWindowVisible(window) ? "shown" : "hidden");

    app::bench::CloseDiagWindow(form);
    DestroyWindow(background);
    Settle(100);
    return ok;
}

}  // namespace

// Draws the animation's frames at the window's place on the screen, as the
// frame does, and pictures the screen at most every 200 ms.
class PicturingTarget final : public skinui::AnimationTarget {
public:
    PicturingTarget(HWND window, int x, int y, std::string prefix)
        : window_(window), x_(x), y_(y), prefix_(std::move(prefix)) {}
    void DrawFrame(const skin::TSeBitmap& frame) override {
        HDC screen = GetDC(nullptr);
        BitBlt(screen, x_, y_, frame.Width(), frame.Height(), skin::BitmapDC(frame), 0, 0, SRCCOPY);
        GdiFlush();
        ReleaseDC(nullptr, screen);
        const DWORD now = GetTickCount();
        if (shots_ < 6 && (shots_ == 0 || now - last_ >= 200)) {
            ok_ = Shot(window_, prefix_ + "frame" + std::to_string(++shots_) + ".bmp") && ok_;
            last_ = now;
        }
    }
    void DrawWindowKeyed(const skin::TSeBitmap& window) override {
        HDC screen = GetDC(nullptr);
        skin::Draw(window, screen, x_, y_, true);
        GdiFlush();
        ReleaseDC(nullptr, screen);
        ok_ = Shot(window_, prefix_ + "end.bmp") && ok_;
    }
    bool Ok() const { return ok_ && shots_ > 0; }

private:
    HWND window_;
    int x_, y_;
    std::string prefix_;
    int shots_ = 0;
    DWORD last_ = 0;
    bool ok_ = true;
};

bool PictureAnimation(const std::string& outdir) {
    HWND background = OpenBackground(RGB(236, 236, 228));
    Settle(200);
    std::unique_ptr<app::TDiagForm> form = app::bench::OpenDiagWindow();
    HWND window = form->Handle();
    skinui::TSeSkinForm& frame = *form->SeSkinForm1;
    skin::TSeBitmap image;
    image.SetSize(frame.WindowWidth(), frame.WindowHeight());
    frame.RenderShowImage(image);
    // The screen under the window: the background window alone.
    RECT r;
    GetWindowRect(window, &r);
    skin::TSeBitmap under;
    under.SetSize(r.right - r.left, r.bottom - r.top);
    under.Fill(0xFFECECE4);
    skinui::TSeAnimation options;
    options.SetEffect(skinui::keFade);
    options.SetTime(1500);
    PicturingTarget target(window, r.left, r.top, outdir + "/animation-");
    skinui::PlayAnimation(target, options, image, under, [](int n) { return n > 0 ? n / 2 : 0; });
    app::bench::CloseDiagWindow(form);
    DestroyWindow(background);
    return target.Ok();
}

// The window read from its description with another stored WindowState,
// pictured once the state is applied and again after Restore.
bool PictureStoredStates(const std::string& outdir) {
    HWND background = OpenBackground(RGB(236, 236, 228));
    Settle(200);
    const std::string text =
        framework::ObjectBinaryToText(framework::LoadResourceBytes(app::TDiagForm::kResourceName));
    const std::string normal = "WindowState = kwsNormal";
    const std::size_t at = text.find(normal);
    if (at == std::string::npos) return false;
    bool ok = true;
    for (const char* state : {"kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"}) {
        std::string changed = text;
        changed.replace(at, normal.size(), std::string("WindowState = ") + state);
        auto form = std::make_unique<app::TDiagForm>(nullptr);
        app::DiagForm = form.get();
        form->LoadFromDescription(framework::ObjectTextToBinary(changed));
        form->Show();
        Settle(500);
        const std::string prefix = outdir + "/stored-" + (state + 3);
        HWND window = form->Handle();
        if (IsWindowVisible(window)) {
            ok = Shot(window, prefix + "-applied.bmp") && ok;
            // A window over the whole screen is left out of screen copies
            // under Wine: picture the window's own painting as well.
            ok = app::SaveWindowBitmap(window, prefix + "-applied-window.bmp") && ok;
        }
        form->SeSkinForm1->Restore();
        Settle(500);
        ok = Shot(window, prefix + "-restored.bmp") && ok;
        RECT client;
        GetClientRect(window, &client);
        std::printf("%s restored: client %ld x %ld\n", state, client.right, client.bottom);
        app::bench::CloseDiagWindow(form);
    }
    DestroyWindow(background);
    return ok;
}

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: frame-looks.exe OUTDIR [light|dark|drags]\n");
        return 2;
    }
    const std::string only = argc == 3 ? argv[2] : "";
    app::bench::RegisterWindowClasses();
    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    portio::ScopedPortBackend scope(card);
    bool ok = true;
    if (only.empty() || only == "light") ok = PictureOver(argv[1], "light", RGB(236, 236, 228)) && ok;
    if (only.empty() || only == "dark") ok = PictureOver(argv[1], "dark", RGB(24, 28, 40)) && ok;
    if (only.empty() || only == "drags") ok = PictureDrags(argv[1]) && ok;
    if (only.empty() || only == "states") ok = PictureStates(argv[1]) && ok;
    if (only.empty() || only == "animation") ok = PictureAnimation(argv[1]) && ok;
    if (only.empty() || only == "stored-states") ok = PictureStoredStates(argv[1]) && ok;
    return ok ? 0 : 1;
}
