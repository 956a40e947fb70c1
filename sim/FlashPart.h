// One simulated flash part with the command set shared by the Intel and
// Sharp parts the card uses: read array, read identifier, read and clear
// status, block erase with confirm, and write to buffer (count, data,
// confirm). Following the data sheets:
//   - programming can only clear bits; only an erase sets them (to 0xFF);
//   - the part stays in identifier mode until a read-array command;
//   - while an erase or program is under way, reads return the status with
//     bit 7 clear; the busy time is counted in reads, so waits really loop;
//   - a wrong command sequence sets the status error bits and drops the
//     operation.
// The confirm of a buffered program is taken at any address inside the
// part: the adapter has stepped the address past the 32 data bytes.
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
    void Write(std::uint32_t address, std::uint8_t value);
    std::uint8_t Read(std::uint32_t address);

    // The stored byte, as an array read would give it without any fault.
    std::uint8_t Cell(std::uint32_t address) const { return cells_[address - base_]; }
    void AddStuckByte(StuckByte stuck) { stuck_.push_back(stuck); }
    // After its next erase or program the part never becomes ready again.
    void HangOnNextOperation() { hangArmed_ = true; }

    int EraseCount() const { return eraseCount_; }
    int ProgramCount() const { return programCount_; }

    static constexpr int kEraseBusyReads = 40;
    static constexpr int kProgramBusyReads = 3;

private:
    enum class Mode { Array, Identifier, Status, BufferCount, BufferData, BufferConfirm, EraseConfirm };
    static constexpr std::uint8_t kReady = 0x80;
    static constexpr std::uint8_t kSequenceError = 0x30;

    void Command(std::uint32_t address, std::uint8_t value);
    void StartOperation(int busyReads);
    void SequenceError();

    std::uint32_t base_;
    std::uint32_t size_;
    std::uint32_t eraseBlock_;
    std::uint16_t identifier_;
    std::vector<std::uint8_t> cells_;
    std::vector<StuckByte> stuck_;

    Mode mode_ = Mode::Array;
    std::uint8_t status_ = kReady;
    int busyReads_ = 0;
    bool hangArmed_ = false;
    bool hung_ = false;

    std::uint32_t eraseAddress_ = 0;
    int bufferExpected_ = 0;
    int bufferFilled_ = 0;
    std::uint32_t bufferAddress_[32] = {};
    std::uint8_t bufferValue_[32] = {};

    int eraseCount_ = 0;
    int programCount_ = 0;
};

}  // namespace sim
