// The flash parts' shared command set, as adapter sequences. Each operation
// starts by selecting the flash mode and leaves the adapter idle.
#pragma once

#include <chrono>
#include <cstdint>

#include "cartridge/Patterns.h"
#include "portio/AdapterWire.h"

namespace cartridge {

using portio::wire::IntelCardId;
using portio::wire::SharpCardId;

// The erase block size of a card's parts, or 0 for an unknown identifier.
constexpr std::uint32_t EraseBlockBytes(std::uint16_t cardId) {
    return cardId == IntelCardId   ? portio::wire::IntelEraseBlockBytes
           : cardId == SharpCardId ? portio::wire::SharpEraseBlockBytes
                                   : 0;
}

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

// The status waits give up after this long: 16 seconds, the Linux MTD
// driver's ceiling for these parts when it knows no better. A block erase
// takes up to about 5 seconds, so a slow but working part is never cut short.
constexpr std::chrono::milliseconds DefaultFlashWaitBound{16000};
void SetFlashWaitBound(std::chrono::milliseconds bound);
std::chrono::milliseconds FlashWaitBound();

// Status register bits that report a failure: 5 erase, 4 program (both: a
// bad command sequence), 3 programming voltage low, 1 block locked.
constexpr std::uint8_t FlashStatusErrors = 0x3A;

// The last status read by a wait; `ready` is false when the bound ran out.
struct FlashStatus {
    bool ready;
    std::uint8_t value;
    bool Failed() const { return ready && (value & FlashStatusErrors); }
};

// Reads the status until bit 7 (ready) is set, or the bound runs out.
FlashStatus WaitFlashStatus();

// Both return false when the part did not become ready in time; a part that
// reports a failure has its status cleared before the function returns, so
// that its next command is taken (a part with an error bit set refuses
// every later buffered program and takes its data as commands). A buffer
// the part will not take is skipped, and the verify reports its bytes.
// Each runs as a whole sequence: a stop request waits until it is done.
bool EraseFlashBlock(std::uint32_t address);
bool ProgramFlashBuffer(std::uint32_t address, const PatternBlock& buffer);

}  // namespace cartridge
