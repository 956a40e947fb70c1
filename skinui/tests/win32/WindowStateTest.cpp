// The frame's window states under Wine, on a real window: every row of the
// state table with the PreviousState it leaves, the restore branches that
// go back to a maximized or rolled-up window, the tray icon as the shell
// receives it and its callbacks, the frame's system menu, the events that
// cancel an operation, closing, and the program's minimize taken over.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "framework/win32/Application.h"
#include "skin/SkinMessages.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/menus/MenuItem.h"
#include "skinui/menus/win32/PopupMenu.h"
#include "skinui/frame/SystemMenu.h"
#include "skinui/frame/win32/TrayIcon.h"
#include "skinui/tests/win32/FormFrameSupport.h"
#include "skinui/tests/win32/MenuScript.h"

namespace skinui {
namespace {

using test::Framed;
using test::Pump;
using test::CloseMenus;
using test::LevelsOpen;
using test::OpenLevels;
using test::PressKey;

// What the shell was told, in order.
struct ShellCall {
    DWORD action;
    TSeTrayRecord record;
};

class ShellRecorder {
public:
    ShellRecorder() {
        saved_ = TSeTrayIcon::ShellNotifier();
        TSeTrayIcon::ShellNotifier() = [this](DWORD action, TSeTrayRecord& record) {
            calls.push_back(ShellCall{action, record});
            return TRUE;
        };
    }
    ~ShellRecorder() { TSeTrayIcon::ShellNotifier() = saved_; }
    std::vector<ShellCall> calls;

private:
    TSeTrayIcon::Notifier saved_;
};

// A skinned frame on a shown window; the program's minimize is off unless
// asked for, so that no test depends on how the system shows a minimized
// window.
struct Window : Framed {
    explicit Window(bool minimizeApplication = false)
        : Framed(std::string("    Shadow.Enabled = True\n    BorderIcons = [kbiClose, kbiSystemMenu, kbiMinimize, "
                             "kbiMaximize, kbiRollup, kbiTray]\n") +
                 (minimizeApplication ? "" : "    MinimizeApplication = False\n")) {
        Skin();
        ShowWindow(form.Handle(), SW_SHOWNA);
        Pump();
    }
    TSeWindowState State() const { return frame->WindowState(); }
    TSeWindowState Previous() const { return frame->PreviousState(); }
    bool Visible() const { return IsWindowVisible(form.Handle()) != FALSE; }
    void Apply(TSeWindowState state) { frame->SetWindowState(state); }
    ShellRecorder shell;
};

void Operate(Window& w, TSeWindowState operation) {
    switch (operation) {
        case kwsNormal: w.frame->Restore(); break;
        case kwsMaximized: w.frame->Maximize(); break;
        case kwsMinimized: w.frame->Minimize(); break;
        case kwsRollup: w.frame->Rollup(); break;
        case kwsTray: w.frame->MinToTray(); break;
    }
    Pump();
}

}  // namespace

const char* Name(TSeWindowState s) {
    static const char* names[] = {"normal", "maximized", "minimized", "rollup", "tray"};
    return s < 5 ? names[s] : "?";
}
void PrintTo(TSeWindowState s, std::ostream* out) { *out << Name(s); }

namespace {

// Every start state reached from normal, every operation: the state it
// ends in and the PreviousState it leaves (Restore is the kwsNormal column).
TEST(WindowStateTest, EveryRowOfTheStateTableFromAStateReachedFromNormal) {
    struct Row {
        TSeWindowState from;
        TSeWindowState results[5];   // by operation: restore, maximize, minimize, rollup, tray
        TSeWindowState previous[5];  // PreviousState afterwards
    };
    const Row rows[] = {
        {kwsNormal, {kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray},
         {kwsNormal, kwsNormal, kwsNormal, kwsNormal, kwsNormal}},
        {kwsMaximized, {kwsNormal, kwsNormal, kwsMinimized, kwsRollup, kwsTray},
         {kwsMaximized, kwsMaximized, kwsMaximized, kwsMaximized, kwsMaximized}},
        {kwsMinimized, {kwsNormal, kwsMaximized, kwsNormal, kwsRollup, kwsTray},
         {kwsNormal, kwsMinimized, kwsNormal, kwsMinimized, kwsMinimized}},
        {kwsRollup, {kwsNormal, kwsMaximized, kwsMinimized, kwsNormal, kwsTray},
         {kwsNormal, kwsRollup, kwsRollup, kwsNormal, kwsRollup}},
        {kwsTray, {kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsNormal},
         {kwsNormal, kwsTray, kwsTray, kwsTray, kwsNormal}},
    };
    for (const Row& row : rows) {
        for (int op = 0; op < 5; ++op) {
            const auto operation = static_cast<TSeWindowState>(op);
            Window w;
            if (row.from != kwsNormal) Operate(w, row.from);
            ASSERT_EQ(w.State(), row.from);
            Operate(w, operation);
            EXPECT_EQ(w.State(), row.results[op]) << Name(row.from) << " then " << Name(operation);
            EXPECT_EQ(w.Previous(), row.previous[op]) << Name(row.from) << " then " << Name(operation);
            // Only the tray hides the window, and only the tray has an icon.
            EXPECT_EQ(w.Visible(), w.State() != kwsTray) << Name(row.from) << " then " << Name(operation);
            EXPECT_EQ(w.frame->Tray().Shown(), w.State() == kwsTray) << Name(row.from) << " then " << Name(operation);
        }
    }
}

TEST(WindowStateTest, RestoreGoesBackToTheStateBeforeAMaximizedMinimizedRolledUpOrTrayWindow) {
    struct Path {
        TSeWindowState first, second;
        TSeWindowState afterRestore, previousAfter;
    };
    const Path paths[] = {
        {kwsMaximized, kwsRollup, kwsMaximized, kwsNormal},     // rolled up from maximized
        {kwsRollup, kwsMaximized, kwsRollup, kwsNormal},        // maximized from rolled up
        {kwsMinimized, kwsMaximized, kwsMaximized, kwsNormal},  // maximized from minimized, no program minimize
        {kwsMaximized, kwsMinimized, kwsMaximized, kwsNormal},
        {kwsRollup, kwsMinimized, kwsRollup, kwsNormal},
        {kwsMaximized, kwsTray, kwsMaximized, kwsNormal},
        {kwsRollup, kwsTray, kwsRollup, kwsNormal},
    };
    for (const Path& p : paths) {
        Window w;
        const RECT normal = w.WindowRect();
        Operate(w, p.first);
        Operate(w, p.second);
        Operate(w, kwsNormal);
        EXPECT_EQ(w.State(), p.afterRestore) << Name(p.first) << ", " << Name(p.second);
        EXPECT_EQ(w.Previous(), p.previousAfter) << Name(p.first) << ", " << Name(p.second);
        // The normal bounds survive the whole way.
        EXPECT_EQ(w.frame->RestoreBounds(), skin::FromRECT(normal))
            << Name(p.first) << ", " << Name(p.second);
        EXPECT_TRUE(w.Visible());
        Operate(w, kwsNormal);
        const RECT back = w.WindowRect();
        EXPECT_EQ(back.bottom - back.top, normal.bottom - normal.top) << Name(p.first) << ", " << Name(p.second);
        // A rolled-up window stays where it is; one minimized in place
        // (without the program's minimize) was rolled up where it lay.
        if (p.first != kwsMinimized && p.second != kwsMinimized) {
            EXPECT_EQ(back.left, normal.left) << Name(p.first) << ", " << Name(p.second);
        }
    }
}

TEST(WindowStateTest, AMaximizedWindowFromMinimizedStaysMaximizedOnRestoreWhenTheProgramMinimizes) {
    Window w(true);
    w.frame->Minimize();
    w.frame->Maximize();
    ASSERT_EQ(w.Previous(), kwsMinimized);
    EXPECT_FALSE(IsIconic(w.form.Handle()));  // shown again to be maximized
    w.frame->Restore();
    EXPECT_EQ(w.State(), kwsMaximized);
    EXPECT_TRUE(w.Visible());
}

TEST(WindowStateTest, SettingTheStateTheWindowIsInChangesNothing) {
    for (TSeWindowState state : {kwsMaximized, kwsMinimized, kwsRollup, kwsTray}) {
        Window w;
        w.Apply(state);
        Pump();
        ASSERT_EQ(w.State(), state);
        const RECT before = w.WindowRect();
        w.Apply(state);
        Pump();
        EXPECT_EQ(w.State(), state) << Name(state);
        const RECT after = w.WindowRect();
        EXPECT_TRUE(EqualRect(&before, &after)) << Name(state);
    }
    // A normal window moved after a restore stays where it was moved to.
    Window w;
    w.Apply(kwsMaximized);
    w.Apply(kwsNormal);
    SetWindowPos(w.form.Handle(), nullptr, 240, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    w.Apply(kwsNormal);
    EXPECT_EQ(w.WindowRect().left, 240);
    EXPECT_EQ(w.WindowRect().top, 170);
}

TEST(WindowStateTest, ASetStateRequestOutsideTheFourOperationsIsIgnored) {
    Window w;
    w.Apply(kwsMaximized);
    w.Apply(kwsNormal);
    SetWindowPos(w.form.Handle(), nullptr, 240, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (WPARAM value : {WPARAM(0), WPARAM(5), WPARAM(1391), ~WPARAM(0)}) {
        SendMessageA(w.form.Handle(), skin::WM_SESETSTATE, value, 0);
        Pump();
        EXPECT_EQ(w.State(), kwsNormal) << value;
        EXPECT_TRUE(w.Visible()) << value;
        EXPECT_EQ(w.WindowRect().left, 240) << value;
    }
    SendMessageA(w.form.Handle(), skin::WM_SESETSTATE, kwsRollup, 0);
    EXPECT_EQ(w.State(), kwsRollup);
}

TEST(WindowStateTest, ARolledUpWindowThatWasMovedComesBackAtItsNewPlaceWithItsOldSize) {
    Window w;
    const RECT before = w.WindowRect();
    w.frame->Rollup();
    const RECT rolled = w.WindowRect();
    SetWindowPos(w.form.Handle(), nullptr, rolled.left + 70, rolled.top + 40, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    w.frame->Restore();
    const RECT after = w.WindowRect();
    EXPECT_EQ(after.left, before.left + 70);
    EXPECT_EQ(after.top, before.top + 40);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST(WindowStateTest, AnEventThatClearsCallDefaultLeavesTheWindowAsItWas) {
    Window w;
    const RECT before = w.WindowRect();
    int asked = 0;
    auto refuse = [&asked](framework::TComponent&, bool& callDefault) {
        ++asked;
        callDefault = false;
    };
    w.frame->onMaximize = w.frame->onMinimize = w.frame->onRollup = w.frame->onMinToTray = w.frame->onClose = refuse;
    for (TSeWindowState s : {kwsMaximized, kwsMinimized, kwsRollup, kwsTray}) Operate(w, s);
    w.frame->CloseForm();
    Pump();
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(w.State(), kwsNormal);
    EXPECT_TRUE(w.Visible());
    EXPECT_TRUE(w.shell.calls.empty());
    const RECT after = w.WindowRect();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    // Letting it go on does it.
    w.frame->onMinToTray = nullptr;
    w.frame->MinToTray();
    EXPECT_EQ(w.State(), kwsTray);
}

TEST(WindowStateTest, ATrayStateSetWhileLoadingHidesTheWindowOnceTheLoopRuns) {
    ShellRecorder shell;
    Framed f("    WindowState = kwsTray\n    MinimizeApplication = False\n");
    f.Skin();
    EXPECT_EQ(f.frame->PendingState(), kwsTray);
    EXPECT_TRUE(shell.calls.empty());
    Pump();
    EXPECT_EQ(f.frame->WindowState(), kwsTray);
    EXPECT_EQ(f.frame->PendingState(), kwsNormal);
    EXPECT_FALSE(IsWindowVisible(f.form.Handle()));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].action, DWORD(NIM_ADD));
    f.frame->Restore();
    EXPECT_TRUE(IsWindowVisible(f.form.Handle()));
    // The window comes back at the bounds it was given, not where it waited.
    const RECT r = f.WindowRect();
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 80);
}

// A window waiting to be rolled up stays where it was given: an operation
// before the loop runs takes its normal bounds like any normal window's.
TEST(WindowStateTest, AnOperationBeforeAStoredRollupIsAppliedKeepsTheNormalBounds) {
    ShellRecorder shell;
    Framed f("    WindowState = kwsRollup\n    MinimizeApplication = False\n");
    f.Skin();
    ASSERT_EQ(f.frame->PendingState(), kwsRollup);
    const RECT given = f.WindowRect();
    f.frame->Maximize();
    EXPECT_EQ(f.frame->RestoreBounds(), skin::FromRECT(given));
    f.frame->Restore();
    const RECT back = f.WindowRect();
    EXPECT_TRUE(EqualRect(&back, &given));
}

TEST(WindowStateTest, AFrameThatIsNotHookedFiresNoStateEvent) {
    Window w;
    int asked = 0;
    auto count = [&asked](framework::TComponent&, bool&) { ++asked; };
    w.frame->onMaximize = w.frame->onMinimize = w.frame->onRollup = w.frame->onMinToTray = count;
    w.frame->SetActive(false);
    const RECT before = w.WindowRect();
    for (TSeWindowState s : {kwsMaximized, kwsMinimized, kwsRollup, kwsTray}) Operate(w, s);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(w.State(), kwsNormal);
    const RECT after = w.WindowRect();
    EXPECT_TRUE(EqualRect(&before, &after));
    w.frame->SetActive(true);
    w.frame->Rollup();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(w.State(), kwsRollup);
}

TEST(WindowStateTest, TheTrayRecordIsWhatTheShellReadsAndItsTipIsCut) {
    Window w;
    const std::string longCaption(80, 'x');
    w.form.SetCaption("Tray " + longCaption);
    w.frame->MinToTray();
    ASSERT_EQ(w.shell.calls.size(), 1u);
    const ShellCall add = w.shell.calls[0];  // a copy: the list grows
    EXPECT_EQ(add.action, DWORD(NIM_ADD));
    EXPECT_EQ(add.record.cbSize, sizeof(void*) == 4 ? 88u : 104u);
    EXPECT_EQ(add.record.uFlags, 7u);
    EXPECT_EQ(add.record.uCallbackMessage, 1388u);
    EXPECT_EQ(add.record.hWnd, w.frame->Tray().Window());
    EXPECT_NE(add.record.hWnd, nullptr);
    EXPECT_NE(add.record.hWnd, w.form.Handle());
    EXPECT_NE(add.record.hIcon, nullptr);
    EXPECT_EQ(std::string(add.record.szTip), ("Tray " + longCaption).substr(0, 63));
    EXPECT_FALSE(IsWindowVisible(add.record.hWnd));

    // A double click on the icon brings the window back and deletes the icon.
    SendMessageA(add.record.hWnd, skin::WM_SETRAYNOTIFY, 0, WM_LBUTTONDBLCLK);

    EXPECT_EQ(w.State(), kwsNormal);
    EXPECT_TRUE(w.Visible());
    ASSERT_EQ(w.shell.calls.size(), 2u);
    EXPECT_EQ(w.shell.calls[1].action, DWORD(NIM_DELETE));
    EXPECT_EQ(w.shell.calls[1].record.uID, add.record.uID);
    // The end of the session deletes a shown icon. (Wine does not deliver
    // these two when they are sent, so the window procedure is called.)
    w.frame->MinToTray();
    const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(add.record.hWnd, GWLP_WNDPROC));
    EXPECT_EQ(CallWindowProcA(procedure, add.record.hWnd, WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_EQ(w.shell.calls.back().action, DWORD(NIM_ADD));
    CallWindowProcA(procedure, add.record.hWnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(w.shell.calls.back().action, DWORD(NIM_DELETE));
}

TEST(WindowStateTest, TheProgramsMinimizeHidesItsWindowInTheTrayAndTheIconShowsItAgain) {
    Window w(true);
    w.form.SetCaption("Program");
    w.frame->MinToTray();
    EXPECT_FALSE(w.Visible());  // hidden: no taskbar button
    ASSERT_FALSE(w.shell.calls.empty());
    EXPECT_EQ(std::string(w.shell.calls[0].record.szTip), "Program");
    SendMessageA(w.frame->Tray().Window(), skin::WM_SETRAYNOTIFY, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.State(), kwsNormal);
}

TEST(WindowStateTest, TheProgramsMinimizeIsToldWhenTheMainFormGoesToTheTray) {
    int earlierMinimizes = 0, earlierRestores = 0;
    framework::Application().onMinimize = [&earlierMinimizes] { ++earlierMinimizes; };
    framework::Application().onRestore = [&earlierRestores] { ++earlierRestores; };
    Window w(true);
    static Window* window = nullptr;
    static std::vector<int> heard;
    static int* minimizes = nullptr;
    window = &w;
    minimizes = &earlierMinimizes;
    heard.clear();
    struct Steps {
        static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
            static int tick = 0;
            HWND handle = window->form.Handle();
            switch (tick++ % 4) {
                case 0:
                    SetForegroundWindow(handle);
                    SendMessageA(handle, WM_NCACTIVATE, TRUE, 0);
                    break;
                case 1: window->frame->MinToTray(); break;
                case 2:
                    heard.push_back(*minimizes);
                    heard.push_back(IsWindowVisible(handle));
                    SendMessageA(window->frame->Tray().Window(), skin::WM_SETRAYNOTIFY, 0, WM_LBUTTONDBLCLK);
                    break;
                case 3: window->frame->CloseForm(); break;
            }
        }
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &Steps::Tick);
    framework::Application().Run(w.form);
    KillTimer(nullptr, timer);
    // In the tray: the program minimized once and its window hidden.
    EXPECT_EQ(heard, (std::vector<int>{1, 0}));
    EXPECT_EQ(earlierMinimizes, 1);
    EXPECT_EQ(earlierRestores, 1);
    framework::Application().onMinimize = nullptr;
    framework::Application().onRestore = nullptr;
}

// ---- the system menu ------------------------------------------------------------------

std::vector<std::string> Captions(const TSeCustomItem* root) {
    std::vector<std::string> captions;
    for (int i = 0; i < root->Count(); ++i) captions.push_back(root->Items(i)->Caption());
    return captions;
}

TEST(WindowStateTest, TheSystemMenuIsBuiltForTheStateWithItsImagesAndShortCut) {
    Window w;
    TSeCustomItem* menu = w.frame->BuildSystemMenu();
    EXPECT_EQ(Captions(menu), (std::vector<std::string>{"Mi&nimize", "Ma&ximize", "Ro&llup", "Minimize to &Tray",
                                                        "-", "&Close"}));
    ASSERT_NE(menu->ImageList(), nullptr);
    EXPECT_EQ(menu->ImageList()->Count(), 6);
    EXPECT_EQ(menu->Items(0)->ImageIndex(), ksmiMinimize);
    EXPECT_EQ(menu->Items(5)->ImageIndex(), ksmiClose);
    EXPECT_EQ(menu->Items(5)->ShortCut(), 0x8073);
    EXPECT_EQ(menu->Items(5)->ImageList(), menu->ImageList());  // from the root
    EXPECT_EQ(menu->Options(), w.frame->SystemMenuOptions());
    w.frame->Rollup();
    EXPECT_EQ(Captions(w.frame->BuildSystemMenu()),
              (std::vector<std::string>{"&Restore", "Mi&nimize", "Ma&ximize", "Minimize to &Tray", "-", "&Close"}));
    // Clicking an item runs its command.
    w.frame->SystemMenu()->Items(0)->RunClick();
    EXPECT_EQ(w.State(), kwsNormal);
}


TEST(WindowStateTest, AltSpaceOpensTheSystemMenuAndTTakesTheWindowToTheTray) {
    Window w;
    SetCursorPos(1, 760);
    HWND window = w.form.Handle();
    EXPECT_TRUE(test::MenuScript::Run(
        [&] { SendMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, ' '); }, CloseMenus,
        {LevelsOpen(1), [&] { return DeepestOpenLevel()->Item() == w.frame->SystemMenu(); }, PressKey(window, 'T')}));
    EXPECT_FALSE(w.frame->SystemMenuShown());
    Pump();  // the click runs once the menu has closed
    EXPECT_EQ(w.State(), kwsTray);
}

TEST(WindowStateTest, ARightButtonReleaseOnTheCaptionOpensTheMenuThereAndOnTheTrayIconToo) {
    Window w;
    SetCursorPos(1, 760);
    HWND window = w.form.Handle();
    const RECT r = w.WindowRect();
    const LPARAM at = MAKELPARAM(r.left + 50, r.top + 10);
    RECT level{};
    EXPECT_TRUE(test::MenuScript::Run(
        [&] {
            SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, at);
            SendMessageA(window, WM_NCRBUTTONUP, HTCAPTION, at);
        },
        CloseMenus,
        {LevelsOpen(1),
         [&] {
             GetWindowRect(DeepestOpenLevel()->ViewWindow(), &level);
             return true;
         },
         PressKey(window, VK_ESCAPE)}));
    EXPECT_EQ(level.left, r.left + 50);
    EXPECT_EQ(level.top, r.top + 10);
    EXPECT_EQ(w.State(), kwsNormal);

    w.frame->MinToTray();
    EXPECT_TRUE(test::MenuScript::Run(
        [&] { SendMessageA(w.frame->Tray().Window(), skin::WM_SETRAYNOTIFY, 0, WM_RBUTTONUP); }, CloseMenus,
        {LevelsOpen(1),
         [&] {
             return Captions(w.frame->SystemMenu()) == std::vector<std::string>{"&Restore", "-", "&Close"} &&
                    w.frame->SystemMenu()->Foreground();
         },
         [] {
             CloseMenus();
             return true;
         }}));
    EXPECT_EQ(w.State(), kwsTray);
}

TEST(WindowStateTest, ALinkedPopupMenuIsShownInsteadOfTheFramesOwn) {
    Window w;
    auto* linked = new TSeCustomPopupMenu(&w.form);
    auto* item = new TSeCustomItem(nullptr);
    item->SetCaption("Linked");
    linked->Items()->Add(item);
    w.frame->SetSystemMenuLink(linked);
    w.frame->SystemMenuOptions()->Shadow()->SetSize(7);
    SetCursorPos(1, 760);
    EXPECT_TRUE(test::MenuScript::Run([&] { w.frame->PopupSystemMenu(); }, CloseMenus,
                                      {LevelsOpen(1),
                                       [&] { return DeepestOpenLevel()->Item() == linked->Items(); },
                                       PressKey(w.form.Handle(), VK_ESCAPE)}));
    EXPECT_EQ(w.frame->SystemMenu(), nullptr);  // its own was never built
    EXPECT_EQ(linked->PopupMenuOptions()->Shadow()->Size(), 7);
    delete linked;  // the frame lets go of it
    EXPECT_EQ(w.frame->SystemMenuLink(), nullptr);
}

// ---- closing and the program's minimize -------------------------------------------------

TEST(WindowStateTest, ClosingAnotherFormHidesItAndAskingFirstCanKeepItOpen) {
    Window w;
    bool mayClose = false;
    framework::TCloseAction seen = framework::TCloseAction::caNone;
    w.form.onClose = [&](framework::TForm&, framework::TCloseAction& action) {
        seen = action;
        if (!mayClose) action = framework::TCloseAction::caNone;
    };
    w.frame->CloseForm();
    EXPECT_EQ(seen, framework::TCloseAction::caHide);
    EXPECT_TRUE(w.Visible());
    mayClose = true;
    w.frame->CloseForm();
    EXPECT_FALSE(w.Visible());
    EXPECT_TRUE(IsWindow(w.form.Handle()));
}

// The main form, through the program's loop: closing it ends the loop; and
// the frame follows the program's own minimize and restore.
TEST(WindowStateTest, TheMainFormsFrameFollowsTheProgramsMinimizeAndClosingItEndsTheProgram) {
    int earlierMinimizes = 0;
    framework::Application().onMinimize = [&earlierMinimizes] { ++earlierMinimizes; };
    framework::Application().onRestore = nullptr;
    Window w(true);
    static Window* window = nullptr;
    static std::vector<TSeWindowState> seen;
    window = &w;
    seen.clear();
    // One step per tick: activate, minimize by the system, restore by the
    // system, close.
    struct Steps {
        static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
            static int tick = 0;
            HWND handle = window->form.Handle();
            switch (tick++ % 5) {
                case 0:  // the frame takes the program's events when first activated
                    SetForegroundWindow(handle);
                    SendMessageA(handle, WM_NCACTIVATE, TRUE, 0);
                    break;
                case 1: ShowWindow(handle, SW_MINIMIZE); break;
                case 2:
                    seen.push_back(window->State());
                    ShowWindow(handle, SW_RESTORE);
                    break;
                case 3: seen.push_back(window->State()); break;
                case 4: window->frame->CloseForm(); break;
            }
        }
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &Steps::Tick);
    framework::Application().Run(w.form);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(framework::Application().Terminated());
    EXPECT_EQ(seen, (std::vector<TSeWindowState>{kwsMinimized, kwsNormal}));
    EXPECT_EQ(earlierMinimizes, 1);  // the earlier handler still heard it
    // Gone, the frame gives the earlier handler back.
    delete w.frame;
    w.frame = nullptr;
    ASSERT_TRUE(framework::Application().onMinimize);
    framework::Application().onMinimize();
    EXPECT_EQ(earlierMinimizes, 2);
    framework::Application().onMinimize = nullptr;
}

}  // namespace
}  // namespace skinui
