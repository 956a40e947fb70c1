#include "portio/PortRecorder.h"

#include <cstdio>

namespace portio {

void FormatAccess(const PortAccess& access, char* text, std::size_t size) {
    switch (access.kind) {
    case PortAccess::Kind::Write:
        std::snprintf(text, size, "W %04X %02X", access.port, access.value);
        break;
    case PortAccess::Kind::Read8:
        std::snprintf(text, size, "R8 %04X %02X", access.port, access.value);
        break;
    case PortAccess::Kind::Read16:
        std::snprintf(text, size, "R16 %04X %04X", access.port, access.value);
        break;
    }
}

std::string FormatAccess(const PortAccess& access) {
    char text[24];
    FormatAccess(access, text, sizeof text);
    return text;
}

void PortRecorder::WriteByte(std::uint16_t port, std::uint8_t value) {
    if (inner_) inner_->WriteByte(port, value);
    accesses_.push_back({PortAccess::Kind::Write, port, value});
}

std::uint8_t PortRecorder::ReadByte(std::uint16_t port) {
    std::uint8_t value = inner_ ? inner_->ReadByte(port) : static_cast<std::uint8_t>(NextScripted());
    accesses_.push_back({PortAccess::Kind::Read8, port, value});
    return value;
}

std::uint16_t PortRecorder::ReadWord(std::uint16_t port) {
    std::uint16_t value = inner_ ? inner_->ReadWord(port) : NextScripted();
    accesses_.push_back({PortAccess::Kind::Read16, port, value});
    return value;
}

void PortRecorder::ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) {
    ++bulkReads;
    if (inner_) {
        inner_->ReadWords(port, words, count);
    } else {
        for (std::size_t i = 0; i < count; ++i) words[i] = NextScripted();
    }
    for (std::size_t i = 0; i < count; ++i) accesses_.push_back({PortAccess::Kind::Read16, port, words[i]});
}

void PortRecorder::SetDirectAccess(bool on) {
    ++directAccessCalls;
    if (inner_) inner_->SetDirectAccess(on);
}

void PortRecorder::QueueReads(std::initializer_list<std::uint16_t> values) {
    scripted_.insert(scripted_.end(), values);
}

std::uint16_t PortRecorder::NextScripted() {
    if (scripted_.empty()) return defaultRead;
    std::uint16_t value = scripted_.front();
    scripted_.pop_front();
    return value;
}

}  // namespace portio
