// Builds without named ports: the platform's own layer is the only one.
#include "portio/NamedPort.h"

namespace portio {

bool HasNamedPorts() { return false; }

bool CanOpenNamedPort(PortAddress::Kind) { return false; }

std::string OtherPortHint() { return ""; }

std::unique_ptr<PortBackend> OpenNamedPort(const PortAddress&, std::vector<std::string>*) {
    throw PortOpenError("this build has no backend for a named port; it uses the platform's port layer at 0x378");
}

}  // namespace portio
