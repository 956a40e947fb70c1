#include "portio/fakes/FakeParportDevice.h"

#include <sys/ioctl.h>
#include <sys/sysmacros.h>
#include <linux/parport.h>
#include <linux/ppdev.h>

#include <fcntl.h>

#include <algorithm>
#include <cerrno>

#include "portio/AdapterWire.h"
#include "portio/PortAddress.h"

namespace portio::fakes {
namespace {
constexpr std::uint16_t kStatus = wire::PortStatus, kControl = wire::PortControl,
                        kAddress = wire::PortEppAddress, kData = wire::PortEppData;
constexpr std::size_t kBufferSize = 1024;  // PP_BUFFER_SIZE
constexpr unsigned kPpMajor = 99;
constexpr std::uint8_t kInit = 0x04, kSelect = 0x08, kReverse = 0x20;

int Fail(int error) {
    errno = error;
    return -1;
}
}  // namespace

FakeParportDevice::FakeParportDevice(PortBackend& adapter, std::string path, int portNumber)
    : modes(PARPORT_MODE_PCSPP | PARPORT_MODE_TRISTATE | PARPORT_MODE_COMPAT | PARPORT_MODE_EPP),
      adapter_(adapter), path_(std::move(path)), portNumber_(portNumber), mode_(IEEE1284_MODE_COMPAT) {}

bool FakeParportDevice::Valid(int fd) {
    if (open_.count(fd)) return true;
    ++misuses;
    return false;
}

bool FakeParportDevice::EcpEpp() const {
    return (modes & (PARPORT_MODE_ECP | PARPORT_MODE_EPP)) == (PARPORT_MODE_ECP | PARPORT_MODE_EPP);
}

void FakeParportDevice::WriteControl(std::uint8_t value) {
    control_ = value;
    adapter_.WriteByte(kControl, value);
}

void FakeParportDevice::LeaveEpp() {
    ++closeNegotiations;
    WriteControl(control_ & ~kInit);            // event 68: nInit low
    WriteControl(control_ | kSelect | kInit);  // event 69: nInit high, nSelectIn low
}

int FakeParportDevice::Open(const char* path, int flags) {
    ++calls;
    if (!exists || path != path_) return Fail(ENOENT);
    if (openError) return Fail(openError);
    ++opens;
    flags_ = flags;
    const int fd = nextFd_++;
    open_.insert(fd);
    return fd;
}

int FakeParportDevice::Close(int fd) {
    ++calls;
    if (!Valid(fd)) return Fail(EBADF);
    ++closes;
    if (registered_ && (mode_ & ~IEEE1284_ADDR) != IEEE1284_MODE_COMPAT) {
        // A released port is claimed again first, waiting for any holder.
        if (claimedBy_ != fd && !holder.empty()) ++blockedClaims;
        LeaveEpp();
        mode_ = IEEE1284_MODE_COMPAT;
    }
    if (claimedBy_ == fd) claimedBy_ = -1;  // the kernel releases a port left claimed
    open_.erase(fd);
    return 0;
}

int FakeParportDevice::Ioctl(int fd, unsigned long request, void* argument) {
    ++calls;
    if (!Valid(fd)) return Fail(EBADF);
    switch (request) {
    case PPGETMODES: *static_cast<unsigned int*>(argument) = modes; return 0;
    case PPSETMODE: {
        const int mode = *static_cast<int*>(argument);
        if ((mode & ~IEEE1284_ADDR) != IEEE1284_MODE_EPP && mode != IEEE1284_MODE_COMPAT) {
            ++misuses;
            return Fail(EINVAL);
        }
        if (mode != mode_) ++modeSwitches;
        mode_ = mode;
        return 0;
    }
    case PPCLAIM:
        if (claimError) return Fail(claimError);
        if (claimedBy_ == fd) {
            ++misuses;
            return Fail(EINVAL);
        }
        registered_ = true;
        if (!holder.empty()) {
            ++blockedClaims;
            if (whileClaimBlocks) whileClaimBlocks();
            if (!holder.empty()) return Fail(EINTR);
        }
        ++claims;
        claimedBy_ = fd;
        return 0;
    default: break;
    }
    if (claimedBy_ != fd) {
        ++misuses;
        return Fail(EINVAL);  // everything else needs the claim
    }
    switch (request) {
    case PPRELEASE:
        ++releases;
        claimedBy_ = -1;
        return 0;
    case PPWCONTROL:
        // parport_pc_write_control changes only the four line bits.
        WriteControl(static_cast<std::uint8_t>((control_ & 0xF0) | (*static_cast<unsigned char*>(argument) & 0x0F)));
        return 0;
    case PPRCONTROL: *static_cast<unsigned char*>(argument) = control_ & 0x0F; return 0;
    case PPRSTATUS: *static_cast<unsigned char*>(argument) = adapter_.ReadByte(kStatus); return 0;
    default: ++misuses; return Fail(ENOTTY);
    }
}

int FakeParportDevice::BeginTransfer(int fd, bool read) {
    ++calls;
    if (!Valid(fd)) return Fail(EBADF);
    if (claimedBy_ != fd) {
        ++misuses;
        return Fail(EINVAL);
    }
    if ((mode_ & ~IEEE1284_ADDR) != IEEE1284_MODE_EPP) {
        ++misuses;  // the backend speaks EPP only
        return Fail(EINVAL);
    }
    if (beforeTransfer) beforeTransfer(transfers);
    ++transfers;
    if (EcpEpp()) {
        if (read) {
            WriteControl(control_ | kReverse);                               // parport_pc_data_reverse
            WriteControl(static_cast<std::uint8_t>((control_ & 0xF0) | 0x04));  // parport_pc_write_control(0x4)
        } else {
            WriteControl(static_cast<std::uint8_t>((control_ & 0xF0) | 0x04));
            WriteControl(control_ & ~kReverse);  // parport_pc_data_forward
        }
    }
    return 0;
}

std::uint16_t FakeParportDevice::CyclePort() const { return (mode_ & IEEE1284_ADDR) ? kAddress : kData; }

ssize_t FakeParportDevice::Read(int fd, void* buffer, std::size_t size) {
    if (BeginTransfer(fd, true) != 0) return -1;
    size = std::min(size, kBufferSize);
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::size_t got = 0;
    for (; got < size; ++got) {
        if (timesOut && timesOut(true)) break;
        bytes[got] = adapter_.ReadByte(CyclePort());
    }
    if (got > 0 || size == 0) return static_cast<ssize_t>(got);
    // A blocking descriptor would keep the kernel reading until a signal.
    if (!(flags_ & O_NONBLOCK)) ++misuses;
    return Fail(EAGAIN);
}

ssize_t FakeParportDevice::Write(int fd, const void* buffer, std::size_t size) {
    if (BeginTransfer(fd, false) != 0) return -1;
    size = std::min(size, kBufferSize);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    std::size_t written = 0;
    for (; written < size; ++written) {
        if (timesOut && timesOut(false)) break;
        adapter_.WriteByte(CyclePort(), bytes[written]);
    }
    return static_cast<ssize_t>(written);
}

int FakeParportDevice::Stat(const char* path, struct stat* info) {
    ++calls;
    if (!exists || path != path_) return Fail(ENOENT);
    *info = {};
    info->st_mode = S_IFCHR | permissions;
    info->st_gid = group;
    info->st_rdev = makedev(kPpMajor, static_cast<unsigned>(portNumber_));
    return 0;
}

std::optional<std::string> FakeParportDevice::GroupName(gid_t id) {
    auto found = groupNames.find(id);
    if (found == groupNames.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> FakeParportDevice::ReadTextFile(const char* path) {
    ++calls;
    const std::string active = "/proc/sys/dev/parport/parport" + std::to_string(portNumber_) + "/devices/active";
    if (!procFiles || path != active) {
        errno = ENOENT;
        return std::nullopt;
    }
    return (holder.empty() ? std::string("none") : holder) + "\n";
}

}  // namespace portio::fakes
