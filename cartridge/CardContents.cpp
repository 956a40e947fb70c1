#include "cartridge/CardContents.h"

#include <algorithm>

#include "cartridge/AdapterLink.h"
#include "cartridge/FlashCommands.h"
#include "cartridge/Patterns.h"
#include "cartridge/SaverAreaTest.h"

namespace cartridge {
namespace {
constexpr std::uint32_t kBurstBytes = 256;
constexpr std::uint32_t kSaverChunk = 128;  // saver bytes per burst and per written chunk
}  // namespace

void ReadFlashRange(std::uint32_t start, std::span<std::uint8_t> out) {
    BurstWords burst;
    for (std::uint32_t block = 0; block < out.size(); block += PatternBytes) {
        const auto blockEnd = static_cast<std::uint32_t>(std::min<std::size_t>(block + PatternBytes, out.size()));
        SetMode(ModeFlash);
        SetMode(ModeFlashStream);
        for (std::uint32_t offset = block; offset < blockEnd; offset += kBurstBytes) {
            ReadBurst(start + offset, burst);
            for (std::uint32_t i = 0; i < kBurstBytes; ++i) out[offset + i] = BurstByte(burst, static_cast<int>(i));
        }
        SetMode(ModeIdle);
    }
}

void ReadFlashContents(std::span<std::uint8_t> out, TransferProgress& progress) {
    const auto total = static_cast<std::uint32_t>(out.size() - out.size() % PatternBytes);
    progress.TransferStart(total);
    ResetFlashBanks();
    for (std::uint32_t block = 0; block < total; block += PatternBytes) {
        ReadFlashRange(block, out.subspan(block, PatternBytes));
        progress.TransferDone(block + PatternBytes);
    }
}

void ReadSaverContents(SaverImage out, TransferProgress& progress) {
    progress.TransferStart(SaverBytes);
    SetMode(ModeSaver);
    SetMode(ModeSaverStream);
    BurstWords burst;
    for (std::uint32_t address = 0; address < SaverBytes; address += kSaverChunk) {
        ReadBurst(2 * address, burst);
        for (std::uint32_t k = 0; k < kSaverChunk; ++k) out[address + k] = static_cast<std::uint8_t>(burst[k]);
        if ((address + kSaverChunk) % PatternBytes == 0) progress.TransferDone(address + kSaverChunk);
    }
    SetMode(ModeIdle);
}

void WriteSaverContents(SaverImageView image, TransferProgress& progress) {
    progress.TransferStart(SaverBytes);
    PatternBlock block;
    for (std::uint32_t start = 0; start < SaverBytes; start += PatternBytes) {
        std::copy_n(image.begin() + start, PatternBytes, block.begin());
        for (std::uint32_t chunk = start; chunk < start + PatternBytes; chunk += kSaverChunk)
            WriteSaverChunk(chunk, block);
        progress.TransferDone(start + PatternBytes);
    }
}

}  // namespace cartridge
