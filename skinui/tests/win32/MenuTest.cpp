// The popup menus under Wine, on real windows: the keyboard in one and two
// levels, a click outside, the scroll timer of a long level, the click
// that runs only after every level has closed, and where levels open.
//
// A test drives the modal loop by a script: one step per tick of a thread
// timer, which the loop dispatches like any other message. A step posts
// what a user would cause, or waits for a state. Every script ends with a
// bounded wait: a menu still open after it is closed, and the test fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <functional>
#include <string>
#include <vector>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "skinui/menus/win32/ClickHandler.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/menus/MenuMetrics.h"
#include "skinui/menus/win32/PopupMenu.h"
#include "skinui/menus/win32/PopupWindow.h"
#include "skinui/tests/win32/MenuScript.h"

// While `poisonFreed` is set, freed memory is filled with 0xDD and never
// given out again, so that a use after free reads pointers no address
// holds and fails at once instead of finding the old values.
namespace {
bool poisonFreed = false;

void FreeOrPoison(void* p) noexcept {
    if (!p) return;
    if (poisonFreed) {
        std::memset(p, 0xDD, _msize(p));
        return;
    }
    std::free(p);
}
}  // namespace

void* operator new(std::size_t size) {
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { FreeOrPoison(p); }
void operator delete(void* p, std::size_t) noexcept { FreeOrPoison(p); }

namespace skinui {
namespace {

using test::Step;

// Runs `steps` while `menu` is shown from (x, y); closes the menu when
// the steps are not done after `limit` ticks.
bool RunScript(TSeCustomPopupMenu& menu, int x, int y, std::vector<Step> steps, int limit = 300) {
    return test::MenuScript::Run([&] { menu.Popup(x, y); }, [&] { menu.Close(); }, std::move(steps), limit);
}

// A form that records the presses it receives.
class Recorder : public framework::TForm {
public:
    Recorder() : TForm(nullptr) {}
    std::vector<POINT> presses;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN) presses.push_back(POINT{short(LOWORD(lParam)), short(HIWORD(lParam))});
        return TForm::WndProc(message, wParam, lParam);
    }
};

struct Fixture {
    Fixture() {
        form.SetBounds(40, 40, 300, 200);
        form.CreateHandle();
        ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
        menu = new TSeCustomPopupMenu(&form);
        // The mouse away from every menu: the loops start from the cursor.
        SetCursorPos(1, 760);
    }
    ~Fixture() { Pump(); }
    TSeCustomItem* Add(TSeCustomItem* parent, const char* caption) {
        auto* item = new TSeCustomItem(nullptr);
        item->SetCaption(caption);
        item->onClick = [this](framework::TComponent& c) {
            clicked.push_back(static_cast<TSeCustomItem&>(c).Caption());
            openWhenClicked = DeepestOpenLevel() != nullptr || TSeCustomPopupMenu::Shown() != nullptr;
        };
        parent->Add(item);
        return item;
    }
    // The frame's system menu of the diagnostic window.
    void SystemMenu() {
        for (const char* caption : {"Ro&llup", "Minimize to &Tray", "-", "&Close"}) Add(menu->Items(), caption);
        menu->Items()->Items(3)->SetShortCut(0x8073);
    }
    static void Pump() {
        MSG msg;
        for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (msg.message == WM_QUIT) break;
            DispatchMessageA(&msg);
        }
    }
    void Key(WPARAM key) { test::PostKey(form.Handle(), key); }
    Step Press(WPARAM key) { return test::PressKey(form.Handle(), key); }
    static Step Levels(int depth) { return test::LevelsOpen(depth); }
    static int Depth() { return test::OpenLevels(); }

    framework::TForm form{nullptr};
    TSeCustomPopupMenu* menu = nullptr;
    std::vector<std::string> clicked;
    bool openWhenClicked = false;
};

TEST(MenuTest, AnAcceleratorChoosesItsItemAndTheClickRunsOnceTheMenuHasClosed) {
    Fixture f;
    f.SystemMenu();
    EXPECT_TRUE(RunScript(*f.menu, 200, 150, {Fixture::Levels(1), f.Press('T')}));
    EXPECT_EQ(DeepestOpenLevel(), nullptr);
    // The choice waits in the click handler's queue: nothing ran in the loop.
    EXPECT_TRUE(f.clicked.empty());
    MSG queued;
    ASSERT_TRUE(PeekMessageA(&queued, ClickHandlerWindow(), kClickMessage, kClickMessage, PM_NOREMOVE));
    EXPECT_EQ(queued.lParam, reinterpret_cast<LPARAM>(f.menu->Items()->Items(1)));
    Fixture::Pump();
    EXPECT_EQ(f.clicked, (std::vector<std::string>{"Minimize to &Tray"}));
    EXPECT_FALSE(f.openWhenClicked);
}

