// Rendering the show animation's frames and playing it: the geometry, which
// mask cell each pixel reads for every Direction, the frame pixel rule, and
// the timed loop.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "skinui/effects/AnimationFrame.h"
#include "skinui/effects/AnimationPlayer.h"
#include "skinui/effects/SeTimer.h"

namespace skinui {
namespace {

using skin::TPixel;
using skin::TSeBitmap;

constexpr TPixel kWhite = 0xFFFFFFFF;
constexpr TPixel kBlack = 0xFF000000;

void MakeFilled(TSeBitmap& bitmap, int w, int h, TPixel value) {
    bitmap.SetSize(w, h);
    bitmap.Fill(value);
}

TEST(AnimationGeometryTest, MaskAndTileSizesAndTheTurnedMask) {
    const TAnimationGeometry g = AnimationGeometry(370, 463, 3, 2, kdRotate90);
    EXPECT_EQ((std::vector<int>{g.maskWidth, g.maskHeight, g.tileWidth, g.tileHeight, g.effectWidth, g.effectHeight}),
              (std::vector<int>{62, 78, 186, 232, 78, 62}));
}

TEST(AnimationPixelTest, KeyPixelsAndTheMaskEndsKeepOneSideAndTheRestBlends) {
    const TPixel window = 0x40FFFFFF;  // alpha of its own, replaced by the mask
    EXPECT_EQ(AnimationPixel(window, kBlack, 0), kBlack);
    EXPECT_EQ(AnimationPixel(window, kBlack, 255), window);
    EXPECT_EQ(AnimationPixel(kWhite, kBlack, 128), 0xBF808080u);
    // A key pixel shows the background whatever its alpha and the mask.
    EXPECT_EQ(AnimationPixel(0x007F007F, 0xFF123456, 255), 0xFF123456u);
    EXPECT_EQ(AnimationPixel(0xFF7F007F, 0xFF123456, 200), 0xFF123456u);
    EXPECT_EQ(AnimationPixel(0xFF7F007E, kBlack, 255), 0xFF7F007Eu);  // near the key is not the key
}

// A 3 x 2 window over black at resolution 1: the mask is 4 x 3 (3 x 4 when
// turned) and one cell of 255 shows exactly one white pixel.
struct DirectionCase {
    TSeDirection direction;
    int cellX, cellY;  // in the mask the effect draws
    int pixelX, pixelY;
};

TEST(AnimationRendererTest, EachDirectionReadsItsCell) {
    TSeBitmap window, background;
    MakeFilled(window, 3, 2, kWhite);
    MakeFilled(background, 3, 2, kBlack);
    const DirectionCase cases[] = {
        {kdNone, 1, 0, 1, 0},      {kdNoRotate, 2, 1, 2, 1},   {kdNone, 3, 0, -1, -1},  // column 3 is off the image
        {kdRotate180, 3, 2, 0, 0}, {kdRotate180, 2, 1, 1, 1},  {kdRotate180, 0, 0, -1, -1},
        {kdRotate90, 0, 3, 0, 0},  {kdRotate90, 1, 1, 2, 1},   {kdRotate90, 1, 0, -1, -1},
        {kdRotate270, 2, 0, 0, 0}, {kdRotate270, 1, 2, 2, 1},  {kdRotate270, 1, 0, 0, 1},
    };
    for (const DirectionCase& c : cases) {
        TAnimationRenderer renderer(window, background, c.direction, 1, 1);
        TEffectMask& mask = renderer.Mask();
        ASSERT_LT(c.cellX, mask.width);
        ASSERT_LT(c.cellY, mask.height);
        mask.At(c.cellX, c.cellY) = 255;
        renderer.Compose();
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                const bool lit = x == c.pixelX && y == c.pixelY;
                EXPECT_EQ(renderer.Frame().GetPixel(x, y), lit ? kWhite : kBlack)
                    << "direction " << int(c.direction) << " cell " << c.cellX << "," << c.cellY << " pixel " << x
                    << "," << y;
            }
        }
    }
}

// The frame painted the plain way: every tile, every cell, every pixel of
// the cell with both bounds included, in order, the later painting over the
// earlier.
std::vector<int> PaintedCells(int width, int height, int resolution, int tiles, TSeDirection direction) {
    const TAnimationGeometry g = AnimationGeometry(width, height, resolution, tiles, direction);
    const int mw = g.maskWidth, mh = g.maskHeight, ew = g.effectWidth;
    std::vector<int> cell(std::size_t(width) * std::size_t(height), -1);
    for (int ty = 0; ty < tiles; ++ty)
        for (int tx = 0; tx < tiles; ++tx)
            for (int j = 0; j < mh; ++j)
                for (int i = 0; i < mw; ++i)
                    for (int py = j * resolution; py <= (j + 1) * resolution; ++py)
                        for (int px = i * resolution; px <= (i + 1) * resolution; ++px) {
                            const int x = tx * g.tileWidth + px, y = ty * g.tileHeight + py;
                            if (x >= width || y >= height) continue;
                            int cx = i, cy = j;
                            if (direction == kdRotate90) cx = j, cy = mw - 1 - i;
                            if (direction == kdRotate180) cx = mw - 1 - i, cy = mh - 1 - j;
                            if (direction == kdRotate270) cx = mh - 1 - j, cy = i;
                            cell[std::size_t(y) * std::size_t(width) + std::size_t(x)] = cy * ew + cx;
                        }
    return cell;
}

