// Drawing bitmaps onto device contexts with the real platform calls. The
// destination is itself a bitmap, so its pixels can be read back directly.
#include <gtest/gtest.h>

#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/RegionFromBitmap.h"
#include "skin/win32/SkinLibrary.h"

namespace skin {
namespace {

constexpr TPixel kBackground = 0xFF203040;

TPixel Rgb(TPixel p) { return p & 0x00FFFFFF; }

// A bitmap whose every pixel is distinct: 0xFF00yyxx.
void FillNumbered(TSeBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) *bitmap.PixelPtr(x, y) = 0xFF000000u | std::uint32_t(y << 8) | std::uint32_t(x);
}

void ExpectAllRgb(const TSeBitmap& bitmap, TPixel value) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            ASSERT_EQ(Rgb(bitmap.GetPixel(x, y)), Rgb(value)) << x << "," << y;
}

TEST(BitmapDrawTest, PlainDrawCopiesPixelsToThePosition) {
    TSeBitmap source;
    FillNumbered(source, 3, 2);
    TSeBitmap screen;
    screen.SetSize(8, 8);
    screen.Fill(kBackground);
    Draw(source, BitmapDC(screen), 4, 5, false);
    EXPECT_EQ(Rgb(screen.GetPixel(4, 5)), 0x000000u);
    EXPECT_EQ(Rgb(screen.GetPixel(6, 6)), 0x000102u);
    EXPECT_EQ(Rgb(screen.GetPixel(3, 5)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(7, 5)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(4, 7)), Rgb(kBackground));
}

TEST(BitmapDrawTest, DrawRectDrawsOnlyThePartInsideTheBitmap) {
    TSeBitmap source;
    FillNumbered(source, 4, 4);
    TSeBitmap screen;
    screen.SetSize(8, 8);
    screen.Fill(kBackground);
    DrawRect(source, BitmapDC(screen), 0, 0, MakeRect(-2, -2, 2, 2), false);
    EXPECT_EQ(Rgb(screen.GetPixel(0, 0)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(1, 1)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(2, 2)), 0x000000u);
    EXPECT_EQ(Rgb(screen.GetPixel(3, 3)), 0x000101u);
    EXPECT_EQ(Rgb(screen.GetPixel(4, 4)), Rgb(kBackground));
}

TEST(BitmapDrawTest, StretchDrawDoublesEachPixel) {
    TSeBitmap source;
    source.SetSize(2, 1);
    *source.PixelPtr(0, 0) = 0xFFAA0000;
    *source.PixelPtr(1, 0) = 0xFF00BB00;
    TSeBitmap screen;
    screen.SetSize(6, 1);
    screen.Fill(kBackground);
    StretchDraw(source, BitmapDC(screen), MakeRect(1, 0, 5, 1), source.BoundsRect(), false);
    EXPECT_EQ(Rgb(screen.GetPixel(0, 0)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(1, 0)), 0xAA0000u);
    EXPECT_EQ(Rgb(screen.GetPixel(2, 0)), 0xAA0000u);
    EXPECT_EQ(Rgb(screen.GetPixel(3, 0)), 0x00BB00u);
    EXPECT_EQ(Rgb(screen.GetPixel(4, 0)), 0x00BB00u);
    EXPECT_EQ(Rgb(screen.GetPixel(5, 0)), Rgb(kBackground));
}

// Every colour-keyed path: straight into a bitmap's pixels (a bitmap's own
// context in its plain state), the platform's transfer (a clipped context
// takes it), and the buffered software one.
enum class KeyedPath { Pixels, Platform, Software };

class KeyedPathTest : public ::testing::TestWithParam<KeyedPath> {
protected:
    void DrawKeyed(const TSeBitmap& bitmap, TSeBitmap& screen, const TRect& destination, const TRect& source) {
        HDC dc = BitmapDC(screen);
        switch (GetParam()) {
            case KeyedPath::Pixels:
                StretchDraw(bitmap, dc, destination, source, true);
                break;
            case KeyedPath::Platform: {
                ASSERT_TRUE(TransparentBltAvailable()) << "this platform should offer TransparentBlt";
                // A pixel out of the clip, which the tests do not look at.
                const int saved = SaveDC(dc);
                ExcludeClipRect(dc, screen.Width() - 1, screen.Height() - 1, screen.Width(), screen.Height());
                StretchDraw(bitmap, dc, destination, source, true);
                RestoreDC(dc, saved);
                break;
            }
            case KeyedPath::Software:
                KeyedDrawSoftware(bitmap, dc, destination, source);
                break;
        }
    }
};

