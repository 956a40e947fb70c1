#include "cartridge/AreaDiagnosis.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace cartridge {
namespace {

// A few scattered bad bytes are named one by one; more are "no single fault".
constexpr std::size_t ScatteredCellLimit = 8;
// More blocks than this failing to erase is no longer "a block" but a part.
constexpr std::size_t EraseBlockLimit = 4;

std::string Address(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(address));
    return text;
}

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

class Diagnosis {
public:
    explicit Diagnosis(const AreaReadout& readout) : r_(readout) {
        for (std::uint32_t i = 0; i < r_.got.size(); ++i)
            if (r_.got[i] != r_.expected[i]) mismatches_.push_back(i);
        const std::uint64_t end = std::uint64_t{r_.start} + r_.got.size();
        for (int bit = 0; bit < 32 && (std::uint64_t{1} << bit) < end; ++bit) ++addressBits_;
    }

    std::vector<std::string> Run() {
        if (mismatches_.empty()) return {};
        for (auto rule : {&Diagnosis::NothingAnswers, &Diagnosis::StuckDataLines, &Diagnosis::StuckAddressLines,
                          &Diagnosis::ShortedAddressLines, &Diagnosis::Unprogrammed, &Diagnosis::UnerasedBlocks,
                          &Diagnosis::BadCells}) {
            std::vector<std::string> lines = (this->*rule)();
            if (!lines.empty()) return lines;
        }
        return {"no single fault explains these " + std::to_string(mismatches_.size()) +
                " mismatches (several faults, or a card that reads differently each time)"};
    }

private:
    std::string Line(int bit) const {
        char name[8];
        std::snprintf(name, sizeof name, "A%d", bit + r_.lineOfBit0);
        return name;
    }

    // Every byte the same: an erased flash that took no program, or a chip
    // that does not drive the bus.
    std::vector<std::string> NothingAnswers() {
        const std::uint8_t first = r_.got[0];
        if (std::any_of(r_.got.begin(), r_.got.end(), [&](std::uint8_t b) { return b != first; })) return {};
        char line[120];
        if (first == 0xFF && r_.eraseBlockBytes)
            std::snprintf(line, sizeof line, "every byte reads 0xFF: the flash took no program");
        else
            std::snprintf(line, sizeof line, "every byte reads 0x%02X: nothing answers at these addresses", first);
        return {line};
    }

    // A bit that has one value in every byte read, where the pattern varies it.
    std::vector<std::string> StuckDataLines() {
        std::uint8_t gotOr = 0, gotAnd = 0xFF, expectedOr = 0, expectedAnd = 0xFF;
        for (std::size_t i = 0; i < r_.got.size(); ++i) {
            gotOr |= r_.got[i];
            gotAnd &= r_.got[i];
            expectedOr |= r_.expected[i];
            expectedAnd &= r_.expected[i];
        }
        const std::uint8_t stuckHigh = gotAnd & ~expectedAnd;
        const std::uint8_t stuckLow = ~gotOr & expectedOr;
        const std::uint8_t stuck = stuckHigh | stuckLow;
        if (stuck == 0) return {};
        std::vector<std::string> lines;
        for (int bit = 0; bit < 8; ++bit) {
            if (!(stuck & (1u << bit))) continue;
            const bool high = stuckHigh & (1u << bit);
            char line[80];
            std::snprintf(line, sizeof line, "data line D%d stuck at %d (every byte read has bit %d %s)", bit,
                          high ? 1 : 0, bit, high ? "set" : "cleared");
            lines.push_back(line);
        }
        std::size_t unexplained = 0;
        for (std::uint32_t i : mismatches_)
            if (r_.got[i] != ((r_.expected[i] & ~stuck) | stuckHigh)) ++unexplained;
        if (unexplained)
            lines.push_back(std::to_string(unexplained) + " of the " + std::to_string(mismatches_.size()) +
                            " mismatches differ in other bits too, which the stuck line alone does not explain");
        return lines;
    }

    // Whether a mismatch is explained by its address reaching the same cell
    // as the other `members` of its class: all read one byte, and that byte
    // is what programming some of them leaves in a shared cell (one value,
    // or the bits they all keep).
    bool SharesCell(std::uint32_t offset, const std::vector<std::uint32_t>& members) const {
        const std::uint8_t got = r_.got[offset];
        std::vector<std::uint8_t> values;
        for (std::uint32_t address : members) {
            if (address < r_.start || address - r_.start >= r_.got.size()) return false;
            const std::uint32_t other = address - r_.start;
            if (r_.got[other] != got) return false;
            values.push_back(r_.expected[other]);
        }
        for (unsigned subset = 1; subset < (1u << values.size()); ++subset) {
            std::uint8_t kept = 0xFF;
            for (std::size_t k = 0; k < values.size(); ++k)
                if (subset & (1u << k)) kept &= values[k];
            if (kept == got) return true;
        }
        return false;
    }

