// Reading the card's contents through the adapter without changing them,
// and writing saved contents back into the saver. The same primitives as
// the area tests: stream modes and 256-byte bursts.
#pragma once

#include <cstdint>
#include <span>

#include "portio/AdapterWire.h"

namespace cartridge {

using portio::wire::SaverBytes;
using SaverImage = std::span<std::uint8_t, SaverBytes>;
using SaverImageView = std::span<const std::uint8_t, SaverBytes>;

// Told how many bytes a transfer has moved, once per 16 KB block.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    virtual void TransferStart(std::uint32_t totalBytes) = 0;
    virtual void TransferDone(std::uint32_t bytesDone) = 0;
};

// Resets the flash banks to read-array mode and reads the flash from card
// address 0 into `out` (a whole number of 16 KB blocks) in 256-byte bursts
// of the flash stream mode, the adapter idle after every block.
void ReadFlashContents(std::span<std::uint8_t> out, TransferProgress& progress);

// Reads `out.size()` bytes (a whole number of 256-byte bursts) from flash
// address `start`, 16 KB at a time, the adapter idle after each; the parts
// must be in read-array mode.
void ReadFlashRange(std::uint32_t start, std::span<std::uint8_t> out);

// Reads the whole saver in the saver stream mode: a burst of 128 words per
// 128 saver bytes, each byte the low half of its word.
void ReadSaverContents(SaverImage out, TransferProgress& progress);

// Writes `image` over the whole saver, chunk by chunk as the saver test
// writes its pattern (each byte twice, to adapter addresses 2x and 2x + 1).
void WriteSaverContents(SaverImageView image, TransferProgress& progress);

}  // namespace cartridge