TEST_P(KeyedPathTest, AllKeyBitmapLeavesTheDestinationUnchanged) {
    TSeBitmap keys;
    keys.SetSize(5, 4);
    keys.Fill(kKeyPixel);
    TSeBitmap screen;
    screen.SetSize(12, 10);
    screen.Fill(kBackground);
    DrawKeyed(keys, screen, MakeRect(1, 1, 6, 5), keys.BoundsRect());
    DrawKeyed(keys, screen, MakeRect(0, 0, 12, 10), keys.BoundsRect());
    ExpectAllRgb(screen, kBackground);
}

TEST_P(KeyedPathTest, KeyPixelsWithAlphaAreLeftOutToo) {
    // The platform's transfer compares whole pixels and would draw these.
    TSeBitmap keys;
    keys.SetSize(3, 2);
    keys.Fill(0xFF7F007F);
    *keys.PixelPtr(1, 1) = 0x807F007F;
    TSeBitmap screen;
    screen.SetSize(8, 6);
    screen.Fill(kBackground);
    DrawKeyed(keys, screen, MakeRect(1, 1, 4, 3), keys.BoundsRect());
    DrawKeyed(keys, screen, MakeRect(0, 0, 8, 6), keys.BoundsRect());
    ExpectAllRgb(screen, kBackground);
}

TEST_P(KeyedPathTest, NonKeyPixelsAreDrawnAndScaled) {
    TSeBitmap source;
    source.SetSize(2, 1);
    *source.PixelPtr(0, 0) = 0xFF00AA00;
    *source.PixelPtr(1, 0) = kKeyPixel;
    TSeBitmap screen;
    screen.SetSize(6, 2);
    screen.Fill(kBackground);
    DrawKeyed(source, screen, MakeRect(1, 1, 5, 2), source.BoundsRect());
    EXPECT_EQ(Rgb(screen.GetPixel(0, 1)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(1, 1)), 0x00AA00u);
    EXPECT_EQ(Rgb(screen.GetPixel(2, 1)), 0x00AA00u);
    EXPECT_EQ(Rgb(screen.GetPixel(3, 1)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(4, 1)), Rgb(kBackground));
    EXPECT_EQ(Rgb(screen.GetPixel(1, 0)), Rgb(kBackground));
}

INSTANTIATE_TEST_SUITE_P(EveryPath, KeyedPathTest,
                         ::testing::Values(KeyedPath::Pixels, KeyedPath::Platform, KeyedPath::Software),
                         [](const auto& info) {
                             return info.param == KeyedPath::Pixels     ? "Pixels"
                                    : info.param == KeyedPath::Platform ? "TransparentBlt"
                                                                        : "Software";
                         });

// The pixel path honours the context's origin, as the others do.
TEST(KeyedPathTest, PixelsLandWhereTheContextsOriginPutsThem) {
    TSeBitmap source;
    FillNumbered(source, 3, 2);
    *source.PixelPtr(1, 0) = kKeyPixel;
    TSeBitmap direct, moved;
    for (TSeBitmap* b : {&direct, &moved}) {
        b->SetSize(10, 8);
        b->Fill(kBackground);
    }
    DrawRect(source, BitmapDC(direct), 5, 4, source.BoundsRect(), true);
    SetViewportOrgEx(BitmapDC(moved), 7, 3, nullptr);
    DrawRect(source, BitmapDC(moved), -2, 1, source.BoundsRect(), true);
    SetViewportOrgEx(BitmapDC(moved), 0, 0, nullptr);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(moved.GetPixel(x, y), direct.GetPixel(x, y)) << x << "," << y;
    EXPECT_EQ(Rgb(direct.GetPixel(5, 4)), 0x000000u);
    EXPECT_EQ(Rgb(direct.GetPixel(6, 4)), Rgb(kBackground));  // the key pixel
    EXPECT_EQ(Rgb(direct.GetPixel(7, 5)), 0x000102u);
}

