#include "cartridge/FlashImageWriter.h"

#include <algorithm>

#include "cartridge/FlashCommands.h"
#include "cartridge/Patterns.h"

namespace cartridge {
namespace {

constexpr std::uint32_t kBufferBytes = 32;

// Programs the buffers of one erase block at `block` that change its cells
// from `before` to `target`. False when a part never became ready.
bool ProgramBlock(std::uint32_t block, std::span<const std::uint8_t> before, std::span<const std::uint8_t> target,
                  FlashImageWrite& result) {
    PatternBlock chunk;
    for (std::uint32_t offset = 0; offset < target.size(); offset += kBufferBytes) {
        if (offset % PatternBytes == 0)
            std::copy_n(target.begin() + offset, std::min<std::size_t>(PatternBytes, target.size() - offset),
                        chunk.begin());
        if (std::equal(target.begin() + offset, target.begin() + offset + kBufferBytes, before.begin() + offset))
            continue;
        if (!ProgramFlashBuffer(block + offset, chunk)) return false;
        ++result.buffers;
    }
    return true;
}

}  // namespace

FlashImageWrite WriteFlashImage(std::span<const std::uint8_t> image, TransferProgress& progress) {
    FlashImageWrite result;
    ResetFlashBanks();
    const std::uint32_t blockBytes = EraseBlockBytes(ReadCardId());
    result.eraseBlockBytes = blockBytes;
    if (blockBytes == 0) return result;
    result.partFound = true;

    const auto size = static_cast<std::uint32_t>(image.size());
    result.blocks = (size + blockBytes - 1) / blockBytes;
    progress.TransferStart(result.blocks * blockBytes);
    std::vector<std::uint8_t> current(blockBytes), target(blockBytes), erased(blockBytes, 0xFF);
    for (std::uint32_t block = 0; block < size; block += blockBytes) {
        ResetFlashBanks();
        ReadFlashRange(block, current);
        target = current;
        const std::uint32_t length = std::min(blockBytes, size - block);
        std::copy_n(image.begin() + block, length, target.begin());
        if (target == current) {
            ++result.unchanged;
        } else {
            // Programming only clears bits: a 1 where the card holds a 0
            // needs the block erased.
            bool needsErase = false;
            for (std::uint32_t i = 0; i < blockBytes && !needsErase; ++i) needsErase = target[i] & ~current[i];
            if (needsErase) {
                if (!EraseFlashBlock(block)) {
                    result.ready = false;
                    result.differingBlocks.push_back(block);
                    break;
                }
                ++result.erased;
            }
            if (!ProgramBlock(block, needsErase ? erased : current, target, result)) {
                result.ready = false;
                result.differingBlocks.push_back(block);
                break;
            }
            ResetFlashBanks();
            ReadFlashRange(block, current);
            if (current != target) result.differingBlocks.push_back(block);
        }
        progress.TransferDone(block + blockBytes);
    }
    ResetFlashBanks();
    return result;
}

}  // namespace cartridge
