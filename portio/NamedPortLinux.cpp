// Linux: a ppdev device, or direct port instructions on x86.
#include "portio/NamedPort.h"
#include "portio/PpdevPort.h"
#include "portio/RawPort.h"

namespace portio {

bool HasNamedPorts() { return true; }

bool CanOpenNamedPort(PortAddress::Kind kind) { return kind != PortAddress::Kind::InpOut; }

std::string OtherPortHint() { return ""; }

std::unique_ptr<PortBackend> OpenNamedPort(const PortAddress& address, std::vector<std::string>* notes) {
    if (address.kind == PortAddress::Kind::InpOut)
        throw PortOpenError("the InpOut DLL is a Windows library; on Linux use --port=/dev/parportN or an I/O base");
    if (address.kind == PortAddress::Kind::Device) {
        auto port = std::make_unique<PpdevPort>(address.device, CurrentPpdevSystem());
        if (notes) notes->insert(notes->end(), port->Warnings().begin(), port->Warnings().end());
        return port;
    }
    RawIoSystem* system = CurrentRawIoSystem();
    if (!system)
        throw PortOpenError("direct port access needs an x86 processor; use the port's ppdev device with "
                            "--port=/dev/parportN");
    auto port = std::make_unique<RawPort>(address.base, *system);
    if (notes && !port->Note().empty()) notes->push_back(port->Note());
    return port;
}

}  // namespace portio