TEST(SoftwareKeyedDrawTest, HugeDestinationBuffersOnlyWhatTheContextShows) {
    // 100000 x 100000 pixels: only the 8 x 8 that the destination bitmap
    // holds go through the buffer, not 40 GB.
    TSeBitmap source;
    source.SetSize(2, 2);
    source.Fill(0xFF00C000);
    *source.PixelPtr(0, 0) = kKeyPixel;
    TSeBitmap screen;
    screen.SetSize(8, 8);
    screen.Fill(kBackground);
    KeyedDrawSoftware(source, BitmapDC(screen), MakeRect(-50000, -50000, 50000, 50000), source.BoundsRect());
    // The 16.16 step is 2 x 65536 div 100000 = 1, so column 50000 still
    // samples source column 0 (50000 >> 16), which is key; column 99999 samples 1.
    ExpectAllRgb(screen, kBackground);
    KeyedDrawSoftware(source, BitmapDC(screen), MakeRect(-99996, -99996, 4, 4), source.BoundsRect());
    EXPECT_EQ(Rgb(screen.GetPixel(0, 0)), 0x00C000u);
    EXPECT_EQ(Rgb(screen.GetPixel(3, 3)), 0x00C000u);
    EXPECT_EQ(Rgb(screen.GetPixel(4, 4)), Rgb(kBackground));
}

TEST(TileDrawTest, TenByTenFillsTwentyFiveByFifteenFromTheTopLeftCorner) {
    TSeBitmap source;
    FillNumbered(source, 12, 12);
    TSeBitmap screen;
    screen.SetSize(40, 30);
    screen.Fill(kBackground);
    TRect destination = MakeRect(5, 7, 30, 22);
    TRect tile = MakeRect(1, 2, 11, 12);
    TileDraw(source, BitmapDC(screen), destination, tile, false);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            TPixel expected = kBackground;
            if (RectContains(destination, x, y)) {
                int sx = tile.Left + (x - destination.Left) % 10;
                int sy = tile.Top + (y - destination.Top) % 10;
                expected = source.GetPixel(sx, sy);
            }
            ASSERT_EQ(Rgb(screen.GetPixel(x, y)), Rgb(expected)) << x << "," << y;
        }
    }
}

TEST(RegionFromBitmapTest, RegionCoversExactlyTheNonKeyPixels) {
    TSeBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.Fill(0xFF000000);
    *bitmap.PixelPtr(0, 0) = kKeyPixel;
    *bitmap.PixelPtr(3, 0) = kKeyPixel;
    for (int x = 0; x < 4; ++x) *bitmap.PixelPtr(x, 2) = kKeyPixel;
    *bitmap.PixelPtr(2, 1) = kKeyPixel;
    HRGN region = RegionFromBitmap(bitmap, 10, 20);
    ASSERT_NE(region, nullptr);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(PtInRegion(region, 10 + x, 20 + y) != FALSE, !IsKeyPixel(bitmap.GetPixel(x, y)))
                << x << "," << y;
        }
    }
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 14);
    EXPECT_EQ(box.bottom, 22);
    DeleteObject(region);
    EXPECT_EQ(RegionFromBitmap(TSeBitmap{}, 0, 0), nullptr);
    // Key pixels only: a region, but an empty one.
    bitmap.Fill(kKeyPixel);
    HRGN none = RegionFromBitmap(bitmap, 0, 0);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
    DeleteObject(none);
}

TEST(SkinLibraryTest, InitialisationNestsAndKeepsItsState) {
    bool available = TransparentBltAvailable();
    InitializeSkinLibrary();
    FinalizeSkinLibrary();
    EXPECT_EQ(TransparentBltAvailable(), available);
    EXPECT_TRUE(IsWindowsNT());
    // The keyed tests above rely on the platform's transfer really working here.
    TSeBitmap source, target;
    source.SetSize(2, 2);
    source.Fill(0xFF00FF00);
    target.SetSize(2, 2);
    EXPECT_TRUE(CallTransparentBlt(BitmapDC(target), 0, 0, 2, 2, BitmapDC(source), 0, 0, 2, 2, kKeyColor));
    EXPECT_EQ(Rgb(target.GetPixel(1, 1)), 0x00FF00u);
}

}  // namespace
}  // namespace skin
