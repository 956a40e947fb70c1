#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ClassRegistry.h"
#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/win32/Application.h"
#include "framework/win32/BitBtn.h"
#include "framework/win32/Dialogs.h"
#include "framework/win32/Form.h"
#include "framework/win32/ProgressBar.h"
#include "framework/win32/StdControls.h"

namespace framework {
namespace {

const char* const kDescription =
    "object TestForm: TTestForm\r\n"
    "  Left = 100\r\n"
    "  Top = 80\r\n"
    "  BorderIcons = []\r\n"
    "  BorderStyle = bsSingle\r\n"
    "  Caption = 'Test form'\r\n"
    "  ClientHeight = 200\r\n"
    "  ClientWidth = 300\r\n"
    "  Color = clBtnFace\r\n"
    "  Font.Charset = DEFAULT_CHARSET\r\n"
    "  Font.Color = clWindowText\r\n"
    "  Font.Height = -11\r\n"
    "  Font.Name = 'MS Sans Serif'\r\n"
    "  Font.Style = []\r\n"
    "  OnCreate = FormCreate\r\n"
    "  PixelsPerInch = 96\r\n"
    "  TextHeight = 13\r\n"
    "  object Memo1: TMemo\r\n"
    "    Left = 8\r\n"
    "    Top = 8\r\n"
    "    Width = 200\r\n"
    "    Height = 100\r\n"
    "    ScrollBars = ssVertical\r\n"
    "    TabOrder = 0\r\n"
    "  end\r\n"
    "  object Bar: TProgressBar\r\n"
    "    Left = 8\r\n"
    "    Top = 110\r\n"
    "    Width = 200\r\n"
    "    Height = 17\r\n"
    "    Smooth = True\r\n"
    "  end\r\n"
    "  object Check: TCheckBox\r\n"
    "    Left = 8\r\n"
    "    Top = 130\r\n"
    "    Width = 97\r\n"
    "    Height = 17\r\n"
    "    Caption = 'Check me'\r\n"
    "    Checked = True\r\n"
    "    TabOrder = 3\r\n"
    "  end\r\n"
    "  object Button: TButton\r\n"
    "    Left = 120\r\n"
    "    Top = 130\r\n"
    "    Width = 80\r\n"
    "    Height = 25\r\n"
    "    Caption = 'Go'\r\n"
    "    TabOrder = 1\r\n"
    "    OnClick = ButtonClick\r\n"
    "  end\r\n"
    "  object CloseButton: TBitBtn\r\n"
    "    Left = 210\r\n"
    "    Top = 130\r\n"
    "    Width = 80\r\n"
    "    Height = 25\r\n"
    "    TabOrder = 2\r\n"
    "    Kind = bkClose\r\n"
    "  end\r\n"
    "  object Label1: TLabel\r\n"
    "    Left = 8\r\n"
    "    Top = 170\r\n"
    "    Width = 100\r\n"
    "    Height = 13\r\n"
    "    Caption = 'A label'\r\n"
    "  end\r\n"
    "end\r\n";

class TTestForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TTestForm";
    using TForm::TForm;
    std::string_view ClassName() const override { return kClassName; }

    TNotifyEvent MethodAddress(std::string_view name) override {
        if (name == "FormCreate") return [this](TComponent&) { ++creates; };
        if (name == "ButtonClick") return [this](TComponent&) { ++clicks; };
        return {};
    }

    int creates = 0;
    int clicks = 0;
    bool allowClose = true;
    int closeQueries = 0;

protected:
    bool CloseQuery() override {
        ++closeQueries;
        return allowClose;
    }
};

template <class T>
T& Field(TForm& form, const char* name) {
    auto* c = dynamic_cast<T*>(form.FindComponent(name));
    if (!c) throw std::runtime_error(std::string("missing ") + name);
    return *c;
}

RECT BoundsInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Text(HWND window) {
    char buffer[256] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

class FormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Application().Initialize();
        RegisterStandardControls();
    }
    void SetUp() override {
        const std::vector<std::uint8_t> binary = ObjectTextToBinary(kDescription);
        form = std::make_unique<TTestForm>(nullptr);
        form->LoadFromDescription(binary);
        form->Show();
        Application().ProcessMessages();
    }
    void TearDown() override {
        form.reset();
        Application().ProcessMessages();
    }
    std::unique_ptr<TTestForm> form;
};

