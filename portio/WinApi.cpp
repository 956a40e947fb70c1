#include "portio/WinApi.h"

#if !defined(__i386__) && !defined(__x86_64__)
#error "direct port access needs the x86 in/out instructions"
#endif

namespace portio {
namespace {

class SystemApi final : public WinApi {
public:
    HANDLE CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                       DWORD disposition, DWORD flags, HANDLE templateFile) override {
        return ::CreateFileA(fileName, access, shareMode, security, disposition, flags, templateFile);
    }
    BOOL DeviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                         LPDWORD returned, LPOVERLAPPED overlapped) override {
        return ::DeviceIoControl(device, code, in, inSize, out, outSize, returned, overlapped);
    }
    BOOL CloseHandle(HANDLE handle) override { return ::CloseHandle(handle); }
    DWORD GetLastError() override { return ::GetLastError(); }
    DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                         va_list* arguments) override {
        return ::FormatMessageA(flags, source, messageId, languageId, buffer, size, arguments);
    }
    DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) override {
        return ::GetModuleFileNameA(module, fileName, size);
    }
    BOOL GetVersionExA(LPOSVERSIONINFOA info) override { return ::GetVersionExA(info); }

    SC_HANDLE OpenSCManagerA(LPCSTR machine, LPCSTR database, DWORD access) override {
        return ::OpenSCManagerA(machine, database, access);
    }
    SC_HANDLE CreateServiceA(SC_HANDLE manager, LPCSTR serviceName, LPCSTR displayName, DWORD access,
                             DWORD serviceType, DWORD startType, DWORD errorControl, LPCSTR imagePath,
                             LPCSTR loadOrderGroup, LPDWORD tagId, LPCSTR dependencies, LPCSTR accountName,
                             LPCSTR password) override {
        return ::CreateServiceA(manager, serviceName, displayName, access, serviceType, startType, errorControl,
                                imagePath, loadOrderGroup, tagId, dependencies, accountName, password);
    }
    SC_HANDLE OpenServiceA(SC_HANDLE manager, LPCSTR serviceName, DWORD access) override {
        return ::OpenServiceA(manager, serviceName, access);
    }
    BOOL StartServiceA(SC_HANDLE service, DWORD argumentCount, LPCSTR* arguments) override {
        return ::StartServiceA(service, argumentCount, arguments);
    }
    BOOL ControlService(SC_HANDLE service, DWORD control, LPSERVICE_STATUS status) override {
        return ::ControlService(service, control, status);
    }
    BOOL DeleteService(SC_HANDLE service) override { return ::DeleteService(service); }
    BOOL CloseServiceHandle(SC_HANDLE handle) override { return ::CloseServiceHandle(handle); }

    BYTE InByte(WORD port) override {
        BYTE value;
        __asm__ __volatile__("inb %w1, %b0" : "=a"(value) : "Nd"(port));
        return value;
    }
    WORD InWord(WORD port) override {
        WORD value;
        __asm__ __volatile__("inw %w1, %w0" : "=a"(value) : "Nd"(port));
        return value;
    }
    DWORD InDword(WORD port) override {
        DWORD value;
        __asm__ __volatile__("inl %w1, %k0" : "=a"(value) : "Nd"(port));
        return value;
    }
    void OutByte(WORD port, BYTE value) override {
        __asm__ __volatile__("outb %b0, %w1" : : "a"(value), "Nd"(port));
    }
    void OutWord(WORD port, WORD value) override {
        __asm__ __volatile__("outw %w0, %w1" : : "a"(value), "Nd"(port));
    }
    void OutDword(WORD port, DWORD value) override {
        __asm__ __volatile__("outl %k0, %w1" : : "a"(value), "Nd"(port));
    }
};

}  // namespace

WinApi& SystemWinApi() {
    static SystemApi api;
    return api;
}

}  // namespace portio
