// A port backend on the kernel's parallel-port character device
// (/dev/parportN, ppdev). The device is opened, claimed and put into EPP
// mode when the backend is made, and released and closed when it ends.
//
// Accesses are mapped by their offset from CartridgeBase, whatever base the
// port really has: +1 status (PPRSTATUS), +2 control (PPWCONTROL, PPRCONTROL),
// +3 EPP address cycles, +4 EPP data cycles (reads and writes of the
// device). A 16-bit read is two data bytes, the lower address in the low
// half. The device switches between address and data cycles with
// PPSETMODE; the backend switches only when the next cycle needs the other
// kind.
#pragma once

#include <cstdint>
#include <string>

#include "portio/PortAccess.h"
#include "portio/PortAddress.h"
#include "portio/PpdevSystem.h"

namespace portio {

class PpdevPort final : public PortBackend {
public:
    // Throws PortOpenError: no such device, no permission (naming the
    // device's group), no EPP mode on that port, or the port cannot be
    // claimed. Nothing stays open after a failure.
    PpdevPort(std::string device, PpdevSystem& system);
    ~PpdevPort() override;
    PpdevPort(const PpdevPort&) = delete;
    PpdevPort& operator=(const PpdevPort&) = delete;

    void WriteByte(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t ReadByte(std::uint16_t port) override;
    std::uint16_t ReadWord(std::uint16_t port) override;
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    std::uint64_t FailedTransfers() const override { return failed_; }

    // Kinds of EPP cycle a device read or write makes.
    enum class Cycle : std::uint8_t { Data, Address };

private:
    void Use(Cycle cycle);
    // One EPP transfer of `size` bytes; a short or failed one is counted,
    // and the bytes not read are all ones.
    void Transfer(Cycle cycle, std::uint8_t* bytes, std::size_t size, bool read);
    std::uint8_t ReadRegister(unsigned long request);
    void Release();

    std::string device_;
    PpdevSystem& system_;
    int fd_ = -1;
    bool claimed_ = false;
    Cycle cycle_ = Cycle::Data;
    std::uint64_t failed_ = 0;
};

}  // namespace portio
