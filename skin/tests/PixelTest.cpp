#include <vector>

#include <gtest/gtest.h>

#include "skin/gfx/Pixel.h"

namespace skin {
namespace {

// The blend of one byte, written the slow way: one channel at a time.
std::uint32_t BlendByte(std::uint32_t f, std::uint32_t b, std::uint32_t a) {
    return ((f * a + 128) >> 8) + ((b * (255 - a) + 128) >> 8);
}

TPixel BlendBytewise(TPixel fg, TPixel bg, std::uint32_t a) {
    TPixel result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        result |= BlendByte((fg >> shift) & 0xFF, (bg >> shift) & 0xFF, a) << shift;
    }
    return result;
}

TEST(BlendPixelTest, HalfAlphaWeighsEachByteWithDivisor256) {
    TPixel fg = 0x80C86432;
    TPixel bg = 0xFF1020F0;
    TPixel expected = (BlendByte(0x80, 0xFF, 128) << 24) | (BlendByte(0xC8, 0x10, 128) << 16) |
                      (BlendByte(0x64, 0x20, 128) << 8) | BlendByte(0x32, 0xF0, 128);
    EXPECT_EQ(BlendPixel(fg, bg), expected);
    // Divisor 256, not 255: full white at half alpha over white is 255 only by rounding.
    EXPECT_EQ(BlendPixel(0x80FFFFFF, 0x00000000), 0x40808080u);
}

TEST(BlendPixelTest, EveryAlphaMatchesTheBytewiseRuleWithoutLaneCarries) {
    const TPixel pairs[][2] = {{0x00FFFFFF, 0xFFFFFFFF}, {0x00000000, 0xFFFFFFFF},
                               {0x00FF00FF, 0x00FF00FF}, {0x00123456, 0x00FEDCBA}};
    for (auto& pair : pairs) {
        for (std::uint32_t a = 1; a < 255; ++a) {
            TPixel fg = (a << 24) | pair[0];
            ASSERT_EQ(BlendPixel(fg, pair[1]), BlendBytewise(fg, pair[1], a)) << "alpha " << a;
        }
    }
    EXPECT_EQ(BlendPixel(0xFF123456, 0x80ABCDEF), 0xFF123456u);
    EXPECT_EQ(BlendPixel(0x00123456, 0x80ABCDEF), 0x80ABCDEFu);
}

TEST(BlendRowTest, CompositesByAlphaAndIgnoresEmptyCounts) {
    TPixel source[4] = {0x00FFFFFF, 0xFF102030, 0x40FF0000, 0xC00000FF};
    TPixel destination[4] = {0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0x20202020};
    TPixel expected[4] = {0xFF0000FF, 0xFF102030, BlendBytewise(source[2], destination[2], 0x40),
                          BlendBytewise(source[3], destination[3], 0xC0)};
    BlendRow(source, destination, 0);
    BlendRow(source, destination, -3);
    EXPECT_EQ(destination[1], 0xFF0000FFu);
    BlendRow(source, destination, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(destination[i], expected[i]) << i;
}

TEST(BlendRowTest, EveryPixelMatchesBlendPixelWhateverTheRowLength) {
    // Lengths around the vector widths, so that every kernel and every
    // remainder runs; some groups are wholly opaque or wholly clear.
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int length : {1, 3, 4, 5, 7, 8, 9, 12, 15, 16, 17, 1027, 1031}) {
        std::vector<TPixel> source(static_cast<std::size_t>(length));
        std::vector<TPixel> destination(source.size()), expected(source.size());
        for (std::size_t i = 0; i < source.size(); ++i) {
            source[i] = next();
            if ((i / 8) % 5 == 1) source[i] |= 0xFF000000u;
            if ((i / 8) % 5 == 2) source[i] &= 0x00FFFFFFu;
            if (i % 7 == 0) source[i] |= 0xFF000000u;
            if (i % 11 == 0) source[i] &= 0x00FFFFFFu;
            destination[i] = next();
            expected[i] = BlendPixel(source[i], destination[i]);
        }
        BlendRow(source.data(), destination.data(), length);
        for (std::size_t i = 0; i < source.size(); ++i) ASSERT_EQ(destination[i], expected[i]) << length << " @" << i;
    }
}

TEST(PixelHelpersTest, MakeAndSubtractClampColoursAndWrapAlpha) {
    EXPECT_EQ(MakePixel(-5, 300, 128, 0x7F), 0x7F00FF80u);
    EXPECT_EQ(SubtractPixel(0x10806040, 0x90, -0x20, 0x40, 0x20), 0xF0008000u);
    EXPECT_EQ(SubtractPixel(0x10806040, 0, 0, -0xC0, -0x20), 0x308060FFu);
}

TEST(PixelHelpersTest, ColourValuesSwapRedAndBlue) {
    EXPECT_EQ(ColorToPixel(0x00112233), 0xFF332211u);
    EXPECT_EQ(PixelToColor(0x80332211), 0x00112233);
    EXPECT_EQ(PixelToColor(ColorToPixel(0x00ABCDEF)), 0x00ABCDEF);
    // A system colour resolves to an opaque colour of the current scheme.
    TColor face = ResolveSystemColor(TColor(0xFF00000F));
    EXPECT_GE(face, 0);
    EXPECT_EQ(ColorToPixel(TColor(0xFF00000F)), ColorToPixel(face));
}

TEST(PixelHelpersTest, KeyPixelIgnoresAlpha) {
    EXPECT_TRUE(IsKeyPixel(0x007F007F));
    EXPECT_TRUE(IsKeyPixel(0xFF7F007F));
    EXPECT_FALSE(IsKeyPixel(0x007F017F));
}

}  // namespace
}  // namespace skin
