// The menu decisions that need no window: the layout of a level, moving the
// current item with the keyboard and the scroll timer, where a level's
// window goes inside its monitor, the key table and the plain arrow glyph.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/objects/SkinObjectTypes.h"
#include "skin/tests/SkinTestDoubles.h"
#include "skinui/menus/ItemViewGeometry.h"
#include "skinui/menus/MenuItem.h"
#include "skinui/tests/MenuTestSupport.h"
#include "skinui/tests/MessageNumbers.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/MenuMetrics.h"

namespace skinui {
namespace {

using skin::TPoint;
using skin::TRect;

using test::Level;

std::unique_ptr<TSeCustomItem> Numbered(int count) {
    auto root = std::make_unique<TSeCustomItem>(nullptr);
    for (int i = 0; i < count; ++i) {
        auto* item = new TSeCustomItem(nullptr);
        item->SetCaption("Item " + std::to_string(i));
        root->Add(item);
    }
    return root;
}

int Index(const TSeItemViewGeometry& view) { return view.Item()->IndexOf(view.Current()); }

TEST(MenuLayoutTest, APopupLevelStacksItsItemsAtTheWidestWidth) {
    // The recording canvas measures 5 pixels a character and, like the
    // system's text drawing, not the "&" that marks an accelerator; the
    // check column is 22 and an item adds 42, plus the short-cut's text.
    auto menu = Level({"Ro&llup", "Minimize to &Tray", "-", "&Close"});
    menu->Items(3)->SetShortCut(0x8073);  // "Alt+F4"
    TSeItemViewGeometry view(menu.get(), nullptr, false, false);
    skin::test::RecordingCanvas canvas;
    const TPoint content = view.LayoutItems(canvas);

    const int height = MenuButtonHeight();
    const int widest = 16 * 5 + 22 + 42;  // "Minimize to &Tray"
    ASSERT_GT(widest, 5 * 5 + 22 + 42 + 6 * 5);  // wider than "&Close" with "Alt+F4"
    EXPECT_EQ(content, (TPoint{widest, 3 * height + 15}));
    EXPECT_EQ(menu->Items(0)->Bounds(), (TRect{0, 0, widest, height}));
    EXPECT_EQ(menu->Items(1)->Bounds(), (TRect{0, height, widest, 2 * height}));
    EXPECT_EQ(menu->Items(2)->Bounds(), (TRect{0, 2 * height, widest, 2 * height + 15}));
    EXPECT_EQ(menu->Items(3)->Bounds(), (TRect{0, 2 * height + 15, widest, 3 * height + 15}));

    // An invisible item takes no room; the origin moves everything.
    menu->Items(0)->SetVisible(false);
    view.SetOrigin(TPoint{4, 7});
    view.LayoutItems(canvas);
    EXPECT_EQ(menu->Items(0)->Bounds(), TRect{});
    EXPECT_EQ(menu->Items(1)->Bounds(), (TRect{4, 7, 4 + widest, 7 + height}));
}

TEST(MenuLayoutTest, AScrolledLevelShowsScrollCountItemsBetweenTheArrowStrips) {
    auto menu = Numbered(12);
    menu->SetScrolled(true);
    menu->SetScrollCount(5);
    menu->SetFirstVisible(3);
    TSeItemViewGeometry view(menu.get(), nullptr, false, false);
    skin::test::RecordingCanvas canvas;
    const TPoint content = view.LayoutItems(canvas);
    const int h = MenuButtonHeight();
    EXPECT_EQ(content.Y, 20 + 5 * h);
    EXPECT_EQ(view.ShownCount(), 5);
    EXPECT_EQ(menu->Items(2)->Bounds(), TRect{});
    EXPECT_EQ(menu->Items(3)->Bounds(), (TRect{0, 10, content.X, 10 + h}));
    EXPECT_EQ(menu->Items(7)->Bounds(), (TRect{0, 10 + 4 * h, content.X, 10 + 5 * h}));
    EXPECT_EQ(menu->Items(8)->Bounds(), TRect{});
    EXPECT_EQ(view.UpArrowRect(), (TRect{0, 0, content.X, 10}));
    EXPECT_EQ(view.DownArrowRect(), (TRect{0, content.Y - 10, content.X, content.Y}));
    EXPECT_EQ(view.ArrowAt(TPoint{5, 3}), kasUp);
    EXPECT_EQ(view.ArrowAt(TPoint{5, content.Y - 1}), kasDown);
    EXPECT_EQ(view.ArrowAt(TPoint{5, 12}), kasNone);
    // Only shown items are under the mouse.
    EXPECT_EQ(view.ItemAt(TPoint{5, 12}), menu->Items(3));
    EXPECT_EQ(view.ItemAt(TPoint{5, 3}), nullptr);

    // Near the end fewer are left to show.
    menu->SetFirstVisible(9);
    EXPECT_EQ(view.ShownCount(), 3);
    EXPECT_EQ(view.LayoutItems(canvas).Y, 20 + 3 * h);

    // An unscrolled level has no strips.
    menu->SetScrolled(false);
    EXPECT_EQ(view.LayoutItems(canvas).Y, 12 * h);
    EXPECT_EQ(view.UpArrowRect(), TRect{});
}

TEST(MenuLayoutTest, AMenuBarPutsItemsSideBySideAndTheWindowButtonsAtTheRight) {
    auto bar = Level({"&File", "&Edit", "", "", ""});
    bar->Items(2)->SetSpecialKind(kskMinimize);
    bar->Items(3)->SetSpecialKind(kskClose);
    bar->Items(4)->SetSpecialKind(kskWindowIcon);
    TSeItemViewGeometry view(bar.get(), nullptr, true, true);
    skin::test::RecordingCanvas canvas;
    const TPoint content = view.LayoutItems(canvas);
    const int h = MenuButtonHeight();
    const int text = 4 * 5 + 12;  // "&File" and "&Edit": four characters shown
    EXPECT_EQ(content, (TPoint{2 * text + 3 * h, h}));
    EXPECT_EQ(bar->Items(4)->Bounds(), (TRect{0, 0, h, h}));  // icon at the left end
    EXPECT_EQ(bar->Items(0)->Bounds(), (TRect{h, 0, h + text, h}));
    EXPECT_EQ(bar->Items(1)->Bounds(), (TRect{h + text, 0, h + 2 * text, h}));
    EXPECT_EQ(bar->Items(3)->Bounds(), (TRect{content.X - h, 0, content.X, h}));  // close at the far right
    EXPECT_EQ(bar->Items(2)->Bounds(), (TRect{content.X - 2 * h, 0, content.X - h, h}));
}

TEST(MenuLayoutTest, ALevelOpensOnItsFirstVisibleItem) {
    auto menu = Level({"Hidden", "Also hidden", "&Close", "Last"});
    menu->Items(0)->SetVisible(false);
    menu->Items(1)->SetVisible(false);
    TSeItemViewGeometry view(menu.get(), nullptr, false, false);
    EXPECT_EQ(view.StartingCurrent(), menu->Items(2));
    // Scrolled past the end: the last shown item, here hidden, gives way to
    // the one before it.
    menu->SetFirstVisible(7);
    menu->Items(3)->SetVisible(false);
    EXPECT_EQ(view.StartingCurrent(), menu->Items(2));
    menu->Items(2)->SetVisible(false);
    EXPECT_EQ(view.StartingCurrent(), nullptr);
}

TEST(MenuLayoutTest, NextAndPreviousWrapAndPassOverSeparatorsAndInvisibleItems) {
    auto menu = Level({"Ro&llup", "Minimize to &Tray", "-", "&Close", "Hidden"});
    menu->Items(4)->SetVisible(false);
    TSeItemViewGeometry view(menu.get(), nullptr, false, false);
    EXPECT_EQ(view.StartingCurrent(), menu->Items(0));

    std::vector<int> downs;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(view.Step(true));
        downs.push_back(Index(view));
    }
    EXPECT_EQ(downs, (std::vector<int>{0, 1, 3, 0}));
    std::vector<int> ups;
    for (int i = 0; i < 3; ++i) {
        view.Step(false);
        ups.push_back(Index(view));
    }
    EXPECT_EQ(ups, (std::vector<int>{3, 1, 0}));

