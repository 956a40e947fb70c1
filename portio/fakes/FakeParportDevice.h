// A stand-in for the kernel's ppdev device, with an adapter behind it at
// CartridgeBase (such as the simulated card) that every EPP cycle reaches.
// Tests set what the device refuses and watch what the backend did to it.
//
// The kernel's rules it keeps (drivers/char/ppdev.c unless named):
// - open never refuses a port another program holds (pp_open registers
//   nothing); PPCLAIM then sleeps until the holder lets go, and fails with
//   EINTR when a signal arrives (parport_claim_or_block, share.c). Who
//   holds it shows in /proc/sys/dev/parport/parportN/devices/active, or
//   "none" (do_active_device, procfs.c).
// - PPSETMODE and PPGETMODES work unclaimed; transfers, control and status
//   need the claim (EINVAL).
// - read and write make EPP data or address cycles as PPSETMODE chose
//   (IEEE1284_ADDR), at most 1024 bytes per call on a non-blocking
//   descriptor (PP_BUFFER_SIZE). A cycle that times out ends the transfer
//   with the count of bytes before it; with none, read fails with EAGAIN
//   and write returns 0 (parport_pc_epp_read_data and _write_data in
//   parport_pc.c, pp_read and pp_write).
// - On an ECP+EPP port (modes list ECP and EPP) every transfer first sets
//   the control register: 0x04 for writes, 0x24 for reads, and the adapter
//   sees those writes (parport_pc_ecpepp_read_data and _write_data).
// - Closing a port whose mode is not IEEE1284_MODE_COMPAT negotiates back
//   to it; from EPP that pulls nInit low and then sets nInit and nSelectIn,
//   two control writes the adapter sees (pp_release, parport_negotiate and
//   parport_ieee1284_terminate in ieee1284.c). PPSETMODE itself only
//   records the mode.
//
// Checks of its own, stricter than the kernel, counted in `misuses`: a
// transfer or control call on an unclaimed port, a stale descriptor, an
// unknown request, a PPSETMODE other than COMPAT, EPP and EPP|ADDR (the
// kernel takes any), and a read that times out on a blocking descriptor
// (the kernel would repeat it until a signal came).
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "portio/PortAccess.h"
#include "portio/PpdevSystem.h"

namespace portio::fakes {

class FakeParportDevice final : public PpdevSystem {
public:
    explicit FakeParportDevice(PortBackend& adapter, std::string path = "/dev/parport0", int portNumber = 0);

    int Open(const char* path, int flags) override;
    int Close(int fd) override;
    int Ioctl(int fd, unsigned long request, void* argument) override;
    ssize_t Read(int fd, void* buffer, std::size_t size) override;
    ssize_t Write(int fd, const void* buffer, std::size_t size) override;
    int Stat(const char* path, struct stat* info) override;
    std::optional<std::string> GroupName(gid_t group) override;
    std::optional<std::string> ReadTextFile(const char* path) override;

    // What the device is and refuses.
    bool exists = true;
    int openError = 0;  // errno of a refused open (EACCES, ENXIO, ...)
    unsigned int modes;  // PARPORT_MODE_* bits: a plain EPP port by default
    int claimError = 0;
    gid_t group = 7;
    mode_t permissions = 0660;
    std::map<gid_t, std::string> groupNames{{7, "lp"}};
    // Another device holding the port, named as the kernel names it ("lp0",
    // "ppdev1"), or "" when nobody does.
    std::string holder;
    bool procFiles = true;  // whether /proc/sys/dev/parport is there
    // Called while a PPCLAIM would sleep; it may clear `holder` (the other
    // program lets go). If it does not, the claim fails with EINTR as if a
    // signal had come: the kernel would sleep on.
    std::function<void()> whileClaimBlocks;
    // Whether the cycle of the next byte (a read when the argument is true)
    // times out: the peripheral did not answer.
    std::function<bool(bool)> timesOut;
    // Called before every EPP transfer (read or write), with its number.
    std::function<void(std::uint64_t)> beforeTransfer;

    // What the backend did.
    bool IsOpen() const { return !open_.empty(); }
    bool Claimed() const { return claimedBy_ >= 0; }
    int Mode() const { return mode_; }  // the IEEE 1284 mode PPSETMODE set last
    int opens = 0, closes = 0, claims = 0, releases = 0;
    std::uint64_t transfers = 0, modeSwitches = 0;
    // Every call the backend made to the device, each a system call on a
    // real one (the group lookup of a message is not counted).
    std::uint64_t calls = 0;
    int blockedClaims = 0;      // PPCLAIMs that had to wait for another holder
    int closeNegotiations = 0;  // closes that made the kernel leave EPP mode
    int misuses = 0;

private:
    bool Valid(int fd);
    // 0, or -1 with errno as the kernel refuses a transfer.
    int BeginTransfer(int fd, bool read);
    // The adapter's port of the cycle PPSETMODE chose.
    std::uint16_t CyclePort() const;
    bool EcpEpp() const;
    // The control register as the kernel writes it: the adapter sees it.
    void WriteControl(std::uint8_t value);
    // parport_ieee1284_terminate from EPP mode.
    void LeaveEpp();

    PortBackend& adapter_;
    std::string path_;
    int portNumber_;
    std::set<int> open_;
    int flags_ = 0;
    int nextFd_ = 40;
    int claimedBy_ = -1;
    bool registered_ = false;  // the kernel registers the device at the first PPCLAIM
    int mode_;
    std::uint8_t control_ = 0x0C;  // as the kernel's probe leaves it
};

}  // namespace portio::fakes
