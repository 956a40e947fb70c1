// What the port driver understands: its names, its control codes and the
// request block of its read and write requests.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "portio/CtlCode.h"

namespace portio {

// Width of a port access.
enum PortSize : std::uint32_t { SizeByte = 0, SizeWord = 1, SizeDword = 2 };

inline constexpr char kDriverDevicePath[] = "\\\\.\\ZLPORTIO";
inline constexpr char kDriverServiceName[] = "zlportio";
inline constexpr char kDriverFileName[] = "zlportio.sys";

// The driver's four requests: device type 0x80FF, buffered, any access.
inline constexpr std::uint32_t kDriverDeviceType = 0x80FF;
inline constexpr std::uint32_t kMethodBuffered = 0;
inline constexpr std::uint32_t kFileAnyAccess = 0;
inline constexpr std::uint32_t kFunctionReadPort = 1;
inline constexpr std::uint32_t kFunctionWritePort = 2;
inline constexpr std::uint32_t kFunctionEnableDirect = 3;
inline constexpr std::uint32_t kFunctionDisableDirect = 4;

// Input of the read and write requests. The driver reads it as three
// little-endian 32-bit fields, so the struct must be exactly that in memory.
struct PortRequest {
    std::uint32_t Port;   // port number, zero-extended
    std::uint32_t Size;   // a PortSize
    std::uint32_t Value;  // value to write, zero-extended; 0 for a read
};

static_assert(sizeof(PortRequest) == 12);
static_assert(offsetof(PortRequest, Port) == 0);
static_assert(offsetof(PortRequest, Size) == 4);
static_assert(offsetof(PortRequest, Value) == 8);
static_assert(std::is_trivially_copyable_v<PortRequest>);
static_assert(std::endian::native == std::endian::little, "the driver's request block is little-endian");

}  // namespace portio
