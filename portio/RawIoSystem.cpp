#include "portio/RawIoSystem.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define FLASHDIAG_PORT_INSTRUCTIONS 1
#endif

#include <cerrno>

namespace portio {
namespace {

#ifdef FLASHDIAG_PORT_INSTRUCTIONS
class Processor final : public RawIoSystem {
public:
    int Permit(std::uint16_t first, std::uint16_t count, bool on) override { return ioperm(first, count, on); }
    void Out8(std::uint16_t port, std::uint8_t value) override { outb(value, port); }
    std::uint8_t In8(std::uint16_t port) override { return inb(port); }
    std::uint16_t In16(std::uint16_t port) override { return inw(port); }
};
Processor processor;
RawIoSystem* current = &processor;
#else
RawIoSystem* current = nullptr;
#endif

}  // namespace

#ifdef FLASHDIAG_PORT_INSTRUCTIONS
void SetRawIoSystem(RawIoSystem* system) { current = system ? system : &processor; }
#else
void SetRawIoSystem(RawIoSystem* system) { current = system; }
#endif

RawIoSystem* CurrentRawIoSystem() { return current; }

}  // namespace portio