    // With no current item, Previous starts from the end.
    view.SetCurrent(nullptr);
    view.Step(false);
    EXPECT_EQ(Index(view), 3);

    // A level whose only choosable item is current stays put.
    auto lonely = Level({"-", "&Only", "-"});
    TSeItemViewGeometry alone(lonely.get(), nullptr, false, false);
    alone.SetCurrent(lonely->Items(1));
    EXPECT_FALSE(alone.Step(true));
    EXPECT_EQ(alone.Current(), lonely->Items(1));
    auto empty = Level({"-", "-"});
    TSeItemViewGeometry none(empty.get(), nullptr, false, false);
    EXPECT_FALSE(none.Step(true));
    EXPECT_EQ(none.Current(), nullptr);
}

TEST(MenuLayoutTest, SteppingThroughAScrolledLevelKeepsTheCurrentItemShown) {
    auto menu = Numbered(12);
    menu->SetScrolled(true);
    menu->SetScrollCount(5);
    TSeItemViewGeometry view(menu.get(), nullptr, false, false);
    view.SetCurrent(menu->Items(0));

    std::vector<int> firsts;
    bool scrolled = false;
    for (int i = 0; i < 11; ++i) {
        view.Step(true, &scrolled);
        firsts.push_back(menu->FirstVisible());
    }
    // Current 1..4 fit; from 5 on each step scrolls by one.
    EXPECT_EQ(firsts, (std::vector<int>{0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Index(view), 11);
    // Past the last item: back to the top.
    view.Step(true, &scrolled);
    EXPECT_TRUE(scrolled);
    EXPECT_EQ(Index(view), 0);
    EXPECT_EQ(menu->FirstVisible(), 0);
    // Before the first: the end is shown.
    view.Step(false, &scrolled);
    EXPECT_EQ(Index(view), 11);
    EXPECT_EQ(menu->FirstVisible(), 7);
    for (int i = 0; i < 5; ++i) view.Step(false, &scrolled);
    EXPECT_EQ(Index(view), 6);
    EXPECT_EQ(menu->FirstVisible(), 6);

    // Hidden leading items: wrapping to the first choosable one shows it.
    menu->Items(0)->SetVisible(false);
    menu->SetFirstVisible(7);
    view.SetCurrent(menu->Items(11));
    view.Step(true);
    EXPECT_EQ(Index(view), 1);
    EXPECT_TRUE(view.IsShown(1));
}

TEST(MenuLayoutTest, APopupNearTheBottomRightCornerOpensUpAndToTheLeft) {
    const TRect screen{0, 0, 1024, 768};
    const TPoint size{150, 80};
    EXPECT_EQ(PlaceLevel(TPoint{100, 100}, size, TRect{}, false, screen), (TPoint{100, 100}));
    EXPECT_EQ(PlaceLevel(TPoint{1000, 740}, size, TRect{}, false, screen), (TPoint{850, 660}));
    // Exactly fitting is not past the edge.
    EXPECT_EQ(PlaceLevel(TPoint{874, 688}, size, TRect{}, false, screen), (TPoint{874, 688}));
    EXPECT_EQ(PlaceLevel(TPoint{875, 689}, size, TRect{}, false, screen), (TPoint{725, 609}));
    // A second monitor's bounds count, not the primary's.
    EXPECT_EQ(PlaceLevel(TPoint{1100, 100}, size, TRect{}, false, TRect{1024, 0, 2048, 768}),
              (TPoint{1100, 100}));
}

TEST(MenuLayoutTest, ASubmenuOpensRightOfItsItemElseLeftAndStaysInsideTheBounds) {
    const TRect screen{0, 0, 1024, 768};
    const TPoint size{150, 80};
    const TRect item{300, 200, 450, 219};
    EXPECT_EQ(PlaceLevel(TPoint{450, 200}, size, item, false, screen), (TPoint{450, 200}));
    const TRect nearRight{800, 200, 950, 219};
    EXPECT_EQ(PlaceLevel(TPoint{950, 200}, size, nearRight, false, screen), (TPoint{650, 200}));
    // Near the bottom it ends at the item's bottom.
    const TRect low{300, 740, 450, 759};
    EXPECT_EQ(PlaceLevel(TPoint{450, 740}, size, low, false, screen), (TPoint{450, 679}));
    // A level too wide for either side starts at the left edge, not beyond it.
    const TRect wide{100, 200, 900, 219};
    EXPECT_EQ(PlaceLevel(TPoint{900, 200}, TPoint{950, 80}, wide, false, screen), (TPoint{0, 200}));
    EXPECT_EQ(PlaceLevel(TPoint{100, 100}, TPoint{1100, 80}, TRect{}, false, screen), (TPoint{0, 100}));
}

TEST(MenuLayoutTest, BelowAMenuBarTheLevelHangsFromTheItemOrSitsAboveIt) {
    const TRect screen{0, 0, 1024, 768};
    const TPoint size{150, 80};
    EXPECT_EQ(PlaceLevel(TPoint{10, 30}, size, TRect{10, 10, 50, 30}, true, screen), (TPoint{10, 30}));
    EXPECT_EQ(PlaceLevel(TPoint{990, 30}, size, TRect{990, 10, 1020, 30}, true, screen), (TPoint{870, 30}));
    // A bar at the bottom: the level opens above the item.
    EXPECT_EQ(PlaceLevel(TPoint{10, 750}, size, TRect{10, 730, 50, 750}, true, screen), (TPoint{10, 650}));
    // Too tall for above as well: from the top of the bounds.
    EXPECT_EQ(PlaceLevel(TPoint{10, 750}, TPoint{150, 760}, TRect{10, 730, 50, 750}, true, screen),
              (TPoint{10, 0}));
}

TEST(MenuLayoutTest, TheTrackingLoopsTablesOfMessagesAndKeys) {
    using namespace test;
    EXPECT_EQ(ClassifyTrackingMessage(wm::kQuit), TSeTrackAction::CloseAllKeep);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kNcLButtonDown), TSeTrackAction::CloseAllKeep);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kNcMButtonDblClk), TSeTrackAction::CloseAllKeep);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kNcMouseMove), TSeTrackAction::Dispatch);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kNcMButtonDblClk + 1), TSeTrackAction::Dispatch);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kWindowPosChanging), TSeTrackAction::CloseAllAndLeave);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kSysKeyDown), TSeTrackAction::Key);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kSysChar), TSeTrackAction::Char);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kKeyUp), TSeTrackAction::Ignore);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kKeyLast), TSeTrackAction::Ignore);
    EXPECT_EQ(ClassifyTrackingMessage(kOpenSubmenuMessage), TSeTrackAction::OpenSubmenu);
    EXPECT_EQ(ClassifyTrackingMessage(wm::kTimer), TSeTrackAction::Dispatch);

    using P = TSeParentKind;
    // The arrows mean different things in a bar and in a popup.
    EXPECT_EQ(MenuKeyAction(vk::kLeft, true, P::None), TSeKeyAction::Previous);
    EXPECT_EQ(MenuKeyAction(vk::kUp, true, P::None), TSeKeyAction::Ignore);
    EXPECT_EQ(MenuKeyAction(vk::kRight, true, P::None), TSeKeyAction::Next);
    EXPECT_EQ(MenuKeyAction(vk::kDown, true, P::None), TSeKeyAction::OpenSubmenu);
    EXPECT_EQ(MenuKeyAction(vk::kUp, false, P::None), TSeKeyAction::Previous);
    EXPECT_EQ(MenuKeyAction(vk::kDown, false, P::Popup), TSeKeyAction::Next);
    EXPECT_EQ(MenuKeyAction(vk::kLeft, false, P::MenuBar), TSeKeyAction::LeftToMenuBar);
    EXPECT_EQ(MenuKeyAction(vk::kLeft, false, P::Popup), TSeKeyAction::EscapeSelf);
    EXPECT_EQ(MenuKeyAction(vk::kLeft, false, P::None), TSeKeyAction::Ignore);
    EXPECT_EQ(MenuKeyAction(vk::kRight, false, P::MenuBar), TSeKeyAction::RightOpenOrToMenuBar);
    EXPECT_EQ(MenuKeyAction(vk::kRight, false, P::Popup), TSeKeyAction::RightOpenOrEscape);
    EXPECT_EQ(MenuKeyAction(vk::kRight, false, P::None), TSeKeyAction::RightOpen);
    EXPECT_EQ(MenuKeyAction(vk::kF10, false, P::None), TSeKeyAction::CloseAll);
    EXPECT_EQ(MenuKeyAction(vk::kSpace, false, P::None), TSeKeyAction::Ignore);
    EXPECT_EQ(MenuKeyAction('T', false, P::None), TSeKeyAction::Translate);
}

