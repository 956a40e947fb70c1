#include "portio/PpdevPort.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "portio/AdapterWire.h"
#include "portio/PortAddress.h"
#include "portio/PpdevHolder.h"
#include "portio/PpdevMessages.h"

namespace portio {
namespace {

constexpr int kStatus = wire::StatusOffset, kControl = wire::ControlOffset, kAddress = wire::EppAddressOffset,
              kData = wire::EppDataOffset;

// The most a read or write of a non-blocking ppdev descriptor moves in one
// call (PP_BUFFER_SIZE in drivers/char/ppdev.c): beyond it a short count
// would not mean a time-out. Kept writes and bursts stay within it.
constexpr std::size_t kMaxTransfer = 1024;

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
        // The kernel then drives EPP through the ECR's EPP mode and rewrites
        // the control register around every transfer
        // (parport_pc_ecpepp_read_data and _write_data in parport_pc.c).
        if (modes & PARPORT_MODE_ECP) warnings_.push_back(EcpEppWarning(device_));
        Claim();
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

void PpdevPort::Claim() {
    // PPCLAIM sleeps, without a word, for as long as another device holds
    // the port (parport_claim_or_block in drivers/parport/share.c): look
    // first, and name the holder instead.
    if (const std::optional<PortHolder> holder = FindPortHolder(device_, system_))
        throw PortOpenError(PortHeldMessage(device_, holder->name, holder->file));
    if (system_.Ioctl(fd_, PPCLAIM, nullptr) == 0) {
        claimed_ = true;
        return;
    }
    const int error = errno;
    // A holder that came between the look and the claim; Ctrl+C ends the wait.
    if (error == EINTR) throw PortOpenError(ClaimInterruptedMessage(device_));
    throw PortOpenError(DeviceFailureMessage(device_, "cannot be claimed", error));
}

void PpdevPort::Release() {
    if (fd_ < 0) return;
    if (claimed_) {
        Flush();
        // Closing a port whose mode is not compatibility mode makes the
        // kernel negotiate back to it, which from EPP pulses nInit and sets
        // nSelectIn on the adapter's lines (pp_release in ppdev.c,
        // parport_ieee1284_terminate in ieee1284.c); after a release it
        // would also claim the port again, waiting for any other holder.
        // PPSETMODE only records the mode; PPNEGOT would make those strobes.
        int compat = IEEE1284_MODE_COMPAT;
        system_.Ioctl(fd_, PPSETMODE, &compat);
        system_.Ioctl(fd_, PPRELEASE, nullptr);
    }
    claimed_ = false;
    system_.Close(fd_);
    fd_ = -1;
}

std::uint64_t PpdevPort::FailedTransfers() const {
    // The count is a question about everything done so far, kept writes too.
    const_cast<PpdevPort*>(this)->Flush();
    return failed_;
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

void PpdevPort::Transfer(Cycle cycle, std::uint8_t* bytes, std::size_t size, bool read, std::size_t width) {
    Use(cycle);
    const std::size_t accesses = size / width;
    std::size_t done = 0;
    std::size_t counted = 0;  // accesses before this one are counted or went through
    const auto fail = [&](std::size_t access) {
        if (access < counted) return;
        ++failed_;
        counted = access + 1;
    };
    while (done < size) {
        const ssize_t n = read ? system_.Read(fd_, bytes + done, size - done)
                               : system_.Write(fd_, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the port timed out on the first cycle: the peripheral did not answer
        done += static_cast<std::size_t>(n);
        // The cycle of byte `done` timed out (the kernel stops there); the
        // next call makes it again, but what the peripheral did with the
        // first one is unknown.
        if (done < size) fail(done / width);
    }
    if (done == size) return;
    failed_ += accesses - std::max(counted, done / width);
    if (read) std::memset(bytes + done, 0xFF, size - done);
}

void PpdevPort::Keep(Cycle cycle, std::uint8_t value) {
    if (!kept_.empty() && keptCycle_ != cycle) Flush();
    keptCycle_ = cycle;
    kept_.push_back(value);
    if (kept_.size() == kMaxTransfer) Flush();
}

void PpdevPort::Flush() {
    if (kept_.empty()) return;
    Transfer(keptCycle_, kept_.data(), kept_.size(), false, 1);
    kept_.clear();
}

std::uint8_t PpdevPort::ReadRegister(unsigned long request) {
    Flush();
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
        Flush();
        unsigned char control = value;
        if (system_.Ioctl(fd_, PPWCONTROL, &control) != 0) ++failed_;
        break;
    }
    case kAddress: Keep(Cycle::Address, value); break;
    case kData: Keep(Cycle::Data, value); break;
    // The status register cannot be written through the device. What a
    // write of 0x01 does on the bare port (clearing the EPP time-out flag),
    // the kernel does itself after every cycle that timed out.
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
        Flush();
        std::uint8_t value = 0xFF;
        Transfer(Offset(port) == kData ? Cycle::Data : Cycle::Address, &value, 1, true, 1);
        return value;
    }
    default: return 0xFF;
    }
}

std::uint16_t PpdevPort::ReadWord(std::uint16_t port) {
    std::uint16_t word = 0xFFFF;
    ReadWords(port, &word, 1);
    return word;
}

void PpdevPort::ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) {
    if (Offset(port) != kData) {
        for (std::size_t i = 0; i < count; ++i)
            words[i] = static_cast<std::uint16_t>(ReadByte(port) | ReadByte(static_cast<std::uint16_t>(port + 1)) << 8);
        return;
    }
    Flush();
    std::uint8_t bytes[kMaxTransfer];
    while (count > 0) {
        const std::size_t n = std::min(count, kMaxTransfer / 2);
        Transfer(Cycle::Data, bytes, 2 * n, true, 2);
        for (std::size_t i = 0; i < n; ++i) words[i] = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        words += n;
        count -= n;
    }
}

}  // namespace portio
