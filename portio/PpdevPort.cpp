#include "portio/PpdevPort.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>

#include <cerrno>
#include <cstring>

#include "portio/PortAddress.h"
#include "portio/PpdevMessages.h"

namespace portio {
namespace {

constexpr int kStatus = 1, kControl = 2, kAddress = 3, kData = 4;

int Offset(std::uint16_t port) { return port - CartridgeBase; }

int ModeFor(PpdevPort::Cycle cycle) {
    return cycle == PpdevPort::Cycle::Address ? IEEE1284_MODE_EPP | IEEE1284_ADDR : IEEE1284_MODE_EPP;
}

}  // namespace

PpdevPort::PpdevPort(std::string device, PpdevSystem& system) : device_(std::move(device)), system_(system) {
    // Without O_NONBLOCK the kernel repeats an EPP read that timed out until
    // a signal arrives; with it such a read fails at once (EAGAIN).
    fd_ = system_.Open(device_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) throw PortOpenError(OpenFailureMessage(device_, errno, system_));
    try {
        unsigned int modes = 0;
        if (system_.Ioctl(fd_, PPGETMODES, &modes) != 0)
            throw PortOpenError(DeviceFailureMessage(device_, "is not a parallel port device", errno));
        if (!(modes & PARPORT_MODE_EPP)) throw PortOpenError(NoEppMessage(device_, modes));
        if (system_.Ioctl(fd_, PPCLAIM, nullptr) != 0)
            throw PortOpenError(DeviceFailureMessage(device_, "cannot be claimed", errno));
        claimed_ = true;
        int mode = ModeFor(Cycle::Data);
        if (system_.Ioctl(fd_, PPSETMODE, &mode) != 0)
            throw PortOpenError(DeviceFailureMessage(device_, "cannot be put into EPP mode", errno));
        cycle_ = Cycle::Data;
    } catch (...) {
        Release();
        throw;
    }
}

PpdevPort::~PpdevPort() { Release(); }

void PpdevPort::Release() {
    if (fd_ < 0) return;
    if (claimed_) system_.Ioctl(fd_, PPRELEASE, nullptr);
    claimed_ = false;
    system_.Close(fd_);
    fd_ = -1;
}

void PpdevPort::Use(Cycle cycle) {
    if (cycle == cycle_) return;
    int mode = ModeFor(cycle);
    if (system_.Ioctl(fd_, PPSETMODE, &mode) != 0) {
        ++failed_;
        return;
    }
    cycle_ = cycle;
}

void PpdevPort::Transfer(Cycle cycle, std::uint8_t* bytes, std::size_t size, bool read) {
    Use(cycle);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = read ? system_.Read(fd_, bytes + done, size - done)
                               : system_.Write(fd_, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the port timed out: the peripheral did not answer
        done += static_cast<std::size_t>(n);
    }
    if (done == size) return;
    ++failed_;
    if (read) std::memset(bytes + done, 0xFF, size - done);
}

std::uint8_t PpdevPort::ReadRegister(unsigned long request) {
    unsigned char value = 0xFF;
    if (system_.Ioctl(fd_, request, &value) != 0) {
        ++failed_;
        return 0xFF;
    }
    return value;
}

void PpdevPort::WriteByte(std::uint16_t port, std::uint8_t value) {
    switch (Offset(port)) {
    case kControl: {
        unsigned char control = value;
        if (system_.Ioctl(fd_, PPWCONTROL, &control) != 0) ++failed_;
        break;
    }
    case kAddress: Transfer(Cycle::Address, &value, 1, false); break;
    case kData: Transfer(Cycle::Data, &value, 1, false); break;
    // The status register cannot be written through the device. What a
    // write of 0x01 does on the bare port (clearing the EPP time-out flag),
    // the kernel does itself before every EPP transfer.
    case kStatus:
    default: break;
    }
}

std::uint8_t PpdevPort::ReadByte(std::uint16_t port) {
    switch (Offset(port)) {
    case kStatus: return ReadRegister(PPRSTATUS);
    case kControl: return ReadRegister(PPRCONTROL);
    case kAddress:
    case kData: {
        std::uint8_t value = 0xFF;
        Transfer(Offset(port) == kData ? Cycle::Data : Cycle::Address, &value, 1, true);
        return value;
    }
    default: return 0xFF;
    }
}

std::uint16_t PpdevPort::ReadWord(std::uint16_t port) {
    if (Offset(port) != kData)
        return static_cast<std::uint16_t>(ReadByte(port) | ReadByte(static_cast<std::uint16_t>(port + 1)) << 8);
    std::uint8_t bytes[2];
    Transfer(Cycle::Data, bytes, 2, true);
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

}  // namespace portio