TEST_F(FormTest, DescriptionCreatesControlsAtTheirBoundsWithCaptions) {
    ASSERT_TRUE(form->HandleAllocated());
    EXPECT_EQ(form->creates, 1);
    EXPECT_EQ(Text(form->Handle()), "Test form");
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    RECT frame;
    GetWindowRect(form->Handle(), &frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 80);
    EXPECT_EQ(GetWindowLongA(form->Handle(), GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME), 0);

    struct Expected {
        const char* name;
        RECT bounds;
        const char* caption;
    };
    for (const Expected& e : {Expected{"Memo1", {8, 8, 208, 108}, ""}, Expected{"Bar", {8, 110, 208, 127}, ""},
                              Expected{"Check", {8, 130, 105, 147}, "Check me"},
                              Expected{"Button", {120, 130, 200, 155}, "Go"},
                              Expected{"CloseButton", {210, 130, 290, 155}, "&Close"},
                              Expected{"Label1", {8, 170, 108, 183}, "A label"}}) {
        SCOPED_TRACE(e.name);
        TControl& c = Field<TControl>(*form, e.name);
        ASSERT_TRUE(c.HandleAllocated());
        EXPECT_EQ(GetParent(c.Handle()), form->Handle());
        const RECT r = BoundsInParent(c.Handle());
        EXPECT_EQ(r.left, e.bounds.left);
        EXPECT_EQ(r.top, e.bounds.top);
        EXPECT_EQ(r.right, e.bounds.right);
        EXPECT_EQ(r.bottom, e.bounds.bottom);
        EXPECT_EQ(Text(c.Handle()), e.caption);
    }
    EXPECT_TRUE(Field<TCheckBox>(*form, "Check").Checked());
    EXPECT_TRUE(GetWindowLongA(Field<TMemo>(*form, "Memo1").Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(GetWindowLongA(Field<TProgressBar>(*form, "Bar").Handle(), GWL_STYLE) & PBS_SMOOTH);
}

TEST_F(FormTest, TabKeyFollowsTabOrderNotCreationOrder) {
    std::vector<std::string> visited;
    Field<TMemo>(*form, "Memo1").SetFocus();
    for (int i = 0; i < 4; ++i) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        Application().ProcessMessages();
        TControl* focused = nullptr;
        for (TControl* c : form->Controls()) {
            if (c->Focused()) focused = c;
        }
        visited.push_back(focused ? focused->Name() : "?");
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Button", "CloseButton", "Check", "Memo1"}));
}

TEST_F(FormTest, MemoAppendsClearsAndKeepsLongLogs) {
    TMemo& memo = Field<TMemo>(*form, "Memo1");
    memo.Lines().Add("first");
    memo.Lines().Add("End of Diagnostic.      ");
    EXPECT_EQ(memo.Lines().Text(), "first\r\nEnd of Diagnostic.      \r\n");
    EXPECT_EQ(memo.Lines().Lines(), (std::vector<std::string>{"first", "End of Diagnostic.      "}));
    memo.Lines().Clear();
    EXPECT_EQ(memo.Lines().Count(), 0u);
    // Beyond the edit control's default limit of 32 KB.
    const std::string longLine(2000, 'x');
    for (int i = 0; i < 20; ++i) memo.Lines().Add(longLine);
    memo.Lines().Add("err $000000 FF : 00");
    EXPECT_EQ(memo.Lines().Count(), 21u);
    EXPECT_EQ(memo.Lines().Lines().back(), "err $000000 FF : 00");
    // A line the user typed without a line break is ended before the next one.
    memo.Lines().Clear();
    SetWindowTextA(memo.Handle(), "typed");
    memo.Lines().Add("added");
    EXPECT_EQ(memo.Lines().Text(), "typed\r\nadded\r\n");
}

TEST_F(FormTest, ButtonAndCheckBoxAnswerClicks) {
    SendMessageA(Field<TButton>(*form, "Button").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->clicks, 1);
    TCheckBox& check = Field<TCheckBox>(*form, "Check");
    SendMessageA(check.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(check.Checked());
    check.SetChecked(true);
    EXPECT_TRUE(check.Checked());
}

TEST_F(FormTest, CloseButtonClosesUnlessTheFormRefuses) {
    HWND window = form->Handle();
    form->allowClose = false;
    SendMessageA(Field<TBitBtn>(*form, "CloseButton").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->closeQueries, 1);
    EXPECT_TRUE(IsWindow(window));
    form->allowClose = true;
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_FALSE(Field<TMemo>(*form, "Memo1").HandleAllocated());
}

TEST_F(FormTest, ProgressBarShowsRangeAndPositionAndPumpsMessagesOnChange) {
    TProgressBar& bar = Field<TProgressBar>(*form, "Bar");
    bar.SetMin(0);
    bar.SetMax(256);
    bar.SetPosition(0);
    PBRANGE range{};
    SendMessageA(bar.Handle(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(range.iLow, 0);
    EXPECT_EQ(range.iHigh, 256);
    // A click waiting in the queue is handled inside the position setter.
    PostMessageA(Field<TButton>(*form, "Button").Handle(), BM_CLICK, 0, 0);
    bar.SetPosition(bar.Position() + 1);
    EXPECT_EQ(SendMessageA(bar.Handle(), PBM_GETPOS, 0, 0), 1);
    EXPECT_EQ(form->clicks, 1);
    // An unchanged position pumps nothing.
    PostMessageA(Field<TButton>(*form, "Button").Handle(), BM_CLICK, 0, 0);
    bar.SetPosition(1);
    EXPECT_EQ(form->clicks, 1);
    Application().ProcessMessages();
    EXPECT_EQ(form->clicks, 2);
}

// Finds the message box of this thread, records it and presses OK.
struct MessageBoxProbe {
    static inline int seen = 0;
    static inline std::string title, text;
    static inline bool hasIcon = false;
    static inline int buttons = 0;

    static BOOL CALLBACK Visit(HWND window, LPARAM) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
        ++seen;
        title = Text(window);
        char buffer[256] = {};
        GetDlgItemTextA(window, 0xFFFF, buffer, sizeof buffer);
        text = buffer;
        EnumChildWindows(window, &VisitChild, 0);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    static BOOL CALLBACK VisitChild(HWND child, LPARAM) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageA(child, STM_GETICON, 0, 0) != 0) {
            hasIcon = true;
        }
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::string(className) == "Button") ++buttons;
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), &Visit, 0);
    }
};