TEST(MenuLayoutTest, TheArrowGlyphIsDrawnInTheTextColourWithItsKeyPixelsLeftOut) {
    skin::TSeBitmap& glyph = SubmenuArrowGlyph();
    glyph.SetSize(20, 20);
    glyph.Fill(skin::kKeyPixel);
    *glyph.PixelPtr(10, 10) = 0xFF000000;
    *glyph.PixelPtr(11, 10) = 0xFF808080;
    skin::test::RecordingCanvas canvas;
    DrawSubmenuArrow(canvas, TRect{100, 0, 120, 30}, 0x000000FF);
    ASSERT_EQ(canvas.calls.size(), 1u);
    const skin::test::DrawCall& call = canvas.calls[0];
    EXPECT_TRUE(call.masked);
    EXPECT_EQ(call.destination, (TRect{100, 5, 120, 25}));
    ASSERT_NE(call.bitmap, nullptr);
    EXPECT_EQ(call.bitmap->GetPixel(10, 10) & 0xFFFFFF, 0xFF0000u);  // red, as a pixel
    EXPECT_EQ(call.bitmap->GetPixel(11, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_TRUE(skin::IsKeyPixel(call.bitmap->GetPixel(0, 0)));

    // A changed glyph is coloured afresh; a forgotten one leaves the triangle.
    SubmenuArrowGlyph().Fill(skin::kKeyPixel);
    canvas.calls.clear();
    DrawSubmenuArrow(canvas, TRect{100, 0, 120, 30}, 0x000000FF);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_TRUE(skin::IsKeyPixel(canvas.calls[0].bitmap->GetPixel(10, 10)));
    ForgetSubmenuArrowGlyph();
    EXPECT_TRUE(SubmenuArrowGlyph().Empty());
}

}  // namespace
}  // namespace skinui
