// A backend that writes one line per access to a file and passes every
// access on to an inner backend (the --trace option). While the inner
// backend is not ready no access reaches a device, so nothing is traced.
#pragma once

#include <cstdio>
#include <stdexcept>

#include "portio/PortAccess.h"

namespace portio {

struct PortAccess;

// Thrown by a tracer that stops the run at a line it could not write.
class TraceWriteError : public std::runtime_error {
public:
    TraceWriteError() : std::runtime_error("a trace line could not be written") {}
};

class PortTracer final : public PortBackend {
public:
    // `out` is not closed by the tracer. After a line that cannot be written
    // no further line is written: the trace would have a hole. With
    // `stopOnWriteError` that access (which has reached the device) also
    // throws TraceWriteError, so that a run does not go on for minutes
    // producing a trace nobody gets; inside a flash operation (a
    // WholeSequence) the throw waits for the operation's end.
    PortTracer(PortBackend& inner, std::FILE* out, bool stopOnWriteError = false)
        : inner_(inner), out_(out), stopOnWriteError_(stopOnWriteError) {}

    void WriteByte(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    std::uint16_t ReadWord(std::uint16_t port) override;
    // One call to the inner backend, then one line per word. A line that
    // cannot be written stops the lines there; the rest of the burst has
    // reached the device already.
    void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) override;
    bool Ready() const override { return inner_.Ready(); }
    void SetDirectAccess(bool on) override { inner_.SetDirectAccess(on); }
    std::uint64_t FailedTransfers() const override { return inner_.FailedTransfers(); }
    void StopPoint() override {
        StopIfDue();
        inner_.StopPoint();
    }

    // 0 while every line was written, else the error number of the line
    // that could not be.
    int WriteError() const { return writeError_; }
    // Writes no more lines (the file is about to be closed); accesses still
    // reach the inner backend.
    void Stop() { out_ = nullptr; }

private:
    void Trace(const PortAccess& access);
    void StopIfDue() const;

    PortBackend& inner_;
    std::FILE* out_;
    bool stopOnWriteError_;
    int writeError_ = 0;
    bool stopDue_ = false;
};

}  // namespace portio
