// The software cost of one port access through the ppdev and the direct
// port backends, next to a backend that does nothing, and the system calls
// the ppdev backend makes per access. The backends run against their fake
// devices (which stand where the kernel and the processor's instructions
// stand) with an adapter behind them that does nothing, so the times are
// this program's own cost per access; on real hardware one EPP cycle takes
// about 1 us on top, and so does each system call of a ppdev device. Three
// access mixes of the diagnostic: reading the flash in bursts (as the dump
// and the flash verify do), writing the saver (an address and a data cycle
// for every register write, then 256 data bytes), and programming the flash
// in buffers of 32 bytes; then the system calls of a whole run against a
// simulated card. Prints figures; it passes or fails nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/NothingBackend.h"
#include "cartridge/CardContents.h"
#include "cartridge/FlashCommands.h"
#include "cartridge/Patterns.h"
#include "cartridge/RunSequence.h"
#include "portio/PortAccess.h"
#include "portio/PpdevPort.h"
#include "portio/RawPort.h"
#include "portio/fakes/FakeParportDevice.h"
#include "portio/fakes/FakeRawIo.h"
#include "sim/SimulatedCard.h"

namespace {

using bench::NothingBackend;
using Clock = std::chrono::steady_clock;

// Counts the accesses the cartridge code makes, and passes them on to an
// inner backend when there is one (reads then answer a ready status).
class CountingBackend final : public portio::PortBackend {
public:
    explicit CountingBackend(portio::PortBackend* inner = nullptr) : inner_(inner) {}
    void WriteByte(std::uint16_t port, std::uint8_t value) override {
        ++count;
        if (inner_) inner_->WriteByte(port, value);
    }
    std::uint8_t ReadByte(std::uint16_t port) override {
        ++count;
        return inner_ ? inner_->ReadByte(port) : 0x80;
    }
    std::uint16_t ReadWord(std::uint16_t port) override {
        ++count;
        return inner_ ? inner_->ReadWord(port) : 0;
    }
    void ReadWords(std::uint16_t port, std::uint16_t* words, std::size_t n) override {
        count += n;
        if (inner_)
            inner_->ReadWords(port, words, n);
        else
            std::fill_n(words, n, 0);
    }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    std::uint64_t count = 0;

private:
    portio::PortBackend* inner_;
};

// The ppdev backend made to call the device once per access, as it did
// before it kept writes and read bursts whole: the figure to compare with.
class OneCallPerAccess final : public portio::PortBackend {
public:
    explicit OneCallPerAccess(portio::PpdevPort& port) : port_(port) {}
    void WriteByte(std::uint16_t port, std::uint8_t value) override {
        port_.WriteByte(port, value);
        port_.Flush();
    }
    std::uint8_t ReadByte(std::uint16_t port) override { return port_.ReadByte(port); }
    std::uint16_t ReadWord(std::uint16_t port) override { return port_.ReadWord(port); }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}

private:
    portio::PpdevPort& port_;
};

class NoProgress final : public cartridge::TransferProgress {
public:
    void TransferStart(std::uint32_t) override {}
    void TransferDone(std::uint32_t) override {}
};

class QuietReport final : public cartridge::RunReport {
public:
    void ClearLog() override {}
    void AppendLine(const std::string&) override {}
    void ProgressStart(int, int) override {}
    void ProgressStep() override {}
    bool IsChecked(cartridge::RunCheck) const override { return true; }
};

struct Mix {
    const char* name;
    std::function<void()> run;
};

// Best of `rounds`, in seconds.
double Time(portio::PortBackend& backend, const Mix& mix, int rounds) {
    portio::ScopedPortBackend scope(backend);
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        mix.run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// System calls per access of a whole run (intel64, every check) through the
// ppdev backend, its fake device routing the cycles to a simulated card;
// `oneEach`: through OneCallPerAccess.
double WholeRunCallsPerAccess(bool oneEach, std::uint64_t& accesses) {
    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    portio::fakes::FakeParportDevice device(card);
    portio::PpdevPort ppdev("/dev/parport0", device);
    OneCallPerAccess single(ppdev);
    CountingBackend counter(oneEach ? static_cast<portio::PortBackend*>(&single) : &ppdev);
    const std::uint64_t callsBefore = device.calls;
    {
        portio::ScopedPortBackend scope(counter);
        QuietReport report;
        cartridge::RunDiagnostic(report);
    }
    ppdev.Flush();
    accesses = counter.count;
    return static_cast<double>(device.calls - callsBefore) / static_cast<double>(accesses);
}

}  // namespace

