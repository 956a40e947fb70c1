// The flash parts' shared command set, as adapter sequences. Each operation
// starts by selecting the flash mode and leaves the adapter idle.
#pragma once

#include <chrono>
#include <cstdint>

#include "cartridge/Patterns.h"

namespace cartridge {

constexpr std::uint16_t IntelCardId = 0x8917;  // one 64 Mbit part
constexpr std::uint16_t SharpCardId = 0xB0D0;  // 32 Mbit parts

// Puts the four 2 MB banks into read-array mode. The order of the banks is
// fixed and leaves the address registers at 0x200000, which the identifier
// read of card identification relies on.
void ResetFlashBanks();

// Writes the identifier command and reads one byte; only the low address
// register is rewritten, so the byte comes from the address the middle and
// high registers already hold.
std::uint8_t ReadIdByte(std::uint8_t offset);

// High byte from offset 0, low byte from offset 2. Leaves the part in
// identifier mode.
std::uint16_t ReadCardId();

// The status waits give up after this long. A block erase of these parts
// takes up to about 5 seconds, so the default never cuts a working part short.
constexpr std::chrono::milliseconds DefaultFlashWaitBound{10000};
void SetFlashWaitBound(std::chrono::milliseconds bound);
std::chrono::milliseconds FlashWaitBound();

// Reads the status until bit 7 (ready) is set. Returns false when the bound
// ran out first.
bool WaitFlashReady();

// Both return false when the part did not become ready in time.
bool EraseFlashBlock(std::uint32_t address);
bool ProgramFlashBuffer(std::uint32_t address, const PatternBlock& buffer);

}  // namespace cartridge