TEST(MenuTest, DownPassesOverTheSeparatorAndWrapsFromTheLastItemToTheFirst) {
    Fixture f;
    f.SystemMenu();
    EXPECT_TRUE(RunScript(*f.menu, 200, 150,
                            {Fixture::Levels(1), f.Press(VK_DOWN), f.Press(VK_DOWN), f.Press(VK_RETURN)}));
    Fixture::Pump();
    EXPECT_EQ(f.clicked, (std::vector<std::string>{"&Close"}));

    f.clicked.clear();
    EXPECT_TRUE(RunScript(*f.menu, 200, 150,
                            {Fixture::Levels(1), f.Press(VK_DOWN), f.Press(VK_DOWN), f.Press(VK_DOWN),
                             f.Press(VK_RETURN)}));
    Fixture::Pump();
    EXPECT_EQ(f.clicked, (std::vector<std::string>{"Ro&llup"}));
}

TEST(MenuTest, EscapeClosesOneLevelAndLeftAndRightMoveBetweenLevels) {
    Fixture f;
    TSeCustomItem* file = f.Add(f.menu->Items(), "&File");
    f.Add(file, "&New");
    f.Add(file, "&Open");
    f.Add(f.menu->Items(), "&Quit");
    // Enter opens File's level; Escape closes only it; Down and Enter in
    // the first level choose Quit.
    EXPECT_TRUE(RunScript(*f.menu, 200, 150,
                            {Fixture::Levels(1), f.Press(VK_RETURN), Fixture::Levels(2), f.Press(VK_ESCAPE),
                             Fixture::Levels(1), f.Press(VK_DOWN), f.Press(VK_RETURN)}));
    Fixture::Pump();
    EXPECT_EQ(f.clicked, (std::vector<std::string>{"&Quit"}));

    // Right opens the level, Left goes back, Right again, Down, Enter: Open.
    f.clicked.clear();
    EXPECT_TRUE(RunScript(*f.menu, 200, 150,
                            {Fixture::Levels(1), f.Press(VK_RIGHT), Fixture::Levels(2), f.Press(VK_LEFT),
                             Fixture::Levels(1), f.Press(VK_RIGHT), Fixture::Levels(2), f.Press(VK_DOWN),
                             f.Press(VK_RETURN)}));
    Fixture::Pump();
    EXPECT_EQ(f.clicked, (std::vector<std::string>{"&Open"}));
}

