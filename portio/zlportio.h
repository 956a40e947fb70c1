// The port layer of 32-bit Windows.
//
// On the 9x family the program may use the processor's port instructions
// itself. On the NT family it needs the kernel driver "zlportio": start-up
// opens the driver's device (installing and starting the driver from the
// program's directory when the device does not open), and every access is a
// request to the driver until the driver has granted direct access.
#pragma once

#include <cstdint>

#include "portio/PortAccess.h"
#include "portio/DriverProtocol.h"
#include "portio/WinApi.h"

namespace portio {

class ZlPortIo final : public PortBackend {
public:
    // Nothing is touched before Start().
    explicit ZlPortIo(WinApi& api = SystemWinApi()) : api_(api) {}
    ZlPortIo(const ZlPortIo&) = delete;
    ZlPortIo& operator=(const ZlPortIo&) = delete;

    // Runs once, before the first access: reads the platform id, computes
    // the control codes and, on the NT family, gets the driver's device open.
    void Start();
    // Closes the device and stops and removes the driver's service, when the
    // driver was ready. Afterwards no port access is made on the NT family.
    void Shutdown();

    void PortWrite(std::uint16_t port, std::uint32_t size, std::uint32_t value);
    // Reads that make no access give all ones, as an open bus does.
    std::uint32_t PortRead(std::uint16_t port, std::uint32_t size);

    void WriteByte(std::uint16_t port, std::uint8_t value) override { PortWrite(port, SizeByte, value); }
    std::uint8_t ReadByte(std::uint16_t port) override {
        return static_cast<std::uint8_t>(PortRead(port, SizeByte));
    }
    std::uint16_t ReadWord(std::uint16_t port) override {
        return static_cast<std::uint16_t>(PortRead(port, SizeWord));
    }
    bool Ready() const override { return driverReady_; }
    // NT family with the driver ready only: asks the driver to turn direct
    // access on or off, and then uses it, whether or not the driver agreed.
    void SetDirectAccess(bool on) override;

    bool DirectAccess() const { return directAccess_; }
    bool NtFamily() const { return ntFamily_; }

    std::uint32_t IoctlReadPort() const { return ioctlReadPort_; }
    std::uint32_t IoctlWritePort() const { return ioctlWritePort_; }
    std::uint32_t IoctlEnableDirect() const { return ioctlEnableDirect_; }
    std::uint32_t IoctlDisableDirect() const { return ioctlDisableDirect_; }

private:
    bool DriverOpen();
    bool DriverInstall();
    void DriverShutdown();

    WinApi& api_;
    bool ntFamily_ = false;
    bool driverReady_ = false;
    bool directAccess_ = false;
    HANDLE driverHandle_ = INVALID_HANDLE_VALUE;
    std::uint32_t ioctlReadPort_ = 0;
    std::uint32_t ioctlWritePort_ = 0;
    std::uint32_t ioctlEnableDirect_ = 0;
    std::uint32_t ioctlDisableDirect_ = 0;
};

}  // namespace portio
