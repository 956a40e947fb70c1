// The port backend through the InpOut DLL (Windows): a signed kernel driver
// that its own DLL installs and opens, for machines where the platform's
// port driver cannot start (64-bit Windows loads only signed 64-bit
// drivers, and user mode may not execute port instructions there).
//
// The DLL is not part of this program: the user puts it next to the program
// (inpoutx64.dll for a 64-bit program, inpout32.dll for a 32-bit one). It is
// loaded by its full path at run time, never linked, so a program without it
// still starts, and no other file of that name is picked up from the search
// path. Its byte and word calls take the place of the processor's port
// instructions under the direct-port backend (RawPort): the same mapping of
// the accesses onto the eight ports from the base, the same EPP time-out
// check after every cycle and every burst, and the same ECR switch of an ECP
// port into EPP mode.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "portio/PortAccess.h"
#include "portio/RawIoSystem.h"

namespace portio {

// The file name of the DLL this build loads.
const char* InpOutLibraryName();

// Where the DLL is expected: the program's directory, or the directory a
// test put in its place (nullptr puts the program's back).
std::string InpOutLibraryPath();
void SetInpOutDirectory(const std::string* directory);

// True when a file lies at InpOutLibraryPath().
bool InpOutLibraryPresent();

// The DLL, loaded and with its driver open; its calls are the port
// instructions of a RawIoSystem. Every port is permitted: the driver grants
// them all.
class InpOutLibrary final : public RawIoSystem {
public:
    // Throws PortOpenError, naming the file and what to do, when the DLL
    // cannot be loaded, lacks a function this backend calls, or reports its
    // driver not open. No port is touched before all of that is known.
    explicit InpOutLibrary(const std::string& path);
    ~InpOutLibrary() override;
    InpOutLibrary(const InpOutLibrary&) = delete;
    InpOutLibrary& operator=(const InpOutLibrary&) = delete;

    int Permit(std::uint16_t, std::uint16_t, bool) override { return 0; }
    void Out8(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t In8(std::uint16_t port) override;
    std::uint16_t In16(std::uint16_t port) override;

private:
    struct Functions;
    void* module_ = nullptr;  // the DLL's HMODULE; windows.h stays out of this header
    std::unique_ptr<Functions> functions_;
};

// Opens the port at `base` through the DLL at InpOutLibraryPath(). Throws
// PortOpenError. `note` receives what the user should know about the port
// (an ECP port switched to EPP mode), or "".
std::unique_ptr<PortBackend> OpenInpOutPort(std::uint16_t base, std::string* note);

}  // namespace portio
