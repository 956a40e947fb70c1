// A stand-in for ioperm and the processor's port instructions: the ports
// from `base` route to an adapter at CartridgeBase (such as the simulated
// card). An instruction on a port that was not granted is counted: on a
// real machine it would kill the process.
#pragma once

#include <cstdint>
#include <functional>

#include "portio/PortAccess.h"
#include "portio/RawIoSystem.h"

namespace portio::fakes {

class FakeRawIo final : public RawIoSystem {
public:
    FakeRawIo(PortBackend& adapter, std::uint16_t base) : adapter_(adapter), base_(base) {}

    int Permit(std::uint16_t first, std::uint16_t count, bool on) override;
    void Out8(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t In8(std::uint16_t port) override;
    std::uint16_t In16(std::uint16_t port) override;

    int permitError = 0;  // errno of a refused grant (EPERM without root)
    // Called before every instruction, with its number.
    std::function<void(std::uint64_t)> beforeInstruction;

    bool Granted() const { return granted_; }
    int grants = 0, revokes = 0;
    std::uint64_t instructions = 0;
    int ungranted = 0;

private:
    // The port at CartridgeBase that `port` stands for, or 0 when it was not granted.
    std::uint16_t Route(std::uint16_t port, int width);

    PortBackend& adapter_;
    std::uint16_t base_;
    std::uint16_t first_ = 0, count_ = 0;
    bool granted_ = false;
};

}  // namespace portio::fakes
