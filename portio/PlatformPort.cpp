#include "portio/PlatformPort.h"

namespace portio {
namespace {
PlatformPortLayerStandIn* standIn = nullptr;
}

bool HasPlatformPortLayer() { return standIn || detail::HasOwnPortLayer(); }

PortBackend* StartPlatformPortLayer() { return standIn ? standIn->Start() : detail::StartOwnPortLayer(); }

void ShutdownPlatformPortLayer() {
    if (standIn) {
        standIn->Shutdown();
    } else {
        detail::ShutdownOwnPortLayer();
    }
}

void SetPlatformPortLayerStandIn(PlatformPortLayerStandIn* layer) { standIn = layer; }

}  // namespace portio
