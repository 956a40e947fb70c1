#include <gtest/gtest.h>

#include "skin/gfx/HueShift.h"

namespace skin {
namespace {

TEST(ShiftHueTest, ZeroDeltaKeepsPrimaryColoursAndMakesThemOpaque) {
    EXPECT_EQ(ShiftHue(0xFFFF0000, 0), 0xFFFF0000u);
    EXPECT_EQ(ShiftHue(0xFF00FF00, 0), 0xFF00FF00u);
    EXPECT_EQ(ShiftHue(0xFF0000FF, 0), 0xFF0000FFu);
    EXPECT_EQ(ShiftHue(0x40FF0000, 0), 0xFFFF0000u);
}

TEST(ShiftHueTest, AThirdOfTheCircleTurnsRedIntoGreenAndBlue) {
    EXPECT_EQ(ShiftHue(0xFFFF0000, 85), 0xFF00FF00u);
    EXPECT_EQ(ShiftHue(0xFFFF0000, 170), 0xFF0000FFu);
    // A negative result is corrected once by the period of 255.
    EXPECT_EQ(ShiftHue(0xFFFF0000, -85), 0xFF0000FFu);
}

TEST(ShiftHueTest, GreysStayGreyForAnyDelta) {
    for (std::uint32_t level : {0u, 1u, 127u, 128u, 200u, 255u}) {
        TPixel grey = 0xFF000000u | (level << 16) | (level << 8) | level;
        for (int delta : {-255, -100, 1, 77, 255}) {
            EXPECT_EQ(ShiftHue(grey, delta), grey) << level << " by " << delta;
        }
    }
}

TEST(ShiftHueTest, AFullTurnOf255GivesTheSameAsNoTurn) {
    // The circle's period is 255 steps: a whole turn either way is no change.
    for (std::uint32_t colour : {0x00FF8000u, 0x00123456u, 0x0080FF20u, 0x00C01080u, 0x00FE0102u}) {
        TPixel pixel = 0xFF000000u | colour;
        EXPECT_EQ(ShiftHue(pixel, 255), ShiftHue(pixel, 0)) << std::hex << colour;
        EXPECT_EQ(ShiftHue(pixel, -255), ShiftHue(pixel, 0)) << std::hex << colour;
    }
}

TEST(ShiftHueTest, HueStepsRoundHalfToEven) {
    // Yellow's hue is 42.5 steps: ties to even give 42, so even a zero shift
    // moves it slightly toward red (rounding half up would give 43 and keep it).
    EXPECT_EQ(ShiftHue(0xFFFFFF00, 0), 0xFFFFFC00u);
}

}  // namespace
}  // namespace skin
