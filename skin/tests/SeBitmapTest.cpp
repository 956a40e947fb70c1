#include <climits>

#include <gtest/gtest.h>

#include "skin/gfx/HueShift.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/SkinError.h"

namespace skin {
namespace {

TEST(SeBitmapSizeTest, TakesAbsoluteSizesAndStartsWithZeroPixels) {
    TSeBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(-10, 5);
    EXPECT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 10);
    EXPECT_EQ(bitmap.Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(bitmap.GetPixel(x, y), 0u);
}

TEST(SeBitmapSizeTest, ZeroOrUnchangedSizesKeepTheBuffer) {
    TSeBitmap bitmap;
    bitmap.SetSize(10, 0);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(4, 3);
    bitmap.Fill(0xFF112233);
    bitmap.SetSize(10, 0);
    bitmap.SetSize(0, -7);
    bitmap.SetSize(-4, -3);
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_EQ(bitmap.GetPixel(3, 2), 0xFF112233u);
    // A new size discards the old pixels.
    bitmap.SetSize(5, 3);
    EXPECT_EQ(bitmap.GetPixel(3, 2), 0u);
}

TEST(SeBitmapSizeTest, ABufferTooLargeFailsWithTheAllocationTextAndLeavesItEmpty) {
    TSeBitmap bitmap;
    bitmap.SetSize(8, 8);
    try {
        bitmap.SetSize(100000, 100000);
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
    EXPECT_THROW(bitmap.SetSize(INT_MIN, 1), SkinError);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(SeBitmapPixelTest, GetPixelOutsideOrWithoutBufferIsOpaqueBlack) {
    TSeBitmap bitmap;
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF000000u);
    bitmap.SetSize(3, 2);
    bitmap.Fill(0x11223344);
    EXPECT_EQ(bitmap.GetPixel(-1, 0), 0xFF000000u);
    EXPECT_EQ(bitmap.GetPixel(3, 0), 0xFF000000u);
    EXPECT_EQ(bitmap.GetPixel(0, 2), 0xFF000000u);
    EXPECT_EQ(bitmap.GetPixel(2, 1), 0x11223344u);
}

TEST(SeBitmapFillTest, FillRectIsClippedAndBlendsWithUseAlpha) {
    TSeBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Fill(0xFF0000FF);
    bitmap.FillRect(MakeRect(-5, -5, 2, 1), 0xFF00FF00);
    bitmap.FillRect(MakeRect(3, 3, 100, 100), 0xFFFF0000);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(bitmap.GetPixel(2, 0), 0xFF0000FFu);
    EXPECT_EQ(bitmap.GetPixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(bitmap.GetPixel(3, 3), 0xFFFF0000u);

    bitmap.SetUseAlpha(true);
    bitmap.FillRect(MakeRect(1, 1, 3, 3), 0x80FFFFFF);
    EXPECT_EQ(bitmap.GetPixel(1, 1), BlendPixel(0x80FFFFFF, 0xFF0000FF));
    EXPECT_EQ(bitmap.GetPixel(3, 1), 0xFF0000FFu);
}

TEST(SeBitmapFillTest, AlphaFillsTouchOnlyTheAlphaByte) {
    TSeBitmap one;
    one.SetSize(1, 1);
    one.Fill(0x00ABCDEF);
    one.SetAlpha(255);
    EXPECT_EQ(one.GetPixel(0, 0), 0xFFABCDEFu);

    TSeBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.Fill(0x10203040);
    bitmap.SetAlphaRect(0x80, MakeRect(1, 1, 1, 3));  // zero width: nothing
    EXPECT_EQ(bitmap.GetPixel(1, 1), 0x10203040u);
    bitmap.SetAlphaRect(0x80, MakeRect(2, 2, 9, 9));
    EXPECT_EQ(bitmap.GetPixel(2, 2), 0x80203040u);
    EXPECT_EQ(bitmap.GetPixel(1, 2), 0x10203040u);
    EXPECT_EQ(bitmap.GetPixel(2, 1), 0x10203040u);
}

TEST(SeBitmapColourTest, ReplaceNearColorUsesAStrictDistanceOfSix) {
    TSeBitmap bitmap;
    bitmap.SetSize(4, 1);
    *bitmap.PixelPtr(0, 0) = 0xFFFA04FB;  // (250, 4, 251): within 5 of magenta
    *bitmap.PixelPtr(1, 0) = 0xFFF900FF;  // (249, 0, 255): red differs by 6
    *bitmap.PixelPtr(2, 0) = 0x00FF00FF;
    *bitmap.PixelPtr(3, 0) = 0xFFFF06FF;  // green differs by 6
    bitmap.ReplaceNearColor(0x00FF00FF);
    EXPECT_EQ(bitmap.GetPixel(0, 0), kKeyPixel);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFFF900FFu);
    EXPECT_EQ(bitmap.GetPixel(2, 0), kKeyPixel);
    EXPECT_EQ(bitmap.GetPixel(3, 0), 0xFFFF06FFu);
}

TEST(SeBitmapColourTest, ChangeHueSkipsTransparentPixelsAndMakesTheRestOpaque) {
    TSeBitmap bitmap;
    bitmap.SetSize(4, 1);
    *bitmap.PixelPtr(0, 0) = kKeyPixel;
    *bitmap.PixelPtr(1, 0) = 0x00FF0000;
    *bitmap.PixelPtr(2, 0) = 0xFFFF0000;
    *bitmap.PixelPtr(3, 0) = 0x40FF0000;
    bitmap.ChangeHue(85);
    EXPECT_EQ(bitmap.GetPixel(0, 0), kKeyPixel);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0x00FF0000u);
    EXPECT_EQ(bitmap.GetPixel(2, 0), 0xFF00FF00u);
    EXPECT_EQ(bitmap.GetPixel(3, 0), 0xFF00FF00u);
}

TEST(SeBitmapColourTest, FindsKeyPixelsThatCarryAlphaInsideARectangleOnly) {
    TSeBitmap bitmap;
    bitmap.SetSize(3, 3);
    bitmap.Fill(kKeyPixel);
    EXPECT_FALSE(bitmap.HasKeyPixelsWithAlpha(bitmap.BoundsRect()));
    *bitmap.PixelPtr(2, 2) = 0x017F007F;
    EXPECT_TRUE(bitmap.HasKeyPixelsWithAlpha(MakeRect(-5, -5, 10, 10)));
    EXPECT_FALSE(bitmap.HasKeyPixelsWithAlpha(MakeRect(0, 0, 2, 3)));
    *bitmap.PixelPtr(0, 0) = 0xFF7E007F;
    EXPECT_FALSE(bitmap.HasKeyPixelsWithAlpha(MakeRect(0, 0, 2, 2)));
}

}  // namespace
}  // namespace skin
