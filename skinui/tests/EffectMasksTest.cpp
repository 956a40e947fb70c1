// The show animation's masks, on masks small enough to check by hand, and
// the relations between the effects that mirror each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "skinui/effects/EffectMasks.h"

namespace skinui {
namespace {

TEffectMask Drawn(TkeEffect effect, int progress, int w, int h) {
    TEffectMask mask(w, h);
    DrawEffectMask(effect, progress, mask);
    return mask;
}

// The mask as rows of values, for readable failures.
std::vector<std::vector<int>> Rows(const TEffectMask& mask) {
    std::vector<std::vector<int>> rows(std::size_t(mask.height));
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) rows[std::size_t(y)].push_back(mask.At(x, y));
    return rows;
}

int CountEqual(const TEffectMask& mask, int value) {
    return int(std::count(mask.cells.begin(), mask.cells.end(), std::uint8_t(value)));
}

constexpr TkeEffect kAllEffects[] = {keFade,      keDiagonal,   keDown,           keIn,           keOut,
                                     keRectIn,    keRectOut,    kePixel,          kePixelLine,    keDiamondIn,
                                     keDiamondOut, keSmoothDiagonal, keSmoothRectIn, keSmoothRectOut};

TEST(EffectMaskTest, EveryEffectDrawsNothingAtZeroAndClearsWhatWasThere) {
    for (TkeEffect effect : kAllEffects) {
        for (auto [w, h] : {std::pair{1, 1}, std::pair{7, 3}, std::pair{4, 9}}) {
            TEffectMask mask(w, h);
            std::fill(mask.cells.begin(), mask.cells.end(), std::uint8_t{77});
            DrawEffectMask(effect, 0, mask);
            EXPECT_EQ(CountEqual(mask, 0), w * h) << "effect " << int(effect) << " " << w << "x" << h;
            DrawEffectMask(effect, -20, mask);
            EXPECT_EQ(CountEqual(mask, 0), w * h) << "effect " << int(effect);
        }
    }
}

TEST(EffectMaskTest, ASingleRingOnATinyMaskIsDrawnWithoutDividingByTheRingCount) {
    // 1 x 1 at 1: n = (1 x round(2.5) / 100) / 2 = 0 rings beyond the centre,
    // whose value is 2 x 255 / 100.
    EXPECT_EQ(Drawn(keDiamondOut, 1, 1, 1).At(0, 0), 5);
    EXPECT_EQ(Drawn(keSmoothRectOut, 1, 1, 1).At(0, 0), 5);
    EXPECT_EQ(Drawn(keSmoothDiagonal, 1, 1, 1).At(0, 0), 5);
    EXPECT_EQ(Drawn(keDiamondIn, 99, 1, 1).At(0, 0), 250);
}

TEST(EffectMaskTest, AtTheEndTheWindowIsFullyShownWhereTheEffectCoversTheMask) {
    // Every effect but the two soft diagonal and diamond sweeps covers each
    // cell at 100; those leave the Bresenham gaps of their rings, which the
    // window drawn after the animation covers.
    for (TkeEffect effect : kAllEffects) {
        if (effect == keDiamondOut || effect == keSmoothDiagonal) continue;
        for (auto [w, h] : {std::pair{1, 1}, std::pair{9, 9}, std::pair{10, 4}, std::pair{5, 12}}) {
            EXPECT_EQ(CountEqual(Drawn(effect, 100, w, h), 255), w * h)
                << "effect " << int(effect) << " " << w << "x" << h;
            EXPECT_EQ(CountEqual(Drawn(effect, 150, w, h), 255), w * h) << "progress is capped at 100";
        }
    }
    // The sweeps still end bright: nothing they drew is below 255.
    for (TkeEffect effect : {keDiamondOut, keSmoothDiagonal}) {
        const TEffectMask mask = Drawn(effect, 100, 10, 4);
        EXPECT_EQ(CountEqual(mask, 0) + CountEqual(mask, 255), 40);
        EXPECT_GT(CountEqual(mask, 255), 20);
    }
}

TEST(EffectMaskTest, FadeAndTheWipesByHand) {
    EXPECT_EQ(CountEqual(Drawn(keFade, 50, 3, 2), 128), 6);  // round(127.5)

    // Rows 0 .. (5 - 1) x 50 / 100 = 2 at 50 x 255 / 100 = 127.
    using R = std::vector<std::vector<int>>;
    EXPECT_EQ(Rows(Drawn(keDown, 50, 2, 5)), (R{{127, 127}, {127, 127}, {127, 127}, {0, 0}, {0, 0}}));

    // half = 4, n = 2: rows 0..2 and 6..8.
    const auto in = Rows(Drawn(keIn, 50, 1, 9));
    EXPECT_EQ(in, (R{{127}, {127}, {127}, {0}, {0}, {0}, {127}, {127}, {127}}));
    // Rows 4 - k and 4 + k for k = 0..2.
    const auto out = Rows(Drawn(keOut, 50, 1, 9));
    EXPECT_EQ(out, (R{{0}, {0}, {127}, {127}, {127}, {127}, {127}, {0}, {0}}));
    // An even height reaches one row past the last at 100; it is clipped.
    EXPECT_EQ(CountEqual(Drawn(keOut, 100, 3, 8), 255), 24);
}

TEST(EffectMaskTest, DiagonalIsATriangleFromTheTopLeft) {
    // 5 x 5 at 50: c = d = 2, the lines x + y = 0..4.
    const TEffectMask mask = Drawn(keDiagonal, 50, 5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(mask.At(x, y), x + y <= 4 ? 127 : 0) << x << "," << y;
    // A wide mask grows along its longer side: 9 x 3 at 50 has c = 4, d = 1,
    // its last line from (0, 2) to (8, 0).
    const TEffectMask wide = Drawn(keDiagonal, 50, 9, 3);
    EXPECT_EQ(wide.At(8, 0) + wide.At(0, 2) + wide.At(8, 2), 127 + 127 + 0);
}

TEST(EffectMaskTest, RectOutGrowsRingsWithTheMasksAspect) {
    // 10 x 4 at 50: e = 5, rings k = 0..2 around (5, 2) with half sizes
    // (k, round(0.4 k)) = (0, 0), (1, 0), (2, 1): a 5 x 3 block.
    using R = std::vector<std::vector<int>>;
    const int v = 127;
    EXPECT_EQ(Rows(Drawn(keRectOut, 50, 10, 4)), (R{
                                                     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                                     {0, 0, 0, v, v, v, v, v, 0, 0},
                                                     {0, 0, 0, v, v, v, v, v, 0, 0},
                                                     {0, 0, 0, v, v, v, v, v, 0, 0},
                                                 }));
}

TEST(EffectMaskTest, InEffectsMirrorTheirOutEffects) {
    for (auto [w, h] : {std::pair{10, 4}, std::pair{7, 11}, std::pair{16, 16}}) {
        for (int p : {1, 30, 50, 99}) {
            const TEffectMask rectIn = Drawn(keRectIn, p, w, h);
            const TEffectMask rectOut = Drawn(keRectOut, 100 - p, w, h);
            const TEffectMask diamondIn = Drawn(keDiamondIn, p, w, h);
            const TEffectMask diamondOut = Drawn(keDiamondOut, 100 - p, w, h);
            const TEffectMask smoothIn = Drawn(keSmoothRectIn, p, w, h);
            const TEffectMask smoothOut = Drawn(keSmoothRectOut, 100 - p, w, h);
            for (std::size_t i = 0; i < rectIn.cells.size(); ++i) {
                EXPECT_EQ(rectIn.cells[i], rectOut.cells[i] != 0 ? 0 : p * 255 / 100) << w << "x" << h << " p " << p;
                EXPECT_EQ(diamondIn.cells[i], 255 - diamondOut.cells[i]) << w << "x" << h << " p " << p;
                EXPECT_EQ(smoothIn.cells[i], 255 - smoothOut.cells[i]) << w << "x" << h << " p " << p;
            }
        }
    }
}

TEST(EffectMaskTest, SoftRingsFadeOutwardFromABrightCentre) {
    // 21 x 21 at 50: n = (50 x round(52.5) / 100) / 2 = 13 rings; along the
    // centre row cell (10 + d, 10) is the vertex of ring d, of value
    // (100 - d x 100 / 13) x 255 / 100.
    const TEffectMask diamond = Drawn(keDiamondOut, 50, 21, 21);
    EXPECT_EQ(diamond.At(10, 10), 255);
    EXPECT_EQ(diamond.At(11, 10), 237);
    EXPECT_EQ(diamond.At(10 + 5, 10), 158);
    EXPECT_EQ(diamond.At(10 - 10, 10), 61);
    EXPECT_EQ(diamond.At(10, 0), 61);

    // Smooth rectangle on 9 x 9 at 50: e = 50 x round(14.4) / 100 = 7, n = 3:
    // ring k is (100 - k x 100 / 3) x 255 / 100.
    const TEffectMask rect = Drawn(keSmoothRectOut, 50, 9, 9);
    EXPECT_EQ(rect.At(4, 4), 255);
    EXPECT_EQ(rect.At(5, 3), 170);  // k = 1: 67 x 2.55
    EXPECT_EQ(rect.At(6, 4), 86);   // k = 2: 34 x 2.55
    EXPECT_EQ(rect.At(1, 7), 0);    // k = 3: the last ring fades to 0
    EXPECT_EQ(rect.At(0, 0), 0);    // beyond the rings
}

TEST(EffectMaskTest, RandomCellOrderIsAPermutationThatDependsOnlyOnTheCount) {
    for (std::uint32_t count : {1u, 2u, 3u, 91u, 1024u, 1025u, 4999u}) {
        TRandomCellOrder order(count), again(count);
        std::set<std::uint32_t> seen;
        for (std::uint32_t n = 0; n < count; ++n) {
            const std::uint32_t cell = order.Next();
            EXPECT_EQ(cell, again.Next());
            EXPECT_LT(cell, count);
            seen.insert(cell);
        }
        EXPECT_EQ(seen.size(), count);
    }
    // Not simply in order: the first tenth of 1000 cells is spread out.
    TRandomCellOrder order(1000);
    int firstHalf = 0;
    for (int n = 0; n < 100; ++n) firstHalf += order.Next() < 500;
    EXPECT_GT(firstHalf, 30);
    EXPECT_LT(firstHalf, 70);
}

TEST(EffectMaskTest, PixelFillsAGrowingSetOfCells) {
    for (auto [w, h] : {std::pair{13, 7}, std::pair{40, 30}}) {
        TEffectMask previous(w, h);
        for (int p = 1; p <= 100; ++p) {
            const TEffectMask mask = Drawn(kePixel, p, w, h);
            const int expected = int(std::lround(w * h * p / 100.0));
            EXPECT_EQ(CountEqual(mask, 255), expected) << w << "x" << h << " p " << p;
            EXPECT_EQ(CountEqual(mask, 0), w * h - expected);
            for (std::size_t i = 0; i < mask.cells.size(); ++i) {
                if (previous.cells[i]) {
                    EXPECT_EQ(mask.cells[i], 255) << "cell " << i << " lost at " << p;
                }
            }
            previous = mask;
        }
    }
    EXPECT_EQ(CountEqual(Drawn(kePixel, 50, 13, 7), 255), 46);  // round(45.5)
}

TEST(EffectMaskTest, PixelLineShadesThePixelCellsByColumn) {
    // 40 x 30 at 10: the cells of kePixel at 10, in columns 0..round(7.9) = 8,
    // each of value round((20 - 0.4 i) x 2.55); the rest 0.
    const TEffectMask pixels = Drawn(kePixel, 10, 40, 30);
    const TEffectMask lines = Drawn(kePixelLine, 10, 40, 30);
    const int expected[9] = {51, 50, 49, 48, 47, 46, 45, 44, 43};
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int want = pixels.At(x, y) && x <= 8 ? expected[x] : 0;
            EXPECT_EQ(lines.At(x, y), want) << x << "," << y;
        }
    }
}

TEST(PickEffectTest, RandomSelectPicksEachRealEffectAndNeverItself) {
    EXPECT_EQ(PickEffect(keDown, nullptr), keDown);
    int asked = 0;
    const TRandomSource counting = [&](int n) {
        EXPECT_EQ(n, 14);
        return asked++;
    };
    std::set<int> picked;
    for (int i = 0; i < 14; ++i) picked.insert(PickEffect(keRandomSelect, counting));
    EXPECT_EQ(picked, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(PickEffect(keSmoothRectIn, counting), keSmoothRectIn);
    EXPECT_EQ(asked, 14);  // a fixed effect asks for nothing
    EXPECT_EQ(PickEffect(keRandomSelect, [](int) { return 99; }), keSmoothRectOut);  // out of range: still real

    const TRandomSource random = MakeRandomSource();
    std::vector<int> counts(15, 0);
    for (int i = 0; i < 2800; ++i) ++counts[PickEffect(keRandomSelect, random)];
    EXPECT_EQ(counts[0], 0);
    for (int e = 1; e <= 14; ++e) EXPECT_GT(counts[std::size_t(e)], 100) << "effect " << e;
}

}  // namespace
}  // namespace skinui
