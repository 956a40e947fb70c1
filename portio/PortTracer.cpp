#include "portio/PortTracer.h"

#include <cerrno>

#include "portio/PortRecorder.h"
#include "portio/WholeSequence.h"

namespace portio {

void PortTracer::Trace(const PortAccess& access) {
    if (!out_ || !inner_.Ready()) return;
    char text[24];
    FormatAccess(access, text, sizeof text);
    if (std::fputs(text, out_) != EOF && std::fputc('\n', out_) != EOF) return;
    writeError_ = errno != 0 ? errno : EIO;
    out_ = nullptr;
    stopDue_ = stopOnWriteError_;
    StopIfDue();
}

void PortTracer::StopIfDue() const {
    if (stopDue_ && !InsideWholeSequence()) throw TraceWriteError();
}

void PortTracer::WriteByte(std::uint16_t port, std::uint8_t value) {
    StopIfDue();
    inner_.WriteByte(port, value);
    Trace({PortAccess::Kind::Write, port, value});
}

std::uint8_t PortTracer::ReadByte(std::uint16_t port) {
    StopIfDue();
    std::uint8_t value = inner_.ReadByte(port);
    Trace({PortAccess::Kind::Read8, port, value});
    return value;
}

std::uint16_t PortTracer::ReadWord(std::uint16_t port) {
    StopIfDue();
    std::uint16_t value = inner_.ReadWord(port);
    Trace({PortAccess::Kind::Read16, port, value});
    return value;
}

void PortTracer::ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) {
    StopIfDue();
    inner_.ReadWords(port, words, count);
    for (std::size_t i = 0; i < count; ++i) Trace({PortAccess::Kind::Read16, port, words[i]});
}

}  // namespace portio
