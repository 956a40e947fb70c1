#include <climits>

#include <gtest/gtest.h>

#include "skin/gfx/RegionRuns.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/TileLayout.h"

namespace skin {
namespace {

void SetRow(TSeBitmap& bitmap, int y, std::initializer_list<TPixel> pixels) {
    int x = 0;
    for (TPixel p : pixels) *bitmap.PixelPtr(x++, y) = p;
}

TEST(KeyedDrawTest, ScaledTwoByOneIntoFourByOneDrawsEachPixelTwice) {
    TSeBitmap source;
    source.SetSize(2, 1);
    SetRow(source, 0, {0xFFAA0000, 0xFF00BB00});
    TSeBitmap target;
    target.SetSize(4, 1);
    source.KeyedStretchInto(target, source.BoundsRect());
    EXPECT_EQ(target.GetPixel(0, 0), 0xFFAA0000u);
    EXPECT_EQ(target.GetPixel(1, 0), 0xFFAA0000u);
    EXPECT_EQ(target.GetPixel(2, 0), 0xFF00BB00u);
    EXPECT_EQ(target.GetPixel(3, 0), 0xFF00BB00u);
}

TEST(KeyedDrawTest, KeyPixelsOfAnyAlphaLeaveTheBackground) {
    TSeBitmap source;
    source.SetSize(3, 1);
    SetRow(source, 0, {kKeyPixel, 0xFF7F007F, 0x80102030});
    TSeBitmap target;
    target.SetSize(3, 1);
    target.Fill(0xFF445566);
    source.KeyedStretchInto(target, source.BoundsRect());
    EXPECT_EQ(target.GetPixel(0, 0), 0xFF445566u);
    EXPECT_EQ(target.GetPixel(1, 0), 0xFF445566u);
    EXPECT_EQ(target.GetPixel(2, 0), 0x80102030u);
}

TEST(KeyedDrawTest, SourcePartlyOutsideDrawsOnlyWhatExists) {
    TSeBitmap source;
    source.SetSize(2, 2);
    source.Fill(0xFF0000FF);
    TSeBitmap target;
    target.SetSize(4, 4);
    target.Fill(0xFF000000);
    source.KeyedStretchInto(target, MakeRect(-1, -1, 3, 3));
    EXPECT_EQ(target.GetPixel(0, 0), 0xFF000000u);
    EXPECT_EQ(target.GetPixel(1, 1), 0xFF0000FFu);
    EXPECT_EQ(target.GetPixel(2, 2), 0xFF0000FFu);
    EXPECT_EQ(target.GetPixel(3, 3), 0xFF000000u);
    // Entirely outside: nothing at all.
    source.KeyedStretchInto(target, MakeRect(5, 5, 9, 9));
    EXPECT_EQ(target.GetPixel(1, 1), 0xFF0000FFu);
}

TEST(KeyedDrawTest, APartOfTheDestinationGetsTheSamePixelsAsTheWhole) {
    TSeBitmap source;
    source.SetSize(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) *source.PixelPtr(x, y) = ((x + y) % 3 == 0) ? kKeyPixel : 0xFF000000u + std::uint32_t(y * 16 + x);
    for (TPoint size : {TPoint{7, 5}, TPoint{17, 11}, TPoint{4, 3}}) {
        TSeBitmap whole;
        whole.SetSize(size.X, size.Y);
        whole.Fill(0xFFFFFFFF);
        source.KeyedStretchInto(whole, source.BoundsRect());
        TSeBitmap part;
        part.SetSize(3, 2);
        for (int vy = -1; vy < size.Y; vy += 2) {
            for (int vx = -2; vx < size.X; vx += 3) {
                part.Fill(0xFFFFFFFF);
                source.KeyedStretchInto(part, source.BoundsRect(), size, TPoint{vx, vy});
                for (int y = 0; y < 2; ++y) {
                    for (int x = 0; x < 3; ++x) {
                        TPixel expected = RectContains(MakeRect(0, 0, size.X, size.Y), vx + x, vy + y)
                                              ? whole.GetPixel(vx + x, vy + y)
                                              : 0xFFFFFFFF;
                        ASSERT_EQ(part.GetPixel(x, y), expected)
                            << size.X << "x" << size.Y << " view " << vx << "," << vy << " pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(CopyToTest, PlainCopyIsClippedOnBothSides) {
    TSeBitmap source;
    source.SetSize(3, 3);
    for (int y = 0; y < 3; ++y) SetRow(source, y, {0xFF000001u + 3u * y, 0xFF000002u + 3u * y, 0xFF000003u + 3u * y});
    TSeBitmap destination;
    destination.SetSize(2, 2);
    destination.Fill(0xFFFFFFFF);
    source.CopyTo(destination, -1, 0, MakeRect(0, 1, 3, 5));  // source rows 3 and 4 do not exist
    EXPECT_EQ(destination.GetPixel(0, 0), 0xFF000005u);
    EXPECT_EQ(destination.GetPixel(1, 0), 0xFF000006u);
    EXPECT_EQ(destination.GetPixel(0, 1), 0xFF000008u);
    EXPECT_EQ(destination.GetPixel(1, 1), 0xFF000009u);
    destination.Fill(0xFFFFFFFF);
    source.CopyTo(destination, 1, 1, MakeRect(-2, -2, 1, 1));
    EXPECT_EQ(destination.GetPixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(destination.GetPixel(1, 1), 0xFFFFFFFFu);  // (1,1) shows source (-2,-2), which is absent
    source.CopyTo(destination, 0, 0, MakeRect(-2, -2, 1, 1));
    EXPECT_EQ(destination.GetPixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(destination.GetPixel(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(destination.GetPixel(0, 1), 0xFFFFFFFFu);
    source.CopyTo(destination, -2, -2, MakeRect(0, 0, 3, 3));
    EXPECT_EQ(destination.GetPixel(0, 0), 0xFF000009u);
}

TEST(CopyToTest, WithUseAlphaCompositesRows) {
    TSeBitmap source;
    source.SetSize(3, 1);
    SetRow(source, 0, {0x00FFFFFF, 0x80FFFFFF, 0xFF123456});
    source.SetUseAlpha(true);
    TSeBitmap destination;
    destination.SetSize(5, 1);
    destination.Fill(0xFF000000);
    source.CopyTo(destination, 3, 0, source.BoundsRect());  // the last column falls off the edge
    EXPECT_EQ(destination.GetPixel(2, 0), 0xFF000000u);
    EXPECT_EQ(destination.GetPixel(3, 0), 0xFF000000u);
    EXPECT_EQ(destination.GetPixel(4, 0), BlendPixel(0x80FFFFFF, 0xFF000000));
}

TEST(CopyToTest, CopyWithinOneBitmapReadsEveryPixelBeforeOverwritingIt) {
    for (bool useAlpha : {false, true}) {
        TSeBitmap bitmap;
        bitmap.SetSize(4, 4);
        for (int i = 0; i < 16; ++i) bitmap.Bits()[i] = 0xFF000000u + std::uint32_t(i);
        bitmap.SetUseAlpha(useAlpha);
        bitmap.CopyTo(bitmap, 1, 1, MakeRect(0, 0, 3, 3));  // down and right by one
        for (int y = 1; y < 4; ++y)
            for (int x = 1; x < 4; ++x)
                ASSERT_EQ(bitmap.GetPixel(x, y), 0xFF000000u + std::uint32_t((y - 1) * 4 + x - 1)) << useAlpha;
        bitmap.CopyTo(bitmap, 0, 0, MakeRect(1, 1, 4, 4));  // and back
        EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF000000u);
        EXPECT_EQ(bitmap.GetPixel(2, 2), 0xFF00000Au);
    }
}

TEST(StretchToTest, DoublesPixelsAndClipsTheDestination) {
    TSeBitmap source;
    source.SetSize(2, 1);
    SetRow(source, 0, {0xFFAA0000, 0x8000BB00});
    TSeBitmap destination;
    destination.SetSize(4, 1);
    destination.Fill(0xFF000010);
    source.StretchTo(destination, MakeRect(0, 0, 4, 1), source.BoundsRect());
    EXPECT_EQ(destination.GetPixel(1, 0), 0xFFAA0000u);
    EXPECT_EQ(destination.GetPixel(2, 0), 0x8000BB00u);

    source.SetUseAlpha(true);
    destination.Fill(0xFF000010);
    // Starts two pixels left of the destination. The clipped start is scaled
    // by 65535, not 65536, so the first visible column still samples source
    // column 0 (65535 >> 16); the next one samples column 1.
    source.StretchTo(destination, MakeRect(-2, 0, 2, 1), source.BoundsRect());
    EXPECT_EQ(destination.GetPixel(0, 0), 0xFFAA0000u);
    EXPECT_EQ(destination.GetPixel(1, 0), BlendPixel(0x8000BB00, 0xFF000010));
    EXPECT_EQ(destination.GetPixel(2, 0), 0xFF000010u);
}

TEST(StretchToTest, SourceReachingPastTheBitmapIsNotRead) {
    TSeBitmap source;
    source.SetSize(2, 2);
    source.Fill(0xFF00FF00);
    TSeBitmap destination;
    destination.SetSize(8, 8);
    destination.Fill(0xFF000000);
    source.StretchTo(destination, MakeRect(0, 0, 8, 8), MakeRect(0, 0, 4, 4));
    EXPECT_EQ(destination.GetPixel(3, 3), 0xFF00FF00u);
    EXPECT_EQ(destination.GetPixel(4, 4), 0xFF000000u);
    EXPECT_EQ(destination.GetPixel(7, 0), 0xFF000000u);
}

TEST(MergeBackgroundTest, FillsTransparentPixelsAndKeepsOpaqueOnes) {
    TSeBitmap front;
    front.SetSize(3, 1);
    SetRow(front, 0, {0x00000000, 0x80FF0000, 0xFF00FF00});
    TSeBitmap back;
    back.SetSize(5, 1);
    SetRow(back, 0, {0xFF010101, 0xFF0000FF, 0xFF0000FE, 0xFF0000FD, 0xFF020202});
    front.MergeBackground(back, 0, 0, MakeRect(1, 0, 4, 1));
    EXPECT_EQ(front.GetPixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(front.GetPixel(1, 0), BlendPixel(0x80FF0000, 0xFF0000FE));
    EXPECT_EQ(front.GetPixel(2, 0), 0xFF00FF00u);
}

TEST(MergeBackgroundTest, PixelsBeyondTheRightEdgeDoNotWrapIntoTheNextRow) {
    TSeBitmap front;
    front.SetSize(2, 2);
    TSeBitmap back;
    back.SetSize(4, 4);
    back.Fill(0xFF123456);
    front.MergeBackground(back, 1, 0, MakeRect(0, 0, 4, 4));
    EXPECT_EQ(front.GetPixel(0, 0), 0u);
    EXPECT_EQ(front.GetPixel(1, 0), 0xFF123456u);
    EXPECT_EQ(front.GetPixel(0, 1), 0u);
    EXPECT_EQ(front.GetPixel(1, 1), 0xFF123456u);
    front.MergeBackground(back, -3, -3, MakeRect(0, 0, 4, 4));
    EXPECT_EQ(front.GetPixel(0, 0), 0xFF123456u);
}

std::vector<Tile> Tiles(const TRect& destination, const TRect& source, const TRect& within) {
    std::vector<Tile> tiles;
    ForEachTile(destination, source, within, [&tiles](const Tile& tile) { tiles.push_back(tile); });
    return tiles;
}

TEST(TileLayoutTest, TenByTenIntoTwentyFiveByFifteen) {
    TRect destination = MakeRect(100, 200, 125, 215);
    std::vector<Tile> tiles = Tiles(destination, MakeRect(7, 3, 17, 13), destination);
    ASSERT_EQ(tiles.size(), 6u);
    // Column by column, rows within a column.
    EXPECT_EQ(tiles[0].destination, MakeRect(100, 200, 110, 210));
    EXPECT_EQ(tiles[0].source, MakeRect(7, 3, 17, 13));
    EXPECT_EQ(tiles[1].destination, MakeRect(100, 210, 110, 215));
    EXPECT_EQ(tiles[1].source, MakeRect(7, 3, 17, 8));
    EXPECT_EQ(tiles[2].destination, MakeRect(110, 200, 120, 210));
    EXPECT_EQ(tiles[4].destination, MakeRect(120, 200, 125, 210));
    EXPECT_EQ(tiles[4].source, MakeRect(7, 3, 12, 13));
    EXPECT_EQ(tiles[5].destination, MakeRect(120, 210, 125, 215));
    EXPECT_EQ(tiles[5].source, MakeRect(7, 3, 12, 8));
}

TEST(TileLayoutTest, OnlyTilesThatCanShowAreVisitedInAHugeDestination) {
    TRect huge = MakeRect(-2000000000, -2000000000, 2000000000, 2000000000);
    std::vector<Tile> tiles = Tiles(huge, MakeRect(0, 0, 1, 1), MakeRect(0, 0, 3, 2));
    ASSERT_EQ(tiles.size(), 6u);
    EXPECT_EQ(tiles[0].destination, MakeRect(0, 0, 1, 1));
    EXPECT_EQ(tiles[1].destination, MakeRect(0, 1, 1, 2));
    EXPECT_EQ(tiles[5].destination, MakeRect(2, 1, 3, 2));
    // Tiles keep their grid: a view starting inside a tile gets that whole tile.
    tiles = Tiles(MakeRect(0, 0, 25, 15), MakeRect(0, 0, 10, 10), MakeRect(12, 12, 13, 13));
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(tiles[0].destination, MakeRect(10, 10, 20, 15));
    EXPECT_EQ(tiles[0].source, MakeRect(0, 0, 10, 5));
}

TEST(TileLayoutTest, EmptySourceOrDestinationGivesNoTiles) {
    TRect all = MakeRect(-100, -100, 100, 100);
    EXPECT_TRUE(Tiles(MakeRect(0, 0, 10, 10), MakeRect(0, 0, 0, 5), all).empty());
    EXPECT_TRUE(Tiles(MakeRect(0, 0, 10, 10), MakeRect(5, 5, 0, 0), all).empty());
    EXPECT_TRUE(Tiles(MakeRect(0, 0, 0, 10), MakeRect(0, 0, 4, 4), all).empty());
    EXPECT_TRUE(Tiles(MakeRect(0, 0, 8, 4), MakeRect(0, 0, 4, 4), MakeRect(50, 50, 60, 60)).empty());
    EXPECT_EQ(Tiles(MakeRect(0, 0, 8, 4), MakeRect(0, 0, 4, 4), all).size(), 2u);
}

TEST(ExtremeRectanglesTest, EveryOperationStaysInsideAndComputesWithoutOverflow) {
    // Skins are untrusted: any edges may arrive. Under the undefined-behaviour
    // sanitizer an overflow here aborts the test.
    const int lo = INT_MIN, hi = INT_MAX;
    const TRect extremes[] = {MakeRect(lo, lo, hi, hi), MakeRect(hi, hi, lo, lo), MakeRect(lo, 0, 1, 1),
                              MakeRect(0, 0, hi, 1), MakeRect(hi - 1, hi - 1, hi, hi), MakeRect(lo, lo, lo + 1, lo + 1)};
    const int offsets[] = {lo, -1, 0, hi};
    TSeBitmap a, b;
    a.SetSize(3, 3);
    b.SetSize(4, 2);
    a.Fill(0x80102030);
    b.Fill(0xFF405060);
    for (const TRect& r : extremes) {
        a.FillRect(r, 0xFF000001);
        a.SetAlphaRect(7, r);
        a.HasKeyPixelsWithAlpha(r);
        for (bool alpha : {false, true}) {
            a.SetUseAlpha(alpha);
            for (int x : offsets) {
                for (int y : offsets) {
                    a.CopyTo(b, x, y, r);
                    b.MergeBackground(a, x, y, r);
                    a.KeyedStretchInto(b, r, TPoint{hi, hi}, TPoint{x, y});
                }
            }
            for (const TRect& d : extremes) a.StretchTo(b, d, r);
            a.KeyedStretchInto(b, r);
        }
        ForEachTile(r, MakeRect(0, 0, 3, 3), MakeRect(0, 0, 4, 4), [](const Tile&) {});
        ForEachTile(MakeRect(0, 0, 4, 4), r, MakeRect(0, 0, 4, 4), [](const Tile&) {});
    }
    // The whole-range rectangle covered both bitmaps: everything was drawn
    // and nothing outside them was touched (the address sanitizer would say).
    EXPECT_EQ(a.GetPixel(1, 1) & 0x00FFFFFF, 0x000001u);
}

TEST(RegionRunsTest, OneRectanglePerRunOfNonKeyPixels) {
    TSeBitmap bitmap;
    bitmap.SetSize(5, 3);
    bitmap.Fill(0xFF00FF00);
    SetRow(bitmap, 0, {kKeyPixel, 0xFF000000, 0xFF000000, kKeyPixel, 0xFF000000});
    SetRow(bitmap, 1, {kKeyPixel, kKeyPixel, 0xFF7F007F, kKeyPixel, kKeyPixel});
    std::vector<TRect> runs = RegionRuns(bitmap, 10, 20);
    std::vector<TRect> expected = {MakeRect(11, 20, 13, 21), MakeRect(14, 20, 15, 21), MakeRect(10, 22, 15, 23)};
    EXPECT_EQ(runs, expected);
    EXPECT_TRUE(RegionRuns(TSeBitmap{}, 0, 0).empty());
}

}  // namespace
}  // namespace skin
