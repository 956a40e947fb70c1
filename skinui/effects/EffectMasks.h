// The masks of the show animation. A mask holds one byte per cell: 0 shows
// the background, 255 the window, values between mix the two. Each effect
// draws its mask for a progress of 0..100; at 0 every effect leaves the
// mask all 0, and at 100 the window is fully shown.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "skinui/effects/EffectTypes.h"

namespace skinui {

struct TEffectMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cells;  // row by row

    TEffectMask() = default;
    TEffectMask(int w, int h) { Resize(w, h); }
    // A size of 0 or less in either direction makes an empty mask.
    void Resize(int w, int h);
    bool Empty() const { return cells.empty(); }
    std::uint8_t At(int x, int y) const { return cells[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    std::uint8_t& At(int x, int y) { return cells[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

// Clears `mask` and draws `effect` into it for `progress` (clamped to
// 0..100). keRandomSelect and unknown values draw nothing.
void DrawEffectMask(TkeEffect effect, int progress, TEffectMask& mask);

// The fixed pseudo-random order in which kePixel and kePixelLine fill the
// cells of a mask: a full-period linear congruential generator modulo the
// smallest power of two 2^k >= cellCount (multiplier 1664525, increment
// 1013904223), its states scrambled by an invertible xorshift-multiply-
// xorshift on k bits, values >= cellCount skipped. The generator starts at
// cellCount (the mask's w x h, its seed), so every frame of a mask sees
// the same order: the first n cells are distinct, and a larger n always
// holds a smaller one's cells.
class TRandomCellOrder {
public:
    explicit TRandomCellOrder(std::uint32_t cellCount);
    // The next cell index; valid for the first cellCount calls.
    std::uint32_t Next() {
        // 32-bit arithmetic is exact modulo 2^k for every k up to 32.
        for (;;) {
            state_ = (state_ * 1664525u + 1013904223u) & mask_;
            std::uint32_t x = state_;
            x ^= x >> shift_;
            x = (x * 0x9E3779B1u) & mask_;
            x ^= x >> shift_;
            if (x < count_) return x;
        }
    }

private:
    std::uint32_t count_;
    std::uint32_t mask_;
    std::uint32_t state_;
    unsigned shift_;
};

// A source of random numbers: given n > 0, a value in 0 .. n - 1, each
// equally likely.
using TRandomSource = std::function<int(int n)>;
// A source seeded from the clock, for the program's own use.
TRandomSource MakeRandomSource();

// The effect a show animation plays: `effect` itself, or for
// keRandomSelect one of keFade .. keSmoothRectOut, each equally likely.
TkeEffect PickEffect(TkeEffect effect, const TRandomSource& random);

}  // namespace skinui