TEST(MenuTest, AClickOutsideClosesEveryLevelAndReachesTheWindowUnderIt) {
    Fixture f;
    Recorder below;
    below.SetBounds(600, 400, 200, 150);
    below.CreateHandle();
    ShowWindow(below.Handle(), SW_SHOWNOACTIVATE);
    TSeCustomItem* file = f.Add(f.menu->Items(), "&File");
    f.Add(file, "&New");
    f.Add(f.menu->Items(), "&Quit");
    EXPECT_TRUE(RunScript(*f.menu, 200, 150,
                            {Fixture::Levels(1), f.Press(VK_RETURN), Fixture::Levels(2), [&] {
                                 PostMessageA(below.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
                                 return true;
                             }}));
    EXPECT_EQ(DeepestOpenLevel(), nullptr);
    Fixture::Pump();
    ASSERT_EQ(below.presses.size(), 1u);
    EXPECT_EQ(below.presses[0].x, 20);
    EXPECT_EQ(below.presses[0].y, 30);
    EXPECT_TRUE(f.clicked.empty());
}

TEST(MenuTest, AClickOnAnItemOfASubmenuRunsAfterEveryLevelHasClosed) {
    Fixture f;
    TSeCustomItem* file = f.Add(f.menu->Items(), "&File");
    f.Add(file, "&New");
    TSeCustomItem* open = f.Add(file, "&Open");
    const auto click = [&] {
        TSeItemView* level = DeepestOpenLevel();
        const skin::TRect b = open->Bounds();
        const LPARAM at = MAKELPARAM(b.Left + 5, b.Top + 3);
        PostMessageA(level->ViewWindow(), WM_MOUSEMOVE, 0, at);
        PostMessageA(level->ViewWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageA(level->ViewWindow(), WM_LBUTTONUP, 0, at);
        return true;
    };
    EXPECT_TRUE(RunScript(*f.menu, 200, 150, {Fixture::Levels(1), f.Press(VK_RETURN), Fixture::Levels(2), click}));
    EXPECT_EQ(DeepestOpenLevel(), nullptr);
    EXPECT_TRUE(f.clicked.empty());
    Fixture::Pump();
    EXPECT_EQ(f.clicked, (std::vector<std::string>{"&Open"}));
    EXPECT_FALSE(f.openWhenClicked);
}

struct ScrollWatch {
    static inline std::vector<int>* seen = nullptr;
    static inline TSeCustomItem* level = nullptr;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const MSG* m = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && m->message == WM_TIMER && m->wParam == kScrollTimerId && seen) {
            seen->push_back(level->FirstVisible());
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};

TEST(MenuTest, ALongLevelScrollsOneItemPerTickWhileTheMouseRestsOnAnArrow) {
    Fixture f;
    for (int i = 0; i < 12; ++i) f.Add(f.menu->Items(), ("Item " + std::to_string(i)).c_str());
    TSeCustomItem* root = f.menu->Items();
    root->SetScrolled(true);
    root->SetScrollCount(5);

    // The first item shown at each scroll tick, read as the tick arrives.
    std::vector<int> firsts;
    ScrollWatch::seen = &firsts;
    ScrollWatch::level = root;
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, &ScrollWatch::Hook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);

    const auto moveTo = [](int item, bool strip, bool up) {
        return [item, strip, up] {
            TSeItemView* view = DeepestOpenLevel();
            const TSeCustomItem* child = view->Item()->Items(item);
            const skin::TRect r = strip ? (up ? view->UpArrowRect() : view->DownArrowRect()) : child->Bounds();
            PostMessageA(view->ViewWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(r.Left + 5, (r.Top + r.Bottom) / 2));
            return true;
        };
    };
    int restTicks = 0;
    const auto restAt = [&](int first) {
        return [&restTicks, &root, first] {
            if (root->FirstVisible() != first) return false;
            return ++restTicks % 20 == 0;  // a few scroll ticks more at the end
        };
    };
    EXPECT_TRUE(RunScript(*f.menu, 200, 100,
                            {Fixture::Levels(1), moveTo(4, false, false), moveTo(0, true, false), restAt(7),
                             moveTo(7, false, false), moveTo(0, true, true), restAt(0), f.Press(VK_ESCAPE)},
                            600));
    UnhookWindowsHookEx(hook);
    ScrollWatch::seen = nullptr;

    // Down: 0, 1, ... 7 and then 7 again; up from 7 to 0 and 0 again.
    ASSERT_FALSE(firsts.empty());
    std::string order;
    for (int v : firsts) order += std::to_string(v) + " ";
    SCOPED_TRACE("first shown at each tick: " + order);
    std::vector<int> steps;
    for (std::size_t i = 1; i < firsts.size(); ++i) steps.push_back(firsts[i] - firsts[i - 1]);
    for (int s : steps) EXPECT_LE(std::abs(s), 1) << "a tick scrolled more than one item";
    EXPECT_EQ(firsts.front(), 0);
    EXPECT_EQ(firsts.back(), 0);
    const auto at7 = std::count(firsts.begin(), firsts.end(), 7);
    EXPECT_GE(at7, 3) << "the level did not rest at its end";
    EXPECT_EQ(*std::max_element(firsts.begin(), firsts.end()), 7);
    // Every place between the ends is passed once on the way down and once up.
    for (int v = 1; v <= 6; ++v) EXPECT_EQ(std::count(firsts.begin(), firsts.end(), v), 2) << v;
    EXPECT_FALSE(f.menu->Items()->Scrolled() && f.menu->Items()->FirstVisible() != 0);
}

TEST(MenuTest, NearTheScreensBottomRightCornerTheMenuOpensUpAndLeftAndItsSubmenuOnTheLeft) {
    Fixture f;
    TSeCustomItem* file = f.Add(f.menu->Items(), "&File with a long caption");
    f.Add(file, "&New");
    f.Add(f.menu->Items(), "&Quit");
    const int right = GetSystemMetrics(SM_CXSCREEN), bottom = GetSystemMetrics(SM_CYSCREEN);
    RECT first{}, second{};
    EXPECT_TRUE(RunScript(*f.menu, right - 5, bottom - 5,
                            {Fixture::Levels(1),
                             [&] {
                                 GetWindowRect(DeepestOpenLevel()->ViewWindow(), &first);
                                 f.Key(VK_RETURN);
                                 return true;
                             },
                             Fixture::Levels(2),
                             [&] {
                                 GetWindowRect(DeepestOpenLevel()->ViewWindow(), &second);
                                 return true;
                             },
                             f.Press(VK_ESCAPE), Fixture::Levels(1), f.Press(VK_ESCAPE)}));
    EXPECT_EQ(first.right, right - 5);
    EXPECT_EQ(first.bottom, bottom - 5);
    // The submenu's right edge is the left edge of "File", inside the frame.
    POINT fileLeft{file->Bounds().Left, file->Bounds().Top};
    ASSERT_GT(first.right, first.left);
    EXPECT_EQ(second.right, first.left + 3 + fileLeft.x);
    EXPECT_LT(second.left, first.left);
    // The first item's level at its top: bottom at the item's bottom.
    EXPECT_LE(second.bottom, bottom);
}

TEST(MenuTest, ALevelIsSizedToItsItemsInsideTheThreePixelFrame) {
    Fixture f;
    f.SystemMenu();
    RECT window{}, client{};
    skin::TPoint content{};
    EXPECT_TRUE(RunScript(*f.menu, 200, 150,
                            {Fixture::Levels(1), [&] {
                                 TSeItemView* view = DeepestOpenLevel();
                                 GetWindowRect(view->ViewWindow(), &window);
                                 GetClientRect(view->ViewWindow(), &client);
                                 content = view->ContentSize();
                                 f.Key(VK_ESCAPE);
                                 return true;
                             }}));
    EXPECT_EQ(window.left, 200);
    EXPECT_EQ(window.top, 150);
    EXPECT_EQ(window.right - window.left, content.X + 6);
    EXPECT_EQ(window.bottom - window.top, content.Y + 6);
    EXPECT_EQ(client.right, content.X);
    EXPECT_EQ(client.bottom, content.Y);
    EXPECT_EQ(content.Y, 3 * MenuButtonHeight() + 15);
    EXPECT_GE(MenuButtonHeight(), 20);
}

TEST(MenuTest, TheFirstLevelOfAPopupPlaysTheShowAnimationAndItsSubmenusDoNot) {
    Fixture f;
    TSeCustomItem* file = f.Add(f.menu->Items(), "&File");
    f.Add(file, "&New");
    TSeAnimation* animation = f.menu->PopupMenuOptions()->Animation();
    animation->SetEnabled(true);
    animation->SetTime(50);
    std::vector<bool> animated;
    const auto look = [&] {
        auto* view = dynamic_cast<TSePopupView*>(DeepestOpenLevel());
        animated.push_back(view && view->Frame()->Animation()->Enabled());
        return true;
    };
    EXPECT_TRUE(RunScript(*f.menu, 200, 150,
                            {Fixture::Levels(1), look, f.Press(VK_RETURN), Fixture::Levels(2), look,
                             f.Press(VK_ESCAPE), Fixture::Levels(1), f.Press(VK_RETURN), Fixture::Levels(2), look,
                             f.Press(VK_MENU)}));
    EXPECT_EQ(animated, (std::vector<bool>{true, false, false}));
    // The next Popup animates its first level again.
    animated.clear();
    EXPECT_TRUE(RunScript(*f.menu, 200, 150, {Fixture::Levels(1), look, f.Press(VK_ESCAPE)}));
    EXPECT_EQ(animated, (std::vector<bool>{true}));
}

// The menu's owner is destroyed while two levels are open (a timer's
// handler closing the window, say): the loops end, and nothing they leave
// behind touches the freed form, menu or items.
TEST(MenuTest, DestroyingTheMenusOwnerWhileItIsOpenEndsItWithoutTouchingWhatWasFreed) {
    for (const bool ownTree : {false, true}) {
        auto* form = new framework::TForm(nullptr);
        form->SetBounds(40, 40, 300, 200);
        form->CreateHandle();
        ShowWindow(form->Handle(), SW_SHOWNOACTIVATE);
        SetCursorPos(1, 760);
        HWND keys = form->Handle();
        // A popup menu component, or an item tree of the form's (as the
        // frame's system menu is).
        auto* menu = ownTree ? nullptr : new TSeCustomPopupMenu(form);
        auto* root = ownTree ? new TSeCustomItem(form) : menu->Items();
        auto add = [](TSeCustomItem* parent, const char* caption) {
            auto* item = new TSeCustomItem(nullptr);
            item->SetCaption(caption);
            parent->Add(item);
            return item;
        };
        TSeCustomItem* file = add(root, "&File");
        add(file, "&New");
        add(file, "&Open");
        add(root, "&Close");
        const auto destroy = [&] {
            poisonFreed = true;
            delete form;
            form = nullptr;
            return true;
        };
        const bool done = test::MenuScript::Run(
            [&] {
                if (ownTree) {
                    PopupItemTree(*root, nullptr, form, 200, 150);
                } else {
                    menu->Popup(200, 150);
                }
            },
            [] { test::CloseMenus(); },
            {test::LevelsOpen(1), test::PressKey(keys, VK_RETURN), test::LevelsOpen(2), destroy});
        poisonFreed = false;
        EXPECT_TRUE(done) << (ownTree ? "item tree" : "popup menu");
        EXPECT_EQ(form, nullptr);
        EXPECT_EQ(DeepestOpenLevel(), nullptr);
        EXPECT_EQ(TSeCustomPopupMenu::Shown(), nullptr);
        Fixture::Pump();
    }
}

}  // namespace
}  // namespace skinui
