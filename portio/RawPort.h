// A port backend with the processor's in/out instructions on the port at
// `base` (ioperm), for a port that has no ppdev driver; it needs root (the
// CAP_SYS_RAWIO capability). Accesses are mapped by their offset from
// CartridgeBase onto the eight ports from `base`; anything outside them
// makes no access, so no instruction ever touches a port that was not
// granted. The permission is dropped when the backend ends.
#pragma once

#include <cstdint>

#include "portio/PortAccess.h"
#include "portio/PortAddress.h"
#include "portio/RawIoSystem.h"

namespace portio {

class RawPort final : public PortBackend {
public:
    // Throws PortOpenError when the ports cannot be granted.
    RawPort(std::uint16_t base, RawIoSystem& system);
    ~RawPort() override;
    RawPort(const RawPort&) = delete;
    RawPort& operator=(const RawPort&) = delete;

    void WriteByte(std::uint16_t port, std::uint8_t value) override {
        if (Inside(port)) system_.Out8(Mapped(port), value);
    }
    std::uint8_t ReadByte(std::uint16_t port) override { return Inside(port) ? system_.In8(Mapped(port)) : 0xFF; }
    // Two data cycles from +4 and +5: the word must lie inside the span too.
    std::uint16_t ReadWord(std::uint16_t port) override {
        return Inside(port) && Inside(static_cast<std::uint16_t>(port + 1)) ? system_.In16(Mapped(port)) : 0xFFFF;
    }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}

private:
    static bool Inside(std::uint16_t port) {
        return static_cast<std::uint16_t>(port - CartridgeBase) < PortSpan;
    }
    std::uint16_t Mapped(std::uint16_t port) const {
        return static_cast<std::uint16_t>(base_ + (port - CartridgeBase));
    }

    std::uint16_t base_;
    RawIoSystem& system_;
};

}  // namespace portio
