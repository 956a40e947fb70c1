#include "cartridge/FlashCommands.h"

#include "cartridge/AdapterLink.h"
#include "portio/WholeSequence.h"

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

FlashStatus WaitFlashStatus() {
    SelectRegister(RegData);
    ControlRead();
    const auto deadline = std::chrono::steady_clock::now() + waitBound;
    for (int reads = 1;; ++reads) {
        const std::uint8_t status = ReadDataByte();
        if (status >= 0x80) return {true, status};
        if (reads % kReadsPerClockCheck == 0 && std::chrono::steady_clock::now() >= deadline) return {false, status};
    }
}

namespace {

// Clears the status of the part at `address` in flash mode, as the Linux
// MTD driver does after a failed erase or buffered program
// (drivers/mtd/chips/cfi_cmdset_0001.c): until then the part refuses write
// to buffer. The status read mode stays.
void ClearFlashStatus(std::uint32_t address) {
    WriteByteAt(address, 0x50);
}

// Write to buffer, and the byte the part answers: its buffer available
// with no error bit, or (a part that still holds an earlier failure) its
// status with the error bits, when it would take a count and data as
// commands.
FlashStatus RequestBuffer(std::uint32_t address) {
    WriteByteAt(address, 0xE8);
    return WaitFlashStatus();
}

}  // namespace

bool EraseFlashBlock(std::uint32_t address) {
    portio::WholeSequence whole;
    SetMode(ModeFlash);
    ClearFlashStatus(address);
    SetMode(ModeIdle);

    SetMode(ModeFlash);
    WriteByteAt(address, 0x20);  // erase set-up
    WriteDataByte(0xD0);         // confirm, at the same address
    SetMode(ModeIdle);

    SetMode(ModeFlash);
    const FlashStatus status = WaitFlashStatus();
    if (status.Failed()) ClearFlashStatus(address);
    SetMode(ModeIdle);
    return status.ready;
}

bool ProgramFlashBuffer(std::uint32_t address, const PatternBlock& buffer) {
    portio::WholeSequence whole;
    SetMode(ModeFlash);
    FlashStatus status = RequestBuffer(address);
    if (status.Failed()) {  // refused: clear and ask once more
        ClearFlashStatus(address);
        status = RequestBuffer(address);
        if (status.Failed()) {  // still refused: skip this buffer
            ClearFlashStatus(address);
            SetMode(ModeIdle);
            return true;
        }
    }
    if (status.ready) {
        SelectRegister(RegData);
        WriteDataByte(0x1F);  // count: 32 bytes
        SetMode(ModeFlashStream);
        SetAddress(address);
        for (std::uint32_t i = 0; i < 32; ++i) WriteDataByte(buffer[(address + i) % PatternBytes]);
        SetMode(ModeFlash);
        SelectRegister(RegData);
        WriteDataByte(0xD0);  // confirm
        status = WaitFlashStatus();
        if (status.Failed()) ClearFlashStatus(address);
    }
    SetMode(ModeIdle);
    return status.ready;
}

}  // namespace cartridge