TEST(MessageDialogTest, InformationBoxHasTitleTextIconAndOneOkButton) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &MessageBoxProbe::OnTimer);
    const int result = ShowMessageDialog("Something to say", TMsgDlgType::mtInformation);
    KillTimer(nullptr, timer);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(MessageBoxProbe::seen, 1);
    EXPECT_EQ(MessageBoxProbe::title, "Information");
    EXPECT_EQ(MessageBoxProbe::text, "Something to say");
    EXPECT_TRUE(MessageBoxProbe::hasIcon);
    EXPECT_EQ(MessageBoxProbe::buttons, 1);
}

TEST(FormLoadTest, BrokenDescriptionsFailCleanly) {
    Application().Initialize();
    RegisterStandardControls();
    std::string text = kDescription;
    text.replace(text.find("ScrollBars = ssVertical"), 23, "ScrollBars = ssDiagonal");
    TTestForm form(nullptr);
    EXPECT_THROW(form.LoadFromDescription(ObjectTextToBinary(text)), EReadError);
    EXPECT_FALSE(form.HandleAllocated());
    std::vector<std::uint8_t> truncated = ObjectTextToBinary(kDescription);
    truncated.resize(truncated.size() / 2);
    TTestForm other(nullptr);
    EXPECT_THROW(other.LoadFromDescription(truncated), EReadError);
}

}  // namespace
}  // namespace framework
