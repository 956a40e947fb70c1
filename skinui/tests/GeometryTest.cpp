// The window-free arithmetic of skinned controls and the progress bar.
#include <gtest/gtest.h>

#include <limits>

#include "skinui/controls/ControlGeometry.h"
#include "skinui/controls/ProgressGeometry.h"

namespace skinui {
namespace {

TEST(ControlGeometryTest, InnerRectLosesTheBorderEverywhereAndBevelsOnTheirSides) {
    EXPECT_EQ(InnerRect(100, 30, {.borderWidth = 0, .bevelWidth = 0}), (TRect{0, 0, 100, 30}));
    const BorderSettings both{.borderWidth = 2, .bevelWidth = 1, .bevelSides = kbsLeft | kbsBottom};
    EXPECT_EQ(InnerRect(100, 30, both), (TRect{4, 2, 98, 26}));  // 2 + 1 + 1 on bevelled sides
    BorderSettings outerOnly = both;
    outerOnly.bevelInner = kbvNone;
    EXPECT_EQ(InnerRect(100, 30, outerOnly), (TRect{3, 2, 98, 27}));
    constexpr int kMax = std::numeric_limits<int>::max();
    const TRect huge = InnerRect(10, 10, {.borderWidth = kMax, .bevelWidth = kMax});
    EXPECT_EQ(huge.Left, kMax);
    EXPECT_EQ(huge.Right, std::numeric_limits<int>::min());
}

TEST(ControlGeometryTest, BevelPresetsAndColours) {
    EXPECT_EQ(BevelPreset(kbkSoft), kbvLowered);
    EXPECT_EQ(BevelPreset(kbkBorder), kbvBorder);
    EXPECT_EQ(BevelPreset(kbkFlat), kbvFlatBorder);
    const BevelColours lowered = BevelColoursOf(kbvLowered);
    EXPECT_EQ(lowered.outerTopLeft, kBtnShadow);
    EXPECT_EQ(lowered.outerBottomRight, kBtnHighlight);
    EXPECT_EQ(lowered.innerTopLeft, k3DDarkShadow);
    EXPECT_EQ(BevelColoursOf(kbvRaised).outerBottomRight, k3DDarkShadow);
    EXPECT_EQ(BevelColoursOf(kbvBorder).innerTopLeft, kWindowColor);
}

TEST(ControlGeometryTest, ScrollBarsShareTheCorner) {
    const ScrollBarPlaces both = LayoutScrollBarPlaces({2, 2, 102, 52}, 16, 17);
    EXPECT_EQ(both.horizontal, (TRect{2, 36, 85, 52}));
    EXPECT_EQ(both.vertical, (TRect{85, 2, 102, 36}));
    const ScrollBarPlaces vertical = LayoutScrollBarPlaces({0, 0, 50, 40}, 0, 10);
    EXPECT_EQ(vertical.vertical, (TRect{40, 0, 50, 40}));
}

TEST(ProgressGeometryTest, FractionIsZeroOutsideTheRangeAndForOddRanges) {
    EXPECT_FLOAT_EQ(PositionFraction(0, 100, 50), 0.5f);
    EXPECT_EQ(PositionFraction(0, 100, 101), 0.0f);
    EXPECT_EQ(PositionFraction(0, 100, -1), 0.0f);
    EXPECT_EQ(PositionFraction(5, 5, 5), 0.0f);       // Min = Max
    EXPECT_EQ(PositionFraction(-10, 10, 5), 0.0f);    // a negative Min
    EXPECT_EQ(PositionFraction(10, 0, 5), 0.0f);      // Min above Max
    EXPECT_NE(PositionFraction(0, 1000, 3), PositionFraction(0, 1000, 4));
    EXPECT_FLOAT_EQ(PositionFraction(0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()), 1.0f);
}

TEST(ProgressGeometryTest, HalfABarWithTheBorderShown) {
    const TRect g = DefaultBarRect(140, 16, true, 0);
    EXPECT_EQ(g, (TRect{2, 2, 138, 14}));
    EXPECT_EQ(FilledRect(g, 0.5f, false), (TRect{2, 2, 70, 14}));
    EXPECT_EQ(DefaultBarRect(140, 16, false, 1), (TRect{1, 1, 139, 15}));
    // Vertical bars grow up from the bottom edge.
    EXPECT_EQ(FilledRect(TRect{0, 0, 14, 100}, 0.25f, true), (TRect{0, 75, 14, 100}));
    // Ties round to even: 2.5 pixels fill 2.
    EXPECT_EQ(FilledRect(TRect{0, 0, 5, 4}, 0.5f, false).Right, 2);
}

TEST(ProgressGeometryTest, BlocksAreCountedAndCutLikeTheBlockLook) {
    const TRect g{0, 0, 133, 13};  // block 8, step 10, 133 div 10 = 13
    const auto full = BarBlocks(g, 1.0f, false);
    ASSERT_EQ(full.size(), 14u);
    EXPECT_EQ(full[0], (TRect{0, 0, 8, 13}));
    EXPECT_EQ(full[13], (TRect{130, 0, 133, 13}));  // cut to 3 pixels
    EXPECT_TRUE(BarBlocks(g, 0.005f, false).empty());
    EXPECT_EQ(BarBlocks(g, 0.02f, false).size(), 1u);
    // 1 of 100 is just below 0.01 in single precision; 2 of 100 is above.
    EXPECT_TRUE(BarBlocks(g, PositionFraction(0, 100, 1), false).empty());
    EXPECT_EQ(BarBlocks(g, PositionFraction(0, 100, 2), false).size(), 1u);
    const auto vertical = BarBlocks(TRect{0, 0, 13, 133}, 1.0f, true);
    ASSERT_EQ(vertical.size(), 14u);
    EXPECT_EQ(vertical[0], (TRect{0, 125, 13, 133}));
    EXPECT_EQ(vertical[13], (TRect{0, 0, 13, 3}));
}

}  // namespace
}  // namespace skinui

#include "skinui/controls/SeBlending.h"

namespace skinui {
namespace {

TEST(BlendingTest, ValuesAreClampedAndEveryChangeIsTold) {
    TSeBlending blending;
    int changes = 0;
    blending.onChange = [&] { ++changes; };
    EXPECT_EQ(blending.Value(), 150);
    blending.SetValue(300);
    EXPECT_EQ(blending.Value(), 255);
    blending.SetValue(-4);
    EXPECT_EQ(blending.Value(), 0);
    blending.SetValue(0);  // unchanged: not told
    blending.SetEnabled(true);
    EXPECT_EQ(changes, 3);
    TSeBlending other;
    blending.Assign(other);
    EXPECT_FALSE(blending.Enabled());
    EXPECT_EQ(blending.Value(), 150);
    EXPECT_EQ(changes, 4);
}

}  // namespace
}  // namespace skinui
