// Which port a run drives when it names one: a parallel-port character
// device of the kernel (/dev/parportN), an I/O base for direct port
// instructions (Linux), or an I/O base reached through the InpOut DLL and
// its driver (Windows). Whatever the port, the cartridge code speaks to the
// adapter at CartridgeBase; the backends map its accesses by their offset.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "portio/AdapterWire.h"

namespace portio {

// An EPP port occupies eight ports from its base: +1 status, +2 control,
// +3 address cycles, +4 data cycles (a 16-bit read also touches +5).
using wire::CartridgeBase;
using wire::PortSpan;

inline constexpr const char* DefaultPortDevice = "/dev/parport0";

struct PortAddress {
    enum class Kind { Device, IoBase, InpOut };
    Kind kind = Kind::Device;
    std::string device;       // Kind::Device: path of the character device
    std::uint16_t base = 0;   // Kind::IoBase, Kind::InpOut: first of the port's eight ports

    static PortAddress Device(std::string path) { return {Kind::Device, std::move(path), 0}; }
    static PortAddress IoBase(std::uint16_t first) { return {Kind::IoBase, {}, first}; }
    static PortAddress InpOut(std::uint16_t first = CartridgeBase) { return {Kind::InpOut, {}, first}; }
    bool operator==(const PortAddress&) const = default;
};

// The named port cannot be used (no device, no permission, no EPP mode);
// what() says what is missing and how to get it.
class PortOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace portio
