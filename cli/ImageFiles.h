// Reading the images the runner writes into the card, before the port is
// touched: a saver backup for --restore-saver (exactly the saver's 128 KB,
// saver byte 0 first, as --backup-saver writes it) and a flash image for
// --write-flash and --verify-flash (16-bit words, at most the largest
// card's 8 MB, flash byte 0 first, as --read-flash writes it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace runner {

constexpr std::uint32_t LargestFlashBytes = 0x800000;

// Both throw files::FileError when the file cannot be read or has a size the card
// cannot take, and read at most one byte more than the largest they take.
std::vector<std::uint8_t> LoadSaverBackup(const std::string& path);
std::vector<std::uint8_t> LoadFlashImage(const std::string& path);

}  // namespace runner
