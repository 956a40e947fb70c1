#include "cartridge/FlashCommands.h"

#include "cartridge/AdapterLink.h"

namespace cartridge {
namespace {
std::chrono::milliseconds waitBound = DefaultFlashWaitBound;

// The clock is read once per this many status reads: a working part is
// ready after a few reads, and the bound only needs to be roughly kept.
constexpr int kReadsPerClockCheck = 1024;
}  // namespace

void ResetFlashBanks() {
    SetMode(ModeFlash);
    WriteByteAt(0x400000, 0xFF);
    WriteByteAt(0x000000, 0xFF);
    WriteByteAt(0x600000, 0xFF);
    WriteByteAt(0x200000, 0xFF);
    SetMode(ModeIdle);
}

std::uint8_t ReadIdByte(std::uint8_t offset) {
    SetMode(ModeFlash);
    WriteRegister(RegAddrLow, offset);
    SelectRegister(RegData);
    WriteDataByte(0x90);
    SelectRegister(RegData);
    ControlRead();
    std::uint8_t value = ReadDataByte();
    SetMode(ModeIdle);
    return value;
}

std::uint16_t ReadCardId() {
    std::uint8_t high = ReadIdByte(0);
    std::uint8_t low = ReadIdByte(2);
    return static_cast<std::uint16_t>(high * 256 + low);
}

void SetFlashWaitBound(std::chrono::milliseconds bound) { waitBound = bound; }
std::chrono::milliseconds FlashWaitBound() { return waitBound; }

bool WaitFlashReady() {
    SelectRegister(RegData);
    ControlRead();
    const auto deadline = std::chrono::steady_clock::now() + waitBound;
    for (int reads = 1;; ++reads) {
        if (ReadDataByte() >= 0x80) return true;
        if (reads % kReadsPerClockCheck == 0 && std::chrono::steady_clock::now() >= deadline) return false;
    }
}

bool EraseFlashBlock(std::uint32_t address) {
    SetMode(ModeFlash);
    WriteByteAt(address, 0x50);  // clear status
    SetMode(ModeIdle);

    SetMode(ModeFlash);
    WriteByteAt(address, 0x20);  // erase set-up
    WriteDataByte(0xD0);         // confirm, at the same address
    SetMode(ModeIdle);

    SetMode(ModeFlash);
    bool ready = WaitFlashReady();
    SetMode(ModeIdle);
    return ready;
}

bool ProgramFlashBuffer(std::uint32_t address, const PatternBlock& buffer) {
    SetMode(ModeFlash);
    WriteByteAt(address, 0xE8);  // write to buffer
    bool ready = WaitFlashReady();  // the part reports its buffer available
    if (ready) {
        SelectRegister(RegData);
        WriteDataByte(0x1F);  // count: 32 bytes
        SetMode(ModeFlashStream);
        SetAddress(address);
        for (std::uint32_t i = 0; i < 32; ++i) WriteDataByte(buffer[(address + i) % PatternBytes]);
        SetMode(ModeFlash);
        SelectRegister(RegData);
        WriteDataByte(0xD0);  // confirm
        ready = WaitFlashReady();
    }
    SetMode(ModeIdle);
    return ready;
}

}  // namespace cartridge
