#include "RecordingWinApi.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace portio::test {
namespace {

constexpr DWORD kFileNotFound = 2;
constexpr DWORD kNoMessage = 317;  // ERROR_MR_MID_NOT_FOUND
constexpr DWORD kServiceAlreadyRunning = 1056;
constexpr DWORD kServiceDoesNotExist = 1060;
constexpr DWORD kServiceNotActive = 1062;
constexpr DWORD kServiceExists = 1073;

std::string Hex(std::uint32_t value, int width = 1) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", width, static_cast<unsigned>(value));
    return text;
}

std::string Text(const char* text) { return text ? text : "null"; }
std::string Pointer(const void* pointer, const char* name) { return pointer ? name : "null"; }

}  // namespace

bool RecordingWinApi::Fails(const char* function) {
    auto failure = failures.find(function);
    if (failure == failures.end()) return false;
    lastError_ = failure->second;
    return true;
}

void RecordingWinApi::Record(const std::string& line) {
    calls.push_back(line);
    if (system_) ::SetLastError(systemError_);
}

void* RecordingWinApi::NewHandle(char kind, void* systemHandle) {
    void* handle = system_ ? systemHandle : reinterpret_cast<void*>(nextFake_ += 4);
    if (!handle || handle == INVALID_HANDLE_VALUE) return handle;
    std::string label = kind + std::to_string(++counts_[kind]);
    labels_[handle] = label;
    open_.insert(label);
    return handle;
}

std::string RecordingWinApi::Label(const void* handle) const {
    if (!handle) return "null";
    if (handle == INVALID_HANDLE_VALUE) return "invalid";
    auto label = labels_.find(handle);
    return label != labels_.end() ? label->second : "?" + Hex(reinterpret_cast<std::uintptr_t>(handle));
}

void RecordingWinApi::Closed(const void* handle) {
    auto label = labels_.find(handle);
    if (label != labels_.end()) open_.erase(label->second);
}

std::uint32_t RecordingWinApi::NextRead() {
    if (readValues.empty()) return 0;
    std::uint32_t value = readValues.front();
    readValues.pop_front();
    return value;
}

HANDLE RecordingWinApi::CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                                    DWORD disposition, DWORD flags, HANDLE templateFile) {
    HANDLE handle;
    if (system_) {
        handle = system_->CreateFileA(fileName, access, shareMode, security, disposition, flags, templateFile);
        systemError_ = ::GetLastError();
        handle = NewHandle('D', handle);
    } else {
        DWORD error;
        if (!openErrors.empty()) {
            error = openErrors.front();
            openErrors.pop_front();
        } else {
            auto driver = services.find("zlportio");
            error = driver != services.end() && driver->second.running ? 0 : kFileNotFound;
        }
        // Like the system: 0 or "already exists" after an open, the cause after a failure.
        lastError_ = error;
        handle = error == 0 || error == 183 ? NewHandle('D', nullptr) : INVALID_HANDLE_VALUE;
    }
    Record("CreateFileA(" + Text(fileName) + ", " + Hex(access) + ", " + Hex(shareMode) + ", " +
           Pointer(security, "security") + ", " + Hex(disposition) + ", " + Hex(flags) + ", " +
           Label(templateFile) + ") = " + Label(handle));
    return handle;
}

BOOL RecordingWinApi::DeviceIoControl(HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out,
                                      DWORD outSize, LPDWORD returned, LPOVERLAPPED overlapped) {
    std::string input = "null";
    if (in) {
        input = "[";
        for (DWORD i = 0; i < inSize; ++i) {
            if (i) input += ' ';
            input += Hex(static_cast<const unsigned char*>(in)[i], 2);
        }
        input += "]";
    }
    BOOL ok;
    if (system_) {
        ok = system_->DeviceIoControl(device, code, in, inSize, out, outSize, returned, overlapped);
        systemError_ = ::GetLastError();
    } else if (Fails("DeviceIoControl")) {
        ok = FALSE;
    } else {
        if (out && outSize >= 4) {
            std::uint32_t value = NextRead();
            std::memcpy(out, &value, sizeof value);
        }
        if (returned) *returned = out ? outSize : 0;
        ok = TRUE;
    }
    Record("DeviceIoControl(" + Label(device) + ", " + Hex(code) + ", " + input + ", " + std::to_string(inSize) +
           ", " + Pointer(out, "out") + ", " + std::to_string(outSize) + ", " + Pointer(returned, "count") + ", " +
           Pointer(overlapped, "overlapped") + ") = " + std::to_string(ok));
    return ok;
}

BOOL RecordingWinApi::CloseHandle(HANDLE handle) {
    BOOL ok = TRUE;
    if (system_) {
        ok = system_->CloseHandle(handle);
        systemError_ = ::GetLastError();
    }
    Closed(handle);
    Record("CloseHandle(" + Label(handle) + ")");
    return ok;
}

