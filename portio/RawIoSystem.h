// The calls the direct port backend makes: the permission for a range of
// ports, and the processor's in/out instructions. Behind an interface so
// that tests can route the cycles to the simulator.
#pragma once

#include <cstdint>

namespace portio {

class RawIoSystem {
public:
    virtual ~RawIoSystem() = default;
    // As ioperm(2): 0, or -1 with errno.
    virtual int Permit(std::uint16_t first, std::uint16_t count, bool on) = 0;
    virtual void Out8(std::uint16_t port, std::uint8_t value) = 0;
    virtual std::uint8_t In8(std::uint16_t port) = 0;
    virtual std::uint16_t In16(std::uint16_t port) = 0;
};

// The system the named ports use: the processor's unless a test put
// another in its place (nullptr puts the processor's back). nullptr when
// the processor has no port instructions (Linux on x86 has them).
RawIoSystem* CurrentRawIoSystem();
void SetRawIoSystem(RawIoSystem* system);

}  // namespace portio
