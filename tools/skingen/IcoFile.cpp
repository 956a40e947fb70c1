#include "tools/skingen/IcoFile.h"

#include <stdexcept>

#include "skin/gfx/SeBitmap.h"
#include "files/OutputFile.h"
#include "tools/skingen/ByteOrder.h"

namespace skingen {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kLargestSide = 256;

// Mask rows are whole 32-bit words.
std::size_t MaskStride(int width) { return std::size_t((width + 31) / 32) * 4; }

std::size_t ImageSize(const skin::TSeBitmap& picture) {
    const std::size_t rows = std::size_t(picture.Height());
    return kInfoHeaderSize + rows * std::size_t(picture.Width()) * 4 + rows * MaskStride(picture.Width());
}

void PutImage(std::vector<std::uint8_t>& out, const skin::TSeBitmap& picture) {
    const int width = picture.Width(), height = picture.Height();
    PutLittle32(out, kInfoHeaderSize);
    PutLittle32(out, std::uint32_t(width));
    PutLittle32(out, std::uint32_t(height) * 2);  // the colour rows and the mask rows
    PutLittle16(out, 1);                          // planes
    PutLittle16(out, 32);                         // bits per pixel
    PutLittle32(out, 0);                          // uncompressed
    PutLittle32(out, std::uint32_t(ImageSize(picture) - kInfoHeaderSize));
    for (int i = 0; i < 4; ++i) PutLittle32(out, 0);  // resolution and palette: unused
    // Both bitmaps run bottom-up.
    for (int y = height - 1; y >= 0; --y) {
        const skin::TPixel* row = picture.PixelPtr(0, y);
        for (int x = 0; x < width; ++x) PutLittle32(out, row[x]);  // blue, green, red, alpha
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> mask(MaskStride(width), 0);
        const skin::TPixel* row = picture.PixelPtr(0, y);
        for (int x = 0; x < width; ++x)
            if (skin::PixelAlpha(row[x]) < 128) mask[std::size_t(x) / 8] |= std::uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), mask.begin(), mask.end());
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(std::span<const skin::TSeBitmap* const> pictures) {
    if (pictures.empty()) throw std::invalid_argument("an icon needs at least one picture");
    for (const skin::TSeBitmap* picture : pictures) {
        if (!picture || picture->Empty() || picture->Width() > kLargestSide || picture->Height() > kLargestSide)
            throw std::invalid_argument("an icon's pictures are 1 to 256 pixels on each side");
    }
    std::vector<std::uint8_t> out;
    PutLittle16(out, 0);  // reserved
    PutLittle16(out, 1);  // an icon, not a cursor
    PutLittle16(out, std::uint32_t(pictures.size()));
    std::size_t offset = kDirectorySize + kEntrySize * pictures.size();
    for (const skin::TSeBitmap* picture : pictures) {
        out.push_back(std::uint8_t(picture->Width() % kLargestSide));  // 0 stands for 256
        out.push_back(std::uint8_t(picture->Height() % kLargestSide));
        out.push_back(0);  // no palette
        out.push_back(0);
        PutLittle16(out, 1);
        PutLittle16(out, 32);
        PutLittle32(out, std::uint32_t(ImageSize(*picture)));
        PutLittle32(out, std::uint32_t(offset));
        offset += ImageSize(*picture);
    }
    for (const skin::TSeBitmap* picture : pictures) PutImage(out, *picture);
    return out;
}

void WriteIcoFile(const std::string& path, std::span<const skin::TSeBitmap* const> pictures) {
    files::WriteWholeFile(path, EncodeIco(pictures));
}

}  // namespace skingen
