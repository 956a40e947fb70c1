// Chooses the port backend of a program run: the simulated card of
// --simulate=CARD or the platform's port layer, optionally wrapped in a
// tracer for --trace=FILE. The selection installs its backend and keeps it
// installed for its lifetime; when it ends it shuts down the platform's
// layer if it started it, also when its constructor fails half-way.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "portio/PortAccess.h"
#include "portio/PortTracer.h"
#include "sim/CardConfig.h"
#include "sim/SimulatedCard.h"

namespace runner {

// The trace file cannot be opened; what() names it and says why.
class TraceFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PortSelection {
public:
    // `card`: simulate this card; without it the platform's port layer is
    // used (or no device at all when the platform has none).
    // `tracePath`: "-" for stdout. The trace file is opened before anything
    // else: a path that cannot be written throws TraceFileError before a
    // driver is installed for a run that will not happen.
    PortSelection(const std::optional<sim::CardConfig>& card, const std::optional<std::string>& tracePath);
    ~PortSelection();
    PortSelection(const PortSelection&) = delete;
    PortSelection& operator=(const PortSelection&) = delete;

    bool Simulated() const { return card_ != nullptr; }
    sim::SimulatedCard* Card() const { return card_.get(); }

private:
    // The platform's layer once started; shut down exactly once, when the
    // selection ends.
    class StartedPlatformLayer {
    public:
        StartedPlatformLayer() = default;
        ~StartedPlatformLayer();
        StartedPlatformLayer(const StartedPlatformLayer&) = delete;
        StartedPlatformLayer& operator=(const StartedPlatformLayer&) = delete;
        portio::PortBackend* Start();

    private:
        bool started_ = false;
    };

    // The trace's file with its buffer.
    class TraceFile {
    public:
        TraceFile() = default;
        ~TraceFile();
        TraceFile(const TraceFile&) = delete;
        TraceFile& operator=(const TraceFile&) = delete;
        void Open(const std::string& path);  // throws TraceFileError
        std::FILE* File() const { return file_; }

    private:
        std::unique_ptr<char[]> buffer_;
        std::FILE* file_ = nullptr;
    };

    // Members end in reverse order: the trace is closed before the layer
    // shuts down.
    StartedPlatformLayer platform_;
    std::unique_ptr<sim::SimulatedCard> card_;
    TraceFile trace_;
    std::unique_ptr<portio::PortTracer> tracer_;
    portio::PortBackend* previous_ = nullptr;
};

}  // namespace runner
