// The menu item tree without windows: inserting and removing, the searches
// by accelerator and short-cut, choosing an item with and without an
// action, the action link, and the short-cut dispatch walk.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Action.h"
#include "skinui/menus/MenuItem.h"
#include "skinui/tests/MenuTestSupport.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/SeImageList.h"

namespace skinui {
namespace {

// A root with children of the given captions; the root owns them.
using test::Level;

TEST(MenuItemTest, TheTreeOwnsItsChildrenAndAnItemGoesIntoOneParentOnly) {
    auto root = Level({"&Open", "&Save"});
    TSeCustomItem* open = root->Items(0);
    auto* recent = new TSeCustomItem(nullptr);
    open->Add(recent);
    EXPECT_EQ(recent->Parent(), open);
    EXPECT_EQ(recent->Root(), root.get());
    EXPECT_EQ(root->Items(2), nullptr);
    EXPECT_EQ(root->Items(-1), nullptr);

    auto other = Level({});
    try {
        other->Add(recent);
        FAIL() << "an item with a parent was inserted again";
    } catch (const EZtItemError& error) {
        EXPECT_STREQ(error.what(), "Toolbar item already inserted");
    }
    EXPECT_EQ(recent->Parent(), open);
    EXPECT_EQ(open->Count(), 1);
    // An item cannot become a child of its own child either.
    open->Remove(recent);
    EXPECT_EQ(recent->Parent(), nullptr);
    recent->Add(new TSeCustomItem(nullptr));
    root->Remove(open);
    recent->Items(0)->Add(open);
    EXPECT_THROW(open->Add(recent), EZtItemError);

    // Insert places by index; destroying a child takes it out of its parent.
    auto* first = new TSeCustomItem(nullptr);
    root->Insert(0, first);
    EXPECT_EQ(root->IndexOf(first), 0);
    EXPECT_EQ(root->Items(1)->Caption(), "&Save");
    delete first;
    EXPECT_EQ(root->Count(), 1);
    EXPECT_FALSE(TSeCustomItem::Alive(first));
    delete recent;  // with its child and `open` below it
    EXPECT_FALSE(TSeCustomItem::Alive(open));
}

TEST(MenuItemTest, AcceleratorsAreFoundByTheirMarkedCharacterInEitherCase) {
    auto menu = Level({"Ro&llup", "Minimize to &Tray", "-", "&Close"});
    EXPECT_EQ(menu->FindByAccelerator('t'), menu->Items(1));
    EXPECT_EQ(menu->FindByAccelerator('T'), menu->Items(1));
    EXPECT_EQ(menu->FindByAccelerator('l'), menu->Items(0));
    EXPECT_EQ(menu->FindByAccelerator('c'), menu->Items(3));
    // Unmarked letters and the separator are not accelerators.
    EXPECT_EQ(menu->FindByAccelerator('R'), nullptr);
    EXPECT_EQ(menu->FindByAccelerator('-'), nullptr);
    // A hidden item is never current, so its accelerator finds the next item
    // that has it, or nothing.
    auto hidden = Level({"&Hidden", "&Help", "&Close"});
    hidden->Items(0)->SetVisible(false);
    EXPECT_EQ(hidden->FindByAccelerator('h'), hidden->Items(1));
    hidden->Items(2)->SetVisible(false);
    EXPECT_EQ(hidden->FindByAccelerator('c'), nullptr);
}

TEST(MenuItemTest, ShortCutCodesAndTheirText) {
    EXPECT_EQ(ShortCutCode(0x73, false, false, true), 0x8073);
    EXPECT_EQ(ShortCutCode('S', true, true, false), 'S' + 0x2000 + 0x4000);
    EXPECT_EQ(ShortCutToText(0x8073), "Alt+F4");
    EXPECT_EQ(ShortCutToText('S' + kscCtrl), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(0x2E + kscShift + kscCtrl), "Shift+Ctrl+Del");
    EXPECT_EQ(ShortCutToText(0), "");
}

TEST(MenuItemTest, ClickRunsOnlyForAnEnabledLeafThatIsNoSeparator) {
    auto menu = Level({"&Go", "-", "&Off", "&Sub"});
    std::vector<std::string> ran;
    for (int i = 0; i < menu->Count(); ++i) {
        menu->Items(i)->onClick = [&ran](framework::TComponent& c) {
            ran.push_back(static_cast<TSeCustomItem&>(c).Caption());
        };
    }
    menu->Items(2)->SetEnabled(false);
    menu->Items(3)->Add(new TSeCustomItem(nullptr));
    for (int i = 0; i < menu->Count(); ++i) menu->Items(i)->Click();
    EXPECT_EQ(ran, (std::vector<std::string>{"&Go"}));
}

TEST(MenuItemTest, TheActionLinkFollowsTheActionAndItsHandlerRunsOnce) {
    framework::TAction action(nullptr);
    int executed = 0, clicked = 0;
    action.SetOnExecute("ActionRun", [&](framework::TComponent&) { ++executed; });
    action.SetCaption("&Print");
    action.SetShortCut('P' + kscCtrl);
    auto item = std::make_unique<TSeCustomItem>(nullptr);
    item->SetAction(&action);
    EXPECT_EQ(item->Caption(), "&Print");
    EXPECT_EQ(item->ShortCut(), 'P' + kscCtrl);
    action.SetEnabled(false);
    EXPECT_FALSE(item->Enabled());
    action.SetEnabled(true);

    // The taken-over handler is the action's: run through the action.
    item->RunClick();
    EXPECT_EQ(executed, 1);
    // An OnClick of its own wins over the action.
    item->SetOnClick("ItemClick", [&](framework::TComponent&) { ++clicked; });
    item->RunClick();
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicked, 1);

