// Windows builds: the platform's port layer is the driver-backed one.
#include <optional>

#include "portio/PlatformPort.h"
#include "portio/zlportio.h"

namespace portio {
namespace {
// Lives until the process ends, so that a caller still holding it as the
// active backend after shutdown holds a valid (inert) object.
std::optional<ZlPortIo> layer;
}  // namespace

namespace detail {

bool HasOwnPortLayer() { return true; }

PortBackend* StartOwnPortLayer() {
    // Start-up runs once per process, even after a shutdown: the driver is
    // installed and removed once.
    if (!layer) {
        layer.emplace();
        layer->Start();
    }
    return &*layer;
}

void ShutdownOwnPortLayer() {
    if (layer) layer->Shutdown();
}

}  // namespace detail

}  // namespace portio