DWORD RecordingWinApi::GetLastError() {
    DWORD error = system_ ? ::GetLastError() : lastError_;
    systemError_ = error;
    Record("GetLastError() = " + std::to_string(error));
    return error;
}

DWORD RecordingWinApi::FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                                      DWORD size, va_list* arguments) {
    DWORD length = 0;
    if (system_) {
        length = system_->FormatMessageA(flags, source, messageId, languageId, buffer, size, arguments);
        systemError_ = ::GetLastError();
    } else {
        auto text = messageTexts.find(messageId);
        if (text == messageTexts.end() || text->second.size() >= size) {
            lastError_ = kNoMessage;
        } else {
            std::memcpy(buffer, text->second.c_str(), text->second.size() + 1);
            length = static_cast<DWORD>(text->second.size());
        }
    }
    Record("FormatMessageA(" + Hex(flags) + ", " + Pointer(source, "source") + ", " + std::to_string(messageId) +
           ", " + std::to_string(languageId) + ", " + Pointer(buffer, "buffer") + ", " + std::to_string(size) + ", " +
           Pointer(arguments, "arguments") + ") = " + std::to_string(length));
    return length;
}

DWORD RecordingWinApi::GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    DWORD length;
    if (system_) {
        length = system_->GetModuleFileNameA(module, fileName, size);
        systemError_ = ::GetLastError();
    } else {
        // Like the system: cut to the buffer, terminated when there is room.
        length = static_cast<DWORD>(std::min<std::size_t>(programPath.size(), size));
        std::memcpy(fileName, programPath.data(), length);
        if (length < size) fileName[length] = '\0';
    }
    Record("GetModuleFileNameA(" + Label(module) + ", buffer, " + std::to_string(size) + ") = " +
           std::to_string(length));
    return length;
}

BOOL RecordingWinApi::GetVersionExA(LPOSVERSIONINFOA info) {
    BOOL ok = TRUE;
    if (system_) {
        ok = system_->GetVersionExA(info);
        systemError_ = ::GetLastError();
    } else if (Fails("GetVersionExA")) {
        ok = FALSE;
    } else {
        info->dwPlatformId = platformId;
    }
    Record("GetVersionExA(size " + std::to_string(info->dwOSVersionInfoSize) + ") = platform " +
           std::to_string(info->dwPlatformId));
    return ok;
}

SC_HANDLE RecordingWinApi::OpenSCManagerA(LPCSTR machine, LPCSTR database, DWORD access) {
    SC_HANDLE manager;
    if (system_) {
        manager = system_->OpenSCManagerA(machine, database, access);
        systemError_ = ::GetLastError();
        manager = static_cast<SC_HANDLE>(NewHandle('M', manager));
    } else {
        manager = Fails("OpenSCManagerA") ? nullptr : static_cast<SC_HANDLE>(NewHandle('M', nullptr));
    }
    Record("OpenSCManagerA(" + Text(machine) + ", " + Text(database) + ", " + Hex(access) + ") = " + Label(manager));
    return manager;
}

SC_HANDLE RecordingWinApi::CreateServiceA(SC_HANDLE manager, LPCSTR serviceName, LPCSTR displayName, DWORD access,
                                          DWORD serviceType, DWORD startType, DWORD errorControl, LPCSTR imagePath,
                                          LPCSTR loadOrderGroup, LPDWORD tagId, LPCSTR dependencies,
                                          LPCSTR accountName, LPCSTR password) {
    SC_HANDLE service = nullptr;
    if (system_) {
        service = system_->CreateServiceA(manager, serviceName, displayName, access, serviceType, startType,
                                          errorControl, imagePath, loadOrderGroup, tagId, dependencies, accountName,
                                          password);
        systemError_ = ::GetLastError();
        service = static_cast<SC_HANDLE>(NewHandle('S', service));
    } else if (Fails("CreateServiceA")) {
    } else if (services.count(serviceName)) {
        lastError_ = kServiceExists;
    } else {
        services[serviceName] = Service{imagePath, false, newServiceStartError};
        service = static_cast<SC_HANDLE>(NewHandle('S', nullptr));
        serviceOf_[service] = serviceName;
    }
    Record("CreateServiceA(" + Label(manager) + ", " + Text(serviceName) + ", " + Text(displayName) + ", " +
           Hex(access) + ", " + Hex(serviceType) + ", " + Hex(startType) + ", " + Hex(errorControl) + ", " +
           Text(imagePath) + ", " + Text(loadOrderGroup) + ", " + Pointer(tagId, "tag") + ", " + Text(dependencies) +
           ", " + Text(accountName) + ", " + Text(password) + ") = " + Label(service));
    return service;
}

