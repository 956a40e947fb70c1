// Chooses the port backend of a program run: the simulated card of
// --simulate=CARD, a named port (--port: a Linux backend, or the InpOut
// DLL's on Windows) or the platform's port
// layer, optionally wrapped in a tracer for --trace=FILE. The selection installs its backend and keeps it
// installed for its lifetime; when it ends it shuts down the platform's
// layer if it started it, also when its constructor fails half-way.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "portio/PortAccess.h"
#include "portio/PortAddress.h"
#include "portio/PortTracer.h"
#include "sim/CardConfig.h"
#include "sim/SimulatedCard.h"

namespace portchoice {

// The trace file cannot be opened or written; what() names it and says why.
class TraceFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PortSelection {
public:
    // What a trace line that cannot be written does to the run.
    enum class TraceWriteFailure {
        StopRun,    // that access throws portio::TraceWriteError, which ends the run
        FinishRun,  // tracing stops and the run goes on (where no exception may pass,
                    // as through a window procedure)
    };

    // `card`: simulate this card; else `port`: open that port (throws
    // portio::PortOpenError when it cannot be used); without either the
    // platform's port layer is used (or no device at all when the platform
    // has none).
    // `tracePath`: "-" for stdout. The trace file is opened before anything
    // else: a path that cannot be written throws TraceFileError before a
    // driver is installed or a port claimed for a run that will not happen.
    PortSelection(const std::optional<sim::CardConfig>& card, const std::optional<std::string>& tracePath,
                  TraceWriteFailure onTraceWriteFailure,
                  const std::optional<portio::PortAddress>& port = std::nullopt);
    ~PortSelection();
    PortSelection(const PortSelection&) = delete;
    PortSelection& operator=(const PortSelection&) = delete;

    // Writes out the rest of the trace and closes its file (stdout is only
    // flushed); from then on nothing is traced. Throws TraceFileError when
    // any of the trace could not be written. Does nothing without a trace or
    // when called again. Without this call the destructor closes the trace
    // and says nothing.
    void CloseTrace();

    bool Simulated() const { return card_ != nullptr; }
    // What the user should know about the named port before the run (see
    // portio::OpenNamedPort); empty for other ports.
    const std::vector<std::string>& PortNotes() const { return portNotes_; }
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

    // The trace's file with its buffer; closed without a word if CloseTrace
    // did not close it.
    class TraceFile {
    public:
        TraceFile() = default;
        ~TraceFile();
        TraceFile(const TraceFile&) = delete;
        TraceFile& operator=(const TraceFile&) = delete;
        void Open(const std::string& path);  // throws TraceFileError
        std::FILE* File() const { return file_; }
        // Closes the file; returns 0, or the error number when the buffered
        // rest of the trace could not be written.
        int Close();
        // "the trace file 'PATH'" or "the trace on stdout", for messages.
        std::string Name() const;

    private:
        std::string path_;
        std::unique_ptr<char[]> buffer_;
        std::FILE* file_ = nullptr;
    };

    // Members end in reverse order: the trace is closed before the layer
    // shuts down or the named port is released.
    StartedPlatformLayer platform_;
    std::vector<std::string> portNotes_;
    std::unique_ptr<portio::PortBackend> named_;
    std::unique_ptr<sim::SimulatedCard> card_;
    TraceFile trace_;
    std::unique_ptr<portio::PortTracer> tracer_;
    portio::PortBackend* previous_ = nullptr;
};

}  // namespace portchoice
