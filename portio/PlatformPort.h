// The platform's own port layer: the one used when no simulated card is
// chosen. On Windows that is the port I/O layer with its driver; Linux has
// none (real hardware there needs a port backend that does not exist yet).
#pragma once

#include "portio/PortAccess.h"

namespace portio {

// True when this build has a port layer for real hardware.
bool HasPlatformPortLayer();

// Starts the platform's port layer once and returns it (never nullptr when
// HasPlatformPortLayer() is true). Its Ready() tells whether the driver
// could be started.
PortBackend* StartPlatformPortLayer();

// Shuts the layer down (closes the device, stops and removes the driver's
// service when it was ready). Does nothing if it was never started.
void ShutdownPlatformPortLayer();

}  // namespace portio
