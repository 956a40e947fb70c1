// A backend that writes one line per access to a file and passes every
// access on to an inner backend (the --trace option). While the inner
// backend is not ready no access reaches a device, so nothing is traced.
#pragma once

#include <cstdio>

#include "portio/PortAccess.h"

namespace portio {

class PortTracer final : public PortBackend {
public:
    // `out` is not closed by the tracer.
    PortTracer(PortBackend& inner, std::FILE* out) : inner_(inner), out_(out) {}

    void WriteByte(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    std::uint16_t ReadWord(std::uint16_t port) override;
    bool Ready() const override { return inner_.Ready(); }
    void SetDirectAccess(bool on) override { inner_.SetDirectAccess(on); }

private:
    PortBackend& inner_;
    std::FILE* out_;
};

}  // namespace portio
