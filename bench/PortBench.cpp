// The software cost of one port access through the ppdev and the direct
// port backends, next to a backend that does nothing. The backends run
// against their fake devices (which stand where the kernel and the
// processor's instructions stand) with an adapter behind them that does
// nothing, so the figures are this program's own cost per access; on real
// hardware one EPP cycle takes about 1 us on top. Two access mixes of the
// diagnostic: reading the flash in bursts (few mode switches), and writing
// the saver (an address and a data cycle for every register write).
// Prints figures; it passes or fails nothing.
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/NothingBackend.h"
#include "cartridge/CardContents.h"
#include "portio/PortAccess.h"
#include "portio/PpdevPort.h"
#include "portio/RawPort.h"
#include "portio/fakes/FakeParportDevice.h"
#include "portio/fakes/FakeRawIo.h"

namespace {

using bench::NothingBackend;
using Clock = std::chrono::steady_clock;

// Counts the accesses the cartridge code makes.
class CountingBackend final : public portio::PortBackend {
public:
    void WriteByte(std::uint16_t, std::uint8_t) override { ++count; }
    std::uint8_t ReadByte(std::uint16_t) override { return ++count, 0x80; }
    std::uint16_t ReadWord(std::uint16_t) override { return ++count, 0; }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    std::uint64_t count = 0;
};

class NoProgress final : public cartridge::TransferProgress {
public:
    void TransferStart(std::uint32_t) override {}
    void TransferDone(std::uint32_t) override {}
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

}  // namespace

int main() {
    NoProgress quiet;
    std::vector<std::uint8_t> flash(0x800000);
    std::vector<std::uint8_t> saver(cartridge::SaverBytes, 0x5A);
    const Mix mixes[] = {
        {"flash read, 8 MB", [&] { cartridge::ReadFlashContents(flash, quiet); }},
        {"saver write, 128 KB x 4",
         [&] {
             for (int i = 0; i < 4; ++i)
                 cartridge::WriteSaverContents(cartridge::SaverImageView(saver.data(), cartridge::SaverBytes), quiet);
         }},
    };
    constexpr int kRounds = 5;
    std::printf("Port backends against their fake devices, adapter doing nothing (best of %d)\n", kRounds);
    std::printf("  %-26s %-22s %12s %12s\n", "mix", "backend", "ns/access", "over floor");
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
        const double ppdevTime = Time(ppdev, mix, kRounds);

        NothingBackend behindRaw;
        portio::fakes::FakeRawIo io(behindRaw, 0xD010);
        portio::RawPort raw(0xD010, io);
        const double rawTime = Time(raw, mix, kRounds);

        const struct {
            const char* name;
            double seconds;
        } rows[] = {{"backend doing nothing", floor}, {"ppdev (fake device)", ppdevTime}, {"raw (fake ioperm)", rawTime}};
        for (const auto& row : rows)
            std::printf("  %-26s %-22s %12.2f %12.2f\n", mix.name, row.name, row.seconds * 1e9 / accesses,
                        (row.seconds - floor) * 1e9 / accesses);
        std::printf("  %-26s %.0f accesses; ppdev mode switches per access %.3f\n", "", accesses,
                    static_cast<double>(device.modeSwitches) / (accesses * kRounds));
    }
    std::printf("  target: under 50 ns per access (5 %% of a 1 us EPP cycle), the system call of a real\n"
                "  ppdev device not counted\n");
    return 0;
}
