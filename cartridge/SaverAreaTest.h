// The saver area test: write the saver pattern over the battery-backed RAM,
// then read part of it back and compare.
#pragma once

#include <cstdint>

#include "cartridge/Patterns.h"
#include "cartridge/RunReport.h"

namespace cartridge {

constexpr int SaverErrorLimit = 20;

// Writes 128 saver bytes from saver address `address`, each byte twice (to
// adapter addresses 2x and 2x + 1).
void WriteSaverChunk(std::uint32_t address, const PatternBlock& buffer);

// Writes the pattern over every whole 16 KB block, one progress step per block.
void WriteSaverArea(RunReport& report, std::uint32_t start, std::int32_t length);

// Reads 128-byte chunks back and compares the first 32 bytes of each, from
// chunk 0 through chunk 2 * length / 512 inclusive, while at most 20
// mismatches have been seen. One progress step every eight chunks. With the
// report's Thorough(), every byte of every chunk of the whole area is
// compared, lines stop after the limit, and a last line counts every
// mismatch (DifferLine).
void VerifySaverArea(RunReport& report, std::uint32_t start, std::int32_t length);

}  // namespace cartridge
