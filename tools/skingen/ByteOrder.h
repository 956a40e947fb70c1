// Unsigned numbers appended to a byte buffer in the order a file format
// wants: the Windows formats (icons, bitmaps) store the low byte first, PNG
// the high byte first.
#pragma once

#include <cstdint>
#include <vector>

namespace skingen {

inline void PutLittle16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

inline void PutLittle32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutLittle16(out, v & 0xFFFF);
    PutLittle16(out, v >> 16);
}

inline void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 24));
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

}  // namespace skingen
