#include <gtest/gtest.h>

#include "cartridge/AdapterLink.h"
#include "cartridge/FlashAreaTest.h"
#include "cartridge/SaverAreaTest.h"
#include "cartridge/tests/RecordingReport.h"
#include "portio/PortRecorder.h"
#include "sim/SimulatedCard.h"

namespace cartridge {
namespace {

using test::RecordingReport;
using Range = RecordingReport::Range;

sim::CardConfig Card(const char* text) { return sim::ParseCardConfig(text); }

TEST(FlashAreaTest, IntelCardIsErasedEvery128KBAndHoldsThePatternAfterward) {
    sim::SimulatedCard card(Card("intel64"));
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    ProgramFlashArea(report, 0, 0x800000);
    EXPECT_EQ(card.EraseCount(), 64);
    EXPECT_EQ(report.starts, (std::vector<Range>{{0, 512}}));
    EXPECT_EQ(report.stepsPerStart, (std::vector<int>{512}));
    EXPECT_TRUE(report.lines.empty());

    // Every byte holds the pattern, the last buffer of each erase block too
    // (its confirm is written after the 32 data bytes).
    PatternBlock expected;
    for (std::uint32_t block = 0; block < 0x800000; block += PatternBytes) {
        FillFlashPattern(expected, block);
        for (std::uint32_t i = 0; i < PatternBytes; ++i)
            ASSERT_EQ(card.FlashCell(block + i), expected[i]) << std::hex << block + i;
    }

    VerifyFlashArea(report, 0, 0x800000);
    EXPECT_EQ(report.stepsPerStart, (std::vector<int>{512, 512}));
    EXPECT_TRUE(report.lines.empty());
    EXPECT_FALSE(report.ErrorFlag);
}

TEST(FlashAreaTest, SharpCardIsErasedEvery64KB) {
    sim::SimulatedCard card(Card("sharp32"));
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    ProgramFlashArea(report, 0, 0x400000);
    VerifyFlashArea(report, 0, 0x400000);
    EXPECT_EQ(card.EraseCount(), 64);
    EXPECT_EQ(report.stepsPerStart, (std::vector<int>{256, 256}));
    EXPECT_TRUE(report.lines.empty());
}

// A report that asks for the thorough verify.
class ThoroughReport : public RecordingReport {
public:
    bool Thorough() const override { return true; }
};

TEST(FlashAreaTest, AThoroughVerifyComparesEveryByteWithTheSameAccesses) {
    sim::SimulatedCard card(Card("sharp32,flash-bad=0x4321:0"));
    {
        portio::ScopedPortBackend scope(card);
        RecordingReport programmed;
        ProgramFlashArea(programmed, 0, 0x8000);
    }
    RecordingReport sample;
    portio::PortRecorder sampleAccesses(&card);
    {
        portio::ScopedPortBackend scope(sampleAccesses);
        VerifyFlashArea(sample, 0, 0x8000);
    }
    ThoroughReport thorough;
    portio::PortRecorder thoroughAccesses(&card);
    {
        portio::ScopedPortBackend scope(thoroughAccesses);
        VerifyFlashArea(thorough, 0, 0x8000);
    }
    EXPECT_TRUE(sample.lines.empty());  // 0x4321 lies outside the sample
    EXPECT_EQ(thorough.lines, (std::vector<std::string>{"err $004321 00 : 90", "Flash Area: 1 of 32768 bytes differ",
                                                        "1 byte differs at 0x004321: a single bad cell"}));
    EXPECT_TRUE(thorough.ErrorFlag);
    EXPECT_EQ(sampleAccesses.Accesses(), thoroughAccesses.Accesses());
}

TEST(FlashAreaTest, ShortOrUnknownAreasDoNoWork) {
    sim::SimulatedCard card(Card("intel64"));
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    ProgramFlashArea(report, 0, 16383);
    EXPECT_EQ(card.EraseCount(), 0);
    EXPECT_EQ(report.starts, (std::vector<Range>{{0, 0}}));

    sim::SimulatedCard none(Card("none"));
    portio::ScopedPortBackend noCard(none);
    RecordingReport silent;
    ProgramFlashArea(silent, 0, 0x400000);
    EXPECT_TRUE(silent.lines.empty());
    EXPECT_TRUE(silent.starts.empty());
    EXPECT_FALSE(silent.ErrorFlag);
}

TEST(FlashAreaTest, VerifyOfAnUnknownCardIsReportedNotPassed) {
    sim::SimulatedCard none(Card("none"));
    portio::ScopedPortBackend scope(none);
    RecordingReport report;
    VerifyFlashArea(report, 0, 0x400000);
    EXPECT_EQ(report.lines, (std::vector<std::string>{"No card Found      "}));
    EXPECT_TRUE(report.ErrorFlag);
    EXPECT_TRUE(report.starts.empty());
}

TEST(FlashAreaTest, AllOnesCardStopsAfterTheFirstBlockWithMore) {
    portio::PortRecorder ports;
    ports.QueueReads({0x89, 0x17});  // the identifier, then 0xFF everywhere
    portio::ScopedPortBackend scope(ports);
    RecordingReport report;
    VerifyFlashArea(report, 0, 0x800000);
    ASSERT_EQ(report.lines.size(), 2048u + 1);  // the whole first block, all 32-of-256 bytes
    EXPECT_EQ(report.lines.front(), "err $000000 FF : 00");
    EXPECT_EQ(report.lines[1], "err $000001 FF : 00");
    EXPECT_EQ(report.lines[3], "err $000003 FF : 01");
    EXPECT_EQ(report.lines[32], "err $000100 FF : 00");
    EXPECT_EQ(report.lines.back(), "more...");
    EXPECT_EQ(report.stepsPerStart, (std::vector<int>{1}));
}

sim::CardConfig IntelWithBadBytes(int count) {
    sim::CardConfig config;
    for (int i = 0; i < count; ++i)  // compared bytes only: offsets 0..31 of each burst
        config.flashBad.push_back({static_cast<std::uint32_t>(256 * i + 5), 0x55});
    return config;
}

TEST(FlashAreaTest, ErrorLimitIsCheckedBeforeEachBlockOnly) {
    for (int bad : {99, 100}) {
        sim::SimulatedCard card(IntelWithBadBytes(bad));
        portio::ScopedPortBackend scope(card);
        RecordingReport report;
        ProgramFlashArea(report, 0, 0x800000);
        VerifyFlashArea(report, 0, 0x800000);
        const bool limitReached = bad >= FlashErrorLimit;
        // 100 stuck bytes span two 16 KB blocks (64 bursts per block).
        EXPECT_EQ(report.lines.size(), static_cast<std::size_t>(bad) + (limitReached ? 1 : 0)) << bad;
        EXPECT_EQ(report.lines.back() == "more...", limitReached) << bad;
        EXPECT_EQ(report.stepsPerStart.back(), limitReached ? 2 : 512) << bad;
        EXPECT_EQ(report.lines.front(), "err $000005 55 : 02");
    }
}

TEST(SaverAreaTest, EachByteGoesOutTwiceInARow) {
    portio::PortRecorder ports;
    portio::ScopedPortBackend scope(ports);
    FillSaverPattern(PatternBuffer, 0);
    WriteSaverChunk(0, PatternBuffer);
    std::vector<std::uint16_t> data;
    for (const auto& a : ports.Accesses())
        if (a.port == PortEppData) data.push_back(a.value);
    // modes 0x88, 0x98, three address bytes, 256 data bytes, idle
    ASSERT_EQ(data.size(), 2u + 3 + 256 + 1);
    EXPECT_EQ(data[0], 0x88);
    EXPECT_EQ(data[1], 0x98);
    for (int i = 0; i < 128; ++i) {
        ASSERT_EQ(data[5 + 2 * i], i);
        ASSERT_EQ(data[6 + 2 * i], i);
    }
    EXPECT_EQ(data.back(), 0x80);
}

TEST(SaverAreaTest, GoodSaverPassesWith65StepsOver513Chunks) {
    sim::SimulatedCard card(Card("sharp32"));
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    WriteSaverArea(report, 0, 0x20000);
    for (std::uint32_t x = 0; x < 0x20000; ++x) ASSERT_EQ(card.SaverCell(x), SaverPattern(x)) << x;
    VerifySaverArea(report, 0, 0x20000);
    EXPECT_EQ(report.starts, (std::vector<Range>{{0, 8}, {0, 64}}));
    EXPECT_EQ(report.stepsPerStart, (std::vector<int>{8, 65}));
    EXPECT_TRUE(report.lines.empty());
    EXPECT_FALSE(report.ErrorFlag);
}

TEST(SaverAreaTest, VerifyReadsChunk512ButNotBeyond) {
    sim::CardConfig config = Card("intel64,saver-bad=0x10000:0,saver-bad=0x10080:0,saver-bad=0x10020:0");
    sim::SimulatedCard card(config);
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    WriteSaverArea(report, 0, 0x20000);
    VerifySaverArea(report, 0, 0x20000);
    // 0x10020 is in chunk 512 but past its 32 compared bytes; 0x10080 is chunk 513.
    EXPECT_EQ(report.lines, (std::vector<std::string>{"err $010000 00 : 01"}));
}

TEST(SaverAreaTest, MissingSaverStopsAfterTheFirstChunk) {
    sim::SimulatedCard card(Card("intel64,no-saver"));
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    WriteSaverArea(report, 0, 0x20000);
    VerifySaverArea(report, 0, 0x20000);
    ASSERT_EQ(report.lines.size(), 32u);
    EXPECT_EQ(report.lines.front(), "err $000000 FF : 00");
    EXPECT_EQ(report.lines.back(), "err $00001F FF : 1F");
    EXPECT_EQ(report.stepsPerStart.back(), 1);
}

TEST(SaverAreaTest, TwentyMismatchesAreToleratedTheTwentyFirstStops) {
    sim::CardConfig config = Card("intel64");
    for (std::uint32_t x = 0; x < 20; ++x) config.saverBad.push_back({x, 0xEE});
    config.saverBad.push_back({128 * 5 + 3, 0xEE});  // chunk 5
    config.saverBad.push_back({128 * 6, 0xEE});      // chunk 6: never read
    sim::SimulatedCard card(config);
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    WriteSaverArea(report, 0, 0x20000);
    VerifySaverArea(report, 0, 0x20000);
    ASSERT_EQ(report.lines.size(), 21u);
    EXPECT_EQ(report.lines.back(), "err $000283 EE : 85");
    EXPECT_EQ(report.stepsPerStart.back(), 1);
    EXPECT_EQ(card.Mode(), ModeIdle);
}

TEST(SaverAreaTest, ShortLengthWritesNothingButVerifiesOneChunk) {
    portio::PortRecorder ports;
    ports.defaultRead = 0x0000;
    portio::ScopedPortBackend scope(ports);
    RecordingReport report;
    WriteSaverArea(report, 0, 100);
    EXPECT_TRUE(ports.Accesses().empty());
    VerifySaverArea(report, 0, 100);
    EXPECT_EQ(report.starts, (std::vector<Range>{{0, 0}, {0, 0}}));
    // one chunk: 31 of its first 32 pattern bytes are not zero
    EXPECT_EQ(report.lines.size(), 31u);
}

}  // namespace
}  // namespace cartridge
