#include "tools/skingen/Png.h"

#include <zlib.h>

#include <stdexcept>

#include "skin/gfx/SeBitmap.h"
#include "files/OutputFile.h"
#include "tools/skingen/ByteOrder.h"

namespace skingen {

namespace {

// Length, type, data and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char type[4], const std::vector<std::uint8_t>& data) {
    PutBig32(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), out.data() + start, uInt(out.size() - start));
    PutBig32(out, std::uint32_t(crc));
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const skin::TSeBitmap& bitmap) {
    const int width = bitmap.Width(), height = bitmap.Height();
    if (width <= 0 || height <= 0) throw std::invalid_argument("a PNG needs at least one pixel");

    // Each row: filter type 0, then red, green, blue per pixel.
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(height) * (std::size_t(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const skin::TPixel* row = bitmap.PixelPtr(0, y);
        for (int x = 0; x < width; ++x) {
            raw.push_back(skin::PixelRed(row[x]));
            raw.push_back(skin::PixelGreen(row[x]));
            raw.push_back(skin::PixelBlue(row[x]));
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress the PNG image data");
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    PutBig32(header, std::uint32_t(width));
    PutBig32(header, std::uint32_t(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, no interlace

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", {});
    return png;
}

void WritePngFile(const std::string& path, const skin::TSeBitmap& bitmap) { files::WriteWholeFile(path, EncodePng(bitmap)); }

}  // namespace skingen
