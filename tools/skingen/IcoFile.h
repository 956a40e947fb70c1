// Icon files (.ico) for the resource compiler: one 32-bit image per size,
// each a bottom-up bitmap with straight alpha followed by the 1-bit mask
// that older drawing uses (set where a pixel is less than half opaque).
// The same pictures always give the same bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace skin {
class TSeBitmap;
}

namespace skingen {

// std::invalid_argument for no pictures, or one empty or wider or taller
// than 256 pixels (the largest an icon directory can name).
std::vector<std::uint8_t> EncodeIco(std::span<const skin::TSeBitmap* const> pictures);
// Writes the icon file; std::runtime_error naming the file when it cannot be
// written completely.
void WriteIcoFile(const std::string& path, std::span<const skin::TSeBitmap* const> pictures);

}  // namespace skingen
