#include "sim/FlashPart.h"

#include <algorithm>

namespace sim {

FlashPart::FlashPart(std::uint32_t base, std::uint32_t size, std::uint32_t eraseBlock, std::uint16_t identifier)
    : base_(base), size_(size), eraseBlock_(eraseBlock), identifier_(identifier), cells_(size, 0xFF),
      locked_(size / eraseBlock, false), eraseFails_(size / eraseBlock, false) {}

void FlashPart::Write(std::uint32_t address, std::uint8_t value, bool streamed) {
    if (hung_ || busyReads_ > 0) return;  // a busy part ignores the bus
    switch (expect_) {
    case Expect::Command:
        if (streamed) ++streamCommands_;
        return Command(address, value);
    case Expect::EraseConfirm:
        expect_ = Expect::Command;
        readMode_ = ReadMode::Status;
        if (value != 0xD0) return Fail(kSequenceError);
        return Erase(commandAddress_);
    case Expect::ByteProgram:
        expect_ = Expect::Command;
        readMode_ = ReadMode::Status;
        if (MayChange(address, kProgramError)) {
            ProgramCell(address, value);
            ++programCount_;
        }
        return StartOperation(kProgramBusyReads);
    case Expect::LockCommand:
        expect_ = Expect::Command;
        readMode_ = ReadMode::Status;
        if (value == 0x01) {  // set the block's lock bit
            if (vppLow_) Fail(kVppLow | kProgramError);
            else locked_[BlockIndex(address)] = true;
        } else if (value == 0xD0) {  // clear every lock bit of the part
            if (vppLow_) Fail(kVppLow | kEraseError);
            else std::fill(locked_.begin(), locked_.end(), false);
        } else {
            return Fail(kSequenceError);
        }
        return StartOperation(kProgramBusyReads);
    case Expect::ProtectionByte:
        expect_ = Expect::Command;
        readMode_ = ReadMode::Status;
        ++protectionPrograms_;
        return StartOperation(kProgramBusyReads);
    case Expect::ConfigCode:
        expect_ = Expect::Command;
        return;
    case Expect::BufferCount:
        if (value > 31) {
            expect_ = Expect::Command;
            readMode_ = ReadMode::Status;
            return Fail(kSequenceError);
        }
        bufferExpected_ = value + 1;
        bufferFilled_ = 0;
        expect_ = Expect::BufferData;
        readMode_ = ReadMode::Status;
        return;
    case Expect::BufferData:
        if (BlockIndex(address) != BlockIndex(commandAddress_) || !Contains(address)) {
            // Data for another block: the part aborts the whole program.
            expect_ = Expect::Command;
            return Fail(kSequenceError);
        }
        bufferAddress_[bufferFilled_] = address;
        bufferValue_[bufferFilled_] = value;
        if (++bufferFilled_ == bufferExpected_) expect_ = Expect::BufferConfirm;
        return;
    case Expect::BufferConfirm:
        expect_ = Expect::Command;
        if (value != 0xD0) return Fail(kSequenceError);
        return ProgramBuffer();
    }
}

void FlashPart::Command(std::uint32_t address, std::uint8_t value) {
    switch (value) {
    case 0xFF: readMode_ = ReadMode::Array; break;
    case 0x90: readMode_ = ReadMode::Identifier; break;
    case 0x98: readMode_ = ReadMode::Query; break;
    case 0x70: readMode_ = ReadMode::Status; break;
    case 0x50: status_ = kReady; break;  // clears the error bits, keeps the read mode
    case 0x20: commandAddress_ = address; expect_ = Expect::EraseConfirm; break;
    case 0x40:
    case 0x10: expect_ = Expect::ByteProgram; break;
    case 0x60: expect_ = Expect::LockCommand; break;
    case 0xC0: expect_ = Expect::ProtectionByte; break;
    case 0xB8: expect_ = Expect::ConfigCode; break;
    case 0xE8:
        // After a failed program or erase the part takes no buffer until
        // its status is cleared; it shows that status instead.
        readMode_ = ReadMode::Status;
        if (status_ & kSequenceError) break;
        commandAddress_ = address;
        expect_ = Expect::BufferCount;
        readMode_ = ReadMode::BufferStatus;
        break;
    case 0xB0: readMode_ = ReadMode::Status; break;  // suspend: nothing runs
    case 0xD0: break;                                // resume: nothing is suspended
    default: Fail(kSequenceError); break;
    }
}

void FlashPart::Fail(std::uint8_t bits) {
    status_ |= bits;
    readMode_ = ReadMode::Status;
}

void FlashPart::StartOperation(int busyReads) {
    readMode_ = ReadMode::Status;
    busyReads_ = busyReads;
    if (hangArmed_) hung_ = true;
}

bool FlashPart::MayChange(std::uint32_t address, std::uint8_t failBit) {
    if (vppLow_) {
        status_ |= kVppLow | failBit;
        return false;
    }
    if (locked_[BlockIndex(address)]) {
        status_ |= kBlockLocked | failBit;
        return false;
    }
    return true;
}

bool FlashPart::ProgramCell(std::uint32_t address, std::uint8_t value) {
    std::uint8_t& cell = cells_[address - base_];
    const bool weak = std::find(weak_.begin(), weak_.end(), address) != weak_.end();
    if (weak && (cell & ~value)) {
        status_ |= kProgramError;
        return false;
    }
    cell &= value;
    return true;
}

void FlashPart::Erase(std::uint32_t address) {
    if (MayChange(address, kEraseError)) {
        if (eraseFails_[BlockIndex(address)]) {
            status_ |= kEraseError;
        } else {
            const std::uint32_t start = BlockIndex(address) * eraseBlock_;
            std::fill(cells_.begin() + start, cells_.begin() + start + eraseBlock_, 0xFF);
        }
    }
    ++eraseCount_;
    StartOperation(eraseBusyReads_);
}

void FlashPart::ProgramBuffer() {
    if (MayChange(commandAddress_, kProgramError))
        for (int i = 0; i < bufferFilled_; ++i) ProgramCell(bufferAddress_[i], bufferValue_[i]);
    ++programCount_;
    StartOperation(kProgramBusyReads);
}

std::uint8_t FlashPart::ArrayByte(std::uint32_t address) const {
    std::uint8_t value = cells_[address - base_];
    for (const StuckByte& stuck : stuck_)
        if (stuck.address == address) value = stuck.value;
    return value;
}

std::uint8_t FlashPart::Read(std::uint32_t address) {
    if (hung_) return 0x00;
    if (busyReads_ > 0) {
        --busyReads_;
        // Bits 6 to 0 mean nothing until bit 7 is set.
        if (!busyNoiseOn_) return status_ & ~kReady;
        busyNoise_ = static_cast<std::uint8_t>(busyNoise_ * 37 + 11);
        return busyNoise_ & 0x7F;
    }
    switch (readMode_) {
    case ReadMode::Array: return ArrayByte(address);
    case ReadMode::Identifier:
        switch ((address - base_) % eraseBlock_ & 0xFF) {
        case 0: return static_cast<std::uint8_t>(identifier_ >> 8);
        case 2: return static_cast<std::uint8_t>(identifier_);
        case 4: return locked_[BlockIndex(address)] ? 0x01 : 0x00;  // the block's lock configuration
        default: return 0x00;
        }
    case ReadMode::Query:
        switch ((address - base_) & 0xFF) {
        case 0x20: return 'Q';
        case 0x22: return 'R';
        case 0x24: return 'Y';
        default: return 0x00;
        }
    case ReadMode::BufferStatus: return kReady;  // extended status: a write buffer is available
    case ReadMode::Status: return status_;
    }
    return status_;
}

}  // namespace sim
