// A port backend on the kernel's parallel-port character device
// (/dev/parportN, ppdev). The device is opened, claimed and put into EPP
// mode when the backend is made, and put back into compatibility mode,
// released and closed when it ends.
//
// Accesses are mapped by their offset from CartridgeBase, whatever base the
// port really has: +1 status (PPRSTATUS), +2 control (PPWCONTROL, PPRCONTROL),
// +3 EPP address cycles, +4 EPP data cycles (reads and writes of the
// device). A 16-bit read is two data bytes, the lower address in the low
// half. The device switches between address and data cycles with
// PPSETMODE; the backend switches only when the next cycle needs the other
// kind.
//
// Every call to the device is a system call, about as long as an EPP cycle.
// So consecutive writes of one kind of cycle are kept and made in one
// write() just before any other access, when FailedTransfers is asked and
// when the backend ends; a burst of 16-bit reads (ReadWords) is one read().
// The cycles on the wire are the same, in the same order.
//
// A transfer that times out inside (the kernel returns a short count) is
// counted as failed, even when the rest goes through on a second try: a
// byte the peripheral did not take or give may have shifted what follows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "portio/PortAccess.h"
#include "portio/PortAddress.h"
#include "portio/PpdevSystem.h"

namespace portio {

class PpdevPort final : public PortBackend {
public:
    // Throws PortOpenError: no such device, no permission (naming the
    // device's group), no EPP mode on that port, another program holding
    // the port (naming it, instead of waiting for it), or the port cannot
    // be claimed. Nothing stays open after a failure.
    PpdevPort(std::string device, PpdevSystem& system);
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    void WriteByte(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    std::uint16_t ReadWord(std::uint16_t port) override;
    void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) override;
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    // Counted in accesses: each access whose cycles did not all go through.
    // Makes the kept writes first, so that their failures count.
    std::uint64_t FailedTransfers() const override;

    // Makes the kept writes now.
    void Flush();
    // What the user should know about the port before a run (an ECP+EPP
    // port, whose control register the kernel rewrites around every
    // transfer).
    const std::vector<std::string>& Warnings() const { return warnings_; }

    // Kinds of EPP cycle a device read or write makes.
    enum class Cycle : std::uint8_t { Data, Address };

private:
    void Claim();
    void Use(Cycle cycle);
    // One EPP transfer of `size` bytes made of accesses of `width` bytes
    // each; every access not wholly made is counted, and bytes not read are
    // all ones.
    void Transfer(Cycle cycle, std::uint8_t* bytes, std::size_t size, bool read, std::size_t width);
    void Keep(Cycle cycle, std::uint8_t value);
    std::uint8_t ReadRegister(unsigned long request);
    void Release();

    std::string device_;
    PpdevSystem& system_;
    int fd_ = -1;
    bool claimed_ = false;
    Cycle cycle_ = Cycle::Data;
    std::uint64_t failed_ = 0;
    std::vector<std::uint8_t> kept_;  // writes not made yet, all of cycle keptCycle_
    Cycle keptCycle_ = Cycle::Data;
    std::vector<std::string> warnings_;
};

}  // namespace portio