int main() {
    NoProgress quiet;
    std::vector<std::uint8_t> flash(0x800000);
    std::vector<std::uint8_t> saver(cartridge::SaverBytes, 0x5A);
    cartridge::FillFlashPattern(cartridge::PatternBuffer, 0);
    const Mix mixes[] = {
        {"flash read, 8 MB", [&] { cartridge::ReadFlashContents(flash, quiet); }},
        {"saver write, 128 KB x 4",
         [&] {
             for (int i = 0; i < 4; ++i)
                 cartridge::WriteSaverContents(cartridge::SaverImageView(saver.data(), cartridge::SaverBytes), quiet);
         }},
        {"flash program, 1 MB",
         [&] {
             for (std::uint32_t address = 0; address < 0x100000; address += 32)
                 cartridge::ProgramFlashBuffer(address, cartridge::PatternBuffer);
         }},
    };
    constexpr int kRounds = 5;
    std::printf("Port backends against their fake devices, adapter doing nothing (best of %d)\n", kRounds);
    std::printf("  %-26s %-22s %12s %12s %14s\n", "mix", "backend", "ns/access", "over floor", "calls/access");
    for (const Mix& mix : mixes) {
        CountingBackend counter;
        {
            portio::ScopedPortBackend scope(counter);
            mix.run();
        }
        const double accesses = static_cast<double>(counter.count);

        NothingBackend nothing;
        const double floor = Time(nothing, mix, kRounds);

        NothingBackend behindPpdev;
        portio::fakes::FakeParportDevice device(behindPpdev);
        portio::PpdevPort ppdev("/dev/parport0", device);
        std::uint64_t callsBefore = device.calls;
        const double ppdevTime = Time(ppdev, mix, kRounds);
        ppdev.Flush();
        const double calls = static_cast<double>(device.calls - callsBefore) / (accesses * kRounds);
        const std::uint64_t switches = device.modeSwitches;

        OneCallPerAccess single(ppdev);
        callsBefore = device.calls;
        const double singleTime = Time(single, mix, kRounds);
        const double singleCalls = static_cast<double>(device.calls - callsBefore) / (accesses * kRounds);

        NothingBackend behindRaw;
        portio::fakes::FakeRawIo io(behindRaw, 0xD010);
        portio::RawPort raw(0xD010, io);
        const double rawTime = Time(raw, mix, kRounds);

        const struct {
            const char* name;
            double seconds;
            double calls;
        } rows[] = {{"backend doing nothing", floor, -1},
                    {"ppdev (fake device)", ppdevTime, calls},
                    {"ppdev, call per access", singleTime, singleCalls},
                    {"raw (fake ioperm)", rawTime, -1}};
        for (const auto& row : rows) {
            std::printf("  %-26s %-22s %12.2f %12.2f", mix.name, row.name, row.seconds * 1e9 / accesses,
                        (row.seconds - floor) * 1e9 / accesses);
            if (row.calls >= 0)
                std::printf(" %14.3f\n", row.calls);
            else
                std::printf("\n");
        }
        std::printf("  %-26s %.0f accesses; ppdev mode switches per access %.3f\n", "", accesses,
                    static_cast<double>(switches) / (accesses * kRounds));
    }
    std::uint64_t runAccesses = 0;
    const double runCalls = WholeRunCallsPerAccess(false, runAccesses);
    const double runSingleCalls = WholeRunCallsPerAccess(true, runAccesses);
    std::printf("  whole run (intel64, every check, a simulated card behind the fake device): %llu accesses,\n"
                "  %.3f ppdev system calls per access (%.3f with a call per access)\n",
                static_cast<unsigned long long>(runAccesses), runCalls, runSingleCalls);
    std::printf("  target: under 50 ns per access (5 %% of a 1 us EPP cycle), the system call of a real\n"
                "  ppdev device not counted; system calls per access: under 0.15 where the accesses allow\n");
    return 0;
}
