// The extended control register (ECR) of an ECP port, for direct port
// access. An ECP port makes EPP cycles only while its ECR (base + 0x402)
// holds mode 100 in bits 7..5; the firmware and the kernel's own probe
// leave it in another mode (000, 001), and then no cycle reaches the
// adapter, no time-out is flagged either, and a run only finds no card.
// An EcrSwitch finds out whether the port has an ECR, puts it into EPP
// mode for its lifetime and puts the old value back when it ends.
//
// Whether there is an ECR is decided as the kernel does in
// parport_ECR_present (drivers/parport/parport_pc.c): a register that reads
// 0xFF, whose FIFO bits (1..0) do not read "empty, not full" (01), or that
// does not keep the value 0x34 (reading back 0x35) is not one. The kernel
// also toggles a control bit to tell an old card that shows its control
// register again at +0x402; that would strobe the adapter, so a register
// that reads the same as the control register counts as absent instead and
// is never written.
#pragma once

#include <cstdint>
#include <string>

#include "portio/RawIoSystem.h"

namespace portio {

constexpr std::uint16_t EcrOffset = 0x402;
// The ECP registers: base + 0x400 to base + 0x402.
constexpr std::uint16_t EcpRegistersOffset = 0x400, EcpRegistersSpan = 3;

// Linux: a port the kernel's driver can run in its own way.
inline const std::string kUsePpdevInstead = ", or use its ppdev device with --port=/dev/parportN";

class EcrSwitch {
public:
    enum class Found : std::uint8_t {
        None,        // no ECR: a plain port, left alone
        AlreadyEpp,  // an ECR already in EPP mode, left alone
        Switched,    // an ECR put into EPP mode; restored when this ends
    };

    // `system` must hold the permission for the port's ECP registers. Throws
    // PortOpenError when the port has an ECR that does not take EPP mode; the
    // ECR then holds its old value again. `otherWay` ends that message: what
    // else the user can try on this platform (", or ...").
    EcrSwitch(RawIoSystem& system, std::uint16_t base, const std::string& otherWay = kUsePpdevInstead);
    ~EcrSwitch();
    EcrSwitch(const EcrSwitch&) = delete;
    EcrSwitch& operator=(const EcrSwitch&) = delete;

    Found Result() const { return found_; }
    std::uint8_t Original() const { return original_; }
    // What the run should know about it, or "" when the port was left alone.
    std::string Note() const;

private:
    void Restore();

    RawIoSystem& system_;
    std::uint16_t base_;
    std::uint16_t ecr_;
    std::uint8_t original_ = 0xFF;
    Found found_ = Found::None;
};

}  // namespace portio
