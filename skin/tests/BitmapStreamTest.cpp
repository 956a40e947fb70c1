#include <cstdint>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/storage/StreamString.h"

namespace skin {
namespace {

using framework::EStreamError;
using framework::TMemoryStream;

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values) bytes.push_back(std::uint8_t(v));
    return bytes;
}

void ExpectReadError(TMemoryStream& stream, TSeBitmap& bitmap) {
    try {
        bitmap.LoadFromStream(stream);
        FAIL() << "no error";
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
}

TEST(BitmapStreamTest, SavedBitmapLoadsBackByteForByte) {
    TSeBitmap original;
    original.SetName("Frame");
    original.SetSize(3, 2);
    for (int i = 0; i < 6; ++i) original.Bits()[i] = 0x01020304u * std::uint32_t(i + 1);
    TMemoryStream stream;
    original.SaveToStream(stream);
    ASSERT_EQ(stream.Bytes().size(), 4u + 5u + 8u + 24u);
    // Little-endian fields and pixels in memory order blue, green, red, alpha.
    EXPECT_EQ(stream.Bytes()[0], 5);
    EXPECT_EQ(stream.Bytes()[9], 3);
    EXPECT_EQ(stream.Bytes()[13], 2);
    EXPECT_EQ(stream.Bytes()[17], 0x04);
    EXPECT_EQ(stream.Bytes()[20], 0x01);

    stream.SetPosition(0);
    TSeBitmap copy;
    copy.LoadFromStream(stream);
    EXPECT_EQ(stream.Remaining(), 0);
    EXPECT_EQ(copy.Name(), "Frame");
    ASSERT_EQ(copy.Width(), 3);
    ASSERT_EQ(copy.Height(), 2);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(copy.Bits()[i], original.Bits()[i]);
}

TEST(BitmapStreamTest, OnePixelBitmapLoadsAndTakesAlpha) {
    TMemoryStream stream(Bytes({1, 0, 0, 0, 'a', 1, 0, 0, 0, 1, 0, 0, 0, 0x30, 0x20, 0x10, 0x00}));
    TSeBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0x00102030u);
    bitmap.SetAlpha(255);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF102030u);
}

TEST(BitmapStreamTest, TruncatedPixelsAreAReadError) {
    TMemoryStream stream(Bytes({0, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7}));
    TSeBitmap bitmap;
    ExpectReadError(stream, bitmap);
    TMemoryStream cut(Bytes({0, 0, 0, 0, 2, 0}));
    ExpectReadError(cut, bitmap);
}

TEST(BitmapStreamTest, HugeSizesAreRefusedBeforeAnythingIsAllocated) {
    // 0x7FFFFFFF x 0x7FFFFFFF pixels announced, 8 bytes present.
    TMemoryStream stream(Bytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4, 5, 6, 7, 8}));
    TSeBitmap bitmap;
    ExpectReadError(stream, bitmap);
    EXPECT_TRUE(bitmap.Empty());
    TMemoryStream negative(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 0, 0x80}));
    ExpectReadError(negative, bitmap);
}

// A record of width -2 and height 2 with its 16 pixel bytes, then a valid
// one: taking -2 as 2 and leaving the pixels behind would misread the next
// record's fields from them.
TEST(BitmapStreamTest, NegativeStoredSizesAreReadErrors) {
    for (auto [width, height] : {std::pair{-2, 2}, std::pair{2, -2}, std::pair{-1, 0}}) {
        TMemoryStream stream;
        WriteStreamString(stream, "neg");
        stream.WriteInt32(width);
        stream.WriteInt32(height);
        for (int i = 0; i < 16; ++i) stream.WriteUInt8(0x11);
        WriteStreamString(stream, "next");
        stream.WriteInt32(1);
        stream.WriteInt32(1);
        stream.WriteUInt32(0x22222222);
        stream.SetPosition(0);
        TSeBitmap bitmap;
        ExpectReadError(stream, bitmap);
        EXPECT_TRUE(bitmap.Empty());
    }
    // SetSize itself still takes the magnitude.
    TSeBitmap bitmap;
    bitmap.SetSize(-2, 3);
    EXPECT_EQ(bitmap.Width(), 2);
}

TEST(BitmapStreamTest, BadNameLengthsAreReadErrors) {
    TMemoryStream negative(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 'x'}));
    TSeBitmap bitmap;
    ExpectReadError(negative, bitmap);
    TMemoryStream tooLong(Bytes({0x00, 0x00, 0x00, 0x40, 'x', 'y'}));
    ExpectReadError(tooLong, bitmap);
}

TEST(BitmapStreamTest, PixelsOfASizeThatCannotBeTakenAreLeftUnread) {
    // Width 0: the bitmap keeps its size, so the 8 bytes after the header stay.
    TMemoryStream stream(Bytes({0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
    TSeBitmap bitmap;
    bitmap.LoadFromStream(stream);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(stream.Position(), 12);
}

TEST(StreamStringTest, RoundTripKeepsEveryByte) {
    TMemoryStream stream;
    std::string text("a\0b\xFF ", 5);
    WriteStreamString(stream, text);
    WriteStreamString(stream, "");
    EXPECT_EQ(stream.Bytes().size(), 4u + 5u + 4u);
    stream.SetPosition(0);
    EXPECT_EQ(ReadStreamString(stream), text);
    EXPECT_EQ(ReadStreamString(stream), "");
    EXPECT_THROW(ReadStreamString(stream), EStreamError);
}

}  // namespace
}  // namespace skin
