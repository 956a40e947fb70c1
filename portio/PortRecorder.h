// A backend for tests and tracing: it records every access in order and
// passes it on to an inner backend, if there is one. Without an inner
// backend, reads are answered from a queue of scripted values.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "portio/PortAccess.h"

namespace portio {

struct PortAccess {
    enum class Kind : std::uint8_t { Write, Read8, Read16 };
    Kind kind;
    std::uint16_t port;
    std::uint16_t value;  // written value, or the value the read returned

    bool operator==(const PortAccess&) const = default;
};

// One access as a trace line without the newline: "W 037A 01",
// "R8 037C FF", "R16 037C 1234". `text` needs room for 16 characters.
void FormatAccess(const PortAccess& access, char* text, std::size_t size);
std::string FormatAccess(const PortAccess& access);

class PortRecorder final : public PortBackend {
public:
    explicit PortRecorder(PortBackend* inner = nullptr) : inner_(inner) {}

    void WriteByte(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    std::uint16_t ReadWord(std::uint16_t port) override;
    // One call to the inner backend; each word recorded as a 16-bit read.
    void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) override;
    bool Ready() const override { return inner_ ? inner_->Ready() : true; }
    void SetDirectAccess(bool on) override;
    std::uint64_t FailedTransfers() const override { return inner_ ? inner_->FailedTransfers() : 0; }

    // Values returned by the next reads when there is no inner backend; once
    // the queue is empty, reads return `defaultRead` (truncated to 8 bits
    // for byte reads).
    void QueueReads(std::initializer_list<std::uint16_t> values);
    std::uint16_t defaultRead = 0xFFFF;

    const std::vector<PortAccess>& Accesses() const { return accesses_; }
    void Clear() { accesses_.clear(); }
    int directAccessCalls = 0;
    int bulkReads = 0;  // ReadWords calls

private:
    std::uint16_t NextScripted();

    PortBackend* inner_;
    std::deque<std::uint16_t> scripted_;
    std::vector<PortAccess> accesses_;
};

}  // namespace portio
