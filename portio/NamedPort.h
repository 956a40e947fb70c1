// Opening the port a run names with --port (or the default device when it
// names none). Available on Linux: the ppdev device backend, and on x86 the
// backend with direct port instructions; on Windows: the InpOut DLL's.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "portio/PortAccess.h"
#include "portio/PortAddress.h"

namespace portio {

// True when this build can open a ppdev device.
bool HasNamedPorts();

// True when this build has a backend for ports of that kind.
bool CanOpenNamedPort(PortAddress::Kind kind);

// When the platform's own layer could not start: a named port the user
// could use instead, found on this machine (the InpOut DLL next to the
// program), or "".
std::string OtherPortHint();

// Opens, claims and prepares the port; the backend releases it when it is
// destroyed. Throws PortOpenError with a message for the user. `notes`,
// when given, receives what the user should know about the port before the
// run (a warning on an ECP+EPP port, an ECR switched to EPP mode).
std::unique_ptr<PortBackend> OpenNamedPort(const PortAddress& address, std::vector<std::string>* notes = nullptr);

}  // namespace portio
