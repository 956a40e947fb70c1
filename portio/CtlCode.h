// Composition of device control codes, as the Windows driver kit does it.
// Portable so that the codes can be checked without Windows.
#pragma once

#include <cstdint>

namespace portio {

constexpr std::uint32_t CtlCode(std::uint32_t deviceType, std::uint32_t function, std::uint32_t method,
                                std::uint32_t access) {
    return (deviceType << 16) | (access << 14) | (function << 2) | method;
}

}  // namespace portio
