// A stand-in for the kernel's ppdev device: it keeps the kernel's rules
// (transfers and control writes only on a claimed port, an address or data
// cycle as PPSETMODE chose) and routes every EPP cycle to an adapter behind
// it at CartridgeBase, such as the simulated card. Tests set what the
// device refuses and watch what the backend did to it.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "portio/PortAccess.h"
#include "portio/PpdevSystem.h"

namespace portio::fakes {

class FakeParportDevice final : public PpdevSystem {
public:
    explicit FakeParportDevice(PortBackend& adapter, std::string path = "/dev/parport0");

    int Open(const char* path, int flags) override;
    int Close(int fd) override;
    int Ioctl(int fd, unsigned long request, void* argument) override;
    ssize_t Read(int fd, void* buffer, std::size_t size) override;
    ssize_t Write(int fd, const void* buffer, std::size_t size) override;
    int Stat(const char* path, struct stat* info) override;
    std::optional<std::string> GroupName(gid_t group) override;

    // What the device is and refuses.
    bool exists = true;
    int openError = 0;  // errno of a refused open (EACCES, ENXIO, ...)
    unsigned int modes;  // PARPORT_MODE_* bits; EPP among them by default
    int claimError = 0;
    gid_t group = 7;
    mode_t permissions = 0660;
    std::map<gid_t, std::string> groupNames{{7, "lp"}};
    // Whether a transfer (a read when the argument is true) times out: the
    // peripheral did not answer.
    std::function<bool(bool)> timesOut;
    // Called before every EPP transfer (read or write), with its number.
    std::function<void(std::uint64_t)> beforeTransfer;

    // What the backend did.
    bool IsOpen() const { return fd_ >= 0; }
    bool Claimed() const { return claimed_; }
    int opens = 0, closes = 0, claims = 0, releases = 0;
    std::uint64_t transfers = 0, modeSwitches = 0;
    // Every call the backend made to the device, each a system call on a
    // real one (the group lookup of a message is not counted).
    std::uint64_t calls = 0;
    // Calls the kernel would refuse (a transfer on an unclaimed port, a
    // stale descriptor, an unknown request), and a read that times out on a
    // blocking descriptor, which the kernel would repeat until a signal.
    int misuses = 0;

private:
    bool Valid(int fd);
    // 0, or -1 with errno as the kernel refuses a transfer.
    int BeginTransfer(int fd);
    // The adapter's port of the cycle PPSETMODE chose.
    std::uint16_t CyclePort() const;

    PortBackend& adapter_;
    std::string path_;
    int fd_ = -1;
    int flags_ = 0;
    int nextFd_ = 40;
    bool claimed_ = false;
    int mode_ = 0;
};

}  // namespace portio::fakes
