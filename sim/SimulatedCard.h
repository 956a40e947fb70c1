// The simulated adapter with its card, as a port backend.
//
// The adapter: an EPP address cycle (port 0x37B) selects a register, data
// cycles (port 0x37C) write or read it. Registers 0 to 2 hold the 24-bit card
// address, register 3 is the window onto the card at that address, register
// 6 the mode. Mode bit 0x04 routes the window to the flash, 0x08 to the saver
// RAM, and 0x10 (stream) steps the address by one after every data byte.
// Only the low address register counts: the address wraps within its
// 256-byte page. Every stream the diagnostic makes (32 program bytes, a
// 128-word burst, a 256-address saver chunk) starts page-aligned enough to
// stay inside one page, and the confirm of a buffered program, written after
// its 32 bytes, lands in the same page and so in the same flash block.
// A 16-bit read is two data cycles, the lower address in the low half.
// Reads of anything but the data window, and of addresses where nothing
// answers, give 0xFF.
//
// The card: flash parts at their bases (one 8 MB part with 128 KB erase
// blocks for intel64; 2 MB parts with 64 KB blocks for the Sharp cards, two
// for sharp32 and four for sharp64), and 128 KB of saver RAM. A saver byte x sits at adapter
// address 2x; the saver ignores address bit 0, so the byte answers at 2x+1
// too.
//
// Line faults sit between the adapter and the card: the card sees the
// adapter's address with stuck and shorted lines applied, and every data
// byte crossing to or from the card window with stuck data lines applied;
// the adapter's own registers and its stream counter are not affected.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "portio/AdapterWire.h"
#include "portio/PortAccess.h"
#include "sim/CardConfig.h"
#include "sim/FlashPart.h"

namespace sim {

class SimulatedCard final : public portio::PortBackend {
public:
    // Throws CardConfigError when an image file cannot be read or is larger
    // than its area.
    explicit SimulatedCard(const CardConfig& config);

    void WriteByte(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    std::uint16_t ReadWord(std::uint16_t port) override;
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}

    // Inspection for tests: raw contents, without faults or command state.
    std::uint8_t FlashCell(std::uint32_t address) const;
    std::uint8_t SaverCell(std::uint32_t saverAddress) const { return saver_[saverAddress & kSaverMask]; }
    int EraseCount() const;
    // Summed over the parts; see FlashPart.
    int StreamBytesTakenAsCommands() const;
    int ProtectionPrograms() const;
    bool BlockLocked(std::uint32_t address) const;
    void SetBusyStatusNoise(bool on) {
        for (auto& part : parts_) part->SetBusyStatusNoise(on);
    }
    // The part holding `address`, or nullptr (tests tune its busy times).
    FlashPart* PartFor(std::uint32_t address) const { return PartAt(address & 0xFFFFFF); }
    std::uint8_t Mode() const { return mode_; }
    std::uint32_t Address() const { return address_; }

    static constexpr std::uint32_t kSaverBytes = portio::wire::SaverBytes;

private:
    static constexpr std::uint32_t kSaverMask = kSaverBytes - 1;

    void WriteData(std::uint8_t value);
    std::uint8_t ReadData();
    // Flash parts by 2 MB slice of the 16 MB address space.
    FlashPart* PartAt(std::uint32_t address) const { return partBySlice_[address >> 21]; }
    // The address the card sees, and a data byte as it crosses the lines.
    std::uint32_t CardAddress() const;
    std::uint8_t DataLines(std::uint8_t value) const {
        return static_cast<std::uint8_t>((value & ~dataStuckMask_) | dataStuckValue_);
    }
    void StepInStream() {
        if (mode_ & portio::wire::ModeBitStream) address_ = (address_ & 0xFFFF00) | ((address_ + 1) & 0xFF);
    }

    std::vector<std::unique_ptr<FlashPart>> parts_;
    std::array<FlashPart*, 8> partBySlice_{};
    std::vector<std::uint8_t> saver_;
    std::vector<StuckByte> saverStuck_;
    bool hasSaver_;
    std::uint8_t dataStuckMask_ = 0, dataStuckValue_ = 0;
    std::uint32_t addressStuckMask_ = 0, addressStuckValue_ = 0;
    std::vector<LinePair> addressShorts_;

    std::uint8_t control_ = 0;
    std::uint8_t selected_ = 0;
    std::uint8_t mode_ = 0;
    std::uint32_t address_ = 0;
};

}  // namespace sim
