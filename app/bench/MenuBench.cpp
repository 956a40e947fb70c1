// menu-bench.exe: how long a popup menu takes from the call to Popup to the
// end of its first paint, for the frame's four-item system menu, and
// (--shot=FILE.bmp) a picture of an open popup with a submenu; with
// --skinned the picture shows the same tree of skinned items on the
// built-in skin. Not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/WindowCapture.h"
#include "framework/win32/Form.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/menus/win32/PopupMenu.h"
#include "skinui/menus/SeImageList.h"
#include "skinui/menus/SkinItem.h"
#include "skinui/tests/win32/BuiltinSkinResource.h"

namespace {

using skinui::TSeCustomItem;

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(f.QuadPart);
}

template <class Item = TSeCustomItem>
TSeCustomItem* Add(TSeCustomItem* parent, const char* caption, int shortCut = 0) {
    auto* item = new Item(nullptr);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent->Add(item);
    return item;
}

// The end of the first paint of a window other than the owner form: the
// popup level (it is painted before its loop starts).
HWND ownerForm = nullptr;
LARGE_INTEGER paintedAt{};
bool waiting = false;
LRESULT CALLBACK AfterPaint(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && waiting && call->message == WM_PAINT && call->hwnd != ownerForm) {
        paintedAt = Now();
        waiting = false;
        PostMessageA(call->hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Closes whatever is still open: a bench must end.
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
    if (skinui::TSeCustomPopupMenu* shown = skinui::TSeCustomPopupMenu::Shown()) shown->Close();
}

int Bench(framework::TForm& form) {
    auto* menu = new skinui::TSeCustomPopupMenu(&form);
    Add(menu->Items(), "Ro&llup");
    Add(menu->Items(), "Minimize to &Tray");
    Add(menu->Items(), "-");
    Add(menu->Items(), "&Close", 0x8073);
    ownerForm = form.Handle();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterPaint, nullptr, GetCurrentThreadId());
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 2000, &Watchdog);
    std::vector<double> times;
    for (int run = 0; run < 25; ++run) {
        waiting = true;
        const LARGE_INTEGER start = Now();
        menu->Popup(200, 150);
        if (!waiting) times.push_back(Milliseconds(start, paintedAt));
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    UnhookWindowsHookEx(hook);
    KillTimer(nullptr, watchdog);
    if (times.empty()) {
        std::printf("menu-bench: no popup painted\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("popup of 4 items, Popup to end of first paint: median %.2f ms, fastest %.2f ms, slowest %.2f ms (%zu runs)\n",
                times[times.size() / 2], times.front(), times.back(), times.size());
    return 0;
}

// A 16 x 16 image: a blue square with a white border, on the key colour.
void FillImages(skinui::TSeImageList& images) {
    skin::TSeBitmap strip;
    strip.SetSize(16, 16);
    strip.Fill(skin::kKeyPixel);
    strip.FillRect(skin::TRect{2, 2, 14, 14}, 0xFFFFFFFF);
    strip.FillRect(skin::TRect{3, 3, 13, 13}, 0xFF2050C0);
    images.SetImages(strip);
}

std::string shotPath;
int step = 0;
void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD) {
    skinui::TSeItemView* level = skinui::DeepestOpenLevel();
    if (!level) return;
    HWND target = level->ViewWindow();
    switch (step++) {
        case 0:
        case 1:
        case 2:  // down to "S&ettings", past the separator
            PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
            break;
        case 3:
            PostMessageA(target, WM_KEYDOWN, VK_RIGHT, 0);
            break;
        case 4:
            PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
            break;
        case 7: {
            if (!level->Parent()) {
                std::printf("menu-bench: the submenu did not open\n");
                PostMessageA(target, WM_KEYDOWN, VK_MENU, 0);
                break;
            }
            RECT sub{}, top{};
            GetWindowRect(target, &sub);
            GetWindowRect(level->Parent()->ViewWindow(), &top);
            RECT both{std::min(sub.left, top.left) - 10, std::min(sub.top, top.top) - 10,
                      std::max(sub.right, top.right) + 10, std::max(sub.bottom, top.bottom) + 10};
            if (!app::SaveScreenBitmap(both, shotPath)) std::printf("menu-bench: cannot write %s\n", shotPath.c_str());
            PostMessageA(target, WM_KEYDOWN, VK_MENU, 0);
            break;
        }
        default:
            if (step > 20) PostMessageA(target, WM_KEYDOWN, VK_MENU, 0);
            break;
    }
}

// The pictured tree below `root`: a system menu with an image, a checked
// item and a submenu.
template <class Item>
void FillTree(TSeCustomItem* root) {
    Add<Item>(root, "Ro&llup")->SetImageIndex(0);
    Add<Item>(root, "Minimize to &Tray");
    Add<Item>(root, "&Stay on top")->SetChecked(true);
    Add<Item>(root, "-");
    TSeCustomItem* settings = Add<Item>(root, "S&ettings");
    Add<Item>(root, "-");
    Add<Item>(root, "&Close", 0x8073);
    Add<Item>(settings, "&Sounds", 'S' + 0x4000);
    Add<Item>(settings, "&Large fonts")->SetChecked(true);
    Add<Item>(settings, "&Disabled item")->SetEnabled(false);
    Add<Item>(settings, "-");
    Add<Item>(settings, "&Colours")->SetImageIndex(0);
    Add<Item>(Add<Item>(settings, "&More"), "&Nothing");
}

int Shot(framework::TForm& form) {
    auto* menu = new skinui::TSeCustomPopupMenu(&form);
    auto* images = new skinui::TSeImageList(&form);
    FillImages(*images);
    menu->SetImages(images);
    menu->PopupMenuOptions()->Shadow()->SetEnabled(true);
    FillTree<TSeCustomItem>(menu->Items());
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &Drive);
    menu->Popup(120, 90);
    KillTimer(nullptr, timer);
    std::printf("menu-bench: picture in %s\n", shotPath.c_str());
    return 0;
}

// The same tree of skinned items, bound to the built-in skin and shown as
// the frame's system menu is: ShowSubItems of the root item.
int SkinnedShot(framework::TForm& form) {
    auto* engine = new skin::TSeSkinEngine(&form);
    if (!skinui::test::LoadBuiltinSkin(*engine)) {
        std::printf("menu-bench: no built-in skin in the program\n");
        return 1;
    }
    auto* images = new skinui::TSeImageList(&form);
    FillImages(*images);
    skinui::TSePopupMenuOptions options;
    options.Shadow()->SetEnabled(true);
    skinui::TSeSkinItem root(nullptr);
    root.SetImages(images);
    FillTree<skinui::TSeSkinItem>(&root);
    root.SetSkinEngine(engine);
    root.SetOptions(&options);
    root.SetOwnerControl(&form);
    root.SetAnimateFirst(true);
    root.SetInPopup(true);
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, &Drive);
    root.ShowSubItems(nullptr, 120, 90, skin::TRect{});
    root.SetInPopup(false);
    KillTimer(nullptr, timer);
    std::printf("menu-bench: picture in %s\n", shotPath.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool skinned = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--shot=", 7) == 0) shotPath = argv[i] + 7;
        if (std::strcmp(argv[i], "--skinned") == 0) skinned = true;
    }
    framework::TForm form(nullptr);
    form.SetBounds(60, 60, 420, 300);
    form.SetColor(0x00E0E0E0);
    form.CreateHandle();
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(form.Handle());
    SetCursorPos(1000, 740);
    if (shotPath.empty()) return Bench(form);
    return skinned ? SkinnedShot(form) : Shot(form);
}