SC_HANDLE RecordingWinApi::OpenServiceA(SC_HANDLE manager, LPCSTR serviceName, DWORD access) {
    SC_HANDLE service = nullptr;
    if (system_) {
        service = system_->OpenServiceA(manager, serviceName, access);
        systemError_ = ::GetLastError();
        service = static_cast<SC_HANDLE>(NewHandle('S', service));
    } else if (Fails("OpenServiceA")) {
    } else if (!services.count(serviceName)) {
        lastError_ = kServiceDoesNotExist;
    } else {
        service = static_cast<SC_HANDLE>(NewHandle('S', nullptr));
        serviceOf_[service] = serviceName;
    }
    Record("OpenServiceA(" + Label(manager) + ", " + Text(serviceName) + ", " + Hex(access) + ") = " + Label(service));
    return service;
}

BOOL RecordingWinApi::StartServiceA(SC_HANDLE service, DWORD argumentCount, LPCSTR* arguments) {
    // Records the first entry of the vector as well: it must be there, and empty.
    std::string vector = arguments ? "[" + Text(arguments[0]) + "]" : "null";
    BOOL ok = FALSE;
    if (system_) {
        ok = system_->StartServiceA(service, argumentCount, arguments);
        systemError_ = ::GetLastError();
    } else if (!Fails("StartServiceA")) {
        auto found = services.find(serviceOf_[service]);
        if (found == services.end()) {
            lastError_ = ERROR_SERVICE_MARKED_FOR_DELETE;
        } else if (found->second.running) {
            lastError_ = kServiceAlreadyRunning;
        } else if (found->second.startError) {
            lastError_ = found->second.startError;
        } else {
            found->second.running = true;
            ok = TRUE;
        }
    }
    Record("StartServiceA(" + Label(service) + ", " + std::to_string(argumentCount) + ", " + vector + ") = " +
           std::to_string(ok));
    return ok;
}

BOOL RecordingWinApi::ControlService(SC_HANDLE service, DWORD control, LPSERVICE_STATUS status) {
    BOOL ok = FALSE;
    if (system_) {
        ok = system_->ControlService(service, control, status);
        systemError_ = ::GetLastError();
    } else if (!Fails("ControlService")) {
        auto found = services.find(serviceOf_[service]);
        if (found == services.end() || !found->second.running) {
            lastError_ = kServiceNotActive;
        } else {
            found->second.running = false;
            *status = SERVICE_STATUS{SERVICE_KERNEL_DRIVER, SERVICE_STOPPED, 0, 0, 0, 0, 0};
            ok = TRUE;
        }
    }
    Record("ControlService(" + Label(service) + ", " + Hex(control) + ", " + Pointer(status, "status") + ") = " +
           std::to_string(ok));
    return ok;
}

BOOL RecordingWinApi::DeleteService(SC_HANDLE service) {
    BOOL ok = FALSE;
    if (system_) {
        ok = system_->DeleteService(service);
        systemError_ = ::GetLastError();
    } else if (!Fails("DeleteService")) {
        ok = services.erase(serviceOf_[service]) ? TRUE : FALSE;
        if (!ok) lastError_ = ERROR_SERVICE_MARKED_FOR_DELETE;
    }
    Record("DeleteService(" + Label(service) + ") = " + std::to_string(ok));
    return ok;
}

BOOL RecordingWinApi::CloseServiceHandle(SC_HANDLE handle) {
    BOOL ok = TRUE;
    if (system_) {
        ok = system_->CloseServiceHandle(handle);
        systemError_ = ::GetLastError();
    }
    Closed(handle);
    Record("CloseServiceHandle(" + Label(handle) + ")");
    return ok;
}

// The port instructions are never passed on: a test must not execute them.
BYTE RecordingWinApi::InByte(WORD port) {
    BYTE value = static_cast<BYTE>(NextRead());
    Record("InByte(" + Hex(port, 4) + ") = " + Hex(value, 2));
    return value;
}

WORD RecordingWinApi::InWord(WORD port) {
    WORD value = static_cast<WORD>(NextRead());
    Record("InWord(" + Hex(port, 4) + ") = " + Hex(value, 4));
    return value;
}

DWORD RecordingWinApi::InDword(WORD port) {
    DWORD value = NextRead();
    Record("InDword(" + Hex(port, 4) + ") = " + Hex(value, 8));
    return value;
}

void RecordingWinApi::OutByte(WORD port, BYTE value) { Record("OutByte(" + Hex(port, 4) + ", " + Hex(value, 2) + ")"); }
void RecordingWinApi::OutWord(WORD port, WORD value) { Record("OutWord(" + Hex(port, 4) + ", " + Hex(value, 4) + ")"); }
void RecordingWinApi::OutDword(WORD port, DWORD value) {
    Record("OutDword(" + Hex(port, 4) + ", " + Hex(value, 8) + ")");
}

}  // namespace portio::test
