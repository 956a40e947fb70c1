// Linux: a ppdev device, or direct port instructions on x86.
#include "portio/NamedPort.h"
#include "portio/PpdevPort.h"
#include "portio/RawPort.h"

namespace portio {

bool HasNamedPorts() { return true; }

std::unique_ptr<PortBackend> OpenNamedPort(const PortAddress& address) {
    if (address.kind == PortAddress::Kind::Device)
        return std::make_unique<PpdevPort>(address.device, CurrentPpdevSystem());
    RawIoSystem* system = CurrentRawIoSystem();
    if (!system)
        throw PortOpenError("direct port access needs an x86 processor; use the port's ppdev device with "
                            "--port=/dev/parportN");
    return std::make_unique<RawPort>(address.base, *system);
}

}  // namespace portio
