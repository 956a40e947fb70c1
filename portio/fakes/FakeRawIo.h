// A stand-in for ioperm and the processor's port instructions on a port
// chip at `base`, with an adapter behind it at CartridgeBase (such as the
// simulated card). An instruction on a port that was not granted is
// counted: on a real machine it would kill the process.
//
// The chip: writes of status, control and the other ports of the span reach
// the adapter; the control register reads what was written to it last; the
// status register reads the chip's own time-out flag in bit 0 (reading the
// status lines is not a cycle, so it does not reach the adapter). An EPP
// cycle (+3, +4; a 16-bit read of +4 is one word) reaches the adapter only
// while the port is in EPP mode: always on a port without an ECR, and on an
// ECP port only while its ECR (base + 0x402) holds mode 100. A cycle that
// times out reaches nothing, reads 0xFF and sets the flag; while the flag
// is set the chip makes no cycle at all, as some chips do until it is
// cleared. How it is cleared depends on the chip (TimeoutClear).
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "portio/PortAccess.h"
#include "portio/RawIoSystem.h"

namespace portio::fakes {

class FakeRawIo final : public RawIoSystem {
public:
    FakeRawIo(PortBackend& adapter, std::uint16_t base) : adapter_(adapter), base_(base) {}

    int Permit(std::uint16_t first, std::uint16_t count, bool on) override;
    void Out8(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t In8(std::uint16_t port) override;
    std::uint16_t In16(std::uint16_t port) override;

    int permitError = 0;     // errno of a refused grant (EPERM without root)
    int ecpPermitError = 0;  // the same for the ports from base + 0x400 only
    // Called before every instruction, with its number.
    std::function<void(std::uint64_t)> beforeInstruction;

    // What sits at base + 0x402.
    enum class Ecr {
        None,          // nothing: reads 0xFF (a plain EPP port)
        Present,       // an ECR
        NoEppMode,     // an ECR that keeps every mode but 100
        ShowsControl,  // an old card: the control register again
    };
    Ecr ecr = Ecr::None;
    std::uint8_t ecrValue = 0x14;  // bits 7..2 of the ECR: mode 000 as the kernel's probe leaves it
    std::vector<std::uint8_t> ecrWrites;
    // How the time-out flag clears: on a write of 1 to bit 0, of 0, or once
    // the status register has been read twice after it was set.
    enum class TimeoutClear { WriteOne, WriteZero, DoubleRead };
    TimeoutClear timeoutClear = TimeoutClear::WriteOne;
    // Whether the next EPP cycle (a read when the argument is true) times out.
    std::function<bool(bool)> timesOut;

    std::uint8_t control = 0x0C;  // the control register; the kernel's probe leaves 0x0C

    bool Granted() const { return !grants_.empty(); }
    bool TimeoutFlag() const { return timeoutFlag_; }
    int grants = 0, revokes = 0;
    std::uint64_t instructions = 0;
    int ungranted = 0;
    std::uint64_t cycles = 0, timeouts = 0;

private:
    // Counts the instruction; false when its ports were not granted.
    bool Allowed(std::uint16_t port, int width);
    std::uint16_t Offset(std::uint16_t port) const { return static_cast<std::uint16_t>(port - base_); }
    bool MakesCycles() const;
    // Whether this cycle reaches the adapter.
    bool Cycle(bool read);
    std::uint8_t ReadEcr() const;
    void WriteEcr(std::uint8_t value);
    std::uint8_t ReadStatus();
    void WriteStatus(std::uint8_t value);

    PortBackend& adapter_;
    std::uint16_t base_;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> grants_;  // first, count
    bool timeoutFlag_ = false;
    int statusReadsSinceTimeout_ = 0;
};

}  // namespace portio::fakes