    template <typename ClassOf>
    bool EveryMismatchShares(ClassOf classOf) const {
        if (mismatches_.size() < 2) return false;
        std::vector<std::uint32_t> members;
        for (std::uint32_t offset : mismatches_) {
            members.clear();
            if (!classOf(r_.start + offset, members) || !SharesCell(offset, members)) return false;
        }
        return true;
    }

    std::vector<std::string> StuckAddressLines() {
        std::vector<std::string> lines;
        for (int bit = 0; bit < addressBits_; ++bit) {
            const std::uint32_t mask = 1u << bit;
            const bool fits = EveryMismatchShares([&](std::uint32_t address, std::vector<std::uint32_t>& members) {
                members = {address, address ^ mask};
                return true;
            });
            if (fits)
                lines.push_back("address line " + Line(bit) + " stuck at 0 or 1 (addresses that differ only in bit " +
                                std::to_string(bit) + " read the same bytes)");
        }
        return lines;
    }

    // Two lines shorted together carry both 0 when either is driven low
    // (or both 1 when either is driven high): the addresses that differ
    // only in those bits, but for one combination, reach one cell.
    std::vector<std::string> ShortedAddressLines() {
        for (int a = 0; a < addressBits_; ++a)
            for (int b = a + 1; b < addressBits_; ++b)
                for (const bool lowWins : {true, false}) {
                    const std::uint32_t both = (1u << a) | (1u << b);
                    const std::uint32_t alone = lowWins ? both : 0;  // the combination left on its own
                    const bool fits =
                        EveryMismatchShares([&](std::uint32_t address, std::vector<std::uint32_t>& members) {
                            if ((address & both) == alone) return false;
                            const std::uint32_t rest = address & ~both;
                            for (std::uint32_t combination : {0u, 1u << a, 1u << b, both})
                                if (combination != alone) members.push_back(rest | combination);
                            return true;
                        });
                    if (fits)
                        return {"address lines " + Line(a) + " and " + Line(b) +
                                " shorted (addresses that differ only in bits " + std::to_string(a) + " and " +
                                std::to_string(b) + " read the same bytes " +
                                (lowWins ? "unless both are set)" : "unless both are clear)")};
                }
        return {};
    }

    std::vector<std::string> Unprogrammed() {
        if (mismatches_.size() < 2 ||
            std::any_of(mismatches_.begin(), mismatches_.end(), [&](std::uint32_t i) { return r_.got[i] != 0xFF; }))
            return {};
        return {Count(mismatches_.size(), "byte", "bytes") + " from " + Address(r_.start + mismatches_.front()) +
                " to " + Address(r_.start + mismatches_.back()) + " read 0xFF: they were never written"};
    }

    // Programming over cells that kept old data only clears bits: what was
    // read has no bit the pattern does not have, in a few erase blocks.
    std::vector<std::string> UnerasedBlocks() {
        if (r_.eraseBlockBytes == 0 || mismatches_.size() < 2) return {};
        std::set<std::uint32_t> blocks;
        for (std::uint32_t i : mismatches_) {
            if (r_.got[i] & ~r_.expected[i]) return {};
            blocks.insert((r_.start + i) / r_.eraseBlockBytes * r_.eraseBlockBytes);
        }
        if (blocks.size() > EraseBlockLimit) return {};
        std::string names;
        for (std::uint32_t block : blocks) names += (names.empty() ? "" : ", ") + Address(block);
        if (blocks.size() == 1)
            return {"erase block " + names + " did not erase (its bytes keep bits cleared that the pattern sets)"};
        return {"erase blocks " + names + " did not erase (their bytes keep bits cleared that the pattern sets)"};
    }

    std::vector<std::string> BadCells() {
        if (mismatches_.size() == 1)
            return {"1 byte differs at " + Address(r_.start + mismatches_[0]) + ": a single bad cell"};
        if (mismatches_.size() > ScatteredCellLimit) return {};
        std::string names;
        for (std::uint32_t i : mismatches_) names += (names.empty() ? "" : ", ") + Address(r_.start + i);
        return {std::to_string(mismatches_.size()) + " bytes differ at " + names + ": bad cells"};
    }

    const AreaReadout& r_;
    std::vector<std::uint32_t> mismatches_;
    int addressBits_ = 0;
};

}  // namespace

std::vector<std::string> DiagnoseArea(const AreaReadout& readout) {
    if (readout.got.empty() || readout.got.size() != readout.expected.size()) return {};
    return Diagnosis(readout).Run();
}

}  // namespace cartridge
