// TSeBitmap: a 32-bit image whose pixels the code reads and writes directly.
// It is the unit of every skin image and every paint buffer. In the Windows
// build its pixels are a device-independent section that is also selected
// into the bitmap's own memory device context (`DC`), so platform drawing
// calls work on the same pixels.
//
// Every operation clips its rectangles: nothing reads or writes outside a
// bitmap, whatever rectangle the caller passes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "skin/gfx/BitmapSurface.h"
#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"

namespace framework {
class TStream;
}

namespace skin {

class TSeBitmapLink;

class TSeBitmap {
public:
    TSeBitmap() = default;
    ~TSeBitmap();
    TSeBitmap(const TSeBitmap&) = delete;
    TSeBitmap& operator=(const TSeBitmap&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return TRect{0, 0, width_, height_}; }
    TPixel* Bits() { return surface_.bits; }
    const TPixel* Bits() const { return surface_.bits; }
    // The platform bitmap and memory device context (HBITMAP and HDC on
    // Windows; the context is null elsewhere).
    void* Handle() const { return surface_.handle; }
    void* DC() const { return surface_.dc; }
    // The bitmap whose memory device context `dc` is, or nullptr.
    static TSeBitmap* FromDC(void* dc);
    // When set, CopyTo, StretchTo and FillRect composite by alpha.
    bool UseAlpha() const { return useAlpha_; }
    void SetUseAlpha(bool on) { useAlpha_ = on; }

    // Re-creates the buffer at |width| x |height| with all pixels zero. A zero
    // size or the current size changes nothing. On failure the bitmap is
    // empty and SkinError carries one of the three creation texts.
    void SetSize(int width, int height);
    bool Empty() const { return surface_.handle == nullptr; }
    // Frees the pixels: the bitmap is empty, 0 x 0.
    void Clear() { Release(); }

    void Fill(TPixel value);
    void FillRect(const TRect& rect, TPixel value);
    void SetAlpha(std::uint8_t alpha);
    void SetAlphaRect(std::uint8_t alpha, const TRect& rect);
    // Pixels whose red, green and blue each differ from `near`'s by less
    // than 6 become the key colour with alpha 0.
    void ReplaceNearColor(TPixel near);
    // Shifts the hue of every pixel whose alpha is not 0 (see ShiftHue).
    void ChangeHue(int delta);

    // Unchecked access for loops that have clipped their rectangle already.
    TPixel* PixelPtr(int x, int y) { return surface_.bits + x + std::ptrdiff_t(y) * width_; }
    const TPixel* PixelPtr(int x, int y) const { return surface_.bits + x + std::ptrdiff_t(y) * width_; }
    // Opaque black when the buffer is missing or (x, y) lies outside.
    TPixel GetPixel(int x, int y) const;

    // Copies `source` of this bitmap to (x, y) of `destination`, compositing
    // by alpha when UseAlpha is set.
    void CopyTo(TSeBitmap& destination, int x, int y, const TRect& source) const;
    // The same, scaled from `source` to `destRect` by nearest neighbour.
    void StretchTo(TSeBitmap& destination, const TRect& destRect, const TRect& source) const;
    // Fills the transparent and part-transparent pixels of this bitmap from
    // `rect` of `background`, placed with its top-left corner at (x, y).
    void MergeBackground(const TSeBitmap& background, int x, int y, const TRect& rect);
    // The software colour-keyed draw: `source` of this bitmap scaled to the
    // whole of `target`, leaving key pixels (and pixels outside this bitmap)
    // out, so that `target` keeps its own pixels there.
    void KeyedStretchInto(TSeBitmap& target, const TRect& source) const;
    // The same for a destination of `size` of which `target` holds only the
    // part whose top-left corner is `view` (relative to the destination's):
    // the pixels are those the whole destination would have there.
    void KeyedStretchInto(TSeBitmap& target, const TRect& source, TPoint size, TPoint view) const;

    // True when a key pixel inside `rect` has an alpha byte other than 0.
    // The platform's colour-keyed transfer compares whole pixels, so it
    // would draw such keys; drawing falls back to the software path then.
    bool HasKeyPixelsWithAlpha(const TRect& rect) const;

    // The stream form: name (see StreamString.h), width, height, then the
    // pixels row by row. Short or inconsistent data (a negative width or
    // height among it) is framework::EStreamError("Stream read error").
    void LoadFromStream(framework::TStream& stream);
    // As LoadFromStream, for readers that take what a short stream holds:
    // false when the stream ended within the record. The name and size are
    // then taken if they were read, with the pixels that arrived (the rest
    // 0); a size beyond what the stream can still hold is not allocated.
    // A negative size still throws.
    bool LoadFromStreamTolerant(framework::TStream& stream);
    void SaveToStream(framework::TStream& stream) const;

    // A new link to `rect` of this bitmap under its name; the caller owns it.
    std::unique_ptr<TSeBitmapLink> CreateLink(const TRect& rect);

private:
    bool ReadRecord(framework::TStream& stream, bool strict);

    void Release();

    std::string name_;
    int width_ = 0;
    int height_ = 0;
    bool useAlpha_ = false;
    detail::BitmapSurface surface_;
};

}  // namespace skin
