#include "portchoice/PortSelection.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "portio/NamedPort.h"
#include "portio/PlatformPort.h"

namespace portchoice {

PortSelection::PortSelection(const std::optional<sim::CardConfig>& card,
                             const std::optional<std::string>& tracePath, TraceWriteFailure onTraceWriteFailure,
                             const std::optional<portio::PortAddress>& port) {
    if (tracePath) trace_.Open(*tracePath);
    portio::PortBackend* backend = nullptr;
    if (card) {
        card_ = std::make_unique<sim::SimulatedCard>(*card);
        backend = card_.get();
    } else if (port) {
        named_ = portio::OpenNamedPort(*port, &portNotes_);
        backend = named_.get();
    } else if (portio::HasPlatformPortLayer()) {
        backend = platform_.Start();
    }
    if (trace_.File()) {
        tracer_ = std::make_unique<portio::PortTracer>(backend ? *backend : portio::ActivePortBackend(),
                                                       trace_.File(),
                                                       onTraceWriteFailure == TraceWriteFailure::StopRun);
        backend = tracer_.get();
    }
    previous_ = portio::InstallPortBackend(backend);
}

PortSelection::~PortSelection() { portio::InstallPortBackend(previous_); }

void PortSelection::CloseTrace() {
    if (!tracer_ || !trace_.File()) return;
    tracer_->Stop();
    const int closeError = trace_.Close();
    const int error = tracer_->WriteError() != 0 ? tracer_->WriteError() : closeError;
    if (error != 0) throw TraceFileError("cannot write " + trace_.Name() + ": " + std::strerror(error));
}

portio::PortBackend* PortSelection::StartedPlatformLayer::Start() {
    started_ = true;
    return portio::StartPlatformPortLayer();
}

PortSelection::StartedPlatformLayer::~StartedPlatformLayer() {
    if (started_) portio::ShutdownPlatformPortLayer();
}

void PortSelection::TraceFile::Open(const std::string& path) {
    path_ = path;
    if (path == "-") {
        file_ = stdout;
        return;
    }
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) throw TraceFileError("cannot write " + Name() + ": " + std::strerror(errno));
    // A run makes tens of millions of accesses: write in large pieces.
    constexpr std::size_t kBufferBytes = 1 << 20;
    buffer_ = std::make_unique<char[]>(kBufferBytes);
    std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferBytes);
}

int PortSelection::TraceFile::Close() {
    if (!file_) return 0;
    std::FILE* file = std::exchange(file_, nullptr);
    const bool earlierError = std::ferror(file) != 0;
    errno = 0;
    const int result = file == stdout ? std::fflush(file) : std::fclose(file);
    if (result != 0) return errno != 0 ? errno : EIO;
    return earlierError ? EIO : 0;
}

std::string PortSelection::TraceFile::Name() const {
    return path_ == "-" ? "the trace on stdout" : "the trace file '" + path_ + "'";
}

PortSelection::TraceFile::~TraceFile() {
    if (file_ == stdout) {
        std::fflush(stdout);
    } else if (file_) {
        std::fclose(file_);
    }
}

}  // namespace portchoice