    // Loading takes only what the item left at its default.
    auto loaded = std::make_unique<TSeCustomItem>(nullptr);
    loaded->SetCaption("Own");
    loaded->SetLoading(true);
    loaded->SetAction(&action);
    loaded->SetLoading(false);
    EXPECT_EQ(loaded->Caption(), "Own");
    EXPECT_EQ(loaded->ShortCut(), 'P' + kscCtrl);
}

TEST(MenuItemTest, FreeingTheActionOrTheImageListClearsTheItemsReference) {
    auto item = std::make_unique<TSeCustomItem>(nullptr);
    auto* action = new framework::TAction(nullptr);
    action->SetOnExecute("Run", [](framework::TComponent&) {});
    auto* images = new TSeImageList(nullptr);
    item->SetAction(action);
    item->SetImages(images);
    delete action;
    delete images;
    EXPECT_EQ(item->Action(), nullptr);
    EXPECT_EQ(item->Images(), nullptr);
    EXPECT_FALSE(item->onClick);
    item->RunClick();  // nothing left to run, and nothing dangling
}

TEST(MenuItemTest, ShortCutDispatchWalksFromTheTopAndStopsAtADisabledItem) {
    auto tree = Level({"&File"});
    TSeCustomItem* file = tree->Items(0);
    auto* save = new TSeCustomItem(nullptr);
    save->SetCaption("&Save");
    save->SetShortCut('S' + kscCtrl);
    file->Add(save);
    int saved = 0;
    save->onClick = [&](framework::TComponent&) { ++saved; };

    const auto noErrors = [](const std::exception& e) { FAIL() << e.what(); };
    EXPECT_TRUE(DispatchShortCut(*tree, 'S' + kscCtrl, noErrors));
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(DispatchShortCut(*tree, 'S', noErrors));

    // A disabled item on the way: found, but nothing runs.
    file->SetEnabled(false);
    EXPECT_TRUE(DispatchShortCut(*tree, 'S' + kscCtrl, noErrors));
    EXPECT_EQ(saved, 1);
}

TEST(MenuItemTest, ShortCutDispatchReportsAFailedClickAndSearchesAgainAfterTheTreeChanged) {
    auto tree = Level({"A", "B"});
    TSeCustomItem* a = tree->Items(0);
    TSeCustomItem* b = tree->Items(1);
    a->SetShortCut('K');
    std::vector<std::string> log;
    // A's click hands the short-cut on to B and fails.
    a->onClick = [&](framework::TComponent&) {
        log.push_back("A");
        a->SetShortCut(0);
        b->SetShortCut('K');
        throw std::runtime_error("A failed");
    };
    b->onClick = [&](framework::TComponent&) { log.push_back("B"); };
    std::vector<std::string> errors;
    EXPECT_TRUE(DispatchShortCut(*tree, 'K', [&](const std::exception& e) { errors.push_back(e.what()); }));
    EXPECT_EQ(log, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(errors, (std::vector<std::string>{"A failed"}));

    // Clicks that keep handing the code back and forth end all the same.
    int clicks = 0;
    a->onClick = [&](framework::TComponent&) {
        ++clicks;
        a->SetShortCut(0);
        b->SetShortCut('K');
    };
    b->onClick = [&](framework::TComponent&) {
        ++clicks;
        b->SetShortCut(0);
        a->SetShortCut('K');
    };
    EXPECT_TRUE(DispatchShortCut(*tree, 'K', [](const std::exception&) {}));
    EXPECT_GT(clicks, 1);
    EXPECT_LT(clicks, 100);
}

}  // namespace
}  // namespace skinui
