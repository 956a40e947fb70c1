#include "skin/gfx/SeBitmap.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"
#include "skin/gfx/HueShift.h"
#include "skin/gfx/SeBitmapLink.h"
#include "skin/SkinError.h"
#include "skin/storage/StreamString.h"

namespace skin {

static_assert(std::endian::native == std::endian::little,
              "pixels are stored and streamed in little-endian byte order");

namespace {

// The largest buffer we create: its byte size must fit in a signed 32-bit
// count, as it does for the platform's sections.
constexpr std::uint64_t kMaxBufferBytes = 0x7FFFFFFF;

std::int64_t Magnitude(int v) { return v < 0 ? -std::int64_t{v} : std::int64_t{v}; }

}  // namespace

TSeBitmap::~TSeBitmap() { Release(); }

namespace {
// The bitmaps by their memory device contexts, so that drawing into such a
// context can work on the pixels directly.
std::unordered_map<void*, TSeBitmap*>& BitmapsByDC() {
    static std::unordered_map<void*, TSeBitmap*> bitmaps;
    return bitmaps;
}
}  // namespace

TSeBitmap* TSeBitmap::FromDC(void* dc) {
    if (!dc) return nullptr;
    const auto it = BitmapsByDC().find(dc);
    return it == BitmapsByDC().end() ? nullptr : it->second;
}

void TSeBitmap::Release() {
    if (surface_.dc) BitmapsByDC().erase(surface_.dc);
    detail::ReleaseBitmapSurface(surface_);
    width_ = 0;
    height_ = 0;
}

void TSeBitmap::SetSize(int width, int height) {
    std::int64_t w = Magnitude(width);
    std::int64_t h = Magnitude(height);
    if (w == 0 || h == 0) return;
    if (w == width_ && h == height_) return;
    Release();
    if (w > std::numeric_limits<int>::max() || h > std::numeric_limits<int>::max() ||
        std::uint64_t(w) * std::uint64_t(h) * 4 > kMaxBufferBytes) {
        throw SkinError(kDibAllocError);
    }
    surface_ = detail::CreateBitmapSurface(int(w), int(h));
    if (surface_.dc) BitmapsByDC()[surface_.dc] = this;
    width_ = int(w);
    height_ = int(h);
}

void TSeBitmap::Fill(TPixel value) {
    if (Empty()) return;
    detail::SyncBitmapSurfaces();
    std::fill_n(surface_.bits, std::size_t(width_) * std::size_t(height_), value);
}

void TSeBitmap::FillRect(const TRect& rect, TPixel value) {
    TRect r = RectIntersection(rect, BoundsRect());
    if (RectIsEmpty(r)) return;
    detail::SyncBitmapSurfaces();
    for (int y = r.Top; y < r.Bottom; ++y) {
        TPixel* row = PixelPtr(r.Left, y);
        if (useAlpha_) {
            for (int i = 0; i < RectWidth(r); ++i) row[i] = BlendPixel(value, row[i]);
        } else {
            std::fill_n(row, RectWidth(r), value);
        }
    }
}

void TSeBitmap::SetAlpha(std::uint8_t alpha) { SetAlphaRect(alpha, BoundsRect()); }

void TSeBitmap::SetAlphaRect(std::uint8_t alpha, const TRect& rect) {
    if (rect.Right == rect.Left || rect.Bottom == rect.Top) return;
    TRect r = RectIntersection(rect, BoundsRect());
    if (RectIsEmpty(r)) return;
    detail::SyncBitmapSurfaces();
    TPixel high = TPixel{alpha} << 24;
    for (int y = r.Top; y < r.Bottom; ++y) {
        TPixel* row = PixelPtr(r.Left, y);
        for (int i = 0; i < RectWidth(r); ++i) row[i] = (row[i] & 0x00FFFFFF) | high;
    }
}

void TSeBitmap::ReplaceNearColor(TPixel near) {
    if (Empty()) return;
    detail::SyncBitmapSurfaces();
    // |a - b| < 6 as one unsigned comparison, and a select instead of a
    // branch, so that the loop runs over whole vectors of pixels.
    const std::uint32_t red = PixelRed(near), green = PixelGreen(near), blue = PixelBlue(near);
    const std::size_t count = std::size_t(width_) * std::size_t(height_);
    TPixel* bits = surface_.bits;
    for (std::size_t i = 0; i < count; ++i) {
        const TPixel p = bits[i];
        const bool nearRed = ((p >> 16 & 0xFF) - red + 5) < 11;
        const bool nearGreen = ((p >> 8 & 0xFF) - green + 5) < 11;
        const bool nearBlue = ((p & 0xFF) - blue + 5) < 11;
        bits[i] = nearRed & nearGreen & nearBlue ? kKeyPixel : p;
    }
}

void TSeBitmap::ChangeHue(int delta) {
    if (Empty()) return;
    detail::SyncBitmapSurfaces();
    // Skin images hold few colours, in runs and gradients: a small cache of
    // colours already shifted skips most of the colour-space arithmetic.
    // The result depends on the colour alone (it is always opaque), so
    // entries are keyed by red, green and blue; a slot is empty until its
    // key has the alpha bit set.
    constexpr std::size_t kCacheBits = 12;
    struct Entry {
        std::uint32_t key = 0;
        TPixel shifted = 0;
    };
    std::vector<Entry> cache(std::size_t{1} << kCacheBits);
    std::size_t count = std::size_t(width_) * std::size_t(height_);
    for (std::size_t i = 0; i < count; ++i) {
        const TPixel p = surface_.bits[i];
        if ((p >> 24) == 0) continue;
        const std::uint32_t key = (p & 0x00FFFFFFu) | 0x80000000u;
        Entry& entry = cache[(key * 2654435761u) >> (32 - kCacheBits)];
        if (entry.key != key) {
            entry.key = key;
            entry.shifted = ShiftHue(p, delta);
        }
        surface_.bits[i] = entry.shifted;
    }
}

TPixel TSeBitmap::GetPixel(int x, int y) const {
    if (surface_.bits == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return kOpaqueBlack;
    detail::SyncBitmapSurfaces();
    return *PixelPtr(x, y);
}

namespace {

// Clips an unscaled copy of `source` (in a bitmap of `sourceBounds`) to
// (x, y) in a bitmap of `destBounds` so that both sides stay inside their
// bitmaps. Returns false when nothing is left. The arithmetic is 64-bit, as
// the rectangle and the position may be anything.
bool ClipCopy(TRect& source, int& x, int& y, const TRect& sourceBounds, const TRect& destBounds) {
    TRect s = RectIntersection(source, sourceBounds);
    if (RectIsEmpty(s)) return false;
    std::int64_t dx = std::int64_t{x} + (std::int64_t{s.Left} - source.Left);
    std::int64_t dy = std::int64_t{y} + (std::int64_t{s.Top} - source.Top);
    std::int64_t left = std::max<std::int64_t>(dx, destBounds.Left);
    std::int64_t top = std::max<std::int64_t>(dy, destBounds.Top);
    std::int64_t right = std::min<std::int64_t>(dx + RectWidth(s), destBounds.Right);
    std::int64_t bottom = std::min<std::int64_t>(dy + RectHeight(s), destBounds.Bottom);
    if (right <= left || bottom <= top) return false;
    int sl = int(s.Left + (left - dx));
    int st = int(s.Top + (top - dy));
    source = MakeBounds(sl, st, int(right - left), int(bottom - top));
    x = int(left);
    y = int(top);
    return true;
}

// Nearest-neighbour source index for each target index, in 16.16 fixed
// point: index i takes sourceStart + (acc >> 16), the accumulator starting at
// `start` and growing by `step`. Indices outside 0..limit-1 become -1.
std::vector<int> SampleIndices(int count, std::int64_t start, std::int64_t step, int sourceStart, int limit) {
    std::vector<int> indices(std::size_t(count > 0 ? count : 0));
    std::int64_t acc = start;
    for (int i = 0; i < count; ++i) {
        std::int64_t s = sourceStart + (acc >> 16);
        indices[std::size_t(i)] = (s >= 0 && s < limit) ? int(s) : -1;
        acc += step;
    }
    return indices;
}

// a x b / c rounded to nearest, for non-negative a < 2^62 and b, c < 2^31:
// split so that no product leaves 64 bits.
std::int64_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    std::int64_t whole = a / c;
    std::int64_t rest = a % c;
    return whole * b + (rest * b + c / 2) / c;
}

}  // namespace

void TSeBitmap::CopyTo(TSeBitmap& destination, int x, int y, const TRect& source) const {
    TRect s = source;
    if (Empty() || destination.Empty()) return;
    if (!ClipCopy(s, x, y, BoundsRect(), destination.BoundsRect())) return;
    detail::SyncBitmapSurfaces();
    int w = RectWidth(s);
    int h = RectHeight(s);
    // Within one bitmap the areas may overlap, as when a buffer scrolls:
    // rows then go in the order that reads each before it is overwritten,
    // and a composited row is read from a copy.
    bool same = &destination == this;
    bool upward = same && y > s.Top;
    std::vector<TPixel> rowCopy(same && useAlpha_ ? std::size_t(w) : 0);
    for (int i = 0; i < h; ++i) {
        int r = upward ? h - 1 - i : i;
        const TPixel* from = PixelPtr(s.Left, s.Top + r);
        TPixel* to = destination.PixelPtr(x, y + r);
        if (useAlpha_) {
            if (same) from = static_cast<const TPixel*>(std::memcpy(rowCopy.data(), from, rowCopy.size() * sizeof(TPixel)));
            BlendRow(from, to, w);
        } else {
            std::memmove(to, from, std::size_t(w) * sizeof(TPixel));
        }
    }
}

void TSeBitmap::StretchTo(TSeBitmap& destination, const TRect& destRect, const TRect& source) const {
    if (Empty() || destination.Empty() || !RectSizeFits(source) || !RectSizeFits(destRect)) return;
    if (!RectsOverlap(source, BoundsRect()) || RectIsEmpty(source) || RectIsEmpty(destRect)) return;
    TRect clipped = RectIntersection(destRect, destination.BoundsRect());
    if (RectIsEmpty(clipped)) return;
    int sw = RectWidth(source), sh = RectHeight(source);
    int dw = RectWidth(destRect), dh = RectHeight(destRect);
    if (sw == dw && sh == dh) {
        CopyTo(destination, destRect.Left, destRect.Top, source);
        return;
    }
    detail::SyncBitmapSurfaces();
    std::int64_t xStep = std::int64_t{sw} * 65536 / dw;
    std::int64_t yStep = std::int64_t{sh} * 65536 / dh;
    // The starting accumulators of a clipped draw scale by 65535 while the
    // steps use 65536, so at a clip edge sampling can start one source pixel
    // early. This is deliberate: it fixes which source pixel shows at a clip
    // edge, and drawings that rely on it keep their edges.
    std::int64_t xStart = MulDivRound(std::int64_t{sw} * (clipped.Left - destRect.Left), 65535, dw);
    std::int64_t yStart = MulDivRound(std::int64_t{sh} * (clipped.Top - destRect.Top), 65535, dh);
    std::vector<int> columns = SampleIndices(RectWidth(clipped), xStart, xStep, source.Left, width_);
    std::vector<int> rows = SampleIndices(RectHeight(clipped), yStart, yStep, source.Top, height_);
    for (int j = 0; j < RectHeight(clipped); ++j) {
        int sy = rows[std::size_t(j)];
        if (sy < 0) continue;
        const TPixel* from = PixelPtr(0, sy);
        TPixel* to = destination.PixelPtr(clipped.Left, clipped.Top + j);
        for (int i = 0; i < RectWidth(clipped); ++i) {
            int sx = columns[std::size_t(i)];
            if (sx < 0) continue;
            to[i] = useAlpha_ ? BlendPixel(from[sx], to[i]) : from[sx];
        }
    }
}

void TSeBitmap::MergeBackground(const TSeBitmap& background, int x, int y, const TRect& rect) {
    if (Empty() || background.Empty()) return;
    TRect r = RectIntersection(rect, background.BoundsRect());
    if (RectIsEmpty(r)) return;
    detail::SyncBitmapSurfaces();
    for (int v = r.Top; v < r.Bottom; ++v) {
        std::int64_t ty = std::int64_t{y} + v - rect.Top;
        if (ty < 0 || ty >= height_) continue;
        const TPixel* from = background.PixelPtr(0, v);
        TPixel* to = PixelPtr(0, int(ty));
        for (int u = r.Left; u < r.Right; ++u) {
            std::int64_t tx = std::int64_t{x} + u - rect.Left;
            if (tx < 0 || tx >= width_) continue;
            TPixel target = to[tx];
            std::uint32_t a = target >> 24;
            if (a == 0) {
                to[tx] = from[u];
            } else if (a < 255) {
                to[tx] = BlendPixel(target, from[u]);
            }
        }
    }
}

namespace {

// Copies the non-key pixels of a row; a select rather than a branch, since
// key pixels come and go unpredictably along a frame's edge.
void KeyedRow(const TPixel* from, TPixel* to, int count) {
    for (int j = 0; j < count; ++j) {
        TPixel p = from[j];
        to[j] = IsKeyPixel(p) ? to[j] : p;
    }
}

}  // namespace

void TSeBitmap::KeyedStretchInto(TSeBitmap& target, const TRect& source) const {
    KeyedStretchInto(target, source, TPoint{target.Width(), target.Height()}, TPoint{0, 0});
}

void TSeBitmap::KeyedStretchInto(TSeBitmap& target, const TRect& source, TPoint size, TPoint view) const {
    if (Empty() || target.Empty() || size.X < 1 || size.Y < 1) return;
    if (!RectSizeFits(source) || !RectsOverlap(source, BoundsRect()) || RectIsEmpty(source)) return;
    int sw = RectWidth(source), sh = RectHeight(source);
    // The part of the destination that the target holds.
    std::int64_t partRight = std::min<std::int64_t>(std::int64_t{view.X} + target.Width(), size.X);
    std::int64_t partBottom = std::min<std::int64_t>(std::int64_t{view.Y} + target.Height(), size.Y);
    if (partRight <= 0 || partBottom <= 0) return;
    TRect part = MakeRect(std::max(view.X, 0), std::max(view.Y, 0), int(partRight), int(partBottom));
    if (RectIsEmpty(part)) return;
    detail::SyncBitmapSurfaces();
    if (sw == size.X && sh == size.Y) {
        // Unscaled: the clipped copy, row by row.
        TRect s = RectIntersection(RectOffset(part, source.Left, source.Top), source);
        int x = part.Left - view.X, y = part.Top - view.Y;
        if (!ClipCopy(s, x, y, BoundsRect(), target.BoundsRect())) return;
        for (int r = 0; r < RectHeight(s); ++r) {
            KeyedRow(PixelPtr(s.Left, s.Top + r), target.PixelPtr(x, y + r), RectWidth(s));
        }
        return;
    }
    // Column k of the whole destination samples at k x step, so a part
    // starting at column k starts its accumulator there.
    std::int64_t xStep = std::int64_t{sw} * 65536 / size.X;
    std::int64_t yStep = std::int64_t{sh} * 65536 / size.Y;
    std::vector<int> columns =
        SampleIndices(RectWidth(part), xStep * part.Left, xStep, source.Left, width_);
    std::vector<int> rows = SampleIndices(RectHeight(part), yStep * part.Top, yStep, source.Top, height_);
    // Only the columns whose source exists are visited: a contiguous range,
    // since the indices only grow.
    int first = 0, last = RectWidth(part);
    while (first < last && columns[std::size_t(first)] < 0) ++first;
    while (last > first && columns[std::size_t(last - 1)] < 0) --last;
    for (int i = 0; i < RectHeight(part); ++i) {
        int sy = rows[std::size_t(i)];
        if (sy < 0) continue;
        const TPixel* from = PixelPtr(0, sy);
        TPixel* to = target.PixelPtr(part.Left - view.X, part.Top - view.Y + i);
        for (int j = first; j < last; ++j) {
            TPixel p = from[columns[std::size_t(j)]];
            TPixel keep = TPixel{0} - TPixel{IsKeyPixel(p)};  // all ones for a key pixel
            to[j] = (to[j] & keep) | (p & ~keep);
        }
    }
}

bool TSeBitmap::HasKeyPixelsWithAlpha(const TRect& rect) const {
    TRect r = RectIntersection(rect, BoundsRect());
    if (RectIsEmpty(r)) return false;
    detail::SyncBitmapSurfaces();
    for (int y = r.Top; y < r.Bottom; ++y) {
        const TPixel* row = PixelPtr(r.Left, y);
        for (int i = 0; i < RectWidth(r); ++i) {
            if (IsKeyPixel(row[i]) && (row[i] >> 24) != 0) return true;
        }
    }
    return false;
}

void TSeBitmap::LoadFromStream(framework::TStream& stream) { ReadRecord(stream, true); }

bool TSeBitmap::LoadFromStreamTolerant(framework::TStream& stream) { return ReadRecord(stream, false); }

bool TSeBitmap::ReadRecord(framework::TStream& stream, bool strict) {
    const auto shortData = [strict] {
        if (strict) throw framework::EStreamError(framework::errors::kReadError);
        return false;
    };
    std::string name;
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!TryReadStreamString(stream, name)) return shortData();
    name_ = std::move(name);
    if (!TryReadInt32(stream, width) || !TryReadInt32(stream, height)) return shortData();
    // The sizes are untrusted. A negative one is inconsistent: the bitmap
    // would take its magnitude and leave the pixels in the stream, so that
    // every later field were misread. A pixel block the stream cannot hold
    // ends the record before any buffer is created for it.
    if (width < 0 || height < 0) throw framework::EStreamError(framework::errors::kReadError);
    const std::uint64_t pixels = std::uint64_t(width) * std::uint64_t(height);
    if (pixels > std::uint64_t(stream.RemainingAtMost()) / 4) return shortData();
    SetSize(width, height);
    if (width_ != width || height_ != height) return true;  // a zero size: no pixels stored
    const std::size_t bytes = std::size_t(pixels) * sizeof(TPixel);
    if (stream.Read(surface_.bits, bytes) != bytes) return shortData();
    return true;
}

void TSeBitmap::SaveToStream(framework::TStream& stream) const {
    WriteStreamString(stream, name_);
    stream.WriteInt32(width_);
    stream.WriteInt32(height_);
    if (surface_.bits != nullptr) {
        detail::SyncBitmapSurfaces();
        stream.WriteBuffer(surface_.bits, std::size_t(width_) * std::size_t(height_) * sizeof(TPixel));
    }
}

std::unique_ptr<TSeBitmapLink> TSeBitmap::CreateLink(const TRect& rect) {
    return std::make_unique<TSeBitmapLink>(this, name_, rect);
}

}  // namespace skin
