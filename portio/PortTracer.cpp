#include "portio/PortTracer.h"

#include "portio/PortRecorder.h"

namespace portio {
namespace {
void TraceLine(std::FILE* out, const PortAccess& access) {
    char text[24];
    FormatAccess(access, text, sizeof text);
    std::fputs(text, out);
    std::fputc('\n', out);
}
}  // namespace

void PortTracer::WriteByte(std::uint16_t port, std::uint8_t value) {
    inner_.WriteByte(port, value);
    if (inner_.Ready()) TraceLine(out_, {PortAccess::Kind::Write, port, value});
}

std::uint8_t PortTracer::ReadByte(std::uint16_t port) {
    std::uint8_t value = inner_.ReadByte(port);
    if (inner_.Ready()) TraceLine(out_, {PortAccess::Kind::Read8, port, value});
    return value;
}

std::uint16_t PortTracer::ReadWord(std::uint16_t port) {
    std::uint16_t value = inner_.ReadWord(port);
    if (inner_.Ready()) TraceLine(out_, {PortAccess::Kind::Read16, port, value});
    return value;
}

}  // namespace portio
