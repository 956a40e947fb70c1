// The address-derived test patterns of the two areas, the shared 16 KB
// pattern buffer, and the error line both area tests log.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace cartridge {

constexpr std::uint32_t PatternBytes = 16384;
using PatternBlock = std::array<std::uint8_t, PatternBytes>;

// The pattern of the current 16 KB block, shared by both area tests.
extern PatternBlock PatternBuffer;

// Flash block starting at `blockStart`: 8192 16-bit values, high byte first,
// value k = blockStart + k + (blockStart >> 16), truncated to 16 bits.
void FillFlashPattern(PatternBlock& buffer, std::uint32_t blockStart);

// Saver byte at saver address x: the sum of the three bytes of x, mod 256.
constexpr std::uint8_t SaverPattern(std::uint32_t x) {
    return static_cast<std::uint8_t>((x & 0xFF) + ((x >> 8) & 0xFF) + ((x >> 16) & 0xFF));
}
void FillSaverPattern(PatternBlock& buffer, std::uint32_t blockStart);

// "err $" + address (upper-case hex, at least 6 digits) + " " + byte read
// + " : " + expected byte, e.g. "err $000003 FF : 01".
std::string ErrorLine(std::uint32_t address, std::uint8_t got, std::uint8_t expected);

// The count at the end of a thorough verify: "Flash Area: 3 of 8388608
// bytes differ".
std::string DifferLine(const char* area, std::uint64_t mismatches, std::uint64_t compared);

}  // namespace cartridge
