#include "portio/RawPort.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace portio {
namespace {

std::string Range(std::uint16_t base) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%X-0x%X", base, base + PortSpan - 1);
    return text;
}

}  // namespace

RawPort::RawPort(std::uint16_t base, RawIoSystem& system) : base_(base), system_(system) {
    if (base > 0xFFFF - (PortSpan - 1))
        throw PortOpenError("the ports " + Range(base) + " go beyond the last I/O port 0xFFFF");
    if (system_.Permit(base_, PortSpan, true) == 0) return;
    const int error = errno;
    if (error == EPERM)
        throw PortOpenError("no permission for direct access to the ports " + Range(base) +
                            ": run as root (it needs the CAP_SYS_RAWIO capability; a kernel in lockdown mode "
                            "refuses it even to root), or use the port's ppdev device with --port=/dev/parportN");
    throw PortOpenError("the ports " + Range(base) + " cannot be granted: " + std::strerror(error));
}

RawPort::~RawPort() { system_.Permit(base_, PortSpan, false); }

}  // namespace portio
