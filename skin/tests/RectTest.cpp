#include <gtest/gtest.h>

#include "skin/gfx/MulDiv.h"
#include "skin/gfx/Rect.h"

namespace skin {
namespace {

TEST(RectTest, CentringDividesTheDifferenceTowardZero) {
    // 2 - 5 = -3 halves to -1, not -2: a larger rectangle sits one pixel left.
    EXPECT_EQ(CenterRect(MakeRect(0, 0, 5, 5), MakeRect(10, 10, 12, 12)), MakeRect(9, 9, 14, 14));
    EXPECT_EQ(CenterRect(MakeRect(0, 0, 16, 16), MakeRect(0, 0, 25, 21)), MakeRect(4, 2, 20, 18));
    EXPECT_EQ(CenterRectVert(MakeRect(3, 3, 7, 5), MakeRect(20, 0, 40, 9)), MakeRect(20, 3, 24, 5));
}

TEST(RectTest, IntersectionsAndEmptiness) {
    EXPECT_TRUE(RectIsEmpty(MakeRect(5, 0, 5, 10)));
    EXPECT_TRUE(RectIsEmpty(MakeRect(5, 0, 4, 10)));
    EXPECT_EQ(RectIntersection(MakeRect(0, 0, 4, 4), MakeRect(4, 0, 8, 4)), TRect{});
    EXPECT_EQ(RectIntersection(MakeRect(-3, 1, 4, 9), MakeRect(0, 0, 8, 4)), MakeRect(0, 1, 4, 4));
    EXPECT_EQ(RectInflated(MakeRect(2, 2, 4, 4), 2), MakeRect(0, 0, 6, 6));
}

TEST(MulDivTest, RoundsHalvesAwayFromZeroAndRefusesWhatCannotBe) {
    EXPECT_EQ(MulDiv(1, 5, 2), 3);
    EXPECT_EQ(MulDiv(-1, 5, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(0x40000000, 4, 2), -1);  // does not fit in 32 bits
    EXPECT_EQ(MulDiv(0x40000000, 4, 4), 0x40000000);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

}  // namespace
}  // namespace skin
