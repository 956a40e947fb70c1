#include "cli/PortSelection.h"

#include <cerrno>
#include <cstring>

#include "portio/PlatformPort.h"

namespace runner {

PortSelection::PortSelection(const std::optional<sim::CardConfig>& card,
                             const std::optional<std::string>& tracePath) {
    portio::PortBackend* backend = nullptr;
    if (card) {
        card_ = std::make_unique<sim::SimulatedCard>(*card);
        backend = card_.get();
    } else if (portio::HasPlatformPortLayer()) {
        backend = portio::StartPlatformPortLayer();
        platformStarted_ = true;
    }
    if (tracePath) {
        if (*tracePath == "-") {
            traceFile_ = stdout;
        } else {
            traceFile_ = std::fopen(tracePath->c_str(), "wb");
            if (!traceFile_)
                throw std::runtime_error("cannot write the trace file '" + *tracePath + "': " + std::strerror(errno));
            // A run makes tens of millions of accesses: write in large pieces.
            constexpr std::size_t kBufferBytes = 1 << 20;
            traceBuffer_ = std::make_unique<char[]>(kBufferBytes);
            std::setvbuf(traceFile_, traceBuffer_.get(), _IOFBF, kBufferBytes);
        }
        tracer_ = std::make_unique<portio::PortTracer>(backend ? *backend : portio::ActivePortBackend(), traceFile_);
        backend = tracer_.get();
    }
    previous_ = portio::InstallPortBackend(backend);
}

PortSelection::~PortSelection() {
    portio::InstallPortBackend(previous_);
    if (traceFile_ == stdout) std::fflush(stdout);
    else if (traceFile_) std::fclose(traceFile_);
    if (platformStarted_) portio::ShutdownPlatformPortLayer();
}

}  // namespace runner
