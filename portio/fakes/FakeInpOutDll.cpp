// A stand-in for the InpOut DLL: the same exports with the same calling
// convention, and behind them a port chip (FakeRawIo) at a base with a
// simulated card on its EPP cycles, so that runs through the real backend
// can be compared with simulated runs byte for byte.
//
// What it is told comes from environment variables, read when the DLL
// first needs them (the tests set them before the backend loads the DLL):
//   FLASHDIAG_FAKE_INPOUT_CARD      the card, as --simulate takes it (intel64)
//   FLASHDIAG_FAKE_INPOUT_BASE      the chip's base, hexadecimal (378)
//   FLASHDIAG_FAKE_INPOUT_DRIVER    "closed": IsInpOutDriverOpen says FALSE
//   FLASHDIAG_FAKE_INPOUT_TIMEOUTS  "saver-reads": every EPP read in the
//                                   saver's stream mode times out
//   FLASHDIAG_FAKE_INPOUT_CLEAR     how the chip clears its time-out flag:
//                                   write-one (default), write-zero, double-read
//   FLASHDIAG_FAKE_INPOUT_ECR       "present": the chip is an ECP port;
//                                   "no-epp": one whose ECR has no EPP mode
//   FLASHDIAG_FAKE_INPOUT_REPORT    a file that gets, when the DLL is
//                                   unloaded, one line: port calls made,
//                                   calls outside the chip's ports, the
//                                   time-out flag and the ECR as left
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "portio/EcrSwitch.h"
#include "portio/AdapterWire.h"
#include "portio/PortAddress.h"
#include "portio/fakes/FakeRawIo.h"
#include "sim/CardConfig.h"
#include "sim/SimulatedCard.h"

namespace {

std::string Env(const char* name) {
    char value[512];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

struct Chip {
    Chip()
        : base(static_cast<std::uint16_t>(Env("FLASHDIAG_FAKE_INPOUT_BASE").empty()
                                              ? portio::CartridgeBase
                                              : std::strtoul(Env("FLASHDIAG_FAKE_INPOUT_BASE").c_str(), nullptr, 16))),
          card(sim::ParseCardConfig(Env("FLASHDIAG_FAKE_INPOUT_CARD").empty() ? "intel64"
                                                                              : Env("FLASHDIAG_FAKE_INPOUT_CARD"))),
          io(card, base) {
        // The driver reaches every port; the chip counts what lies outside its own.
        io.Permit(base, portio::PortSpan, true);
        io.Permit(static_cast<std::uint16_t>(base + portio::EcpRegistersOffset), portio::EcpRegistersSpan, true);
        if (Env("FLASHDIAG_FAKE_INPOUT_TIMEOUTS") == "saver-reads")
            io.timesOut = [this](bool read) { return read && card.Mode() == portio::wire::ModeSaverStream; };
        const std::string clear = Env("FLASHDIAG_FAKE_INPOUT_CLEAR");
        if (clear == "write-zero") io.timeoutClear = portio::fakes::FakeRawIo::TimeoutClear::WriteZero;
        if (clear == "double-read") io.timeoutClear = portio::fakes::FakeRawIo::TimeoutClear::DoubleRead;
        if (Env("FLASHDIAG_FAKE_INPOUT_ECR") == "present") io.ecr = portio::fakes::FakeRawIo::Ecr::Present;
        if (Env("FLASHDIAG_FAKE_INPOUT_ECR") == "no-epp") io.ecr = portio::fakes::FakeRawIo::Ecr::NoEppMode;
    }
    std::uint16_t base;
    sim::SimulatedCard card;
    portio::fakes::FakeRawIo io;
    std::uint64_t calls = 0;
};

std::unique_ptr<Chip> chip;

Chip& TheChip() {
    if (!chip) chip = std::make_unique<Chip>();
    ++chip->calls;
    return *chip;
}

// Writes the report when the DLL is unloaded.
struct Report {
    ~Report() {
        const std::string path = Env("FLASHDIAG_FAKE_INPOUT_REPORT");
        if (path.empty()) return;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) return;
        if (chip) {
            std::fprintf(file, "calls %llu ungranted %d timeout-flag %d ecr %02X\n",
                         static_cast<unsigned long long>(chip->calls), chip->io.ungranted,
                         chip->io.TimeoutFlag() ? 1 : 0, chip->io.ecrValue);
        } else {
            std::fputs("calls 0\n", file);
        }
        std::fclose(file);
    }
} report;

}  // namespace

extern "C" {

// The driver check is no port access: it is not counted.
__declspec(dllexport) BOOL WINAPI IsInpOutDriverOpen(void) {
    if (Env("FLASHDIAG_FAKE_INPOUT_DRIVER") == "closed") return FALSE;
    --TheChip().calls;
    return TRUE;
}

__declspec(dllexport) void WINAPI Out32(short port, short data) {
    TheChip().io.Out8(static_cast<std::uint16_t>(port), static_cast<std::uint8_t>(data));
}

__declspec(dllexport) short WINAPI Inp32(short port) {
    return TheChip().io.In8(static_cast<std::uint16_t>(port));
}

__declspec(dllexport) void WINAPI DlPortWritePortUchar(USHORT port, UCHAR value) { TheChip().io.Out8(port, value); }

__declspec(dllexport) UCHAR WINAPI DlPortReadPortUchar(USHORT port) { return TheChip().io.In8(port); }

#ifndef FAKE_INPOUT_WITHOUT_WORD_READ
__declspec(dllexport) USHORT WINAPI DlPortReadPortUshort(USHORT port) { return TheChip().io.In16(port); }
#endif

}  // extern "C"
