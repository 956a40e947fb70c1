// Window hooks on real windows under Wine, checked as message sequences.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "skin/SkinMessages.h"
#include "skinui/hooks/win32/Hooks.h"

namespace skinui {
namespace {

constexpr UINT kProbe = WM_APP + 7;
std::vector<std::string> journal;

class TJournalForm : public framework::TForm {
public:
    using TForm::TForm;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProbe || message == WM_DESTROY) journal.push_back(Name() + (message == kProbe ? " probe" : " destroy"));
        if (message == kProbe) return 77;
        return TForm::WndProc(message, wParam, lParam);
    }
};

class TJournalHook : public TSeHook {
public:
    using TSeHook::TSeHook;
    bool handle = false;
    bool fail = false;
    void AfterMessage(TMessage& message) override {
        if (message.msg == kProbe || message.msg == WM_DESTROY) journal.push_back(Name() + " after");
    }

protected:
    void HandleMessage(TMessage& message) override {
        if (message.msg != kProbe && message.msg != WM_DESTROY) return;
        journal.push_back(Name() + " before");
        if (fail) throw std::runtime_error(Name() + " failed");
        if (handle) {
            message.result = 5;
            MarkHandled();
        }
    }
};

class HooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        form = std::make_unique<TJournalForm>(nullptr);
        form->SetName("Form");
        form->SetBounds(10, 10, 200, 100);
        form->CreateHandle();
        original = GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC);
        first = new TJournalHook(nullptr);
        first->SetName("first");
        second = new TJournalHook(nullptr);
        second->SetName("second");
    }
    void TearDown() override {
        delete first;
        delete second;
        form.reset();
        framework::Application().ProcessMessages();
        framework::Application().onException = nullptr;
    }
    LRESULT Probe() { return SendMessageA(form->Handle(), kProbe, 0, 0); }

    std::unique_ptr<TJournalForm> form;
    LONG_PTR original = 0;
    TJournalHook* first = nullptr;
    TJournalHook* second = nullptr;
};

TEST_F(HooksTest, HooksShareOneControlHookAndTheLastAttachedHearsFirst) {
    first->SetControl(form.get());
    second->SetControl(form.get());
    ASSERT_NE(first->ControlHook(), nullptr);
    EXPECT_EQ(first->ControlHook(), second->ControlHook());
    EXPECT_NE(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC), original);
    EXPECT_EQ(Probe(), 77);
    EXPECT_EQ(journal, (std::vector<std::string>{"second before", "first before", "Form probe", "second after",
                                                 "first after"}));
    EXPECT_EQ(first->Form(), form.get());
}

TEST_F(HooksTest, AHandledMessageSkipsTheWindowButDestroyAlwaysReachesIt) {
    first->SetControl(form.get());
    second->SetControl(form.get());
    second->handle = true;
    EXPECT_EQ(Probe(), 5);
    EXPECT_EQ(journal, (std::vector<std::string>{"second before"}));

    journal.clear();
    DestroyWindow(form->Handle());
    EXPECT_EQ(journal, (std::vector<std::string>{"second before", "Form destroy", "second after"}));
}

TEST_F(HooksTest, TheLastDetachRestoresTheWindowAndFreesTheControlHookLater) {
    first->SetControl(form.get());
    second->SetControl(form.get());
    const std::size_t before = THookList::Instance().Count();
    first->SetControl(nullptr);
    EXPECT_NE(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC), original);
    second->SetActive(false);
    EXPECT_EQ(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC), original);
    second->SetControl(nullptr);
    EXPECT_EQ(THookList::Instance().Count(), before);  // not freed inside this call
    framework::Application().ProcessMessages();
    EXPECT_EQ(THookList::Instance().Count(), before - 1);
    journal.clear();
    Probe();
    EXPECT_EQ(journal, (std::vector<std::string>{"Form probe"}));
}

