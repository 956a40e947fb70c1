#include "skinui/effects/EffectMasks.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <random>

namespace skinui {

void TEffectMask::Resize(int w, int h) {
    if (w <= 0 || h <= 0) w = h = 0;
    width = w;
    height = h;
    cells.assign(std::size_t(w) * std::size_t(h), 0);
}

TRandomCellOrder::TRandomCellOrder(std::uint32_t cellCount) : count_(cellCount) {
    unsigned bits = 0;
    while (bits < 32 && (std::uint64_t{1} << bits) < count_) ++bits;
    mask_ = std::uint32_t((std::uint64_t{1} << bits) - 1);
    // A shift of at least one keeps each xorshift a bijection on `bits` bits.
    shift_ = std::max(1u, (bits + 1) / 2);
    state_ = count_ & mask_;
}

namespace {

// Rounds half away from zero.
int Round(double v) { return int(std::lround(v)); }

// The value of every cell of the simple wipes.
int WipeValue(int p) { return p * 255 / 100; }

// Ring k of n of the soft effects: bright at the centre, fading outward.
int RingValue(int p, std::int64_t k, std::int64_t n) {
    if (p == 100) return 255;
    // With a single ring there is nothing to fade across.
    const std::int64_t fall = n == 0 ? 0 : k * 2 * p / n;
    return int(std::min<std::int64_t>((2 * p - fall) * 255 / 100, 255));
}

class MaskPainter {
public:
    explicit MaskPainter(TEffectMask& mask) : m_(mask), w_(mask.width), h_(mask.height) {
        // The rings of the rectangle and diamond effects keep the mask's
        // aspect: the longer side grows one cell per ring.
        if (h_ < w_) {
            fx_ = 1.0;
            fy_ = double(h_) / double(w_);
        } else {
            fx_ = double(w_) / double(h_);
            fy_ = 1.0;
        }
    }

    void Plot(int x, int y, std::uint8_t v) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) m_.At(x, y) = v;
    }

