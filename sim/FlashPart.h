// One simulated flash part with the command set shared by the Intel
// StrataFlash (28F640J3, identifier 0x8917) and the Sharp FlashFile
// (LH28F160S5, 0xB0D0) parts the card uses, written from their data sheets
// so that it does what a real part does when things go wrong, not only when
// they go right:
//   - read array (0xFF), identifier (0x90), query (0x98), read status
//     (0x70), clear status (0x50);
//   - block erase (0x20, 0xD0), byte program (0x40 or 0x10, then the byte),
//     write to buffer (0xE8, count, data, 0xD0), set block lock bit (0x60,
//     0x01), clear all lock bits (0x60, 0xD0), protection register program
//     (0xC0, then the byte), configuration (0xB8, then the code), suspend
//     (0xB0) and resume (0xD0) are executed, not taken as errors;
//   - programming only clears bits; only an erase sets them (to 0xFF);
//   - the status register keeps its error bits until 0x50: bit 5 erase (or
//     clear-locks) failed, bit 4 program (or set-lock) failed, both for a
//     bad command sequence, bit 3 programming voltage low, bit 1 the block
//     is locked;
//   - while bit 4 or 5 is set the part refuses write to buffer: 0xE8 only
//     shows the status, and what follows is taken as commands;
//   - a buffered program whose data leaves the block named by 0xE8 is
//     aborted as a bad sequence;
//   - while an erase or program runs, reads give the status with bit 7
//     clear; bits 6 to 0 are undefined then (SetBusyStatusNoise makes them
//     change from read to read; by default they hold the last status, so
//     that a healthy run's trace stays the same); the busy time is counted
//     in reads, so waits really loop, and can be made longer than a
//     caller's clock check;
//   - the part stays in identifier, query or status mode until another
//     read mode is chosen.
// The confirm of a buffered program is taken at any address inside the
// part: the adapter has stepped the address past the 32 data bytes.
//
// Faults: stuck bytes (always read one value), weak cells (never take a
// program), locked blocks, blocks whose erase fails, and a programming
// voltage that is too low for any program or erase. The part counts the
// bytes of an adapter stream that it took as commands: a program that
// reads status correctly never lets that happen, so tests expect 0.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/CardConfig.h"

namespace sim {

class FlashPart {
public:
    // `identifier`: the high byte is read at offset 0, the low byte at 2.
    FlashPart(std::uint32_t base, std::uint32_t size, std::uint32_t eraseBlock, std::uint16_t identifier);

    bool Contains(std::uint32_t address) const { return address - base_ < size_; }
    std::uint32_t Size() const { return size_; }
    // Contents before the run (a card that holds a game), set directly.
    void SetCell(std::uint32_t address, std::uint8_t value) { cells_[address - base_] = value; }
    // `streamed`: the byte came from an adapter stream (data of a buffered
    // program), so taking it as a command is counted.
    void Write(std::uint32_t address, std::uint8_t value, bool streamed = false);
    std::uint8_t Read(std::uint32_t address);

    // The stored byte, as an array read would give it without any fault.
    std::uint8_t Cell(std::uint32_t address) const { return cells_[address - base_]; }
    bool BlockLocked(std::uint32_t address) const { return locked_[BlockIndex(address)]; }

    void AddStuckByte(StuckByte stuck) { stuck_.push_back(stuck); }
    void AddWeakCell(std::uint32_t address) { weak_.push_back(address); }
    void LockBlock(std::uint32_t address) { locked_[BlockIndex(address)] = true; }
    void FailEraseOf(std::uint32_t address) { eraseFails_[BlockIndex(address)] = true; }
    void SetVppLow() { vppLow_ = true; }
    // After its next erase or program the part never becomes ready again.
    void HangOnNextOperation() { hangArmed_ = true; }
    void SetEraseBusyReads(int reads) { eraseBusyReads_ = reads; }
    void SetBusyStatusNoise(bool on) { busyNoiseOn_ = on; }

    int EraseCount() const { return eraseCount_; }
    int ProgramCount() const { return programCount_; }
    // Stream bytes the part took as commands; never more than 0 on a
    // correct sequence.
    int StreamBytesTakenAsCommands() const { return streamCommands_; }
    // Bytes programmed into the protection register (irreversible on a real part).
    int ProtectionPrograms() const { return protectionPrograms_; }

    static constexpr int kEraseBusyReads = 40;
    static constexpr int kProgramBusyReads = 3;

    static constexpr std::uint8_t kReady = 0x80;
    static constexpr std::uint8_t kEraseError = 0x20;
    static constexpr std::uint8_t kProgramError = 0x10;
    static constexpr std::uint8_t kVppLow = 0x08;
    static constexpr std::uint8_t kBlockLocked = 0x02;

private:
    enum class ReadMode { Array, Identifier, Query, Status, BufferStatus };
    // What the next write means, when it is not a command.
    enum class Expect { Command, EraseConfirm, ByteProgram, LockCommand, ProtectionByte, ConfigCode,
                        BufferCount, BufferData, BufferConfirm };
    static constexpr std::uint8_t kSequenceError = kEraseError | kProgramError;

    std::uint32_t BlockIndex(std::uint32_t address) const { return (address - base_) / eraseBlock_; }
    void Command(std::uint32_t address, std::uint8_t value);
    void Fail(std::uint8_t bits);
    void StartOperation(int busyReads);
    // Programs one byte; false (and the program error bit) for a weak cell
    // that had bits to clear.
    bool ProgramCell(std::uint32_t address, std::uint8_t value);
    // Whether an erase or program of the block at `address` may go ahead;
    // sets `failBit` with the reason bits when it may not.
    bool MayChange(std::uint32_t address, std::uint8_t failBit);
    void Erase(std::uint32_t address);
    void ProgramBuffer();
    std::uint8_t ArrayByte(std::uint32_t address) const;

    std::uint32_t base_;
    std::uint32_t size_;
    std::uint32_t eraseBlock_;
    std::uint16_t identifier_;
    std::vector<std::uint8_t> cells_;
    std::vector<bool> locked_;
    std::vector<bool> eraseFails_;
    std::vector<StuckByte> stuck_;
    std::vector<std::uint32_t> weak_;
    bool vppLow_ = false;

    ReadMode readMode_ = ReadMode::Array;
    Expect expect_ = Expect::Command;
    std::uint8_t status_ = kReady;
    int busyReads_ = 0;
    int eraseBusyReads_ = kEraseBusyReads;
    bool busyNoiseOn_ = false;
    std::uint8_t busyNoise_ = 0;
    bool hangArmed_ = false;
    bool hung_ = false;

    std::uint32_t commandAddress_ = 0;
    int bufferExpected_ = 0;
    int bufferFilled_ = 0;
    std::uint32_t bufferAddress_[32] = {};
    std::uint8_t bufferValue_[32] = {};

    int eraseCount_ = 0;
    int programCount_ = 0;
    int streamCommands_ = 0;
    int protectionPrograms_ = 0;
};

}  // namespace sim
