// Builds without a port layer for real hardware.
#include "portio/PlatformPort.h"

namespace portio {

bool HasPlatformPortLayer() { return false; }
PortBackend* StartPlatformPortLayer() { return nullptr; }
void ShutdownPlatformPortLayer() {}

}  // namespace portio
