#include "portio/zlportio.h"

#include <array>

#include "portio/DriverPath.h"
#include "portio/ddkint.h"

namespace portio {
namespace {

constexpr DWORD kPlatformNt = 2;  // VER_PLATFORM_WIN32_NT
constexpr DWORD kOpenAccess = 0xC0000000;  // read and write
constexpr DWORD kOpenExisting = 3;
constexpr DWORD kAttributeNormal = 0x80;
constexpr DWORD kErrorAlreadyExists = 183;
constexpr std::uint32_t kNoAccessRead = 0xFFFFFFFF;

// Larger than any program path that can still give a driver path within
// the 255-character limit, so a cut module path changes nothing.
constexpr DWORD kModulePathBuffer = 1024;

}  // namespace

void ZlPortIo::Start() {
    ioctlReadPort_ = CtlCode(kDriverDeviceType, kFunctionReadPort, kMethodBuffered, kFileAnyAccess);
    ioctlWritePort_ = CtlCode(kDriverDeviceType, kFunctionWritePort, kMethodBuffered, kFileAnyAccess);
    ioctlEnableDirect_ = CtlCode(kDriverDeviceType, kFunctionEnableDirect, kMethodBuffered, kFileAnyAccess);
    ioctlDisableDirect_ = CtlCode(kDriverDeviceType, kFunctionDisableDirect, kMethodBuffered, kFileAnyAccess);

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    // A failed query counts as the NT family: taking it for 9x would run
    // port instructions that the NT family only allows through the driver.
    ntFamily_ = !api_.GetVersionExA(&version) || version.dwPlatformId == kPlatformNt;

    if (!ntFamily_) {
        driverReady_ = true;
        directAccess_ = true;
        return;
    }
    if (DriverOpen()) {
        driverReady_ = true;
    } else if (DriverInstall()) {
        driverReady_ = DriverOpen();
    }
}

void ZlPortIo::Shutdown() {
    if (!driverReady_) return;
    DriverShutdown();
    if (ntFamily_) {
        // The device is closed and the driver gone: a late access must not
        // reach a closed handle or run a port instruction without the
        // driver's permission.
        driverReady_ = false;
        directAccess_ = false;
        driverHandle_ = INVALID_HANDLE_VALUE;
    }
}

bool ZlPortIo::DriverOpen() {
    if (!ntFamily_) return true;
    driverHandle_ =
        api_.CreateFileA(kDriverDevicePath, kOpenAccess, 0, nullptr, kOpenExisting, kAttributeNormal, nullptr);
    // The handle itself is not looked at: the error code decides.
    const DWORD error = api_.GetLastError();
    return error == 0 || error == kErrorAlreadyExists;
}

bool ZlPortIo::DriverInstall() {
    if (!ntFamily_) return true;
    DriverShutdown();  // a service left over under the same name goes first
    std::array<char, kModulePathBuffer> program{};
    api_.GetModuleFileNameA(nullptr, program.data(), kModulePathBuffer - 1);
    const std::string driverPath = DriverPath(program.data());
    // A failed install is fine when a startable service of that name exists.
    ServiceInstall(driverPath.c_str(), kDriverServiceName, api_);
    return ServiceStart(kDriverServiceName, api_) == 0;
}

void ZlPortIo::DriverShutdown() {
    if (!ntFamily_) return;
    api_.CloseHandle(driverHandle_);
    ServiceStop(kDriverServiceName, api_);
    ServiceRemove(kDriverServiceName, api_);
}

void ZlPortIo::SetDirectAccess(bool on) {
    if (!ntFamily_ || !driverReady_) return;
    DWORD returned = 0;
    api_.DeviceIoControl(driverHandle_, on ? ioctlEnableDirect_ : ioctlDisableDirect_, nullptr, 0, nullptr, 0,
                         &returned, nullptr);
    directAccess_ = on;
}

// The port instructions go through the seam as well; one more indirect call
// costs nanoseconds next to the microsecond of a parallel-port bus cycle.
void ZlPortIo::PortWrite(std::uint16_t port, std::uint32_t size, std::uint32_t value) {
    if (directAccess_) {
        switch (size) {
        case SizeByte: api_.OutByte(port, static_cast<BYTE>(value)); break;
        case SizeWord: api_.OutWord(port, static_cast<WORD>(value)); break;
        case SizeDword: api_.OutDword(port, value); break;
        default: break;
        }
        return;
    }
    if (!driverReady_) return;
    PortRequest request{port, size, value};
    DWORD returned = 0;
    api_.DeviceIoControl(driverHandle_, ioctlWritePort_, &request, sizeof request, nullptr, 0, &returned, nullptr);
}

std::uint32_t ZlPortIo::PortRead(std::uint16_t port, std::uint32_t size) {
    if (directAccess_) {
        switch (size) {
        case SizeByte: return api_.InByte(port);
        case SizeWord: return api_.InWord(port);
        case SizeDword: return api_.InDword(port);
        default: return kNoAccessRead;
        }
    }
    if (!driverReady_) return kNoAccessRead;
    PortRequest request{port, size, 0};
    // Stays all ones if the driver refuses the request.
    std::uint32_t value = kNoAccessRead;
    DWORD returned = 0;
    api_.DeviceIoControl(driverHandle_, ioctlReadPort_, &request, sizeof request, &value, sizeof value, &returned,
                         nullptr);
    return value;
}

}  // namespace portio
