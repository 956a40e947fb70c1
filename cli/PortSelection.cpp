#include "cli/PortSelection.h"

#include <cerrno>
#include <cstring>

#include "portio/PlatformPort.h"

namespace runner {

PortSelection::PortSelection(const std::optional<sim::CardConfig>& card,
                             const std::optional<std::string>& tracePath) {
    if (tracePath) trace_.Open(*tracePath);
    portio::PortBackend* backend = nullptr;
    if (card) {
        card_ = std::make_unique<sim::SimulatedCard>(*card);
        backend = card_.get();
    } else if (portio::HasPlatformPortLayer()) {
        backend = platform_.Start();
    }
    if (trace_.File()) {
        tracer_ = std::make_unique<portio::PortTracer>(backend ? *backend : portio::ActivePortBackend(),
                                                       trace_.File());
        backend = tracer_.get();
    }
    previous_ = portio::InstallPortBackend(backend);
}

PortSelection::~PortSelection() { portio::InstallPortBackend(previous_); }

portio::PortBackend* PortSelection::StartedPlatformLayer::Start() {
    started_ = true;
    return portio::StartPlatformPortLayer();
}

PortSelection::StartedPlatformLayer::~StartedPlatformLayer() {
    if (started_) portio::ShutdownPlatformPortLayer();
}

void PortSelection::TraceFile::Open(const std::string& path) {
    if (path == "-") {
        file_ = stdout;
        return;
    }
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) throw TraceFileError("cannot write the trace file '" + path + "': " + std::strerror(errno));
    // A run makes tens of millions of accesses: write in large pieces.
    constexpr std::size_t kBufferBytes = 1 << 20;
    buffer_ = std::make_unique<char[]>(kBufferBytes);
    std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferBytes);
}

PortSelection::TraceFile::~TraceFile() {
    if (file_ == stdout) {
        std::fflush(stdout);
    } else if (file_) {
        std::fclose(file_);
    }
}

}  // namespace runner
