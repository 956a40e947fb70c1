#include "skin/gfx/WindowsBitmapFile.h"

#include <bit>
#include <limits>

#include "skin/gfx/SeBitmap.h"

namespace skin {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;
constexpr std::uint32_t kRedMask565 = 0xF800, kGreenMask565 = 0x07E0, kBlueMask565 = 0x001F;

[[noreturn]] void Invalid(const char* what) { throw EInvalidBitmapFile(std::string("Invalid bitmap file: ") + what); }

class ByteWriter {
public:
    void U16(std::uint32_t v) {
        bytes.push_back(std::uint8_t(v));
        bytes.push_back(std::uint8_t(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    std::vector<std::uint8_t> bytes;
};

std::uint32_t U16At(std::span<const std::uint8_t> b, std::size_t at) { return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8; }
std::uint32_t U32At(std::span<const std::uint8_t> b, std::size_t at) { return U16At(b, at) | U16At(b, at + 2) << 16; }

// One channel of a bit-field mask, widened to 8 bits.
class Channel {
public:
    explicit Channel(std::uint32_t mask) : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0) {
        const std::uint32_t field = mask ? mask >> shift_ : 0;
        bits_ = std::popcount(field);
        if (field & (field + 1)) Invalid("colour masks must be runs of bits");
    }
    std::uint32_t Value(std::uint32_t pixel) const {
        if (bits_ == 0) return 0;
        const std::uint32_t v = (pixel & mask_) >> shift_;
        if (bits_ >= 8) return v >> (bits_ - 8);
        // The field's bits from the top, repeated into the low bits: 5-bit
        // 01111 becomes 01111011.
        std::uint32_t wide = 0;
        for (int at = 8 - bits_; at > -bits_; at -= bits_) wide |= at >= 0 ? v << at : v >> -at;
        return wide & 0xFF;
    }

private:
    std::uint32_t mask_;
    int shift_;
    int bits_ = 0;
};

TPixel Opaque(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap565(const TSeBitmap& bitmap) {
    const std::uint32_t width = std::uint32_t(bitmap.Width());
    const std::uint32_t height = std::uint32_t(bitmap.Height());
    const std::uint32_t stride = (width * 2 + 3) & ~3u;
    const std::uint32_t imageSize = stride * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 12;
    ByteWriter w;
    w.bytes.reserve(offset + imageSize);
    w.U16('B' | 'M' << 8);
    w.U32(offset + imageSize);
    w.U32(0);
    w.U32(offset);
    w.U32(kInfoHeaderSize);
    w.U32(width);
    w.U32(height);  // positive: rows from the bottom up
    w.U16(1);       // planes
    w.U16(16);
    w.U32(kBiBitFields);
    w.U32(imageSize);
    w.U32(0);
    w.U32(0);
    w.U32(0);
    w.U32(0);
    w.U32(kRedMask565);
    w.U32(kGreenMask565);
    w.U32(kBlueMask565);
    for (std::uint32_t row = height; row-- > 0;) {
        const TPixel* pixels = bitmap.Bits() + std::size_t(row) * width;
        for (std::uint32_t x = 0; x < width; ++x) {
            const TPixel p = pixels[x];
            w.U16(std::uint32_t(PixelRed(p) >> 3) << 11 | std::uint32_t(PixelGreen(p) >> 2) << 5 | PixelBlue(p) >> 3);
        }
        for (std::uint32_t pad = width * 2; pad < stride; ++pad) w.bytes.push_back(0);
    }
    return w.bytes;
}

void DecodeWindowsBitmap(std::span<const std::uint8_t> file, TSeBitmap& bitmap) {
    if (file.size() < kFileHeaderSize + kCoreHeaderSize) Invalid("too short");
    if (file[0] != 'B' || file[1] != 'M') Invalid("no BM signature");
    const std::uint32_t pixelOffset = U32At(file, 10);
    const std::uint32_t headerSize = U32At(file, kFileHeaderSize);
    const std::size_t header = kFileHeaderSize;
    std::int64_t width = 0, height = 0;
    std::uint32_t bpp = 0, compression = kBiRgb, colorsUsed = 0;
    std::size_t paletteAt = 0, paletteEntry = 4;
    std::uint32_t masks[3] = {0, 0, 0};
    if (headerSize == kCoreHeaderSize) {
        width = U16At(file, header + 4);
        height = std::int16_t(U16At(file, header + 6));
        bpp = U16At(file, header + 10);
        paletteAt = header + kCoreHeaderSize;
        paletteEntry = 3;
    } else {
        if (headerSize < kInfoHeaderSize || file.size() < header + kInfoHeaderSize) Invalid("header cut short");
        if (headerSize > file.size() - header) Invalid("header cut short");
        width = std::int32_t(U32At(file, header + 4));
        height = std::int32_t(U32At(file, header + 8));
        bpp = U16At(file, header + 14);
        compression = U32At(file, header + 16);
        colorsUsed = U32At(file, header + 32);
        paletteAt = header + headerSize;
        if (compression == kBiBitFields) {
            // The masks follow a plain info header, or are part of a longer one.
            const std::size_t at = headerSize >= kInfoHeaderSize + 12 ? header + kInfoHeaderSize : paletteAt;
            if (file.size() < at + 12) Invalid("colour masks cut short");
            for (int i = 0; i < 3; ++i) masks[i] = U32At(file, at + 4 * std::size_t(i));
            if (at == paletteAt) paletteAt += 12;
        }
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    const bool none = width == 0 && height == 0;  // how an empty bitmap is written
    if (!none && (width <= 0 || height <= 0)) Invalid("no pixels");
    if (compression != kBiRgb && !(compression == kBiBitFields && (bpp == 16 || bpp == 32))) {
        Invalid("compressed bitmaps are not supported");
    }
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) Invalid("unsupported bits per pixel");
    if (compression == kBiRgb && bpp == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (compression == kBiRgb && bpp == 32) {
        masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    }

    if (none) {
        bitmap.Clear();
        return;
    }
    if (width * height > kMaxBitmapFilePixels) Invalid("more pixels than a skin bitmap may have");

    const std::int64_t stride = ((width * bpp + 31) / 32) * 4;
    // Each factor is checked against the file's size first, so the product fits.
    if (pixelOffset > file.size() || stride > std::int64_t(file.size()) ||
        stride * height > std::int64_t(file.size() - pixelOffset)) {
        Invalid("pixels cut short");
    }
    std::vector<TPixel> palette;
    if (bpp <= 8) {
        const std::uint32_t entries = colorsUsed ? colorsUsed : 1u << bpp;
        if (entries > 256 || paletteAt + std::size_t(entries) * paletteEntry > pixelOffset) Invalid("palette cut short");
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::size_t at = paletteAt + std::size_t(i) * paletteEntry;
            palette.push_back(Opaque(file[at + 2], file[at + 1], file[at]));
        }
    }
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

    bitmap.SetSize(int(width), int(height));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::uint8_t* src = file.data() + pixelOffset + std::size_t((topDown ? row : height - 1 - row) * stride);
        TPixel* dst = bitmap.Bits() + std::size_t(row * width);
        for (std::int64_t x = 0; x < width; ++x) {
            switch (bpp) {
                case 1:
                case 4:
                case 8: {
                    const std::int64_t bit = x * bpp;
                    const std::uint32_t index = (src[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                    if (index >= palette.size()) Invalid("palette index out of range");
                    dst[x] = palette[index];
                    break;
                }
                case 16: {
                    const std::uint32_t p = std::uint32_t(src[2 * x]) | std::uint32_t(src[2 * x + 1]) << 8;
                    dst[x] = Opaque(red.Value(p), green.Value(p), blue.Value(p));
                    break;
                }
                case 24:
                    dst[x] = Opaque(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                    break;
                default: {
                    const std::uint32_t p = U32At(std::span(src + 4 * x, 4), 0);
                    dst[x] = Opaque(red.Value(p), green.Value(p), blue.Value(p));
                    break;
                }
            }
        }
    }
}

}  // namespace skin
