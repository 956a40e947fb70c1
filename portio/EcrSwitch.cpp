#include "portio/EcrSwitch.h"

#include <cstdio>

#include "portio/PortAddress.h"

namespace portio {
namespace {

constexpr std::uint8_t kModeMask = 0xE0;
constexpr std::uint8_t kModePs2 = 0x20;  // mode 001
constexpr std::uint8_t kModeEpp = 0x80;  // mode 100
constexpr std::uint8_t kFifoBits = 0x03, kFifoEmpty = 0x01;
// The kernel's test value (parport_ECR_present, also the ECR it gives a
// claimed port in parport_pc_init_state): mode 001, nErrIntrEn and
// serviceIntr set. It reads back with the FIFO's "empty" bit.
constexpr std::uint8_t kProbe = 0x34, kProbeRead = 0x35;
// The same with mode 100.
constexpr std::uint8_t kEpp = (kProbe & ~kModeMask) | kModeEpp;

std::string Hex(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

bool ModeUsesFifo(std::uint8_t ecr) { return (ecr & kModeMask) >= 0x40; }

}  // namespace

EcrSwitch::EcrSwitch(RawIoSystem& system, std::uint16_t base, const std::string& otherWay)
    : system_(system), base_(base), ecr_(static_cast<std::uint16_t>(base + EcrOffset)) {
    original_ = system_.In8(ecr_);
    if (original_ == 0xFF || (original_ & kFifoBits) != kFifoEmpty) return;
    if (original_ == system_.In8(static_cast<std::uint16_t>(base + 2))) return;
    if ((original_ & kModeMask) == kModeEpp) {
        found_ = Found::AlreadyEpp;
        return;
    }
    system_.Out8(ecr_, kProbe);
    if (system_.In8(ecr_) != kProbeRead) {
        system_.Out8(ecr_, original_);  // whatever it is, it holds what it held
        return;
    }
    found_ = Found::Switched;
    system_.Out8(ecr_, kEpp);
    if (static_cast<std::uint8_t>(system_.In8(ecr_) & ~kFifoBits) == (kEpp & ~kFifoBits)) return;
    Restore();
    found_ = Found::None;
    throw PortOpenError("the port at " + Hex(base_, 3) + " is an ECP port whose extended control register (" +
                        Hex(ecr_, 3) + ") does not take EPP mode: set the port to EPP or ECP+EPP in the firmware "
                        "setup" + otherWay);
}

EcrSwitch::~EcrSwitch() {
    if (found_ == Found::Switched) Restore();
}

// As the kernel's change_mode (parport_pc.c): between two modes that use
// the FIFO (010 and up) the port passes through mode 001 first.
void EcrSwitch::Restore() {
    const std::uint8_t now = system_.In8(ecr_);
    if (ModeUsesFifo(now) && ModeUsesFifo(original_))
        system_.Out8(ecr_, static_cast<std::uint8_t>((original_ & ~kModeMask) | kModePs2));
    system_.Out8(ecr_, original_);
}

std::string EcrSwitch::Note() const {
    if (found_ != Found::Switched) return "";
    return "the port at " + Hex(base_, 3) + " is an ECP port: its extended control register (" + Hex(ecr_, 3) +
           ") is set to EPP mode for the run and back to " + Hex(original_, 2) + " afterwards";
}

}  // namespace portio
