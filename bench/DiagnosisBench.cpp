// Benchmark of the diagnosis of a whole 8 MB flash readout, for the
// readouts that cost it most: a healthy-looking area with scattered damage
// (every hypothesis is tried and fails), a stuck address line (the one that
// fits is checked against millions of mismatches), and a shorted pair (every
// pair before it is tried). Also the image writer on a card that already
// holds the image (read and compare only) and on an erased one. The aim:
// the diagnosis stays well under the two seconds a real EPP port needs to
// read 8 MB, and a write-back of an unchanged card costs one read of it.
// Prints figures; it passes or fails nothing.
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "cartridge/AreaDiagnosis.h"
#include "cartridge/FlashImageWriter.h"
#include "cartridge/Patterns.h"
#include "sim/SimulatedCard.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint32_t kFlashBytes = 0x800000;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::vector<std::uint8_t> Pattern() {
    std::vector<std::uint8_t> bytes(kFlashBytes);
    cartridge::PatternBlock block;
    for (std::uint32_t start = 0; start < kFlashBytes; start += cartridge::PatternBytes) {
        cartridge::FillFlashPattern(block, start);
        std::copy(block.begin(), block.end(), bytes.begin() + start);
    }
    return bytes;
}

void TimeDiagnosis(const char* name, const std::vector<std::uint8_t>& expected, const std::vector<std::uint8_t>& got) {
    double best = 1e9;
    std::vector<std::string> lines;
    for (int round = 0; round < 3; ++round) {
        const auto start = Clock::now();
        lines = cartridge::DiagnoseArea({.start = 0, .expected = expected, .got = got, .eraseBlockBytes = 0x20000});
        best = std::min(best, Seconds(Clock::now() - start));
    }
    std::printf("diagnosis of 8 MB, %-22s %7.3f s  -> %s\n", name, best, lines.empty() ? "(none)" : lines[0].c_str());
}

class NoProgress final : public cartridge::TransferProgress {
public:
    void TransferStart(std::uint32_t) override {}
    void TransferDone(std::uint32_t) override {}
};

}  // namespace

int main() {
    const std::vector<std::uint8_t> expected = Pattern();

    std::vector<std::uint8_t> scattered = expected;
    std::mt19937 random(1);
    for (int i = 0; i < 5000; ++i) scattered[random() % kFlashBytes] ^= static_cast<std::uint8_t>(1 + random() % 255);
    TimeDiagnosis("scattered damage:", expected, scattered);

    std::vector<std::uint8_t> stuck = expected;
    for (std::uint32_t a = 0; a < kFlashBytes; ++a) stuck[a] = expected[a | 0x20000];
    TimeDiagnosis("address line stuck:", expected, stuck);

    std::vector<std::uint8_t> shorted = expected;
    const std::uint32_t both = 0x600000;  // A21 and A22, the last pair tried
    for (std::uint32_t a = 0; a < kFlashBytes; ++a)
        shorted[a] = expected[(a & both) == both ? a : a & ~both];
    TimeDiagnosis("address lines shorted:", expected, shorted);

    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    portio::ScopedPortBackend scope(card);
    NoProgress progress;
    std::vector<std::uint8_t> image(kFlashBytes);
    for (auto& b : image) b = static_cast<std::uint8_t>(random());
    auto start = Clock::now();
    cartridge::WriteFlashImage(image, progress);
    const double erased = Seconds(Clock::now() - start);
    start = Clock::now();
    const cartridge::FlashImageWrite again = cartridge::WriteFlashImage(image, progress);
    const double unchanged = Seconds(Clock::now() - start);
    std::printf("image writer, 8 MB, simulated card: erased card %.3f s, card holding the image %.3f s "
                "(%u of %u blocks left alone)\n",
                erased, unchanged, again.unchanged, again.blocks);
    return 0;
}