    // Bresenham's integer stepping; cells outside the mask are skipped. The
    // line is monotone in both axes, so it stops once it has passed the
    // mask's far edge in either.
    void Line(int x0, int y0, int x1, int y1, std::uint8_t v) {
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            if (sx > 0 ? x0 >= w_ : x0 < 0) break;
            if (sy > 0 ? y0 >= h_ : y0 < 0) break;
            Plot(x0, y0, v);
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

    void Row(int y, std::uint8_t v) {
        if (y >= 0 && y < h_) std::fill_n(&m_.At(0, y), w_, v);
    }

    // The outline of ring k around the centre: its edges, clipped.
    void RectRing(int k, std::uint8_t v) {
        const int cx = w_ / 2, cy = h_ / 2;
        const int hx = Round(fx_ * k), hy = Round(fy_ * k);
        const int left = cx - hx, right = cx + hx, top = cy - hy, bottom = cy + hy;
        const int x0 = std::max(left, 0), x1 = std::min(right, w_ - 1);
        const int y0 = std::max(top, 0), y1 = std::min(bottom, h_ - 1);
        for (int x = x0; x <= x1; ++x) {
            Plot(x, top, v);
            Plot(x, bottom, v);
        }
        for (int y = y0; y <= y1; ++y) {
            Plot(left, y, v);
            Plot(right, y, v);
        }
    }

    void DiamondRing(int k, std::uint8_t v) {
        const int cx = w_ / 2, cy = h_ / 2;
        const int hx = Round(fx_ * k), hy = Round(fy_ * k);
        Line(cx - hx, cy, cx, cy - hy, v);
        Line(cx, cy - hy, cx + hx, cy, v);
        Line(cx + hx, cy, cx, cy + hy, v);
        Line(cx, cy + hy, cx - hx, cy, v);
    }

    void Fade(int p) { std::fill(m_.cells.begin(), m_.cells.end(), std::uint8_t(Round(p / 100.0 * 255))); }

    void Diagonal(int p) {
        const std::uint8_t v = std::uint8_t(WipeValue(p));
        const int c = (w_ - 1) * p / 100, d = (h_ - 1) * p / 100;
        const int lines = 2 * std::max(c, d) + 1;
        for (int t = 0; t < lines; ++t) {
            const int i = c >= d ? t : std::min(t, 2 * c);
            const int j = c >= d ? std::min(t, 2 * d) : t;
            Line(0, j, i, 0, v);
        }
    }

    void Down(int p) {
        const std::uint8_t v = std::uint8_t(WipeValue(p));
        for (int y = 0; y <= (h_ - 1) * p / 100; ++y) Row(y, v);
    }

    void In(int p) {
        const std::uint8_t v = std::uint8_t(WipeValue(p));
        const int n = h_ / 2 * p / 100;
        for (int k = 0; k <= n; ++k) {
            Row(h_ - 1 - k, v);
            Row(k, v);
        }
    }

    void Out(int p) {
        const std::uint8_t v = std::uint8_t(WipeValue(p));
        const int half = h_ / 2;
        for (int k = 0; k <= half * p / 100; ++k) {
            Row(half - k, v);
            Row(half + k, v);
        }
    }

    void RectOut(int p) {
        if (p <= 0) return;
        const std::uint8_t v = std::uint8_t(WipeValue(p));
        const int e = int(std::int64_t{p} * std::max(w_, h_) / 100);
        for (int k = 0; k <= e / 2; ++k) RectRing(k, v);
    }

    void RectIn(int p) {
        RectOut(100 - p);
        const std::uint8_t v = std::uint8_t(WipeValue(p));
        for (std::uint8_t& cell : m_.cells) cell = cell != 0 ? 0 : v;
    }

    // The number of cells kePixel has filled at p, and their marks in `marks`.
    void Pixels(int p, std::vector<std::uint8_t>& marks, std::uint8_t value) {
        const std::uint64_t cellCount = m_.cells.size();
        const std::uint64_t count = (cellCount * std::uint64_t(p) + 50) / 100;
        TRandomCellOrder order{std::uint32_t(cellCount)};
        for (std::uint64_t n = 0; n < count; ++n) marks[order.Next()] = value;
    }

    void PixelLine(int p) {
        std::vector<std::uint8_t> marks(m_.cells.size(), 0);
        Pixels(p, marks, 1);
        const int columns = std::min(Round(p / 100.0 * (2.0 * w_ - 1)), w_ - 1) + 1;
        const double slope = 0.1 * w_ / p;
        std::vector<std::uint8_t> shade(std::size_t(std::max(columns, 0)));
        for (int i = 0; i < columns; ++i) {
            const double level = std::max(0.0, 2.0 * p - i * slope);
            shade[std::size_t(i)] = std::uint8_t(std::min(Round(level / 100.0 * 255), 255));
        }
        for (int y = 0; y < h_; ++y) {
            const std::uint8_t* mark = &marks[std::size_t(y) * std::size_t(w_)];
            std::uint8_t* cell = &m_.At(0, y);
            for (int i = 0; i < columns; ++i) {
                if (mark[i]) cell[i] = shade[std::size_t(i)];
            }
        }
    }

    void DiamondOut(int p) {
        if (p <= 0) return;
        const int n = int(std::int64_t{p} * Round(2.5 * std::max(w_, h_)) / 100 / 2);
        for (int k = 0; k <= n; ++k) DiamondRing(k, std::uint8_t(RingValue(p, k, n)));
    }

    void SmoothDiagonal(int p) {
        const double diagonal = std::sqrt(double(w_) * w_ + double(h_) * h_);
        const int n = int(std::int64_t{p} * Round(2.5 * diagonal) / 100);
        for (int k = 0; k <= n; ++k) {
            Line(0, Round(k * fy_), Round(k * fx_), 0, std::uint8_t(RingValue(p, k, n)));
        }
    }

    void SmoothRectOut(int p) {
        if (p <= 0) return;
        const int e = int(std::int64_t{p} * Round(1.6 * std::max(w_, h_)) / 100);
        const int n = e / 2;
        for (int k = 0; k <= n; ++k) RectRing(k, std::uint8_t(RingValue(p, k, n)));
    }

    void Invert() {
        for (std::uint8_t& cell : m_.cells) cell = std::uint8_t(255 - cell);
    }

private:
    TEffectMask& m_;
    int w_, h_;
    double fx_ = 1.0, fy_ = 1.0;
};

}  // namespace

void DrawEffectMask(TkeEffect effect, int progress, TEffectMask& mask) {
    std::fill(mask.cells.begin(), mask.cells.end(), std::uint8_t{0});
    const int p = std::clamp(progress, 0, 100);
    if (p == 0 || mask.Empty()) return;
    MaskPainter painter(mask);
    switch (effect) {
        case keFade: painter.Fade(p); break;
        case keDiagonal: painter.Diagonal(p); break;
        case keDown: painter.Down(p); break;
        case keIn: painter.In(p); break;
        case keOut: painter.Out(p); break;
        case keRectIn: painter.RectIn(p); break;
        case keRectOut: painter.RectOut(p); break;
        case kePixel: painter.Pixels(p, mask.cells, 255); break;
        case kePixelLine: painter.PixelLine(p); break;
        case keDiamondIn:
            painter.DiamondOut(100 - p);
            painter.Invert();
            break;
        case keDiamondOut: painter.DiamondOut(p); break;
        case keSmoothDiagonal: painter.SmoothDiagonal(p); break;
        case keSmoothRectIn:
            painter.SmoothRectOut(100 - p);
            painter.Invert();
            break;
        case keSmoothRectOut: painter.SmoothRectOut(p); break;
        case keRandomSelect: break;
    }
}

TRandomSource MakeRandomSource() {
    auto engine = std::make_shared<std::mt19937>(
        std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    return [engine](int n) { return std::uniform_int_distribution<int>(0, n - 1)(*engine); };
}

TkeEffect PickEffect(TkeEffect effect, const TRandomSource& random) {
    if (effect != keRandomSelect) return effect;
    if (!random) return keFade;
    // A source that answers out of range still gives a real effect.
    const int pick = std::clamp(random(kEffectCount - 1), 0, kEffectCount - 2);
    return TkeEffect(keFade + pick);
}

}  // namespace skinui
