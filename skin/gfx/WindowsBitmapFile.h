// Windows bitmap files (file header, info header, pixels), written and read
// over a TSeBitmap's pixels without the platform: the most compressed skin
// filter stores its bitmaps this way.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace skin {

class TSeBitmap;

// A bitmap file that is malformed or of a kind this reader does not take.
class EInvalidBitmapFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most pixels a bitmap file may hold: an 8K screen's (8192 x 4096, 128 MB
// of pixels). A file of 1 bit per pixel needs only a 32nd of that in bytes,
// and zeros inside the skin's zlib stream shrink a thousandfold more, so a
// few kilobytes of skin could otherwise ask for gigabytes.
inline constexpr std::int64_t kMaxBitmapFilePixels = std::int64_t{8192} * 4096;

// A 16-bit file of the bitmap's size with bit-field masks 0xF800 (red),
// 0x07E0 (green), 0x001F (blue), rows from the bottom up: each channel keeps
// its top 5 (green 6) bits. An empty bitmap gives a file of 0 x 0 pixels.
std::vector<std::uint8_t> EncodeBitmap565(const TSeBitmap& bitmap);

// Reads a file of 1, 4 or 8 bits per pixel with a palette, 16 bits (5-5-5
// or bit fields), 24 bits, or 32 bits (plain or bit fields), top-down or
// bottom-up, uncompressed, into `bitmap` (resized). Channels of fewer than 8
// bits are widened by repeating their top bits; every pixel is opaque. A
// file of 0 x 0 pixels, as EncodeBitmap565 writes an empty bitmap, leaves
// `bitmap` empty.
// Throws EInvalidBitmapFile with a text that says what is wrong; sizes are
// checked against the bytes present and kMaxBitmapFilePixels before
// anything is allocated.
void DecodeWindowsBitmap(std::span<const std::uint8_t> file, TSeBitmap& bitmap);

}  // namespace skin
