#include "portio/RawPort.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace portio {
namespace {

constexpr std::uint8_t kTimeoutBit = 0x01;

std::string Range(std::uint16_t first, std::uint16_t count) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%X-0x%X", first, first + count - 1);
    return text;
}

}  // namespace

RawPort::Grant::Grant(RawIoSystem& system, std::uint16_t first, std::uint16_t count)
    : system_(system), first_(first), count_(count) {
    if (first > 0xFFFF - (count - 1))
        throw PortOpenError("the ports " + Range(first, count) + " go beyond the last I/O port 0xFFFF");
    if (system_.Permit(first, count, true) == 0) return;
    const int error = errno;
    if (error == EPERM)
        throw PortOpenError("no permission for direct access to the ports " + Range(first, count) +
                            ": run as root (it needs the CAP_SYS_RAWIO capability; a kernel in lockdown mode "
                            "refuses it even to root), or use the port's ppdev device with --port=/dev/parportN");
    throw PortOpenError("the ports " + Range(first, count) + " cannot be granted: " + std::strerror(error));
}

RawPort::Grant::~Grant() { system_.Permit(first_, count_, false); }

RawPort::RawPort(std::uint16_t base, RawIoSystem& system, const std::string& otherWay)
    : base_(base), system_(system), ports_(system, base, PortSpan) {
    // A port whose ECR would lie beyond the last I/O port has none there.
    if (base <= 0xFFFF - EcrOffset) {
        try {
            ecpPorts_ = std::make_unique<Grant>(system_, static_cast<std::uint16_t>(base + EcpRegistersOffset),
                                                EcpRegistersSpan);
        } catch (const PortOpenError& error) {
            // Without them an ECP port could not be told from a plain one, nor
            // put into EPP mode: the run would only find no card.
            throw PortOpenError(std::string(error.what()) + " (an ECP port's extended control register lies there)");
        }
        ecr_ = std::make_unique<EcrSwitch>(system_, base, otherWay);
    }
    TimedOut();  // a flag left from before this run would count against its first cycle
}

RawPort::~RawPort() = default;

bool RawPort::TimedOut() {
    const auto status = static_cast<std::uint16_t>(base_ + 1);
    if (!(system_.In8(status) & kTimeoutBit)) return false;
    // As the kernel's clear_epp_timeout (drivers/parport/parport_pc.c):
    // some chips clear the flag when status is read twice, some when 1 is
    // written to bit 0, others when 0 is.
    system_.In8(status);
    const std::uint8_t read = system_.In8(status);
    system_.Out8(status, read | kTimeoutBit);
    system_.Out8(status, read & ~kTimeoutBit);
    return true;
}

void RawPort::WriteByte(std::uint16_t port, std::uint8_t value) {
    if (!Inside(port)) return;
    system_.Out8(Mapped(port), value);
    if (IsCycle(port) && TimedOut()) ++failed_;
}

std::uint8_t RawPort::ReadByte(std::uint16_t port) {
    if (!Inside(port)) return 0xFF;
    const std::uint8_t value = system_.In8(Mapped(port));
    if (!IsCycle(port) || !TimedOut()) return value;
    ++failed_;
    return 0xFF;
}

std::uint16_t RawPort::ReadWord(std::uint16_t port) {
    std::uint16_t word = 0xFFFF;
    ReadWords(port, &word, 1);
    return word;
}

void RawPort::ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) {
    const bool inside = Inside(port) && Inside(static_cast<std::uint16_t>(port + 1));
    for (std::size_t i = 0; i < count; ++i) words[i] = inside ? system_.In16(Mapped(port)) : 0xFFFF;
    if (!inside || !IsCycle(port) || count == 0 || !TimedOut()) return;
    // Which cycle timed out is not known, and some chips make none after
    // it until the flag is cleared: the whole burst failed.
    failed_ += count;
    for (std::size_t i = 0; i < count; ++i) words[i] = 0xFFFF;
}

}  // namespace portio
