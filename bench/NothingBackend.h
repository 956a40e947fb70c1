// The floor of the benchmarks: a backend whose access does nothing but
// the indirect call. Reads answer a ready flash status.
#pragma once

#include <cstdint>

#include "portio/PortAccess.h"

namespace bench {

class NothingBackend final : public portio::PortBackend {
public:
    void WriteByte(std::uint16_t, std::uint8_t value) override { sink_ += value; }
    std::uint8_t ReadByte(std::uint16_t) override { return 0x80; }
    std::uint16_t ReadWord(std::uint16_t) override { return 0; }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}

private:
    unsigned sink_ = 0;
};

}  // namespace bench
