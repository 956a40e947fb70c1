#include "portio/PortAccess.h"

namespace portio {
namespace {
NoPortBackend noDevice;
}

namespace detail {
PortBackend* activeBackend = &noDevice;
}

PortBackend* InstallPortBackend(PortBackend* backend) {
    PortBackend* previous = detail::activeBackend;
    detail::activeBackend = backend ? backend : &noDevice;
    return previous;
}

PortBackend& ActivePortBackend() { return *detail::activeBackend; }

}  // namespace portio
