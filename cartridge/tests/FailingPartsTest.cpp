// Whole flash passes on cards whose parts fail the way real parts do (a
// weak cell, a locked block, an erase that fails, low programming voltage,
// a slow erase): the mismatches stay where the fault is, and no byte of a
// program stream ever reaches a part as a command.
#include <gtest/gtest.h>

#include <cstdio>

#include "cartridge/FlashAreaTest.h"
#include "cartridge/FlashCommands.h"
#include "cartridge/Patterns.h"
#include "cartridge/tests/RecordingReport.h"
#include "sim/SimulatedCard.h"

namespace cartridge {
namespace {

using test::RecordingReport;

struct Outcome {
    std::vector<std::string> lines;
    int streamCommands;
    int protectionPrograms;
};

Outcome ProgramAndVerify(sim::SimulatedCard& card, std::int32_t size) {
    card.SetBusyStatusNoise(true);  // a wait must look at bit 7 alone
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    ProgramFlashArea(report, 0, size);
    VerifyFlashArea(report, 0, size);
    return {report.lines, card.StreamBytesTakenAsCommands(), card.ProtectionPrograms()};
}

// The address of an "err $AAAAAA RR : EE" line.
std::uint32_t LineAddress(const std::string& line) {
    unsigned address = 0;
    EXPECT_EQ(std::sscanf(line.c_str(), "err $%6x", &address), 1) << line;
    return address;
}

TEST(FailingPartsTest, OneWeakCellGivesExactlyOneErrorLine) {
    sim::SimulatedCard card(sim::ParseCardConfig("intel64,flash-weak=0x100010"));
    const Outcome outcome = ProgramAndVerify(card, 0x800000);
    PatternBlock expected;
    FillFlashPattern(expected, 0x100000);
    EXPECT_EQ(outcome.lines, std::vector<std::string>{ErrorLine(0x100010, 0xFF, expected[0x10])});
    EXPECT_EQ(outcome.streamCommands, 0);
    EXPECT_EQ(outcome.protectionPrograms, 0);
    // Every other byte of the block, the rest of its buffer too, holds the pattern.
    EXPECT_EQ(card.FlashCell(0x100011), expected[0x11]);
    EXPECT_EQ(card.FlashCell(0x100040), expected[0x40]);
}

TEST(FailingPartsTest, BlocksThatCannotChangeGiveLinesOnlyInsideThemAndKeepTheirLocks) {
    struct Case {
        const char* card;
        std::uint32_t block, blockSize;
    };
    const Case cases[] = {
        {"sharp64,flash-locked=0x210000", 0x210000, 0x10000},
        {"intel64,erase-fail=0x020000", 0x020000, 0x20000},
        {"sharp32,flash-locked=0x3F0000,erase-fail=0x3F8000", 0x3F0000, 0x10000},
    };
    for (const Case& c : cases) {
        sim::CardConfig config = sim::ParseCardConfig(c.card);
        // Something other than the pattern in the block beforehand, so that
        // a block that is not erased shows.
        sim::SimulatedCard card(config);
        {
            portio::ScopedPortBackend scope(card);
            PatternBlock zeros{};
            for (std::uint32_t a = c.block; a < c.block + c.blockSize; a += 32) ProgramFlashBuffer(a, zeros);
        }
        const Outcome outcome = ProgramAndVerify(card, config.kind == sim::CardKind::Sharp32 ? 0x400000 : 0x800000);
        ASSERT_FALSE(outcome.lines.empty()) << c.card;
        EXPECT_EQ(outcome.lines.back(), "more...") << c.card;
        for (std::size_t i = 0; i + 1 < outcome.lines.size(); ++i) {
            const std::uint32_t address = LineAddress(outcome.lines[i]);
            EXPECT_TRUE(address >= c.block && address < c.block + c.blockSize) << c.card << ": " << outcome.lines[i];
        }
        EXPECT_EQ(outcome.streamCommands, 0) << c.card;
        EXPECT_EQ(outcome.protectionPrograms, 0) << c.card;
        if (!config.flashLocked.empty()) {
            EXPECT_TRUE(card.BlockLocked(c.block)) << c.card;
        }
    }
}

TEST(FailingPartsTest, LowProgrammingVoltageFailsEveryBufferWithoutStrayCommands) {
    sim::SimulatedCard card(sim::ParseCardConfig("sharp32,vpp-low"));
    const Outcome outcome = ProgramAndVerify(card, 0x400000);
    ASSERT_GT(outcome.lines.size(), 100u);  // the limit is checked after each 16 KB block
    EXPECT_EQ(outcome.lines[0], ErrorLine(0, 0xFF, 0x00));
    EXPECT_EQ(outcome.lines.back(), "more...");
    EXPECT_EQ(outcome.streamCommands, 0);
    EXPECT_EQ(outcome.protectionPrograms, 0);
}

TEST(FailingPartsTest, AnEraseSlowerThanTheClockCheckStillCompletes) {
    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    card.PartFor(0)->SetEraseBusyReads(5000);
    portio::ScopedPortBackend scope(card);
    EXPECT_TRUE(EraseFlashBlock(0x000000));
    EXPECT_EQ(FlashWaitBound(), std::chrono::milliseconds(16000));
}

}  // namespace
}  // namespace cartridge
