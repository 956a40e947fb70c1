// The one seam between the port layer and the operating system.
//
// Every system call of the port layer and of the service helpers, and the
// processor's port instructions, go through a WinApi. The default is the
// system itself; tests put in a fake that records each call with its
// arguments and can produce what a test machine cannot (a 9x platform id,
// a refused service manager, a running driver). Methods carry the system's
// names and signatures so that a recording reads like the real calls.
#pragma once

#include <windows.h>

#include <cstdarg>

namespace portio {

class WinApi {
public:
    virtual ~WinApi() = default;

    // kernel32
    virtual HANDLE CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                               DWORD disposition, DWORD flags, HANDLE templateFile) = 0;
    virtual BOOL DeviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                                 LPDWORD returned, LPOVERLAPPED overlapped) = 0;
    virtual BOOL CloseHandle(HANDLE handle) = 0;
    virtual DWORD GetLastError() = 0;
    virtual DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                                 DWORD size, va_list* arguments) = 0;
    virtual DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) = 0;
    virtual BOOL GetVersionExA(LPOSVERSIONINFOA info) = 0;

    // advapi32: the service control manager
    virtual SC_HANDLE OpenSCManagerA(LPCSTR machine, LPCSTR database, DWORD access) = 0;
    virtual SC_HANDLE CreateServiceA(SC_HANDLE manager, LPCSTR serviceName, LPCSTR displayName, DWORD access,
                                     DWORD serviceType, DWORD startType, DWORD errorControl, LPCSTR imagePath,
                                     LPCSTR loadOrderGroup, LPDWORD tagId, LPCSTR dependencies,
                                     LPCSTR accountName, LPCSTR password) = 0;
    virtual SC_HANDLE OpenServiceA(SC_HANDLE manager, LPCSTR serviceName, DWORD access) = 0;
    virtual BOOL StartServiceA(SC_HANDLE service, DWORD argumentCount, LPCSTR* arguments) = 0;
    virtual BOOL ControlService(SC_HANDLE service, DWORD control, LPSERVICE_STATUS status) = 0;
    virtual BOOL DeleteService(SC_HANDLE service) = 0;
    virtual BOOL CloseServiceHandle(SC_HANDLE handle) = 0;

    // The processor's port input and output instructions. They fault unless
    // the process may use them (9x family, or the driver granted access).
    virtual BYTE InByte(WORD port) = 0;
    virtual WORD InWord(WORD port) = 0;
    virtual DWORD InDword(WORD port) = 0;
    virtual void OutByte(WORD port, BYTE value) = 0;
    virtual void OutWord(WORD port, WORD value) = 0;
    virtual void OutDword(WORD port, DWORD value) = 0;
};

// The system itself.
WinApi& SystemWinApi();

}  // namespace portio
