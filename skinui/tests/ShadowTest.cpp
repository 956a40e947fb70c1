// The drop shadow's bands and the frame's translucency, mixed with a known
// background.
#include <gtest/gtest.h>

#include <vector>

#include "skinui/effects/FrameBlending.h"
#include "skinui/effects/ShadowBands.h"

namespace skinui {
namespace {

using skin::MakeRect;
using skin::TPixel;
using skin::TSeBitmap;

constexpr TPixel kFrame = 0xFF112233;
constexpr TPixel kScreen = 0xFFC0C0C0;

std::vector<std::vector<int>> Alphas(const TSeBitmap& bitmap, const skin::TRect& r) {
    std::vector<std::vector<int>> rows;
    for (int y = r.Top; y < r.Bottom; ++y) {
        rows.emplace_back();
        for (int x = r.Left; x < r.Right; ++x) rows.back().push_back(bitmap.GetPixel(x, y) >> 24);
    }
    return rows;
}

using Grid = std::vector<std::vector<int>>;

TEST(ShadowBandTest, TonesStepInwardFromTheOuterEdges) {
    TSeBitmap bitmap;
    bitmap.SetSize(8, 8);
    bitmap.Fill(kFrame);
    // The right band: outer column 8, then 58, 108, 128, each a pixel lower,
    // with the top-right pixel of each tone taking the next tone out.
    FillShadowBand(bitmap, MakeRect(2, 1, 8, 7), TShadowCorner::TopRight);
    EXPECT_EQ(Alphas(bitmap, MakeRect(2, 1, 8, 7)), (Grid{
                                                        {8, 8, 8, 8, 8, 8},
                                                        {58, 58, 58, 58, 8, 8},
                                                        {108, 108, 108, 58, 58, 8},
                                                        {128, 128, 128, 108, 58, 8},
                                                        {128, 128, 128, 108, 58, 8},
                                                        {128, 128, 128, 108, 58, 8},
                                                    }));
    EXPECT_EQ(bitmap.GetPixel(1, 3), kFrame);  // nothing beside the band
    EXPECT_EQ(bitmap.GetPixel(5, 0), kFrame);
    EXPECT_EQ(bitmap.GetPixel(7, 3) & 0x00FFFFFF, 0x3F3F3Fu);

    bitmap.Fill(kFrame);
    FillShadowBand(bitmap, MakeRect(0, 3, 6, 8), TShadowCorner::BottomLeft);
    EXPECT_EQ(Alphas(bitmap, MakeRect(0, 3, 6, 8)), (Grid{
                                                        {8, 58, 108, 128, 128, 128},
                                                        {8, 58, 108, 128, 128, 128},
                                                        {8, 58, 58, 108, 108, 108},
                                                        {8, 8, 58, 58, 58, 58},
                                                        {8, 8, 8, 8, 8, 8},
                                                    }));

    bitmap.Fill(kFrame);
    FillShadowBand(bitmap, MakeRect(3, 3, 8, 8), TShadowCorner::BottomRight);
    EXPECT_EQ(Alphas(bitmap, MakeRect(3, 3, 8, 8)), (Grid{
                                                        {128, 128, 108, 58, 8},
                                                        {128, 128, 108, 58, 8},
                                                        {108, 108, 58, 58, 8},
                                                        {58, 58, 58, 8, 8},
                                                        {8, 8, 8, 8, 8},
                                                    }));
}

TEST(ShadowBandTest, ABandWithoutWidthPaintsNothing) {
    TSeBitmap bitmap;
    bitmap.SetSize(6, 6);
    bitmap.Fill(kFrame);
    FillShadowBand(bitmap, MakeRect(6, 2, 6, 6), TShadowCorner::TopRight);
    FillShadowBand(bitmap, MakeRect(3, 3, 3, 6), TShadowCorner::BottomRight);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(bitmap.GetPixel(x, y), kFrame) << x << "," << y;
}

TEST(DrawShadowTest, BandsRightAndBelowAreMixedWithTheScreen) {
    // A 16 x 12 frame with a 4 pixel shadow: window 20 x 16, client
    // (2, 5) - (14, 10).
    const skin::TRect client = MakeRect(2, 5, 14, 10);
    TSeBitmap target, screen;
    target.SetSize(20, 16);
    target.Fill(kFrame);
    target.SetUseAlpha(true);
    screen.SetSize(20, 16);
    screen.Fill(kScreen);
    DrawShadow(target, client, 20, 16, 16, 4, screen);
    EXPECT_TRUE(target.UseAlpha());

    const auto mixed = [](int alpha) { return skin::BlendPixel((TPixel(alpha) << 24) | 0x3F3F3F, kScreen); };
    EXPECT_EQ(mixed(128), 0xBF7F7F7Fu);
    struct Expected {
        int x, y;
        TPixel pixel;
    };
    const Expected expected[] = {
        // Above the right band and left of the bottom band: the screen.
        {19, 0, kScreen}, {14, 3, kScreen}, {0, 15, kScreen}, {3, 12, kScreen},
        // The right band's columns from the outside in, and a softened step.
        {19, 8, mixed(8)}, {18, 8, mixed(58)}, {17, 8, mixed(108)}, {16, 8, mixed(128)}, {14, 8, mixed(128)},
        {18, 5, mixed(8)},
        // The bottom band's rows from the outside in.
        {9, 15, mixed(8)}, {9, 14, mixed(58)}, {9, 13, mixed(108)}, {9, 12, mixed(128)}, {5, 14, mixed(8)},
        // The corner steps in at the right and the bottom.
        {19, 15, mixed(8)}, {18, 14, mixed(8)}, {17, 13, mixed(58)}, {15, 11, mixed(128)}, {15, 15, mixed(8)},
        // The client and the frame left of and above the bands are untouched.
        {8, 7, kFrame}, {1, 9, kFrame}, {13, 4, kFrame},
    };
    for (const Expected& e : expected) EXPECT_EQ(target.GetPixel(e.x, e.y), e.pixel) << e.x << "," << e.y;
}

TEST(DrawShadowTest, NoSizeNoShadow) {
    TSeBitmap target, screen;
    target.SetSize(10, 10);
    target.Fill(kFrame);
    screen.SetSize(10, 10);
    screen.Fill(kScreen);
    DrawShadow(target, MakeRect(1, 1, 8, 8), 10, 10, 10, 0, screen);
    DrawShadow(target, MakeRect(1, 1, 8, 8), 10, 10, 10, -4, screen);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(target.GetPixel(x, y), kFrame);
}

TEST(FrameBlendingTest, StripsAroundTheClientTakeTheValueOverTheScreen) {
    TSeBitmap target, screen;
    target.SetSize(10, 8);
    screen.SetSize(10, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) *screen.PixelPtr(x, y) = 0xFF000000u | TPixel(x * 16 + y);
    const skin::TRect client = MakeRect(2, 3, 7, 6);
    for (int value : {0, 128, 255}) {
        target.Fill(kFrame);
        BlendFrameStrips(target, client, 10, 8, std::uint8_t(value), screen);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x) {
                const TPixel frame = (kFrame & 0x00FFFFFF) | TPixel(value) << 24;
                const TPixel want = skin::RectContains(client, x, y) ? kFrame
                                    : value == 0                     ? screen.GetPixel(x, y)
                                    : value == 255                   ? kFrame
                                                                     : skin::BlendPixel(frame, screen.GetPixel(x, y));
                EXPECT_EQ(target.GetPixel(x, y), want) << "value " << value << " at " << x << "," << y;
            }
        }
    }
    // A client bitmap of its own mixes with the screen at the client offset.
    TSeBitmap clientBitmap;
    clientBitmap.SetSize(3, 2);
    clientBitmap.Fill(kFrame);
    BlendWithBackground(clientBitmap, clientBitmap.BoundsRect(), 0, screen, 5, 6);
    EXPECT_EQ(clientBitmap.GetPixel(0, 0), screen.GetPixel(5, 6));
    EXPECT_EQ(clientBitmap.GetPixel(2, 1), screen.GetPixel(7, 7));
}

}  // namespace
}  // namespace skinui
