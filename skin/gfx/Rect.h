// Rectangles and points in pixel space. Right and bottom edges are exclusive.
#pragma once

#include <cstdint>
#include <limits>

namespace skin {

struct TPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TRect&) const = default;
};

// A 64-bit sum brought back into the range of int; layout arithmetic on
// stored (untrusted) rectangles is done in 64 bits and clamped with this.
constexpr int ClampToInt(std::int64_t v) {
    return v < std::numeric_limits<int>::min()   ? std::numeric_limits<int>::min()
           : v > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                 : int(v);
}

constexpr TRect MakeRect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}
constexpr TRect MakeBounds(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}

constexpr int RectWidth(const TRect& r) { return r.Right - r.Left; }
constexpr int RectHeight(const TRect& r) { return r.Bottom - r.Top; }
// Computed in 64 bits: any four edges are a valid question.
constexpr bool RectIsEmpty(const TRect& r) {
    return std::int64_t{r.Right} - r.Left < 1 || std::int64_t{r.Bottom} - r.Top < 1;
}
// True when the width and the height can be computed in an int. Rectangles
// from stored skins can have any edges; code that needs a rectangle's size
// checks this first.
constexpr bool RectSizeFits(const TRect& r) {
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    std::int64_t w = std::int64_t{r.Right} - r.Left;
    std::int64_t h = std::int64_t{r.Bottom} - r.Top;
    return w <= kMax && w >= -kMax && h <= kMax && h >= -kMax;
}
constexpr bool RectEqual(const TRect& a, const TRect& b) { return a == b; }

constexpr TRect RectInflated(const TRect& r, int n) {
    return TRect{r.Left - n, r.Top - n, r.Right + n, r.Bottom + n};
}

constexpr TRect RectOffset(const TRect& r, int dx, int dy) {
    return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The common part of two rectangles; an empty result is returned as all zero.
constexpr TRect RectIntersection(const TRect& a, const TRect& b) {
    TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
            a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
    if (RectIsEmpty(r)) return TRect{};
    return r;
}

constexpr bool RectsOverlap(const TRect& a, const TRect& b) {
    return !RectIsEmpty(RectIntersection(a, b));
}

constexpr bool RectContains(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// Moves `r` so that it is centred in `within`; the offsets are half the size
// differences, divided toward zero.
constexpr TRect CenterRect(const TRect& r, const TRect& within) {
    int left = within.Left + (RectWidth(within) - RectWidth(r)) / 2;
    int top = within.Top + (RectHeight(within) - RectHeight(r)) / 2;
    return MakeBounds(left, top, RectWidth(r), RectHeight(r));
}

// Moves `r` to the left edge of `within` and centres it vertically.
constexpr TRect CenterRectVert(const TRect& r, const TRect& within) {
    int top = within.Top + (RectHeight(within) - RectHeight(r)) / 2;
    return MakeBounds(within.Left, top, RectWidth(r), RectHeight(r));
}

}  // namespace skin
