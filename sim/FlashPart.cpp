#include "sim/FlashPart.h"

#include <algorithm>

namespace sim {

FlashPart::FlashPart(std::uint32_t base, std::uint32_t size, std::uint32_t eraseBlock, std::uint16_t identifier)
    : base_(base), size_(size), eraseBlock_(eraseBlock), identifier_(identifier), cells_(size, 0xFF) {}

void FlashPart::Write(std::uint32_t address, std::uint8_t value) {
    if (hung_ || busyReads_ > 0) return;  // a busy part ignores the bus
    switch (mode_) {
    case Mode::BufferCount:
        if (value > 31) return SequenceError();
        bufferExpected_ = value + 1;
        bufferFilled_ = 0;
        mode_ = Mode::BufferData;
        return;
    case Mode::BufferData:
        bufferAddress_[bufferFilled_] = address;
        bufferValue_[bufferFilled_] = value;
        if (++bufferFilled_ == bufferExpected_) mode_ = Mode::BufferConfirm;
        return;
    case Mode::BufferConfirm:
        if (value != 0xD0) return SequenceError();
        for (int i = 0; i < bufferFilled_; ++i)
            if (Contains(bufferAddress_[i])) cells_[bufferAddress_[i] - base_] &= bufferValue_[i];
        ++programCount_;
        return StartOperation(kProgramBusyReads);
    case Mode::EraseConfirm: {
        if (value != 0xD0) return SequenceError();
        std::uint32_t start = (eraseAddress_ - base_) / eraseBlock_ * eraseBlock_;
        std::fill(cells_.begin() + start, cells_.begin() + start + eraseBlock_, 0xFF);
        ++eraseCount_;
        return StartOperation(kEraseBusyReads);
    }
    default:
        return Command(address, value);
    }
}

void FlashPart::Command(std::uint32_t address, std::uint8_t value) {
    switch (value) {
    case 0xFF: mode_ = Mode::Array; break;
    case 0x90: mode_ = Mode::Identifier; break;
    case 0x70: mode_ = Mode::Status; break;
    case 0x50: status_ = kReady; break;  // clears the error bits, keeps the read mode
    case 0x20:
        eraseAddress_ = address;
        mode_ = Mode::EraseConfirm;
        break;
    case 0xE8: mode_ = Mode::BufferCount; break;
    case 0xD0: break;  // resume: nothing is suspended
    default: SequenceError(); break;
    }
}

void FlashPart::StartOperation(int busyReads) {
    mode_ = Mode::Status;
    busyReads_ = busyReads;
    if (hangArmed_) hung_ = true;
}

void FlashPart::SequenceError() {
    status_ |= kSequenceError;
    mode_ = Mode::Status;
}

std::uint8_t FlashPart::Read(std::uint32_t address) {
    if (hung_) return 0x00;
    if (busyReads_ > 0) {
        --busyReads_;
        return status_ & ~kReady;
    }
    switch (mode_) {
    case Mode::Array: {
        std::uint8_t value = cells_[address - base_];
        for (const StuckByte& stuck : stuck_)
            if (stuck.address == address) value = stuck.value;
        return value;
    }
    case Mode::Identifier:
        switch (address & 0xFF) {
        case 0: return static_cast<std::uint8_t>(identifier_ >> 8);
        case 2: return static_cast<std::uint8_t>(identifier_);
        default: return 0x00;  // block lock status and reserved codes
        }
    case Mode::BufferCount:
        return kReady;  // extended status: a write buffer is available
    default:
        return status_;
    }
}

}  // namespace sim
