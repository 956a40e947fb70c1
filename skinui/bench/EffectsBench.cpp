// Timings of the show animation's frames for a window of the diagnostic's
// size: composing a frame from its mask, and drawing the mask and composing
// for each effect, in nanoseconds per pixel. Each figure is the best of
// several runs, so that other load on the machine disturbs it little.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>

#include "skin/gfx/SeBitmap.h"
#include "skinui/effects/AnimationFrame.h"

namespace {

using Clock = std::chrono::steady_clock;

double BestNs(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::nano>(Clock::now() - start).count());
    }
    return best;
}

volatile std::uint32_t sink;

const char* const kEffectNames[] = {"keRandomSelect", "keFade",         "keDiagonal",     "keDown",
                                    "keIn",           "keOut",          "keRectIn",       "keRectOut",
                                    "kePixel",        "kePixelLine",    "keDiamondIn",    "keDiamondOut",
                                    "keSmoothDiagonal", "keSmoothRectIn", "keSmoothRectOut"};

}  // namespace

int main() {
    constexpr int kWidth = 370, kHeight = 463;
    constexpr double kPixels = double(kWidth) * kHeight;
    std::mt19937 random(20261207);
    skin::TSeBitmap window, background;
    window.SetSize(kWidth, kHeight);
    background.SetSize(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            // A frame's outline: key pixels in the corners and the shadow's border.
            const bool key = (x < 6 && y < 6) || x >= kWidth - 4 || y >= kHeight - 4;
            *window.PixelPtr(x, y) = key ? skin::kKeyPixel : 0xFF000000u | (random() & 0x00FFFFFF);
            *background.PixelPtr(x, y) = 0xFF000000u | (random() & 0x00FFFFFF);
        }
    }
    const int runs = 50;
    std::printf("show animation frame, %d x %d window, Resolution 1, best of %d\n", kWidth, kHeight, runs);
    for (skinui::TSeDirection direction : {skinui::kdNone, skinui::kdRotate90}) {
        skinui::TAnimationRenderer renderer(window, background, direction, 1, 1);
        skinui::DrawEffectMask(skinui::keFade, 50, renderer.Mask());
        const double ns = BestNs(runs, [&] { renderer.Compose(); });
        sink = renderer.Frame().GetPixel(kWidth / 2, kHeight / 2);
        std::printf("  %-44s %8.3f ms  %6.2f ns/pixel  (target: under 5)\n",
                    direction == skinui::kdNone ? "compose, every pixel blended" : "compose, every pixel blended, turned 90",
                    ns / 1e6, ns / kPixels);
    }
    skinui::TAnimationRenderer renderer(window, background, skinui::kdNone, 1, 1);
    for (int effect = skinui::keFade; effect < skinui::kEffectCount; ++effect) {
        const double ns = BestNs(runs / 5, [&] { renderer.Render(skinui::TkeEffect(effect), 50); });
        sink = renderer.Frame().GetPixel(kWidth / 2, kHeight / 2);
        char label[64];
        std::snprintf(label, sizeof label, "mask and compose, %s at 50", kEffectNames[effect]);
        std::printf("  %-44s %8.3f ms  %6.2f ns/pixel\n", label, ns / 1e6, ns / kPixels);
    }
    return 0;
}
