// PNG output of a TSeBitmap: 8-bit RGB (the alpha byte is dropped), one
// zlib stream for the image data, no filtering. The same pixels always give
// the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skin {
class TSeBitmap;
}

namespace skingen {

std::vector<std::uint8_t> EncodePng(const skin::TSeBitmap& bitmap);
// Writes the PNG file; std::runtime_error naming the file when it cannot be
// written completely.
void WritePngFile(const std::string& path, const skin::TSeBitmap& bitmap);

}  // namespace skingen
