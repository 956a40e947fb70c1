// Builds without a port layer for real hardware.
#include "portio/PlatformPort.h"

namespace portio::detail {

bool HasOwnPortLayer() { return false; }
PortBackend* StartOwnPortLayer() { return nullptr; }
void ShutdownOwnPortLayer() {}

}  // namespace portio::detail
