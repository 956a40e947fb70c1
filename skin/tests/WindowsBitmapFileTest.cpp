// Windows bitmap files written and read over TSeBitmap pixels.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/WindowsBitmapFile.h"

namespace skin {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

TEST(WindowsBitmapFileTest, WritesA565FileWithMasksAndPaddedBottomUpRows) {
    TSeBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Bits()[0] = 0xFFFF0000;  // top-left red
    bitmap.Bits()[3] = 0xFF00FF00;  // bottom-left green
    bitmap.Bits()[5] = kKeyPixel;
    const auto file = EncodeBitmap565(bitmap);
    ASSERT_EQ(file.size(), 14u + 40u + 12u + 2u * 8u);  // rows of 6 bytes padded to 8
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), file.size());
    EXPECT_EQ(U32(file, 10), 66u);
    EXPECT_EQ(U32(file, 18), 3u);
    EXPECT_EQ(U32(file, 22), 2u);
    EXPECT_EQ(file[28], 16);
    EXPECT_EQ(U32(file, 30), 3u);  // bit fields
    EXPECT_EQ(U32(file, 54), 0xF800u);
    EXPECT_EQ(U32(file, 58), 0x07E0u);
    EXPECT_EQ(U32(file, 62), 0x001Fu);
    // The first row stored is the bottom one: green, black, key.
    EXPECT_EQ(file[66] | file[67] << 8, 0x07E0);
    EXPECT_EQ(file[70] | file[71] << 8, (0x7F >> 3) << 11 | (0x7F >> 3));
    EXPECT_EQ(file[74] | file[75] << 8, 0xF800);

    TSeBitmap back;
    DecodeWindowsBitmap(file, back);
    ASSERT_EQ(back.Width(), 3);
    ASSERT_EQ(back.Height(), 2);
    EXPECT_EQ(back.GetPixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(back.GetPixel(0, 1), 0xFF00FF00u);
    EXPECT_EQ(back.GetPixel(2, 1), 0xFF7B007Bu);  // 5 bits widened: near the key, not on it
}

// A file built by hand: header fields at their offsets.
std::vector<std::uint8_t> File(int width, int height, int bpp, std::uint32_t compression,
                               const std::vector<std::uint8_t>& extra, const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> f;
    f.reserve(54 + extra.size() + pixels.size());
    f.resize(54);
    auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) f[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put(10, std::uint32_t(54 + extra.size()), 4);
    put(14, 40, 4);
    put(18, std::uint32_t(width), 4);
    put(22, std::uint32_t(height), 4);
    put(26, 1, 2);
    put(28, std::uint32_t(bpp), 2);
    put(30, compression, 4);
    if (bpp <= 8) put(46, std::uint32_t(extra.size() / 4), 4);  // palette entries used
    f.insert(f.end(), extra.begin(), extra.end());
    f.insert(f.end(), pixels.begin(), pixels.end());
    return f;
}

TEST(WindowsBitmapFileTest, ReadsPalettesTwentyFourAndThirtyTwoBitsAndTopDownRows) {
    TSeBitmap bitmap;
    // 8 bits, two palette entries (blue, green, red, reserved), top-down.
    DecodeWindowsBitmap(File(2, -2, 8, 0, {0x10, 0x20, 0x30, 0, 0xFF, 0xFF, 0xFF, 0}, {0, 1, 0, 0, 1, 0, 0, 0}),
                        bitmap);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF302010u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.GetPixel(0, 1), 0xFFFFFFFFu);
    // 24 bits, bottom-up, rows padded to 4 bytes.
    DecodeWindowsBitmap(File(1, 2, 24, 0, {}, {1, 2, 3, 0, 4, 5, 6, 0}), bitmap);
    EXPECT_EQ(bitmap.GetPixel(0, 1), 0xFF030201u);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF060504u);
    // 32 bits: the fourth byte is not alpha; every pixel is opaque.
    DecodeWindowsBitmap(File(1, 1, 32, 0, {}, {9, 8, 7, 0}), bitmap);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF070809u);
    // 16 bits without masks: 5-5-5.
    DecodeWindowsBitmap(File(1, 1, 16, 0, {}, {0x00, 0x7C, 0, 0}), bitmap);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFFFF0000u);
    // 1 bit: the first pixel is the top bit.
    DecodeWindowsBitmap(File(3, 1, 1, 0, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0xA0, 0, 0, 0}), bitmap);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFF000000u);
    EXPECT_EQ(bitmap.GetPixel(2, 0), 0xFFFFFFFFu);
}

TEST(WindowsBitmapFileTest, MalformedFilesAreRefusedBeforeAnythingIsAllocated) {
    auto refused = [](const std::vector<std::uint8_t>& file) {
        TSeBitmap bitmap;
        EXPECT_THROW(DecodeWindowsBitmap(file, bitmap), EInvalidBitmapFile);
        EXPECT_TRUE(bitmap.Empty());
    };
    refused({});
    refused({'B', 'M'});
    refused(File(1, 1, 24, 0, {}, {}));                      // pixels missing
    refused(File(0x7FFFFFFF, 0x7FFFFFFF, 32, 0, {}, {1, 2, 3, 4}));  // a huge claim in a few bytes
    refused(File(2, 2, 24, 1, {}, std::vector<std::uint8_t>(64)));  // run-length compressed
    refused(File(2, 2, 12, 0, {}, std::vector<std::uint8_t>(64)));  // no such depth
    refused(File(0, 5, 24, 0, {}, std::vector<std::uint8_t>(64)));
    refused(File(1, 1, 8, 0, {}, {5, 0, 0, 0}));                   // palette missing
    refused(File(1, 1, 16, 3, {0x0F, 0x0F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0}));  // mask not a run
    std::vector<std::uint8_t> wrong = File(1, 1, 24, 0, {}, {1, 2, 3, 0});
    wrong[0] = 'X';
    refused(wrong);
}

// The writer gives an empty bitmap a file of 0 x 0 pixels; such a file reads
// as an empty bitmap, whatever the bitmap held before.
TEST(WindowsBitmapFileTest, AFileOfNoPixelsReadsAsAnEmptyBitmap) {
    const auto file = EncodeBitmap565(TSeBitmap());
    ASSERT_EQ(file.size(), 66u);
    TSeBitmap bitmap;
    bitmap.SetSize(4, 4);
    DecodeWindowsBitmap(file, bitmap);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    DecodeWindowsBitmap(File(0, 0, 8, 0, {}, {}), bitmap);  // no palette needed for no pixels
    EXPECT_TRUE(bitmap.Empty());
}

}  // namespace
}  // namespace skin
