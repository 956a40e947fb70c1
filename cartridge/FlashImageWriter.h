// Writing an image into the flash, changing only what differs: each erase
// block is read first and left alone when it already holds the image; it is
// erased only when the image needs a 0 turned back into a 1; a 32-byte
// buffer is programmed only when it changes anything (after an erase, not
// when it is all 0xFF). Every block written is read back and compared in
// full. Bytes of the last block past the image's end keep what the card
// held: they are written back with it when the block is erased.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cartridge/CardContents.h"

namespace cartridge {

struct FlashImageWrite {
    bool partFound = false;  // false: no known part answered; nothing was written
    bool ready = true;       // false: a part never became ready; the write stopped there
    std::uint32_t blocks = 0;     // erase blocks the image covers
    std::uint32_t unchanged = 0;  // blocks that already held the image
    std::uint32_t erased = 0;
    std::uint32_t buffers = 0;    // 32-byte buffers programmed
    std::uint32_t eraseBlockBytes = 0;
    std::vector<std::uint32_t> differingBlocks;  // not as the image after the write

    bool Succeeded() const { return partFound && ready && differingBlocks.empty(); }
};

// Writes `image` from flash address 0. The caller has checked that the
// image fits the card. Progress counts the image's blocks in bytes.
FlashImageWrite WriteFlashImage(std::span<const std::uint8_t> image, TransferProgress& progress);

}  // namespace cartridge
