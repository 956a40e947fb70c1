#include "portio/ddkint.h"

#include <array>

namespace portio {
namespace {

constexpr DWORD kManagerAllAccess = 0xF003F;
constexpr DWORD kManagerConnect = 0x0001;
constexpr DWORD kServiceAllAccess = 0xF01FF;
constexpr DWORD kServiceStart = 0x0010;
constexpr DWORD kServiceStop = 0x0020;
constexpr DWORD kKernelDriver = 1;
constexpr DWORD kDemandStart = 3;
constexpr DWORD kErrorNormal = 1;
constexpr DWORD kControlStop = 1;
constexpr DWORD kFormatFromSystem = 0x1000;
constexpr DWORD kFormatIgnoreInserts = 0x200;
constexpr DWORD kErrorTextBuffer = 200;

static_assert(sizeof(SERVICE_STATUS) == 28, "the stop request's status record");

// Opens `serviceName` with `access` on a manager opened with
// `managerAccess`, runs `action` on it and closes both handles, the
// manager's last. The result is the first failure's error code, or 0.
template <class Action>
DWORD WithService(WinApi& api, const char* serviceName, DWORD managerAccess, DWORD access, Action action) {
    SC_HANDLE manager = api.OpenSCManagerA(nullptr, nullptr, managerAccess);
    if (!manager) return api.GetLastError();
    DWORD result = 0;
    SC_HANDLE service = api.OpenServiceA(manager, serviceName, access);
    if (!service) {
        result = api.GetLastError();
    } else {
        result = action(service) ? 0 : api.GetLastError();
        api.CloseServiceHandle(service);
    }
    api.CloseServiceHandle(manager);
    return result;
}

}  // namespace

DWORD ServiceInstall(const char* imagePath, const char* serviceName, WinApi& api) {
    SC_HANDLE manager = api.OpenSCManagerA(nullptr, nullptr, kManagerAllAccess);
    if (!manager) return api.GetLastError();
    DWORD result = 0;
    SC_HANDLE service = api.CreateServiceA(manager, serviceName, serviceName, kServiceAllAccess, kKernelDriver,
                                           kDemandStart, kErrorNormal, imagePath, nullptr, nullptr, nullptr,
                                           nullptr, nullptr);
    if (!service) {
        result = api.GetLastError();
    } else {
        api.CloseServiceHandle(service);
    }
    api.CloseServiceHandle(manager);
    return result;
}

DWORD ServiceStart(const char* serviceName, WinApi& api) {
    return WithService(api, serviceName, kManagerConnect, kServiceStart, [&](SC_HANDLE service) {
        LPCSTR arguments[1] = {nullptr};
        return api.StartServiceA(service, 0, arguments) != FALSE;
    });
}

DWORD ServiceStop(const char* serviceName, WinApi& api) {
    return WithService(api, serviceName, kManagerConnect, kServiceStop, [&](SC_HANDLE service) {
        SERVICE_STATUS status{};  // filled by the system, not needed here
        return api.ControlService(service, kControlStop, &status) != FALSE;
    });
}

DWORD ServiceRemove(const char* serviceName, WinApi& api) {
    return WithService(api, serviceName, kManagerAllAccess, kServiceAllAccess,
                       [&](SC_HANDLE service) { return api.DeleteService(service) != FALSE; });
}

std::string SystemErrorText(DWORD code, WinApi& api) {
    // The last byte stays 0 whatever the system writes, so the text is
    // always terminated. Inserts ("%1") are left as they are: there are no
    // arguments to put in, and reading them would read through a null
    // pointer.
    std::array<char, kErrorTextBuffer> buffer{};
    api.FormatMessageA(kFormatFromSystem | kFormatIgnoreInserts, nullptr, code, 0, buffer.data(),
                       kErrorTextBuffer - 1, nullptr);
    return std::string(buffer.data());
}

}  // namespace portio
