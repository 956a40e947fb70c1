// Benchmark of a full diagnostic run through the simulator, side by side
// with the cost floor: the same number of port accesses through a backend
// that does nothing. Also the peak memory of flashdiag-cli for that run.
// Prints figures; it passes or fails nothing.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/NothingBackend.h"
#include "cartridge/RunSequence.h"
#include "portio/PortAccess.h"
#include "sim/SimulatedCard.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Answers a run without a window, with every check on.
class QuietReport final : public cartridge::RunReport {
public:
    void ClearLog() override {}
    void AppendLine(const std::string&) override { ++lines; }
    void ProgressStart(int, int) override {}
    void ProgressStep() override {}
    bool IsChecked(cartridge::RunCheck) const override { return true; }
    int lines = 0;
};

// Counts accesses by kind on their way to the simulator.
class CountingBackend final : public portio::PortBackend {
public:
    explicit CountingBackend(portio::PortBackend& inner) : inner_(inner) {}
    void WriteByte(std::uint16_t port, std::uint8_t value) override {
        ++writes;
        inner_.WriteByte(port, value);
    }
    std::uint8_t ReadByte(std::uint16_t port) override {
        ++byteReads;
        return inner_.ReadByte(port);
    }
    std::uint16_t ReadWord(std::uint16_t port) override {
        ++wordReads;
        return inner_.ReadWord(port);
    }
    bool Ready() const override { return true; }
    void SetDirectAccess(bool) override {}
    long long writes = 0, byteReads = 0, wordReads = 0;

private:
    portio::PortBackend& inner_;
};

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double TimeSimulatedRun() {
    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    portio::ScopedPortBackend scope(card);
    QuietReport report;
    const auto start = Clock::now();
    cartridge::RunDiagnostic(report);
    return Seconds(Clock::now() - start);
}

double TimeFloor(long long writes, long long byteReads, long long wordReads) {
    bench::NothingBackend nothing;
    portio::ScopedPortBackend scope(nothing);
    unsigned sum = 0;
    const auto start = Clock::now();
    for (long long i = 0; i < writes; ++i) portio::PortWriteByte(0x37C, static_cast<std::uint8_t>(i));
    for (long long i = 0; i < byteReads; ++i) sum += portio::PortReadByte(0x37C);
    for (long long i = 0; i < wordReads; ++i) sum += portio::PortReadWord(0x37C);
    const double seconds = Seconds(Clock::now() - start);
    if (sum == 1) std::puts("");  // keeps the reads
    return seconds;
}

// Peak resident memory of `flashdiag-cli --simulate=intel64`, in KB, or -1.
long PeakMemoryOfCli() {
    const std::filesystem::path cli = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "flashdiag-cli";
    std::string program = cli.string();
    std::string card = "--simulate=intel64";
    char* argv[] = {program.data(), card.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return usage.ru_maxrss;
}

}  // namespace

int main() {
    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    CountingBackend counter(card);
    {
        portio::ScopedPortBackend scope(counter);
        QuietReport report;
        cartridge::RunDiagnostic(report);
    }
    const long long accesses = counter.writes + counter.byteReads + counter.wordReads;

    constexpr int kRounds = 5;
    double simulated = 1e9, floor = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        simulated = std::min(simulated, TimeSimulatedRun());
        floor = std::min(floor, TimeFloor(counter.writes, counter.byteReads, counter.wordReads));
    }

    std::printf("Full run, intel64, all three checks (best of %d)\n", kRounds);
    std::printf("  port accesses: %lld (%lld writes, %lld byte reads, %lld word reads)\n", accesses,
                counter.writes, counter.byteReads, counter.wordReads);
    std::printf("  %-28s %10s %12s\n", "", "time (ms)", "ns/access");
    std::printf("  %-28s %10.1f %12.2f\n", "simulated card", simulated * 1e3, simulated * 1e9 / accesses);
    std::printf("  %-28s %10.1f %12.2f\n", "backend doing nothing", floor * 1e3, floor * 1e9 / accesses);
    std::printf("  ratio to the floor: %.2f (target: at most 4); whole run %.3f s (target: under 1 s)\n",
                simulated / floor, simulated);
    const long peak = PeakMemoryOfCli();
    if (peak < 0)
        std::printf("  peak memory of flashdiag-cli: could not be measured\n");
    else
        std::printf("  peak memory of flashdiag-cli --simulate=intel64: %.1f MB (target: under 24 MB)\n",
                    peak / 1024.0);
    return 0;
}
