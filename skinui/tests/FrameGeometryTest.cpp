// The frame arithmetic that needs no window: frame size, client bounds, the
// client rectangle given to the system, the plain caption buttons, the
// rolled-up bounds and the track sizes.
#include <gtest/gtest.h>

#include "skinui/frame/FrameGeometry.h"

namespace skinui {
namespace {

using skin::TPoint;
using skin::TRect;

TEST(FrameGeometryTest, TheShadowTakesItsSizeOffTheFrameExceptWhenMaximized) {
    EXPECT_EQ(FrameSizeOf(370, 463, 4, kwsNormal), (TPoint{366, 459}));
    EXPECT_EQ(FrameSizeOf(370, 463, 4, kwsRollup), (TPoint{366, 459}));
    EXPECT_EQ(FrameSizeOf(370, 463, 4, kwsMaximized), (TPoint{370, 463}));
    EXPECT_EQ(FrameSizeOf(370, 463, 0, kwsNormal), (TPoint{370, 463}));
}

TEST(FrameGeometryTest, PlainClientBoundsAndTheSystemsClientRectangle) {
    const FrameMetrics m{4, 19, 15};
    EXPECT_EQ(PlainClientBounds(kbsStandard, 300, 200, m), (TRect{4, 23, 296, 196}));
    EXPECT_EQ(PlainClientBounds(kbsToolWindow, 300, 200, m), (TRect{4, 19, 296, 196}));
    EXPECT_EQ(PlainClientBounds(kbsNone, 300, 200, m), (TRect{0, 0, 300, 200}));

    // The built-in skin's borders (8, 35, 8, 8) in a 370 x 463 window with
    // a 4-pixel shadow: the client keeps 350 x 416 wherever the window is.
    const TRect client{8, 35, 358, 451};
    const TRect r = NonClientInset(skin::MakeBounds(304, 135, 370, 463), client, 370, 463);
    EXPECT_EQ(r, (TRect{312, 170, 662, 586}));
    EXPECT_EQ(skin::RectWidth(r), 350);
    EXPECT_EQ(skin::RectHeight(r), 416);
}

CaptionButtonLayout Layout(std::uint32_t icons, TSeWindowState state = kwsNormal, bool themed = false) {
    CaptionButtonLayout layout;
    layout.client = TRect{4, 23, 296, 196};  // caption band 5..23: h = 18
    layout.metrics = FrameMetrics{4, 19, 15};
    layout.borderIcons = icons;
    layout.state = state;
    layout.themed = themed;
    return layout;
}

constexpr std::uint32_t kAll = 0x7F;

TEST(FrameGeometryTest, PlainCaptionButtonsArePlacedFromTheRight) {
    const CaptionButtonLayout all = Layout(kAll);
    // 16 x 14 buttons at top 7; close at 296 - 16 - 2.
    EXPECT_EQ(PlainButtonRect(skin::kbiClose, all), (TRect{278, 7, 294, 21}));
    EXPECT_EQ(PlainButtonRect(skin::kbiMaximize, all), (TRect{260, 7, 276, 21}));
    EXPECT_EQ(PlainButtonRect(skin::kbiMinimize, all), (TRect{244, 7, 260, 21}));
    EXPECT_EQ(PlainButtonRect(skin::kbiRollup, all), (TRect{226, 7, 242, 21}));  // two pixels apart
    EXPECT_EQ(PlainButtonRect(skin::kbiTray, all), (TRect{210, 7, 226, 21}));
    EXPECT_EQ(PlainButtonRect(skin::kbiHelp, all), (TRect{192, 7, 208, 21}));
    EXPECT_EQ(PlainButtonRect(skin::kbiSystemMenu, all), (TRect{4, 5, 22, 23}));

    // Missing icons take no place; the diagnostic window's set.
    const CaptionButtonLayout diag = Layout(BorderIconBit(skin::kbiClose) | BorderIconBit(skin::kbiSystemMenu) |
                                            BorderIconBit(skin::kbiRollup) | BorderIconBit(skin::kbiTray));
    EXPECT_EQ(PlainButtonRect(skin::kbiRollup, diag), (TRect{258, 7, 274, 21}));
    EXPECT_EQ(PlainButtonRect(skin::kbiTray, diag), (TRect{242, 7, 258, 21}));
    EXPECT_TRUE(skin::RectIsEmpty(PlainButtonRect(skin::kbiMaximize, diag)));
    EXPECT_TRUE(skin::RectIsEmpty(PlainButtonRect(skin::kbiHelp, diag)));
}

TEST(FrameGeometryTest, StatesThemesAndToolWindowsRemoveButtons) {
    const CaptionButtonLayout minimized = Layout(kAll, kwsMinimized);
    EXPECT_FALSE(skin::RectIsEmpty(PlainButtonRect(skin::kbiClose, minimized)));
    EXPECT_FALSE(skin::RectIsEmpty(PlainButtonRect(skin::kbiMinimize, minimized)));
    for (TSeBorderIcon gone : {skin::kbiMaximize, skin::kbiRollup, skin::kbiTray, skin::kbiHelp}) {
        EXPECT_TRUE(skin::RectIsEmpty(PlainButtonRect(gone, minimized))) << int(gone);
    }
    EXPECT_TRUE(skin::RectIsEmpty(PlainButtonRect(skin::kbiHelp, Layout(kAll, kwsRollup))));

    // Themed: square buttons one pixel higher, no roll-up or tray.
    const CaptionButtonLayout themed = Layout(kAll, kwsNormal, true);
    EXPECT_EQ(PlainButtonRect(skin::kbiClose, themed), (TRect{279, 6, 294, 21}));
    EXPECT_EQ(PlainButtonRect(skin::kbiMaximize, themed), (TRect{262, 6, 277, 21}));
    EXPECT_TRUE(skin::RectIsEmpty(PlainButtonRect(skin::kbiRollup, themed)));

    CaptionButtonLayout tool = Layout(kAll);
    tool.style = kbsToolWindow;
    EXPECT_FALSE(skin::RectIsEmpty(PlainButtonRect(skin::kbiClose, tool)));
    EXPECT_TRUE(skin::RectIsEmpty(PlainButtonRect(skin::kbiMinimize, tool)));
}

TEST(FrameGeometryTest, RollupKeepsCaptionAndBottomBorderAndTrackSizesFollowConstraints) {
    EXPECT_EQ(RollupBounds(TPoint{304, 135}, 366, 459, TRect{8, 35, 358, 451}), skin::MakeBounds(304, 135, 366, 43));

    EXPECT_EQ(MinTrackSize(SizeLimits{}), (TPoint{150, 40}));
    EXPECT_EQ(MinTrackSize(SizeLimits{200, 0, 0, 0}), (TPoint{200, 40}));
    const TRect work{0, 0, 1024, 740};
    EXPECT_EQ(MaxTrackSize(SizeLimits{}, work), (TPoint{1024, 740}));
    EXPECT_EQ(MaxTrackSize(SizeLimits{0, 0, 0, 500}, work), (TPoint{1024, 500}));
}

}  // namespace
}  // namespace skinui
