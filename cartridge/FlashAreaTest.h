// The flash area test: erase and program the whole area with the flash
// pattern, then read it back and compare a fixed sample.
#pragma once

#include <cstdint>

#include "cartridge/RunReport.h"

namespace cartridge {

constexpr int FlashErrorLimit = 100;

// Erases (at each erase block's start) and programs every whole 16 KB block
// from `start`, one progress step per block. Does nothing for an unknown
// card. A part that never becomes ready ends the pass with one error line.
void ProgramFlashArea(RunReport& report, std::uint32_t start, std::int32_t length);

// Reads every 16 KB block back in 256-byte bursts and compares the first 32
// bytes of each burst; one error line per mismatch, "more..." once the
// limit is reached (checked before each block). An unknown card is logged
// as no card and counts as an error. With the report's Thorough(), every
// byte read is compared, the whole area is read whatever the number of
// mismatches, lines stop at the limit, and a last line counts them all
// (DifferLine); the port accesses are the same.
void VerifyFlashArea(RunReport& report, std::uint32_t start, std::int32_t length);

}  // namespace cartridge
