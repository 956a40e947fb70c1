// System buttons: visibility by frame state and border icons, mouse
// tracking, actions on the skinned form; rolling panels.
#include <gtest/gtest.h>

#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/RollPanelObject.h"
#include "skin/objects/SysButtonSkinObject.h"
#include "skin/objects/SystemButton.h"
#include "tests/SkinTestDoubles.h"

namespace skin {
namespace {

using test::FakeControl;
using test::FakeForm;

struct ButtonFixture : ::testing::Test {
    FakeForm form;
    FakeControl control;
    TSeSkinObject root{nullptr};
    TSeSystemButton* button = new TSeSystemButton(&root);

    void SetUp() override {
        control.form = &form;
        root.SetBounds(MakeBounds(0, 0, 100, 20));
        button->SetBounds(MakeBounds(80, 2, 16, 14));
        root.SetControl(&control);
    }
};

TEST_F(ButtonFixture, MaximizeButtonHidesWhenMaximizedAndWithoutItsIcon) {
    button->SetAction(sbaMaximize);
    root.SetState(kStateMaximized);
    EXPECT_FALSE(button->Visible());
    root.SetState(kStateNormal);
    EXPECT_TRUE(button->Visible());
    root.SetState(kStateMinimized);
    EXPECT_FALSE(button->Visible());

    form.icons &= ~BorderIconBit(kbiMaximize);
    for (int state : {kStateNormal, kStateMaximized, kStateMinimized, kStateRolledUp}) {
        root.SetState(state);
        EXPECT_FALSE(button->Visible()) << state;
    }
}

TEST_F(ButtonFixture, VisibilityTableByActionAndState) {
    struct Row {
        TSeAction action;
        bool normal, maximized, minimized, rolledUp;
    } rows[] = {
        {sbaRestore, false, true, true, false},  {sbaRollDown, false, false, false, true},
        {sbaMinimize, true, true, false, true},  {sbaRollUp, true, true, false, false},
        {sbaClose, true, true, true, true},      {sbaCustom, true, true, true, true},
    };
    for (const Row& row : rows) {
        button->SetAction(row.action);
        const bool expected[] = {row.normal, row.maximized, row.minimized, row.rolledUp};
        const int states[] = {kStateNormal, kStateMaximized, kStateMinimized, kStateRolledUp};
        for (int i = 0; i < 4; ++i) {
            root.SetState(states[i]);
            EXPECT_EQ(button->Visible(), expected[i]) << int(row.action) << " in state " << states[i];
        }
        // Element states leave the visibility as it is.
        const bool before = button->Visible();
        root.SetState(kStateHot);
        EXPECT_EQ(button->Visible(), before);
    }
    // Without icons only the actions that need none stay visible.
    form.icons = 0;
    button->SetAction(sbaCustom);
    root.SetState(kStateNormal);
    EXPECT_TRUE(button->Visible());
    button->SetAction(sbaTray);
    root.SetState(kStateNormal);
    EXPECT_FALSE(button->Visible());
}

TEST_F(ButtonFixture, WithoutASkinnedFormVisibilityStays) {
    control.form = nullptr;
    button->SetAction(sbaRestore);
    root.SetState(kStateNormal);
    EXPECT_TRUE(button->Visible());
}

TEST_F(ButtonFixture, ClickRunsTheActionOnce) {
    button->SetAction(sbaMinimize);
    button->MouseEnter();
    EXPECT_EQ(button->ButtonState(), 1);
    button->MouseDown(mbLeft, 3, 3);
    EXPECT_EQ(button->ButtonState(), 2);
    button->MouseMove(ssLeft, 4, 4);
    EXPECT_EQ(button->ButtonState(), 2);
    button->MouseUp(mbLeft, 4, 4);
    EXPECT_EQ(button->ButtonState(), 1);
    EXPECT_EQ(form.calls, std::vector<std::string>{"minimize"});
    // Every change asked the control to repaint the button.
    EXPECT_EQ(control.changed.size(), 4u);
    EXPECT_EQ(control.changed.front(), button);

    button->MouseUp(mbLeft, 4, 4);  // no press before: nothing
    button->MouseDown(mbRight, 1, 1);
    button->MouseUp(mbRight, 1, 1);
    EXPECT_EQ(form.calls.size(), 1u);
}

TEST_F(ButtonFixture, EnteringWithTheButtonHeldShowsItPressed) {
    button->MouseMove(ssLeft, 0, 0);
    button->MouseLeave();
    EXPECT_EQ(button->ButtonState(), 0);
    button->MouseEnter();
    EXPECT_EQ(button->ButtonState(), 2);
}

// Both caption button classes track the mouse alike: after each step, the
// button's state, whether it was repainted and whether its action ran.
template <class Button>
struct PressTrackingTest : ::testing::Test {};
using CaptionButtons = ::testing::Types<TSeSystemButton, TSeSysButtonSkinObject>;
TYPED_TEST_SUITE(PressTrackingTest, CaptionButtons);

TYPED_TEST(PressTrackingTest, StepsGiveTheSameStatesRepaintsAndActions) {
    enum Step { kEnter, kLeave, kLeftDown, kRightDown, kMoveHeld, kMoveFree, kLeftUp, kRightUp };
    struct Row {
        Step step;
        int state;
        bool repainted;
        bool acted;
    };
    const Row rows[] = {
        {kEnter, 1, true, false},     {kRightDown, 1, false, false}, {kLeftDown, 2, true, false},
        {kMoveHeld, 2, true, false},  {kLeave, 0, true, false},      {kEnter, 2, true, false},
        {kRightUp, 2, false, false},  {kLeftUp, 1, true, true},      {kLeftUp, 1, false, false},
        {kMoveFree, 1, false, false}, {kLeave, 0, true, false},      {kEnter, 1, true, false},
    };
    FakeForm form;
    FakeControl control;
    control.form = &form;
    TSeSkinObject root(nullptr);
    auto* button = new TypeParam(&root);
    root.SetBounds(MakeBounds(0, 0, 100, 20));
    button->SetBounds(MakeBounds(80, 2, 16, 14));
    button->SetAction(sbaMinimize);
    root.SetControl(&control);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const std::size_t repaints = control.changed.size();
        const std::size_t actions = form.calls.size();
        switch (row.step) {
            case kEnter: button->MouseEnter(); break;
            case kLeave: button->MouseLeave(); break;
            case kLeftDown: button->MouseDown(mbLeft, 1, 1); break;
            case kRightDown: button->MouseDown(mbRight, 1, 1); break;
            case kMoveHeld: button->MouseMove(ssLeft, 2, 2); break;
            case kMoveFree: button->MouseMove(0, 2, 2); break;
            case kLeftUp: button->MouseUp(mbLeft, 2, 2); break;
            case kRightUp: button->MouseUp(mbRight, 2, 2); break;
        }
        EXPECT_EQ(button->ButtonState(), row.state) << "step " << i;
        EXPECT_EQ(control.changed.size() > repaints, row.repainted) << "step " << i;
        EXPECT_EQ(form.calls.size() > actions, row.acted) << "step " << i;
    }
    EXPECT_EQ(form.calls, std::vector<std::string>{"minimize"});
}

TEST_F(ButtonFixture, ActionsReachTheirFormOperations) {
    const std::pair<TSeAction, const char*> table[] = {
        {sbaClose, "close"},     {sbaHelp, "help"},      {sbaMaximize, "maximize"}, {sbaRestore, "restore"},
        {sbaRollDown, "restore"}, {sbaRollUp, "rollup"}, {sbaTray, "tray"},         {sbaSysMenu, "sysmenu"},
        {sbaCustom, "custom"},
    };
    for (auto [action, name] : table) {
        form.calls.clear();
        button->SetAction(action);
        button->MouseDown(mbLeft, 0, 0);
        button->MouseUp(mbLeft, 0, 0);
        EXPECT_EQ(form.calls, std::vector<std::string>{name});
    }
    EXPECT_EQ(form.customSender, button);
    form.calls.clear();
    button->SetAction(sbaNone);
    button->MouseDown(mbLeft, 0, 0);
    button->MouseUp(mbLeft, 0, 0);
    EXPECT_TRUE(form.calls.empty());
}

TEST_F(ButtonFixture, DoubleClickOnTheSystemMenuButtonCloses) {
    button->SetAction(sbaSysMenu);
    button->MouseDoubleClick(mbLeft, 0, 0);
    EXPECT_EQ(form.calls, std::vector<std::string>{"close"});
    button->SetAction(sbaClose);
    button->MouseDoubleClick(mbLeft, 0, 0);
    EXPECT_EQ(form.calls.size(), 1u);
}

TEST_F(ButtonFixture, HiddenObjectsAndObjectsWithoutAControlDoNotInvalidate) {
    button->SetVisible(false);
    button->Invalidate();
    EXPECT_TRUE(control.changed.empty());
    TSeSystemButton lonely(nullptr);
    lonely.SetAction(sbaClose);
    lonely.MouseDown(mbLeft, 0, 0);
    lonely.MouseUp(mbLeft, 0, 0);
    EXPECT_EQ(lonely.GetSkinForm(), nullptr);
    EXPECT_TRUE(form.calls.empty());
}

TEST_F(ButtonFixture, ControlGivesItsReadingOrderToTheTree) {
    control.biDiMode = 1;
    root.SetControl(&control);
    EXPECT_EQ(button->BiDiMode(), 1);
    EXPECT_EQ(button->Control(), &control);
    root.SetControl(nullptr);
    EXPECT_EQ(button->BiDiMode(), 0);
}

TEST(RollPanelTest, RollButtonTogglesThePanelFoundFromTheRoot) {
    FakeForm form;
    FakeControl control;
    control.form = &form;
    TSeSkinObject root(nullptr);
    root.SetBounds(MakeBounds(0, 0, 200, 100));
    auto* panel = new TSeRollPanelObject(&root);
    panel->SetName("Panel");
    panel->SetRollKind(rkLeft);
    panel->SetRollValue(20);
    panel->SetBounds(MakeBounds(100, 0, 80, 100));
    auto* bar = new TSeSkinObject(&root);
    auto* button = new TSeSysButtonSkinObject(bar);
    button->SetAction(sbaRollPanel);
    button->SetRollPanel("panel");
    root.SetControl(&control);

    button->MouseDown(mbLeft, 0, 0);
    button->MouseUp(mbLeft, 0, 0);
    EXPECT_TRUE(panel->Rolled());
    EXPECT_EQ(panel->BoundsRect(), MakeBounds(160, 0, 20, 100));  // right edge kept
    EXPECT_EQ(control.messageRuns, 1);
    button->MouseDown(mbLeft, 0, 0);
    button->MouseUp(mbLeft, 0, 0);
    EXPECT_FALSE(panel->Rolled());
    EXPECT_EQ(panel->BoundsRect(), MakeBounds(100, 0, 80, 100));
    EXPECT_TRUE(form.calls.empty());

    panel->SetRollKind(rkBottom);
    panel->Roll();
    EXPECT_EQ(panel->BoundsRect(), MakeBounds(100, 0, 80, 20));  // top edge kept

    TSeRollPanelObject orphan(nullptr);
    orphan.SetRollValue(5);
    orphan.SetBounds(MakeBounds(0, 0, 50, 50));
    orphan.Roll();
    EXPECT_EQ(orphan.Width(), 50);
}

}  // namespace
}  // namespace skin
