// The platform's own port layer: the one used when no simulated card is
// chosen. On Windows that is the port I/O layer with its driver; Linux has
// none (real hardware there needs a port backend that does not exist yet).
#pragma once

#include "portio/PortAccess.h"

namespace portio {

// True when this build has a port layer for real hardware (or a test has
// put a stand-in in its place).
bool HasPlatformPortLayer();

// Starts the platform's port layer once and returns it (never nullptr when
// HasPlatformPortLayer() is true). Its Ready() tells whether the driver
// could be started.
PortBackend* StartPlatformPortLayer();

// Shuts the layer down (closes the device, stops and removes the driver's
// service when it was ready). Does nothing if it was never started.
void ShutdownPlatformPortLayer();

// A stand-in for the platform's layer, so that tests of the programs can
// count what every way out of them starts and shuts down. While one is set,
// the three functions above use it instead of the platform's own layer.
class PlatformPortLayerStandIn {
public:
    virtual ~PlatformPortLayerStandIn() = default;
    virtual PortBackend* Start() = 0;
    virtual void Shutdown() = 0;
};
// nullptr puts the platform's own layer back.
void SetPlatformPortLayerStandIn(PlatformPortLayerStandIn* standIn);

namespace detail {
// The platform's own layer, one definition per platform.
bool HasOwnPortLayer();
PortBackend* StartOwnPortLayer();
void ShutdownOwnPortLayer();
}  // namespace detail

}  // namespace portio
