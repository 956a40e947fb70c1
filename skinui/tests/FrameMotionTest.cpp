// What happens while a frame moves: snapping to the work area's edges, and
// which parts of the screen under the new position must be read again.
#include <gtest/gtest.h>

#include <vector>

#include "skinui/effects/BackgroundCapture.h"
#include "skinui/frame/Gravitation.h"

namespace skinui {
namespace {

using skin::MakeBounds;
using skin::MakeRect;
using skin::TRect;

const TRect kArea = MakeRect(0, 0, 1000, 800);

TEST(GravitationTest, AnEdgeCloserThanSizeSnapsAndOneAtSizeDoesNot) {
    const TSeGravitation gravitation;  // Size 20
    EXPECT_EQ(ApplyGravitation(MakeBounds(19, 300, 200, 100), kArea, gravitation, 0), MakeBounds(0, 300, 200, 100));
    EXPECT_EQ(ApplyGravitation(MakeBounds(20, 300, 200, 100), kArea, gravitation, 0), MakeBounds(20, 300, 200, 100));
    EXPECT_EQ(ApplyGravitation(MakeBounds(-19, 300, 200, 100), kArea, gravitation, 0), MakeBounds(0, 300, 200, 100));
    // Right and bottom, independently of each other.
    EXPECT_EQ(ApplyGravitation(MakeBounds(781, 681, 200, 100), kArea, gravitation, 0), MakeBounds(800, 700, 200, 100));
    EXPECT_EQ(ApplyGravitation(MakeBounds(780, 681, 200, 100), kArea, gravitation, 0), MakeBounds(780, 700, 200, 100));
    // Near both sides of a narrow area the left edge wins.
    EXPECT_EQ(ApplyGravitation(MakeBounds(105, 5, 100, 50), MakeRect(100, 0, 210, 800), gravitation, 0),
              MakeBounds(100, 0, 100, 50));
    TSeGravitation off;
    off.SetEnabled(false);
    EXPECT_EQ(ApplyGravitation(MakeBounds(1, 1, 200, 100), kArea, off, 0), MakeBounds(1, 1, 200, 100));
    TSeGravitation tight;
    tight.SetSize(5);
    EXPECT_EQ(ApplyGravitation(MakeBounds(6, 4, 200, 100), kArea, tight, 0), MakeBounds(6, 0, 200, 100));
}

TEST(GravitationTest, WithAShadowTheFramesEdgeSnapsNotTheShadows) {
    const TSeGravitation gravitation;
    // A 200 x 100 frame with a 4 pixel shadow is 204 x 104. Its frame edge
    // at 981 (19 from the right) snaps to 1000, the shadow going beyond.
    EXPECT_EQ(ApplyGravitation(MakeBounds(781, 300, 204, 104), kArea, gravitation, 4), MakeBounds(800, 300, 204, 104));
    // The shadow's edge 19 from the right but the frame's 23: no snap.
    EXPECT_EQ(ApplyGravitation(MakeBounds(777 - 4, 300, 204, 104), kArea, gravitation, 4),
              MakeBounds(773, 300, 204, 104));
    // The frame's bottom at exactly 20 from the bottom: no snap.
    EXPECT_EQ(ApplyGravitation(MakeBounds(300, 680, 204, 104), kArea, gravitation, 4), MakeBounds(300, 680, 204, 104));
    EXPECT_EQ(ApplyGravitation(MakeBounds(300, 681, 204, 104), kArea, gravitation, 4), MakeBounds(300, 700, 204, 104));
    // The left and top edges are the frame's own, shadow or not.
    EXPECT_EQ(ApplyGravitation(MakeBounds(19, 19, 204, 104), kArea, gravitation, 4), MakeBounds(0, 0, 204, 104));
}

// Every pixel of the new bitmap comes from the screen or from the old
// bitmap, and none of the overlap is read from the screen.
void ExpectCompletePlan(const TBackgroundCapturePlan& plan) {
    std::vector<int> sources(std::size_t(plan.width) * std::size_t(plan.height), 0);
    for (const TRect& strip : plan.fromScreen) {
        for (int y = strip.Top; y < strip.Bottom; ++y)
            for (int x = strip.Left; x < strip.Right; ++x) {
                ASSERT_TRUE(x >= 0 && y >= 0 && x < plan.width && y < plan.height);
                EXPECT_FALSE(plan.reuseOld && skin::RectContains(plan.overlapInNew, x, y)) << x << "," << y;
                sources[std::size_t(y) * plan.width + x] |= 1;
            }
    }
    if (plan.reuseOld) {
        EXPECT_EQ(skin::RectWidth(plan.overlapInNew), skin::RectWidth(plan.overlapInOld));
        EXPECT_EQ(skin::RectHeight(plan.overlapInNew), skin::RectHeight(plan.overlapInOld));
        for (int y = plan.overlapInNew.Top; y < plan.overlapInNew.Bottom; ++y)
            for (int x = plan.overlapInNew.Left; x < plan.overlapInNew.Right; ++x)
                sources[std::size_t(y) * plan.width + x] |= 2;
    }
    for (std::size_t i = 0; i < sources.size(); ++i) ASSERT_NE(sources[i], 0) << "pixel " << i << " never filled";
}

TEST(BackgroundCaptureTest, FirstCaptureAndAJumpReadTheWholeRectangle) {
    const TRect at = MakeBounds(50, 40, 100, 80);
    for (const TRect& last : {TRect{}, MakeBounds(400, 300, 100, 80)}) {
        const TBackgroundCapturePlan plan = PlanBackgroundCapture(at, last);
        EXPECT_FALSE(plan.unchanged);
        EXPECT_EQ(plan.width, 100);
        EXPECT_EQ(plan.height, 80);
        EXPECT_EQ(plan.fromScreen, (std::vector<TRect>{MakeRect(0, 0, 100, 80)}));
        EXPECT_FALSE(plan.reuseOld);
    }
    EXPECT_TRUE(PlanBackgroundCapture(at, at).unchanged);
    EXPECT_TRUE(PlanBackgroundCapture(TRect{}, at).unchanged);
}

TEST(BackgroundCaptureTest, AMoveReadsOnlyTheUncoveredStrips) {
    const TRect last = MakeBounds(50, 40, 100, 80);
    // Right and down by (10, 5): the old picture fills the top-left part.
    const TBackgroundCapturePlan down = PlanBackgroundCapture(MakeBounds(60, 45, 100, 80), last);
    EXPECT_EQ(down.fromScreen, (std::vector<TRect>{MakeRect(90, 0, 100, 80), MakeRect(0, 75, 100, 80)}));
    ASSERT_TRUE(down.reuseOld);
    EXPECT_EQ(down.overlapInNew, MakeRect(0, 0, 90, 75));
    EXPECT_EQ(down.overlapInOld, MakeRect(10, 5, 100, 80));
    ExpectCompletePlan(down);
    // Left and up by (10, 5).
    const TBackgroundCapturePlan up = PlanBackgroundCapture(MakeBounds(40, 35, 100, 80), last);
    EXPECT_EQ(up.fromScreen, (std::vector<TRect>{MakeRect(0, 0, 10, 80), MakeRect(0, 0, 100, 5)}));
    EXPECT_EQ(up.overlapInNew, MakeRect(10, 5, 100, 80));
    EXPECT_EQ(up.overlapInOld, MakeRect(0, 0, 90, 75));
    ExpectCompletePlan(up);
    // Left and down: one strip on each of two sides.
    const TBackgroundCapturePlan mixed = PlanBackgroundCapture(MakeBounds(45, 50, 100, 80), last);
    EXPECT_EQ(mixed.fromScreen, (std::vector<TRect>{MakeRect(0, 0, 5, 80), MakeRect(0, 70, 100, 80)}));
    ExpectCompletePlan(mixed);
}

TEST(BackgroundCaptureTest, ASizeChangeReadsTheNewPartsAndKeepsTheOld) {
    const TRect last = MakeBounds(50, 40, 100, 80);
    const TBackgroundCapturePlan grown = PlanBackgroundCapture(MakeBounds(50, 40, 120, 90), last);
    EXPECT_EQ(grown.width, 120);
    EXPECT_EQ(grown.fromScreen, (std::vector<TRect>{MakeRect(100, 0, 120, 90), MakeRect(0, 80, 120, 90)}));
    EXPECT_EQ(grown.overlapInNew, MakeRect(0, 0, 100, 80));
    EXPECT_EQ(grown.overlapInOld, MakeRect(0, 0, 100, 80));
    ExpectCompletePlan(grown);
    // Shrunk from the top-left: everything is in the old picture.
    const TBackgroundCapturePlan shrunk = PlanBackgroundCapture(MakeRect(70, 60, 150, 120), last);
    EXPECT_TRUE(shrunk.fromScreen.empty());
    EXPECT_EQ(shrunk.overlapInOld, MakeRect(20, 20, 100, 80));
    ExpectCompletePlan(shrunk);
}

}  // namespace
}  // namespace skinui
