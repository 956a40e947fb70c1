// Timings of the skin's pixel kernels against plain copies of the same
// data, printed side by side. Each figure is the best of several runs, so
// that other load on the machine disturbs it as little as possible.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "framework/Stream.h"
#include "skin/gfx/Pixel.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/SkinEngine.h"
#include "skin/storage/ZStream.h"

namespace {

using Clock = std::chrono::steady_clock;

// Best time of `runs` calls of `work`, in milliseconds; `prepare` runs
// before each call and is not timed.
double BestMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        prepare();
        auto start = Clock::now();
        work();
        double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        best = std::min(best, ms);
    }
    return best;
}

double BestMs(int runs, const std::function<void()>& work) { return BestMs(runs, [] {}, work); }

// Keeps the optimiser from dropping work whose result is never read.
volatile std::uint32_t sink;
void Consume(const std::vector<skin::TPixel>& pixels) { sink = pixels[pixels.size() / 3] ^ pixels.back(); }

void Row(const char* what, double ms, const char* against, double baseMs, const char* extra = "") {
    std::printf("%-44s %9.3f ms   %-22s %9.3f ms   x%6.2f  %s\n", what, ms, against, baseMs, ms / baseMs, extra);
}

void BenchBlendRow(std::mt19937& random) {
    constexpr int kWidth = 1920, kHeight = 1080;
    const std::size_t count = std::size_t(kWidth) * kHeight;
    std::vector<skin::TPixel> partial(count), mixed(count), destination(count), copy(count);
    for (std::size_t i = 0; i < count; ++i) {
        skin::TPixel colour = random() & 0x00FFFFFF;
        // Every pixel part-transparent: the full arithmetic on every pixel.
        partial[i] = (std::uint32_t(1 + random() % 254) << 24) | colour;
        // A paint buffer: a rounded panel, opaque inside, clear outside,
        // with a soft edge a few pixels wide.
        int x = int(i % kWidth), y = int(i / kWidth);
        int dx = std::max({0, 200 - x, x - (kWidth - 201)});
        int dy = std::max({0, 200 - y, y - (kHeight - 201)});
        int distance = int(std::sqrt(double(dx * dx + dy * dy)));
        std::uint32_t alpha = distance >= 200 ? 0 : distance <= 196 ? 255 : std::uint32_t(255 - (distance - 196) * 60);
        mixed[i] = (alpha << 24) | colour;
        destination[i] = 0xFF000000u | (random() & 0x00FFFFFF);
    }
    const int runs = 30;
    double copyMs = BestMs(runs, [&] { std::memcpy(copy.data(), partial.data(), count * sizeof(skin::TPixel)); });
    Consume(copy);
    double blendMs = BestMs(runs, [&] {
        for (int y = 0; y < kHeight; ++y)
            skin::BlendRow(partial.data() + std::size_t(y) * kWidth, destination.data() + std::size_t(y) * kWidth, kWidth);
    });
    Consume(destination);
    double mixedMs = BestMs(runs, [&] {
        for (int y = 0; y < kHeight; ++y)
            skin::BlendRow(mixed.data() + std::size_t(y) * kWidth, destination.data() + std::size_t(y) * kWidth, kWidth);
    });
    Consume(destination);
    Row("BlendRow 1920x1080, all part-transparent", blendMs, "memcpy same buffer", copyMs, "(target: x4 or less)");
    Row("BlendRow 1920x1080, rounded panel", mixedMs, "memcpy same buffer", copyMs, "(target: x4 or less)");
}

void BenchChangeHue(std::mt19937& random) {
    // 600 KB of opaque pixels.
    constexpr int kWidth = 400, kHeight = 384;
    skin::TSeBitmap original, work;
    original.SetSize(kWidth, kHeight);
    work.SetSize(kWidth, kHeight);
    const std::size_t count = std::size_t(kWidth) * kHeight;
    double megapixels = double(count) / 1e6;

    for (std::size_t i = 0; i < count; ++i) original.Bits()[i] = 0xFF000000u | (random() & 0x00FFFFFF);
    auto restore = [&] { original.CopyTo(work, 0, 0, original.BoundsRect()); };
    double copyMs = BestMs(15, restore);
    double noiseMs = BestMs(15, restore, [&] { work.ChangeHue(40); });
    char perMp[64];
    std::snprintf(perMp, sizeof perMp, "%.2f ms per megapixel", noiseMs / megapixels);
    Row("ChangeHue 600 KB, every pixel different", noiseMs, "plain copy of it", copyMs, perMp);

    // Skin artwork: runs of one colour along each row.
    for (int y = 0; y < kHeight; ++y) {
        skin::TPixel colour = 0;
        for (int x = 0; x < kWidth; ++x) {
            if (x % 24 == 0) colour = 0xFF000000u | (random() & 0x00FFFFFF);
            *original.PixelPtr(x, y) = colour;
        }
    }
    double runsMs = BestMs(15, restore, [&] { work.ChangeHue(40); });
    std::snprintf(perMp, sizeof perMp, "%.2f ms per megapixel", runsMs / megapixels);
    Row("ChangeHue 600 KB, runs of 24 pixels", runsMs, "plain copy of it", copyMs, perMp);
}

