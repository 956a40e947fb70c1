#include "portio/fakes/FakeRawIo.h"

#include <algorithm>
#include <cerrno>

#include "portio/AdapterWire.h"
#include "portio/EcrSwitch.h"
#include "portio/PortAddress.h"

namespace portio::fakes {
namespace {
constexpr std::uint16_t kStatus = wire::StatusOffset, kControl = wire::ControlOffset,
                        kAddress = wire::EppAddressOffset, kData = wire::EppDataOffset;
constexpr std::uint8_t kStatusLines = 0x78;  // what the adapter's status lines read, the time-out bit aside
}  // namespace

int FakeRawIo::Permit(std::uint16_t first, std::uint16_t count, bool on) {
    const bool ecp = first == static_cast<std::uint16_t>(base_ + EcpRegistersOffset);
    const int error = ecp && ecpPermitError ? ecpPermitError : permitError;
    if (on && error) {
        errno = error;
        return -1;
    }
    const auto range = std::make_pair(first, count);
    const auto found = std::find(grants_.begin(), grants_.end(), range);
    if (on) {
        ++grants;
        if (found == grants_.end()) grants_.push_back(range);
    } else if (found != grants_.end()) {
        ++revokes;
        grants_.erase(found);
    }
    return 0;
}

bool FakeRawIo::Allowed(std::uint16_t port, int width) {
    if (beforeInstruction) beforeInstruction(instructions);
    ++instructions;
    for (const auto& [first, count] : grants_)
        if (port >= first && port + width <= first + count) return true;
    ++ungranted;
    return false;
}

bool FakeRawIo::MakesCycles() const {
    switch (ecr) {
    case Ecr::None:
    case Ecr::ShowsControl: return true;
    case Ecr::Present:
    case Ecr::NoEppMode: return (ecrValue & 0xE0) == 0x80;
    }
    return false;
}

bool FakeRawIo::Cycle(bool read) {
    if (!MakesCycles() || timeoutFlag_) return false;
    ++cycles;
    if (timesOut && timesOut(read)) {
        ++timeouts;
        timeoutFlag_ = true;
        statusReadsSinceTimeout_ = 0;
        return false;
    }
    return true;
}

std::uint8_t FakeRawIo::ReadEcr() const {
    switch (ecr) {
    case Ecr::None: return 0xFF;
    case Ecr::ShowsControl: return control;
    default: return static_cast<std::uint8_t>((ecrValue & 0xFC) | 0x01);  // FIFO empty, not full
    }
}

void FakeRawIo::WriteEcr(std::uint8_t value) {
    ecrWrites.push_back(value);
    switch (ecr) {
    case Ecr::None: return;
    case Ecr::ShowsControl:
        control = value;
        adapter_.WriteByte(CartridgeBase + kControl, value);
        return;
    case Ecr::NoEppMode:
        if ((value & 0xE0) == 0x80) value = static_cast<std::uint8_t>((value & 0x1F) | (ecrValue & 0xE0));
        [[fallthrough]];
    case Ecr::Present: ecrValue = value & 0xFC; return;
    }
}

std::uint8_t FakeRawIo::ReadStatus() {
    const auto value = static_cast<std::uint8_t>(kStatusLines | (timeoutFlag_ ? 0x01 : 0x00));
    if (timeoutFlag_ && timeoutClear == TimeoutClear::DoubleRead && ++statusReadsSinceTimeout_ == 2)
        timeoutFlag_ = false;
    return value;
}

void FakeRawIo::WriteStatus(std::uint8_t value) {
    if ((timeoutClear == TimeoutClear::WriteOne && (value & 0x01)) ||
        (timeoutClear == TimeoutClear::WriteZero && !(value & 0x01)))
        timeoutFlag_ = false;
    adapter_.WriteByte(CartridgeBase + kStatus, value);
}

void FakeRawIo::Out8(std::uint16_t port, std::uint8_t value) {
    if (!Allowed(port, 1)) return;
    const std::uint16_t offset = Offset(port);
    switch (offset) {
    case kStatus: WriteStatus(value); return;
    case kControl:
        control = value;
        adapter_.WriteByte(CartridgeBase + kControl, value);
        return;
    case kAddress:
    case kData:
        if (Cycle(false)) adapter_.WriteByte(CartridgeBase + offset, value);
        return;
    case EcrOffset: WriteEcr(value); return;
    default:
        if (offset < PortSpan) adapter_.WriteByte(CartridgeBase + offset, value);
        return;
    }
}

std::uint8_t FakeRawIo::In8(std::uint16_t port) {
    if (!Allowed(port, 1)) return 0xFF;
    const std::uint16_t offset = Offset(port);
    switch (offset) {
    case kStatus: return ReadStatus();
    case kControl: return control;
    case kAddress:
    case kData: return Cycle(true) ? adapter_.ReadByte(CartridgeBase + offset) : 0xFF;
    case EcrOffset: return ReadEcr();
    default: return offset < PortSpan ? adapter_.ReadByte(CartridgeBase + offset) : 0xFF;
    }
}

std::uint16_t FakeRawIo::In16(std::uint16_t port) {
    if (!Allowed(port, 2)) return 0xFFFF;
    const std::uint16_t offset = Offset(port);
    if (offset != kAddress && offset != kData) return offset < PortSpan ? adapter_.ReadWord(CartridgeBase + offset) : 0xFFFF;
    return Cycle(true) ? adapter_.ReadWord(CartridgeBase + offset) : 0xFFFF;
}

}  // namespace portio::fakes