TEST(AnimationRendererTest, TilesAndResolutionBlocksMatchThePlainPainting) {
    const int width = 23, height = 17;
    TSeBitmap window, background;
    window.SetSize(width, height);
    background.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const TPixel w = (x * 7 + y * 3) % 11 == 0 ? 0x007F007F : 0xFF000000u | TPixel(x * 10 + y * 1000 + 5);
            *window.PixelPtr(x, y) = w;
            *background.PixelPtr(x, y) = 0xFF000000u | TPixel(y * 77 + x * 3000);
        }
    }
    for (TSeDirection direction : {kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270}) {
        for (auto [resolution, tiles] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{2, 3}, std::pair{4, 1}}) {
            TAnimationRenderer renderer(window, background, direction, resolution, tiles);
            TEffectMask& mask = renderer.Mask();
            // Every cell its own value; 0 and 255 among them.
            for (std::size_t i = 0; i < mask.cells.size(); ++i) mask.cells[i] = std::uint8_t(i * 37 % 256);
            renderer.Compose();
            const std::vector<int> cells = PaintedCells(width, height, resolution, tiles, direction);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const int cell = cells[std::size_t(y) * width + std::size_t(x)];
                    ASSERT_GE(cell, 0) << "pixel " << x << "," << y << " never painted";
                    const TPixel want = AnimationPixel(*window.PixelPtr(x, y), *background.PixelPtr(x, y),
                                                       mask.cells[std::size_t(cell)]);
                    ASSERT_EQ(renderer.Frame().GetPixel(x, y), want)
                        << "direction " << int(direction) << " resolution " << resolution << " tiles " << tiles
                        << " pixel " << x << "," << y;
                }
            }
        }
    }
}

TEST(AnimationRendererTest, ASmallerWindowImageShowsTheBackgroundBeyondIt) {
    TSeBitmap window, background;
    MakeFilled(window, 2, 1, kWhite);
    MakeFilled(background, 4, 3, kBlack);
    TAnimationRenderer renderer(window, background, kdNone, 1, 1);
    renderer.Render(keFade, 100);
    EXPECT_EQ(renderer.Frame().Width(), 4);
    EXPECT_EQ(renderer.Frame().GetPixel(1, 0), kWhite);
    EXPECT_EQ(renderer.Frame().GetPixel(2, 0), kBlack);
    EXPECT_EQ(renderer.Frame().GetPixel(0, 1), kBlack);
}

class RecordingTarget : public AnimationTarget {
public:
    void DrawFrame(const TSeBitmap& frame) override {
        EXPECT_EQ(windowDraws, 0) << "a frame after the final window";
        frameCentres.push_back(frame.GetPixel(frame.Width() / 2, frame.Height() / 2));
    }
    void DrawWindowKeyed(const TSeBitmap& window) override {
        ++windowDraws;
        lastWindow = &window;
    }
    std::vector<TPixel> frameCentres;
    int windowDraws = 0;
    const TSeBitmap* lastWindow = nullptr;
};

TEST(PlayAnimationTest, FadesFromTheBackgroundForTheConfiguredTimeThenShowsTheWindow) {
    TSeBitmap window, background;
    MakeFilled(window, 40, 30, kWhite);
    MakeFilled(background, 40, 30, kBlack);
    TSeAnimation options;
    options.SetTime(60);
    RecordingTarget target;
    const auto start = std::chrono::steady_clock::now();
    PlayAnimation(target, options, window, background, nullptr);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(ms, 59.0);
    EXPECT_LT(ms, 2000.0);
    ASSERT_GE(target.frameCentres.size(), 2u);
    EXPECT_EQ(target.frameCentres.front(), kBlack);  // progress 0
    for (std::size_t i = 1; i < target.frameCentres.size(); ++i) {
        EXPECT_GE(target.frameCentres[i] & 0xFF, target.frameCentres[i - 1] & 0xFF) << "frame " << i;
    }
    EXPECT_GT(target.frameCentres.back() & 0xFF, 0xC0u);  // near the end of the fade
    EXPECT_EQ(target.windowDraws, 1);
    EXPECT_EQ(target.lastWindow, &window);
}

TEST(PlayAnimationTest, RandomSelectAsksOnceAndEmptyBitmapsPlayNothing) {
    TSeBitmap window, background, empty;
    MakeFilled(window, 8, 8, kWhite);
    MakeFilled(background, 8, 8, kBlack);
    TSeAnimation options;
    options.SetTime(50);
    options.SetEffect(keRandomSelect);
    int asked = 0;
    const TRandomSource random = [&](int n) {
        ++asked;
        return n - 1;  // keSmoothRectOut
    };
    RecordingTarget target;
    PlayAnimation(target, options, window, background, random);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(target.windowDraws, 1);

    RecordingTarget none;
    PlayAnimation(none, options, empty, background, random);
    PlayAnimation(none, options, window, empty, random);
    EXPECT_TRUE(none.frameCentres.empty());
    EXPECT_EQ(none.windowDraws, 0);
    EXPECT_EQ(asked, 1);
}

TEST(SeTimerTest, MeasuresRealTimeFromStartAndNeverGoesBack) {
    TSeTimer timer;
    EXPECT_GT(timer.Frequency(), 0);
    EXPECT_GE(timer.Overhead(), 0);
    EXPECT_GE(timer.Elapsed(), 0.0);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const double slept = timer.Elapsed();
    EXPECT_GE(slept, 0.019);
    EXPECT_LT(slept, 2.0);
    timer.Start();
    EXPECT_LT(timer.Elapsed(), slept);
}

}  // namespace
}  // namespace skinui
