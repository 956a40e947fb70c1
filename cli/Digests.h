// Checksums printed for every image the runner reads or writes, so that a
// dump can be compared with known ones: CRC-32 (the zip and PNG one) and
// SHA-1, the two that dump catalogues list.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace runner {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
// 40 lower-case hexadecimal digits.
std::string Sha1Hex(std::span<const std::uint8_t> bytes);

// "'game.bin': 8388608 bytes, CRC-32 1A2B3C4D, SHA-1 0123...".
std::string DigestLine(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace runner