TEST_F(HooksTest, AWindowMadeAgainIsHookedAgain) {
    first->SetControl(form.get());
    DestroyWindow(form->Handle());
    EXPECT_FALSE(form->HandleAllocated());
    framework::Application().ProcessMessages();  // the deferred re-hook makes the window again
    ASSERT_TRUE(form->HandleAllocated());
    journal.clear();
    Probe();
    EXPECT_EQ(journal, (std::vector<std::string>{"first before", "Form probe", "first after"}));
}

LRESULT CALLBACK Later(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC laterPrevious = nullptr;
LRESULT CALLBACK Later(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) journal.push_back("later");
    return CallWindowProcA(laterPrevious, window, message, wParam, lParam);
}

TEST_F(HooksTest, UnhookingLeavesAProcedureInstalledLaterInPlace) {
    first->SetControl(form.get());
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later)));
    first->SetControl(nullptr);
    EXPECT_EQ(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Later));
    SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(laterPrevious));
}

TEST_F(HooksTest, AControlHookLeftInsideAMessageIsNotFreedBeforeItsProcedureReturns) {
    // The last hook leaves while the window's message is on the stack and a
    // nested message loop runs (a menu, a progress bar's pump).
    struct Leaving : TJournalHook {
        using TJournalHook::TJournalHook;
        TControlHook* mine = nullptr;
        bool stillListed = false;
        void HandleMessage(TMessage& message) override {
            if (message.msg != kProbe) return;
            mine = ControlHook();
            SetControl(nullptr);
            framework::Application().ProcessMessages();
            stillListed = THookList::Instance().Contains(mine);
        }
    };
    Leaving leaving(nullptr);
    leaving.SetControl(form.get());
    EXPECT_EQ(Probe(), 77);
    EXPECT_TRUE(leaving.stillListed);
    // Once the procedure has returned, the next loop frees it.
    framework::Application().ProcessMessages();
    EXPECT_FALSE(THookList::Instance().Contains(leaving.mine));
    journal.clear();
    EXPECT_EQ(Probe(), 77);
    EXPECT_EQ(journal, (std::vector<std::string>{"Form probe"}));
}

TEST_F(HooksTest, AProcedureInstalledLaterStillReachesTheWindowAfterTheControlHookIsFreed) {
    first->SetControl(form.get());
    laterPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later)));
    first->SetControl(nullptr);
    framework::Application().ProcessMessages();  // the control hook is freed
    journal.clear();
    EXPECT_EQ(Probe(), 77);
    EXPECT_EQ(journal, (std::vector<std::string>{"later", "Form probe"}));
    // Hooked again under the later procedure: each message once through each.
    second->SetControl(form.get());
    journal.clear();
    EXPECT_EQ(Probe(), 77);
    EXPECT_EQ(journal, (std::vector<std::string>{"later", "second before", "Form probe", "second after"}));
    second->SetControl(nullptr);
    framework::Application().ProcessMessages();
    SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(laterPrevious));
    journal.clear();
    EXPECT_EQ(Probe(), 77);
    EXPECT_EQ(journal, (std::vector<std::string>{"Form probe"}));
}

TEST_F(HooksTest, AHookThatThrowsGoesToTheApplicationAndTheOthersStillHear) {
    std::vector<std::string> errors;
    framework::Application().onException = [&](const std::exception& e) { errors.push_back(e.what()); };
    first->SetControl(form.get());
    second->SetControl(form.get());
    second->fail = true;
    EXPECT_EQ(Probe(), 77);
    EXPECT_EQ(errors, std::vector<std::string>{"second failed"});
    EXPECT_EQ(journal, (std::vector<std::string>{"second before", "first before", "Form probe", "second after",
                                                 "first after"}));
}

TEST_F(HooksTest, DestroyingTheControlDetachesItsHooks) {
    first->SetControl(form.get());
    form.reset();  // its window goes while the hook is attached
    EXPECT_EQ(first->Control(), nullptr);
    EXPECT_EQ(first->ControlHook(), nullptr);
    framework::Application().ProcessMessages();  // nothing is hooked again
    EXPECT_EQ(journal, (std::vector<std::string>{}));
}

}  // namespace
}  // namespace skinui
