// The frame's mouse between a press and its release: which presses start a
// drag, the points a drag step measures from, hovering, and what a lost
// capture leaves to undo at each point of a press.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "skinui/frame/FrameTracking.h"

namespace skinui {
namespace {

TEST(FrameTrackingTest, OnlyTheCaptionAndTheEdgesStartADragAndOnlyADragCanBeAnOutline) {
    struct Row {
        TSeFrameHit hit;
        bool outlineMode;
        bool drags, outline;
    };
    const Row rows[] = {
        {kfhCaption, false, true, false},     {kfhCaption, true, true, true},
        {kfhLeft, true, true, true},          {kfhBottomRight, false, true, false},
        {kfhClose, true, false, false},       {kfhSysMenu, false, false, false},
        {kfhSkinButton, true, false, false},  {kfhNone, true, false, false},
    };
    for (const Row& row : rows) {
        FrameTracking t;
        EXPECT_EQ(t.Press(row.hit, {5, 6}, row.outlineMode), row.drags) << int(row.hit);
        EXPECT_EQ(t.Dragging(), row.drags) << int(row.hit);
        EXPECT_EQ(t.OutlineDrag(), row.outline) << int(row.hit);
        // The pressed part is also the hovered one.
        EXPECT_EQ(t.Pressed(), row.hit);
        EXPECT_EQ(t.Hovered(), row.hit);
        EXPECT_EQ(t.EndPress(), row.hit);
        EXPECT_EQ(t.Pressed(), kfhNone);
    }
}

TEST(FrameTrackingTest, ADragStepMeasuresFromThePressAndTheLastStep) {
    FrameTracking t;
    t.Hold(kFrameShiftLeft);
    ASSERT_TRUE(t.Press(kfhRight, {368, 100}, false));
    EXPECT_TRUE(t.DragsWith(kFrameShiftLeft));
    EXPECT_FALSE(t.DragsWith(kFrameShiftRight));  // a right-button move only hovers
    DragPointer p = t.StepTo({380, 90});
    EXPECT_EQ(p.press, (skin::TPoint{368, 100}));
    EXPECT_EQ(p.last, (skin::TPoint{368, 100}));
    EXPECT_EQ(p.now, (skin::TPoint{380, 90}));
    t.Stepped({380, 90});
    p = t.StepTo({395, 80});
    EXPECT_EQ(p.press, (skin::TPoint{368, 100}));
    EXPECT_EQ(p.last, (skin::TPoint{380, 90}));
    // A new press measures from itself.
    t.EndDrag();
    EXPECT_FALSE(t.DragsWith(kFrameShiftLeft));
    t.Press(kfhCaption, {40, 8}, false);
    EXPECT_EQ(t.StepTo({41, 9}).last, (skin::TPoint{40, 8}));
}

TEST(FrameTrackingTest, HoveringReportsOnlyChangesAndTheClientEndsItUnlessTheLeftButtonIsHeld) {
    FrameTracking t;
    EXPECT_FALSE(t.HoverOver(kfhNone));
    EXPECT_TRUE(t.HoverOver(kfhClose));
    EXPECT_FALSE(t.HoverOver(kfhClose));
    EXPECT_TRUE(t.HoverOver(kfhCaption));
    EXPECT_TRUE(t.LeaveForClient());
    EXPECT_EQ(t.Hovered(), kfhNone);
    EXPECT_FALSE(t.LeaveForClient());  // nothing left to repaint

    // A left press keeps its part while the mouse crosses the client.
    t.Hold(kFrameShiftLeft);
    t.Press(kfhMinimize, {300, 10}, false);
    EXPECT_FALSE(t.LeaveForClient());
    EXPECT_EQ(t.Hovered(), kfhMinimize);
    t.Release();
    EXPECT_TRUE(t.LeaveForClient());
    // A right button held does not.
    t.Hold(kFrameShiftRight);
    t.HoverOver(kfhCaption);
    EXPECT_TRUE(t.LeaveForClient());
}

TEST(FrameTrackingTest, TheOutlineOnTheScreenIsReplacedAndANewDragStartsWithoutOne) {
    FrameTracking t;
    t.Press(kfhBottom, {100, 460}, true);
    EXPECT_TRUE(skin::RectIsEmpty(t.ReplaceOutline(skin::MakeRect(10, 20, 300, 400))));
    EXPECT_EQ(t.ReplaceOutline(skin::MakeRect(10, 20, 300, 410)), skin::MakeRect(10, 20, 300, 400));
    EXPECT_EQ(t.Outline(), skin::MakeRect(10, 20, 300, 410));
    EXPECT_TRUE(t.EndDrag());
    EXPECT_FALSE(t.EndDrag());  // the outline is erased once
    t.Press(kfhTop, {100, 2}, true);
    EXPECT_TRUE(skin::RectIsEmpty(t.Outline()));
}

// What a capture lost at each point of a press leaves to undo; afterwards
// nothing is held, so a second loss (the release of the capture after the
// press has ended) finds nothing to cancel.
TEST(FrameTrackingTest, ALostCaptureEndsThePressAndItsDragWithoutItsAction) {
    enum Step { kHoldLeft, kHoldRight, kPressClose, kPressCaption, kPressEdgeOutline, kStep, kRelease, kEndPress, kEndDrag };
    struct Row {
        const char* name;
        std::vector<Step> steps;
        TLostPress lost;
    };
    const Row rows[] = {
        {"no press", {}, TLostPress::kNothing},
        {"right button on the caption", {kHoldRight}, TLostPress::kPress},
        {"left on a caption button", {kHoldLeft, kPressClose}, TLostPress::kPress},
        {"full move", {kHoldLeft, kPressCaption, kStep}, TLostPress::kPress},
        {"outline resize", {kHoldLeft, kPressEdgeOutline, kStep}, TLostPress::kOutline},
        {"outline resize, button up in the client", {kHoldLeft, kPressEdgeOutline, kRelease}, TLostPress::kOutline},
        {"after the release", {kHoldLeft, kPressEdgeOutline, kRelease, kEndDrag, kEndPress}, TLostPress::kNothing},
        {"after a click", {kHoldLeft, kPressClose, kRelease, kEndPress}, TLostPress::kNothing},
    };
    for (const Row& row : rows) {
        FrameTracking t;
        for (Step step : row.steps) {
            switch (step) {
                case kHoldLeft: t.Hold(kFrameShiftLeft); break;
                case kHoldRight: t.Hold(kFrameShiftRight); break;
                case kPressClose: t.Press(kfhClose, {350, 10}, false); break;
                case kPressCaption: t.Press(kfhCaption, {50, 10}, false); break;
                case kPressEdgeOutline: t.Press(kfhRight, {368, 100}, true); break;
                case kStep: t.Stepped({60, 20}); break;
                case kRelease: t.Release(); break;
                case kEndPress: t.EndPress(); break;
                case kEndDrag: t.EndDrag(); break;
            }
        }
        EXPECT_EQ(t.CaptureLost(), row.lost) << row.name;
        EXPECT_EQ(t.Buttons(), 0u) << row.name;
        EXPECT_EQ(t.Pressed(), kfhNone) << row.name;
        EXPECT_FALSE(t.Dragging()) << row.name;
        EXPECT_FALSE(t.OutlineDrag()) << row.name;
        EXPECT_EQ(t.CaptureLost(), TLostPress::kNothing) << row.name;
    }
}

}  // namespace
}  // namespace skinui
