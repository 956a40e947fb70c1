// A stand-in for the system that writes down every call of the port layer,
// one line per call with its arguments and result, for exact-sequence tests.
//
// Without an inner WinApi it plays a small system: a service manager with
// kernel-driver services, a driver device that opens while the "zlportio"
// service runs, a platform id and a program path, all set by the test.
// With an inner WinApi (the real system) it passes every call on and only
// records it; the thread's last error is kept as the system left it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "portio/WinApi.h"

namespace portio::test {

class RecordingWinApi final : public WinApi {
public:
    explicit RecordingWinApi(WinApi* system = nullptr) : system_(system) {}

    struct Service {
        std::string imagePath;
        bool running = false;
        DWORD startError = 0;  // nonzero: StartServiceA fails with it
    };

    // The played system.
    DWORD platformId = 2;
    std::string programPath = "C:\\Flash Tools\\flashdiag.exe";
    std::map<std::string, Service> services;
    DWORD newServiceStartError = 0;           // startError of services created by CreateServiceA
    std::deque<DWORD> openErrors;             // CreateFileA outcomes in turn; then the device model
    std::deque<std::uint32_t> readValues;     // driver reads and port instructions; then 0
    std::map<std::string, DWORD> failures;    // function name -> error code it always fails with
    std::map<DWORD, std::string> messageTexts;

    std::vector<std::string> calls;
    // Labels ("M1", "S2", "D1") of handles opened and not closed yet.
    std::set<std::string> OpenHandles() const { return open_; }
    void ClearCalls() { calls.clear(); }

    HANDLE CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                       DWORD disposition, DWORD flags, HANDLE templateFile) override;
    BOOL DeviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
                         LPDWORD returned, LPOVERLAPPED overlapped) override;
    BOOL CloseHandle(HANDLE handle) override;
    DWORD GetLastError() override;
    DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                         va_list* arguments) override;
    DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) override;
    BOOL GetVersionExA(LPOSVERSIONINFOA info) override;

    SC_HANDLE OpenSCManagerA(LPCSTR machine, LPCSTR database, DWORD access) override;
    SC_HANDLE CreateServiceA(SC_HANDLE manager, LPCSTR serviceName, LPCSTR displayName, DWORD access,
                             DWORD serviceType, DWORD startType, DWORD errorControl, LPCSTR imagePath,
                             LPCSTR loadOrderGroup, LPDWORD tagId, LPCSTR dependencies, LPCSTR accountName,
                             LPCSTR password) override;
    SC_HANDLE OpenServiceA(SC_HANDLE manager, LPCSTR serviceName, DWORD access) override;
    BOOL StartServiceA(SC_HANDLE service, DWORD argumentCount, LPCSTR* arguments) override;
    BOOL ControlService(SC_HANDLE service, DWORD control, LPSERVICE_STATUS status) override;
    BOOL DeleteService(SC_HANDLE service) override;
    BOOL CloseServiceHandle(SC_HANDLE handle) override;

    BYTE InByte(WORD port) override;
    WORD InWord(WORD port) override;
    DWORD InDword(WORD port) override;
    void OutByte(WORD port, BYTE value) override;
    void OutWord(WORD port, WORD value) override;
    void OutDword(WORD port, DWORD value) override;

private:
    bool Fails(const char* function);
    void Record(const std::string& line);
    void* NewHandle(char kind, void* systemHandle);
    std::string Label(const void* handle) const;
    void Closed(const void* handle);
    std::uint32_t NextRead();

    WinApi* system_;
    DWORD lastError_ = 0;
    DWORD systemError_ = 0;
    std::uintptr_t nextFake_ = 0x1000;
    std::map<char, int> counts_;
    std::map<const void*, std::string> labels_;
    std::map<const void*, std::string> serviceOf_;  // fake service handle -> name
    std::set<std::string> open_;
};

// `parts` one after another: an expected call sequence built of named pieces.
inline std::vector<std::string> Sequence(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> calls;
    for (const auto& part : parts) calls.insert(calls.end(), part.begin(), part.end());
    return calls;
}

// The calls of ServiceStop and then ServiceRemove of `name` when no such
// service is installed, with the first two manager handles of a recording
// (M1, M2): each opens the manager, finds no service, reads the error first
// (1060, the service does not exist) and closes the manager.
inline std::vector<std::string> MissingServiceStopAndRemove(const std::string& name) {
    return {
        "OpenSCManagerA(null, null, 1) = M1",
        "OpenServiceA(M1, " + name + ", 20) = null",
        "GetLastError() = 1060",
        "CloseServiceHandle(M1)",
        "OpenSCManagerA(null, null, F003F) = M2",
        "OpenServiceA(M2, " + name + ", F01FF) = null",
        "GetLastError() = 1060",
        "CloseServiceHandle(M2)",
    };
}

}  // namespace portio::test
