#include "portio/fakes/FakeRawIo.h"

#include <cerrno>

#include "portio/PortAddress.h"

namespace portio::fakes {

int FakeRawIo::Permit(std::uint16_t first, std::uint16_t count, bool on) {
    if (on && permitError) {
        errno = permitError;
        return -1;
    }
    if (on) {
        ++grants;
        first_ = first;
        count_ = count;
    } else if (granted_ && first == first_ && count == count_) {
        ++revokes;
    }
    granted_ = on;
    return 0;
}

std::uint16_t FakeRawIo::Route(std::uint16_t port, int width) {
    if (beforeInstruction) beforeInstruction(instructions);
    ++instructions;
    if (!granted_ || port < first_ || port + width > first_ + count_) {
        ++ungranted;
        return 0;
    }
    return static_cast<std::uint16_t>(port - base_ + CartridgeBase);
}

void FakeRawIo::Out8(std::uint16_t port, std::uint8_t value) {
    if (std::uint16_t routed = Route(port, 1)) adapter_.WriteByte(routed, value);
}

std::uint8_t FakeRawIo::In8(std::uint16_t port) {
    const std::uint16_t routed = Route(port, 1);
    return routed ? adapter_.ReadByte(routed) : 0xFF;
}

std::uint16_t FakeRawIo::In16(std::uint16_t port) {
    const std::uint16_t routed = Route(port, 2);
    return routed ? adapter_.ReadWord(routed) : 0xFFFF;
}

}  // namespace portio::fakes
