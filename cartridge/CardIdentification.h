// Card identification and the card's flash size.
#pragma once

#include <cstdint>

#include "cartridge/RunReport.h"

namespace cartridge {

// Bytes of flash to test: 0 (no card), 0x400000 (32 Mbit) or 0x800000
// (64 Mbit). Kept between runs; every run sets it again before use.
extern std::int32_t CardSize;
constexpr std::int32_t InitialCardSize = 0x400000;

inline constexpr const char* NoCardLine = "No card Found      ";

// Initialises the adapter, resets the flash banks and reads the identifier;
// a Sharp identifier is read a second time above 0x400000 to tell one part
// from two. Sets CardSize and appends exactly one line.
void DetectCard(RunReport& report);

}  // namespace cartridge