void BenchKeyedStretch(std::mt19937& random) {
    constexpr int kWidth = 370, kHeight = 463;
    skin::TSeBitmap image, target, copyTarget, wide;
    image.SetSize(kWidth, kHeight);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        // About a fifth of the image is key colour, as around a frame's corners.
        image.Bits()[i] = (random() % 5 == 0) ? skin::kKeyPixel : 0xFF000000u | (random() & 0x00FFFFFF);
    }
    target.SetSize(kWidth, kHeight);
    copyTarget.SetSize(kWidth, kHeight);
    wide.SetSize(kWidth * 3 / 2, kHeight * 3 / 2);
    const int runs = 50;
    double copyMs = BestMs(runs, [&] { image.CopyTo(copyTarget, 0, 0, image.BoundsRect()); });
    double sameMs = BestMs(runs, [&] { image.KeyedStretchInto(target, image.BoundsRect()); });
    double wideMs = BestMs(runs, [&] { image.KeyedStretchInto(wide, image.BoundsRect()); });
    Row("Keyed draw 370x463, unscaled", sameMs, "plain copy 370x463", copyMs);
    Row("Keyed stretch 370x463 to 555x694", wideMs, "plain copy 370x463", copyMs);
}

// The window's stored skin (flag byte, signature, zlib): loaded the way the
// form description loads it (inflate, parse, link), against inflating the
// same bytes alone; then a hue change of the whole skin.
void BenchStoredSkin(const char* path) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::printf("stored skin %s not found: skipped\n", path);
        return;
    }
    std::vector<std::uint8_t> stored;
    for (int c; (c = std::fgetc(file)) != EOF;) stored.push_back(std::uint8_t(c));
    std::fclose(file);
    skin::RegisterSkinClasses();
    const int runs = 20;
    std::size_t content = 0;
    double inflateMs = BestMs(runs, [&] {
        framework::TMemoryStream in(std::span<const std::uint8_t>(stored).subspan(5));
        skin::TDecompressionStream z(in);
        std::uint8_t chunk[8192];
        content = 0;
        for (std::size_t n; (n = z.Read(chunk, sizeof chunk)) > 0;) content += n;
    });
    // A fresh engine for each load, made and freed outside the timing.
    std::unique_ptr<skin::TSeSkinEngine> fresh;
    double loadMs = BestMs(
        runs, [&] { fresh = std::make_unique<skin::TSeSkinEngine>(nullptr); },
        [&] {
            fresh->SetSkinStream(stored);
            sink = std::uint32_t(fresh->SkinSource()->Count());
        });
    fresh.reset();
    char sizes[96];
    std::snprintf(sizes, sizeof sizes, "(target: x2 or less; %zu bytes stored, %zu of content)", stored.size(), content);
    Row("Stored skin: inflate, parse, link", loadMs, "inflate alone", inflateMs, sizes);

    skin::TSeSkinEngine engine(nullptr);
    engine.SetSkinStream(stored);
    double pixels = 0;
    for (int i = 0; i < engine.SkinSource()->Bitmaps().Count(); ++i) {
        const skin::TSeBitmap& b = *engine.SkinSource()->Bitmaps().Items(i);
        pixels += double(b.Width()) * b.Height();
    }
    int delta = 0;
    double hueMs = BestMs(runs, [&] { engine.SetDeltaHue(delta = (delta + 37) % 200); });
    char perMp[80];
    std::snprintf(perMp, sizeof perMp, "%.2f ms per megapixel (target: under 10)", hueMs / (pixels / 1e6));
    Row("DeltaHue change of the whole stored skin", hueMs, "inflate alone", inflateMs, perMp);
}

}  // namespace

// skin-bench [STORED_SKIN]: STORED_SKIN is the window's stored skin as the
// build writes it (skins/builtin.stream).
int main(int argc, char** argv) {
    std::mt19937 random(20261207);
    std::printf("%-44s %12s   %-22s %12s   %7s\n", "kernel", "best", "baseline", "best", "ratio");
    BenchBlendRow(random);
    BenchChangeHue(random);
    BenchKeyedStretch(random);
    if (argc > 1) BenchStoredSkin(argv[1]);
    return 0;
}
