// Windows: the one named port is the InpOut DLL's; without --port the
// platform's own layer is used.
#include "portio/InpOutPort.h"
#include "portio/NamedPort.h"

namespace portio {

bool HasNamedPorts() { return false; }

bool CanOpenNamedPort(PortAddress::Kind kind) { return kind == PortAddress::Kind::InpOut; }

std::unique_ptr<PortBackend> OpenNamedPort(const PortAddress& address, std::vector<std::string>* notes) {
    if (address.kind != PortAddress::Kind::InpOut)
        throw PortOpenError("this build drives a named port only through the InpOut DLL: --port=inpout[:0xBASE]");
    std::string note;
    auto port = OpenInpOutPort(address.base, &note);
    if (notes && !note.empty()) notes->push_back(note);
    return port;
}

std::string OtherPortHint() {
    if (!InpOutLibraryPresent()) return "";
    return std::string(InpOutLibraryName()) +
           " lies next to the program: --port=inpout drives the port at 0x378 through it (--port=inpout:0xBASE "
           "for another base)";
}

}  // namespace portio
