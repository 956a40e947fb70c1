#include "tools/skingen/Paint.h"

#include <algorithm>
#include <cmath>

#include "skin/gfx/SeBitmap.h"

namespace skingen {

namespace {

constexpr int kSamples = 4;  // per axis

float Clamp01(float t) { return std::clamp(t, 0.0f, 1.0f); }

std::uint8_t Channel(float v) { return std::uint8_t(std::lround(std::clamp(v, 0.0f, 255.0f))); }

// Pixels with less than this share of their area covered stay transparent
// over a known background: their colour is the background's to the eye.
constexpr float kBlendThreshold = 0.12f;

}  // namespace

Rgb Mix(const Rgb& a, const Rgb& b, float t) {
    t = Clamp01(t);
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Lighten(const Rgb& c, float amount) {
    return amount >= 0 ? Mix(c, RgbOf(255, 255, 255), amount) : Mix(c, RgbOf(0, 0, 0), -amount);
}

skin::TPixel ToPixel(const Rgb& c) {
    return 0xFF000000u | (skin::TPixel(Channel(c.r)) << 16) | (skin::TPixel(Channel(c.g)) << 8) | Channel(c.b);
}

Shape Box(float left, float top, float right, float bottom) { return RoundBox(left, top, right, bottom, 0); }

Shape RoundBox(float left, float top, float right, float bottom, float tl, float tr, float br, float bl) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2, hy = (bottom - top) / 2;
    return [=](float x, float y) {
        const float px = x - cx, py = y - cy;
        const float r = px < 0 ? (py < 0 ? tl : bl) : (py < 0 ? tr : br);
        const float qx = std::fabs(px) - hx + r, qy = std::fabs(py) - hy + r;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - r;
    };
}

Shape RoundBox(float left, float top, float right, float bottom, float radius) {
    return RoundBox(left, top, right, bottom, radius, radius, radius, radius);
}

Shape Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Line(float ax, float ay, float bx, float by, float width) {
    return [=](float x, float y) {
        const float dx = bx - ax, dy = by - ay;
        const float length2 = dx * dx + dy * dy;
        const float t = length2 > 0 ? Clamp01(((x - ax) * dx + (y - ay) * dy) / length2) : 0.0f;
        return std::hypot(x - (ax + t * dx), y - (ay + t * dy)) - width / 2;
    };
}

Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy) {
    return [=](float x, float y) {
        // Distance to the nearest edge, negative when inside all three.
        const float px[3] = {ax, bx, cx}, py[3] = {ay, by, cy};
        float nearest = 1e9f;
        int inside = 0;
        const float orientation = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            const float ex = px[j] - px[i], ey = py[j] - py[i];
            const float wx = x - px[i], wy = y - py[i];
            const float t = Clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
            nearest = std::min(nearest, std::hypot(wx - ex * t, wy - ey * t));
            if ((ex * wy - ey * wx) * orientation >= 0) ++inside;
        }
        return inside == 3 ? -nearest : nearest;
    };
}

Shape Border(Shape shape, float width) {
    return [shape = std::move(shape), width](float x, float y) {
        const float d = shape(x, y);
        return std::max(d, -d - width);
    };
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Offset(Shape shape, float dx, float dy) {
    return [shape = std::move(shape), dx, dy](float x, float y) { return shape(x - dx, y - dy); };
}

Shade Solid(const Rgb& c) {
    return [c](float, float) { return c; };
}

Shade VerticalGradient(float y0, float y1, const Rgb& top, const Rgb& bottom) {
    return [=](float, float y) {
        const float rows = y1 - y0 - 1;
        return rows > 0 ? Mix(top, bottom, (std::floor(y) - y0) / rows) : top;
    };
}

Shade HorizontalGradient(float x0, float x1, const Rgb& left, const Rgb& right) {
    return [=](float x, float) {
        const float columns = x1 - x0 - 1;
        return columns > 0 ? Mix(left, right, (std::floor(x) - x0) / columns) : left;
    };
}

Paint::Paint(int width, int height)
    : width_(width), height_(height), cells_(std::size_t(width) * std::size_t(height)) {}

namespace {

float CoverageOf(const Shape& shape, int x, int y) {
    // A distance bound at the centre decides most pixels without samples.
    const float centre = shape(x + 0.5f, y + 0.5f);
    if (centre > 1.0f) return 0;
    if (centre < -1.0f) return 1;
    int hits = 0;
    for (int j = 0; j < kSamples; ++j)
        for (int i = 0; i < kSamples; ++i)
            if (shape(x + (i + 0.5f) / kSamples, y + (j + 0.5f) / kSamples) < 0) ++hits;
    return float(hits) / (kSamples * kSamples);
}

}  // namespace

void Paint::Fill(const Shape& shape, const Shade& shade, float opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float a = CoverageOf(shape, x, y) * opacity;
            if (a <= 0) continue;
            const Rgb c = shade(x + 0.5f, y + 0.5f);
            Cell& cell = cells_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
            cell.r = cell.r * (1 - a) + c.r * a;
            cell.g = cell.g * (1 - a) + c.g * a;
            cell.b = cell.b * (1 - a) + c.b * a;
            cell.a = cell.a * (1 - a) + a;
        }
    }
}

void Paint::Erase(const Shape& shape) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float keep = 1 - CoverageOf(shape, x, y);
            Cell& cell = cells_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
            cell.r *= keep, cell.g *= keep, cell.b *= keep, cell.a *= keep;
        }
    }
}

float Paint::Coverage(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return cells_[std::size_t(y) * std::size_t(width_) + std::size_t(x)].a;
}

void Paint::Flatten(skin::TSeBitmap& target, int left, int top, const Background& background) const {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const int tx = left + x, ty = top + y;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
            const Cell& cell = cells_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
            skin::TPixel pixel = skin::kKeyPixel;
            if (background) {
                if (cell.a >= kBlendThreshold) {
                    const Rgb bg = background(x, y);
                    const float rest = 1 - cell.a;
                    pixel = ToPixel(Rgb{cell.r + bg.r * rest, cell.g + bg.g * rest, cell.b + bg.b * rest});
                }
            } else if (cell.a >= 0.5f) {
                pixel = ToPixel(Rgb{cell.r / cell.a, cell.g / cell.a, cell.b / cell.a});
            }
            *target.PixelPtr(tx, ty) = pixel;
        }
    }
}

void Paint::FlattenWithAlpha(skin::TSeBitmap& target) const {
    target.SetSize(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Cell& cell = cells_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
            const int alpha = int(cell.a * 255.0f + 0.5f);
            skin::TPixel pixel = 0;
            if (alpha > 0) {
                pixel = (ToPixel(Rgb{cell.r / cell.a, cell.g / cell.a, cell.b / cell.a}) & 0x00FFFFFFu) |
                        (skin::TPixel(alpha) << 24);
            }
            *target.PixelPtr(x, y) = pixel;
        }
    }
}

}  // namespace skingen
