// A port backend with the processor's in/out instructions on the port at
// `base` (ioperm), for a port that has no ppdev driver; it needs root (the
// CAP_SYS_RAWIO capability). Accesses are mapped by their offset from
// CartridgeBase onto the eight ports from `base`; anything outside them
// makes no access, so no instruction ever touches a port that was not
// granted.
//
// An ECP port makes EPP cycles only in its ECR's EPP mode: the backend also
// takes the ports from base + 0x400 and puts the ECR into EPP mode for its
// lifetime (see EcrSwitch); a port without an ECR is used as it is.
//
// After every EPP cycle, and once after a burst of them, it reads the
// status register: bit 0 set means the cycle timed out (the adapter did
// not answer). That access, or every access of the burst, is counted as
// failed and reads all ones, and the flag is cleared as the kernel clears
// it. The ECR and the permissions are put back when the backend ends.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "portio/EcrSwitch.h"
#include "portio/PortAccess.h"
#include "portio/PortAddress.h"
#include "portio/RawIoSystem.h"

namespace portio {

class RawPort final : public PortBackend {
public:
    // Throws PortOpenError when the ports cannot be granted, or the port has
    // an ECR that does not take EPP mode (that message ends in `otherWay`,
    // see EcrSwitch). Nothing stays granted or changed after a failure.
    RawPort(std::uint16_t base, RawIoSystem& system, const std::string& otherWay = kUsePpdevInstead);
    ~RawPort() override;
    RawPort(const RawPort&) = delete;
    RawPort& operator=(const RawPort&) = delete;

    void WriteByte(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    // Two data cycles from +4 and +5: the word must lie inside the span too.
    std::uint16_t ReadWord(std::uint16_t port) override;
    void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) override;
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    std::uint64_t FailedTransfers() const override { return failed_; }

    // What the run should know about the port (an ECP port switched to EPP
    // mode), or "".
    std::string Note() const { return ecr_ ? ecr_->Note() : ""; }

private:
    // A range of ports granted with ioperm, dropped when it ends.
    class Grant {
    public:
        Grant(RawIoSystem& system, std::uint16_t first, std::uint16_t count);  // throws PortOpenError
        ~Grant();
        Grant(const Grant&) = delete;
        Grant& operator=(const Grant&) = delete;

    private:
        RawIoSystem& system_;
        std::uint16_t first_, count_;
    };

    static bool Inside(std::uint16_t port) {
        return static_cast<std::uint16_t>(port - CartridgeBase) < PortSpan;
    }
    // The EPP address and data ports: accesses there are cycles on the wire.
    static bool IsCycle(std::uint16_t port) {
        const std::uint16_t offset = static_cast<std::uint16_t>(port - CartridgeBase);
        return offset == 3 || offset == 4;
    }
    std::uint16_t Mapped(std::uint16_t port) const {
        return static_cast<std::uint16_t>(base_ + (port - CartridgeBase));
    }
    // True when the cycles since the last look timed out; the flag is then
    // cleared.
    bool TimedOut();

    std::uint16_t base_;
    RawIoSystem& system_;
    // Members end in reverse order: the ECR is put back before its ports are
    // dropped.
    Grant ports_;
    std::unique_ptr<Grant> ecpPorts_;
    std::unique_ptr<EcrSwitch> ecr_;
    std::uint64_t failed_ = 0;
};

}  // namespace portio
