#include "portio/fakes/FakeParportDevice.h"

#include <sys/ioctl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>

#include <fcntl.h>

#include <cerrno>

#include "portio/PortAddress.h"

namespace portio::fakes {
namespace {
constexpr std::uint16_t kStatus = CartridgeBase + 1, kControl = CartridgeBase + 2,
                        kAddress = CartridgeBase + 3, kData = CartridgeBase + 4;

int Fail(int error) {
    errno = error;
    return -1;
}
}  // namespace

FakeParportDevice::FakeParportDevice(PortBackend& adapter, std::string path)
    : modes(PARPORT_MODE_PCSPP | PARPORT_MODE_TRISTATE | PARPORT_MODE_EPP | PARPORT_MODE_ECP),
      adapter_(adapter), path_(std::move(path)) {}

bool FakeParportDevice::Valid(int fd) {
    if (fd >= 0 && fd == fd_) return true;
    ++misuses;
    return false;
}

int FakeParportDevice::Open(const char* path, int flags) {
    ++calls;
    if (!exists || path != path_) return Fail(ENOENT);
    if (openError) return Fail(openError);
    if (fd_ >= 0) return Fail(EBUSY);
    ++opens;
    flags_ = flags;
    fd_ = nextFd_++;
    return fd_;
}

int FakeParportDevice::Close(int fd) {
    ++calls;
    if (!Valid(fd)) return Fail(EBADF);
    ++closes;
    fd_ = -1;
    claimed_ = false;  // the kernel releases a port left claimed
    return 0;
}

int FakeParportDevice::Ioctl(int fd, unsigned long request, void* argument) {
    ++calls;
    if (!Valid(fd)) return Fail(EBADF);
    switch (request) {
    case PPGETMODES: *static_cast<unsigned int*>(argument) = modes; return 0;
    case PPSETMODE: {
        const int mode = *static_cast<int*>(argument);
        if ((mode & ~IEEE1284_ADDR) != IEEE1284_MODE_EPP) {
            ++misuses;
            return Fail(EINVAL);
        }
        if (mode != mode_) ++modeSwitches;
        mode_ = mode;
        return 0;
    }
    case PPCLAIM:
        if (claimError) return Fail(claimError);
        if (claimed_) {
            ++misuses;
            return Fail(EINVAL);
        }
        ++claims;
        claimed_ = true;
        return 0;
    default: break;
    }
    if (!claimed_) {
        ++misuses;
        return Fail(EINVAL);  // everything else needs the claim
    }
    switch (request) {
    case PPRELEASE:
        ++releases;
        claimed_ = false;
        return 0;
    case PPWCONTROL: adapter_.WriteByte(kControl, *static_cast<unsigned char*>(argument)); return 0;
    case PPRCONTROL: *static_cast<unsigned char*>(argument) = 0xFF; return 0;
    case PPRSTATUS: *static_cast<unsigned char*>(argument) = adapter_.ReadByte(kStatus); return 0;
    default: ++misuses; return Fail(ENOTTY);
    }
}

int FakeParportDevice::BeginTransfer(int fd) {
    ++calls;
    if (!Valid(fd)) return Fail(EBADF);
    if (!claimed_) {
        ++misuses;
        return Fail(EINVAL);
    }
    if (beforeTransfer) beforeTransfer(transfers);
    ++transfers;
    return 0;
}

std::uint16_t FakeParportDevice::CyclePort() const { return (mode_ & IEEE1284_ADDR) ? kAddress : kData; }

ssize_t FakeParportDevice::Read(int fd, void* buffer, std::size_t size) {
    if (BeginTransfer(fd) != 0) return -1;
    if (timesOut && timesOut(true)) {
        // A blocking descriptor would keep the kernel reading until a signal.
        if (!(flags_ & O_NONBLOCK)) ++misuses;
        return Fail(EAGAIN);
    }
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = adapter_.ReadByte(CyclePort());
    return static_cast<ssize_t>(size);
}

ssize_t FakeParportDevice::Write(int fd, const void* buffer, std::size_t size) {
    if (BeginTransfer(fd) != 0) return -1;
    if (timesOut && timesOut(false)) return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    for (std::size_t i = 0; i < size; ++i) adapter_.WriteByte(CyclePort(), bytes[i]);
    return static_cast<ssize_t>(size);
}

int FakeParportDevice::Stat(const char* path, struct stat* info) {
    ++calls;
    if (!exists || path != path_) return Fail(ENOENT);
    *info = {};
    info->st_mode = S_IFCHR | permissions;
    info->st_gid = group;
    return 0;
}

std::optional<std::string> FakeParportDevice::GroupName(gid_t id) {
    auto found = groupNames.find(id);
    if (found == groupNames.end()) return std::nullopt;
    return found->second;
}

}  // namespace portio::fakes
