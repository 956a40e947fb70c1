// One step of a mouse drag of the frame: moves by the caption with
// snapping, sizing by each edge and corner with the minimum track size, the
// outline mode measuring from the press, and the states that forbid both.
#include <gtest/gtest.h>

#include "skinui/frame/FrameDrag.h"

namespace skinui {
namespace {

using skin::MakeBounds;
using skin::MakeRect;
using skin::TRect;

const TRect kWindow = MakeBounds(300, 200, 370, 463);

DragPointer Pointer(int pressX, int pressY, int lastX, int lastY, int nowX, int nowY) {
    return DragPointer{{pressX, pressY}, {lastX, lastY}, {nowX, nowY}};
}

TEST(FrameDragTest, TheCaptionMovesTheWindowByTheMouseAndSnapsItsFrameEdge) {
    DragRules rules;
    EXPECT_EQ(DragStep(kWindow, kfhCaption, Pointer(50, 10, 50, 10, 80, 5), rules), MakeBounds(330, 195, 370, 463));

    const TSeGravitation gravitation;  // 20 pixels
    rules.gravitation = &gravitation;
    rules.snapArea = MakeRect(0, 0, 1024, 768);
    rules.shadow = 4;
    // Left edge 19 pixels from the area's: snaps; 20: does not.
    EXPECT_EQ(DragStep(kWindow, kfhCaption, Pointer(50, 10, 50, 10, 50 - 281, 10), rules).Left, 0);
    EXPECT_EQ(DragStep(kWindow, kfhCaption, Pointer(50, 10, 50, 10, 50 - 280, 10), rules).Left, 20);
    // The frame's right edge (the window less its 4-pixel shadow) snaps.
    const TRect nearRight = DragStep(kWindow, kfhCaption, Pointer(0, 0, 0, 0, 1024 - 366 - 300 - 10, 0), rules);
    EXPECT_EQ(nearRight.Right - 4, 1024);
    EXPECT_EQ(skin::RectWidth(nearRight), 370);
}

TEST(FrameDragTest, TheCaptionDoesNotMoveAFixedOrMaximizedWindow) {
    DragRules fixed;
    fixed.moveable = false;
    EXPECT_EQ(DragStep(kWindow, kfhCaption, Pointer(50, 10, 50, 10, 90, 40), fixed), kWindow);
    DragRules maximized;
    maximized.state = kwsMaximized;
    EXPECT_EQ(DragStep(kWindow, kfhCaption, Pointer(50, 10, 50, 10, 90, 40), maximized), kWindow);
    // A rolled-up window still moves by its caption.
    DragRules rolled;
    rolled.state = kwsRollup;
    EXPECT_EQ(DragStep(kWindow, kfhCaption, Pointer(50, 10, 50, 10, 90, 40), rolled), MakeBounds(340, 230, 370, 463));
}

TEST(FrameDragTest, EachEdgeAndCornerMovesItsOwnSides) {
    const DragRules rules;
    // Left and top: the press point stays under the mouse, so the distance
    // from it is how far the edge goes.
    EXPECT_EQ(DragStep(kWindow, kfhLeft, Pointer(2, 200, 2, 200, -28, 190), rules), MakeRect(270, 200, 670, 663));
    EXPECT_EQ(DragStep(kWindow, kfhTop, Pointer(100, 2, 100, 2, 90, 12), rules), MakeRect(300, 210, 670, 663));
    // Right and bottom in a full drag: from the last point.
    EXPECT_EQ(DragStep(kWindow, kfhRight, Pointer(368, 100, 380, 100, 390, 100), rules), MakeRect(300, 200, 680, 663));
    EXPECT_EQ(DragStep(kWindow, kfhBottom, Pointer(100, 460, 100, 470, 100, 465), rules),
              MakeRect(300, 200, 670, 658));
    EXPECT_EQ(DragStep(kWindow, kfhTopLeft, Pointer(2, 2, 2, 2, 12, -8), rules), MakeRect(310, 190, 670, 663));
    EXPECT_EQ(DragStep(kWindow, kfhTopRight, Pointer(368, 2, 368, 2, 378, 12), rules), MakeRect(300, 210, 680, 663));
    EXPECT_EQ(DragStep(kWindow, kfhBottomLeft, Pointer(2, 460, 2, 460, 12, 470), rules),
              MakeRect(310, 200, 670, 673));
    EXPECT_EQ(DragStep(kWindow, kfhBottomRight, Pointer(368, 460, 368, 460, 358, 450), rules),
              MakeRect(300, 200, 660, 653));
}

TEST(FrameDragTest, TheLeftAndTopEdgesStopAtTheMinimumTrackSize) {
    DragRules rules;
    rules.minTrack = {150, 40};
    // Dragged far past the opposite edge: the window stays 150 x 40.
    const TRect left = DragStep(kWindow, kfhLeft, Pointer(2, 100, 2, 100, 900, 100), rules);
    EXPECT_EQ(left, MakeRect(520, 200, 670, 663));
    const TRect top = DragStep(kWindow, kfhTop, Pointer(100, 2, 100, 2, 100, 900), rules);
    EXPECT_EQ(top, MakeRect(300, 623, 670, 663));
    const TRect corner = DragStep(kWindow, kfhTopLeft, Pointer(2, 2, 2, 2, 5000, 5000), rules);
    EXPECT_EQ(skin::RectWidth(corner), 150);
    EXPECT_EQ(skin::RectHeight(corner), 40);
    // Exactly at the limit is allowed.
    EXPECT_EQ(DragStep(kWindow, kfhLeft, Pointer(0, 0, 0, 0, 220, 0), rules).Left, 520);
}

TEST(FrameDragTest, TheLeftAndTopEdgesStopAtTheMaximumTrackSizeWithoutMovingTheOppositeEdge) {
    DragRules rules;
    rules.maxTrack = {400, 300};
    // Pulled outwards past the maximum: the right and bottom edges stay put.
    const TRect left = DragStep(kWindow, kfhLeft, Pointer(2, 100, 2, 100, -200, 100), rules);
    EXPECT_EQ(left, MakeRect(270, 200, 670, 663));
    const TRect top = DragStep(kWindow, kfhTop, Pointer(100, 2, 100, 2, 100, -200), rules);
    EXPECT_EQ(top, MakeRect(300, 363, 670, 663));
    const TRect corner = DragStep(kWindow, kfhTopLeft, Pointer(2, 2, 2, 2, -5000, -5000), rules);
    EXPECT_EQ(corner, MakeRect(270, 363, 670, 663));
    // A window larger than the maximum already does not grow from the left or top.
    rules.maxTrack = {300, 200};
    EXPECT_EQ(DragStep(kWindow, kfhLeft, Pointer(2, 100, 2, 100, -50, 100), rules).Left, 370);
    // Within the limits the edge follows the mouse.
    rules.maxTrack = {400, 300};
    EXPECT_EQ(DragStep(kWindow, kfhLeft, Pointer(2, 100, 2, 100, -28, 100), rules).Left, 270);
}

TEST(FrameDragTest, AnOutlineDragMeasuresEverySideFromThePress) {
    DragRules rules;
    rules.outline = true;
    // The window has not moved yet: the last point does not count.
    EXPECT_EQ(DragStep(kWindow, kfhRight, Pointer(368, 100, 380, 100, 390, 100), rules), MakeRect(300, 200, 692, 663));
    EXPECT_EQ(DragStep(kWindow, kfhBottomRight, Pointer(368, 460, 400, 500, 378, 470), rules),
              MakeRect(300, 200, 680, 673));
    EXPECT_EQ(DragStep(kWindow, kfhCaption, Pointer(50, 10, 70, 20, 90, 30), rules), MakeBounds(340, 220, 370, 463));
}

TEST(FrameDragTest, SizingIsRefusedWhenNotSizeableOrNotInTheNormalState) {
    DragRules fixed;
    fixed.sizeable = false;
    EXPECT_EQ(DragStep(kWindow, kfhBottomRight, Pointer(368, 460, 368, 460, 400, 500), fixed), kWindow);
    for (TSeWindowState state : {kwsMaximized, kwsMinimized, kwsRollup}) {
        DragRules rules;
        rules.state = state;
        EXPECT_EQ(DragStep(kWindow, kfhLeft, Pointer(2, 100, 2, 100, -50, 100), rules), kWindow) << int(state);
    }
    // Codes that start no drag change nothing.
    for (TSeFrameHit hit : {kfhNone, kfhBorder, kfhClose, kfhSkinButton}) {
        EXPECT_EQ(DragStep(kWindow, hit, Pointer(2, 100, 2, 100, -50, 100), DragRules{}), kWindow) << int(hit);
    }
}

}  // namespace
}  // namespace skinui
