#include "portio/InpOutPort.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <optional>
#include <utility>

#include "portio/RawPort.h"
#include "portio/ddkint.h"

namespace portio {
namespace {

std::optional<std::string> testDirectory;

#ifdef _WIN64
constexpr const char* kLibraryName = "inpoutx64.dll";
constexpr const char* kWhichPrograms = "64-bit";
#else
constexpr const char* kLibraryName = "inpout32.dll";
constexpr const char* kWhichPrograms = "32-bit";
#endif

std::string ProgramDirectory() {
    std::array<char, MAX_PATH + 1> path{};
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    std::string program(path.data(), length);
    const std::size_t separator = program.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : program.substr(0, separator);
}

// FARPROC to the export's own type, through the generic function pointer
// type so that the compiler knows the cast is meant.
template <typename Function>
Function Resolve(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The DLL's own advice for every refusal: what the user does next.
std::string WhatToDo() {
    return std::string("put the InpOut DLL for ") + kWhichPrograms + " programs, " + kLibraryName +
           ", next to the program (it is not part of flashdiag), run the program once as administrator so "
           "that the DLL can install its driver, then try again";
}

// The backend: the DLL, and the direct-port backend over its calls. The
// port ends (ECR put back) before the DLL is unloaded.
class InpOutPort final : public PortBackend {
public:
    InpOutPort(std::unique_ptr<InpOutLibrary> library, std::uint16_t base)
        : library_(std::move(library)), port_(base, *library_, "") {}

    void WriteByte(std::uint16_t port, std::uint8_t value) override { port_.WriteByte(port, value); }
    std::uint8_t ReadByte(std::uint16_t port) override { return port_.ReadByte(port); }
    std::uint16_t ReadWord(std::uint16_t port) override { return port_.ReadWord(port); }
    void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t count) override {
        port_.ReadWords(port, words, count);
    }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    std::uint64_t FailedTransfers() const override { return port_.FailedTransfers(); }
    std::string Note() const { return port_.Note(); }

private:
    std::unique_ptr<InpOutLibrary> library_;
    RawPort port_;
};

}  // namespace

// The exports, with the calling convention of the 32-bit DLL (stdcall).
struct InpOutLibrary::Functions {
    BOOL(WINAPI* isDriverOpen)();
    void(WINAPI* writeByte)(USHORT, UCHAR);
    UCHAR(WINAPI* readByte)(USHORT);
    USHORT(WINAPI* readWord)(USHORT);
};

const char* InpOutLibraryName() { return kLibraryName; }

std::string InpOutLibraryPath() {
    return (testDirectory ? *testDirectory : ProgramDirectory()) + "\\" + kLibraryName;
}

void SetInpOutDirectory(const std::string* directory) {
    testDirectory = directory ? std::optional<std::string>(*directory) : std::nullopt;
}

bool InpOutLibraryPresent() {
    const DWORD attributes = GetFileAttributesA(InpOutLibraryPath().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

InpOutLibrary::InpOutLibrary(const std::string& path) : functions_(std::make_unique<Functions>()) {
    // No error box from the system for a missing or broken file: the
    // message below says it.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(path.c_str());
    const DWORD error = GetLastError();
    SetErrorMode(oldMode);
    if (!module) {
        std::string why = error == ERROR_MOD_NOT_FOUND || error == ERROR_FILE_NOT_FOUND ? "there is no such file"
                          : error == ERROR_BAD_EXE_FORMAT
                              ? std::string("it is not a DLL for ") + kWhichPrograms + " programs"
                              : "system error " + std::to_string(error) + ": " + SystemErrorText(error);
        while (!why.empty() && (why.back() == '\n' || why.back() == '\r' || why.back() == ' ')) why.pop_back();
        throw PortOpenError("cannot load '" + path + "' (" + why + "): " + WhatToDo());
    }
    module_ = module;
    functions_->isDriverOpen = Resolve<decltype(Functions::isDriverOpen)>(module, "IsInpOutDriverOpen");
    functions_->writeByte = Resolve<decltype(Functions::writeByte)>(module, "DlPortWritePortUchar");
    functions_->readByte = Resolve<decltype(Functions::readByte)>(module, "DlPortReadPortUchar");
    functions_->readWord = Resolve<decltype(Functions::readWord)>(module, "DlPortReadPortUshort");
    const std::pair<bool, const char*> exports[] = {{functions_->isDriverOpen != nullptr, "IsInpOutDriverOpen"},
                                                    {functions_->writeByte != nullptr, "DlPortWritePortUchar"},
                                                    {functions_->readByte != nullptr, "DlPortReadPortUchar"},
                                                    {functions_->readWord != nullptr, "DlPortReadPortUshort"}};
    for (const auto& [found, name] : exports) {
        if (found) continue;
        FreeLibrary(module);
        module_ = nullptr;
        throw PortOpenError("'" + path + "' has no function " + name +
                            ": it is not the InpOut DLL, or a version without it; " + WhatToDo());
    }
    if (!functions_->isDriverOpen()) {
        FreeLibrary(module);
        module_ = nullptr;
        throw PortOpenError("the InpOut DLL '" + path +
                            "' could not open its driver: run the program once as administrator (right-click it, "
                            "Run as administrator) so that the DLL can install its driver, then try again");
    }
}

InpOutLibrary::~InpOutLibrary() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
}

void InpOutLibrary::Out8(std::uint16_t port, std::uint8_t value) { functions_->writeByte(port, value); }
std::uint8_t InpOutLibrary::In8(std::uint16_t port) { return functions_->readByte(port); }
std::uint16_t InpOutLibrary::In16(std::uint16_t port) { return functions_->readWord(port); }

std::unique_ptr<PortBackend> OpenInpOutPort(std::uint16_t base, std::string* note) {
    auto port = std::make_unique<InpOutPort>(std::make_unique<InpOutLibrary>(InpOutLibraryPath()), base);
    if (note) *note = port->Note();
    return port;
}

}  // namespace portio
