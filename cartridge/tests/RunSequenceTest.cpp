#include <gtest/gtest.h>

#include "cartridge/CardIdentification.h"
#include "cartridge/FlashCommands.h"
#include "cartridge/RunSequence.h"
#include "cartridge/tests/GoodRunLog.h"
#include "cartridge/tests/RecordingReport.h"
#include "portio/PortRecorder.h"
#include "sim/SimulatedCard.h"

namespace cartridge {
namespace {

using test::RecordingReport;
using Lines = std::vector<std::string>;

const std::string& kEnd = test::kEndLine;

struct RunResult {
    Lines lines;
    bool problem;
};

RunResult RunOn(const char* card, RecordingReport& report) {
    sim::SimulatedCard simulated(sim::ParseCardConfig(card));
    portio::ScopedPortBackend scope(simulated);
    bool problem = RunDiagnostic(report);
    return {report.lines, problem};
}

RunResult RunOn(const char* card) {
    RecordingReport report;
    return RunOn(card, report);
}

Lines GoodRun(const char* found) { return test::GoodRunLines(found); }

TEST(RunSequenceTest, EachCardKindGivesItsLogAndSize) {
    struct Case {
        const char* card;
        Lines log;
        std::int32_t size;
        bool problem;
    };
    const Case cases[] = {
        {"intel64", GoodRun("64Mbit(Intel) Card Found"), 0x800000, false},
        {"sharp64", GoodRun("64Mbit(Sharp) Card Found"), 0x800000, false},
        {"sharp32", GoodRun("32Mbit(Sharp) Card Found"), 0x400000, false},
        {"none", {"No card Found      ", kEnd}, 0, true},
    };
    for (const Case& c : cases) {
        RunResult result = RunOn(c.card);
        EXPECT_EQ(result.lines, c.log) << c.card;
        EXPECT_EQ(CardSize, c.size) << c.card;
        EXPECT_EQ(result.problem, c.problem) << c.card;
    }
}

TEST(RunSequenceTest, ChecksAreReadWhenTheRunReachesThem) {
    RecordingReport report;
    RunOn("none", report);
    EXPECT_EQ(report.checksRead, (std::vector<RunCheck>{RunCheck::FlashSize}));  // saver skipped: no card

    RecordingReport full;
    RunOn("sharp32", full);
    EXPECT_EQ(full.checksRead, (std::vector<RunCheck>{RunCheck::FlashSize, RunCheck::FlashArea, RunCheck::SaverArea}));
    EXPECT_EQ(full.clears, 1);
}

TEST(RunSequenceTest, AllChecksOffMakesNoPortAccessAndAssumes32Mbit) {
    portio::PortRecorder ports;
    portio::ScopedPortBackend scope(ports);
    RecordingReport report;
    report.sizeCheck = report.flashCheck = report.saverCheck = false;
    CardSize = 0;
    EXPECT_FALSE(RunDiagnostic(report));
    EXPECT_EQ(report.lines, (Lines{kEnd}));
    EXPECT_EQ(CardSize, 0x400000);
    EXPECT_TRUE(ports.Accesses().empty());
}

TEST(RunSequenceTest, SizeCheckOffWithoutCardReportsNoCardInsteadOfPass) {
    RecordingReport report;
    report.sizeCheck = false;
    report.saverCheck = false;
    RunResult result = RunOn("none", report);
    EXPECT_EQ(result.lines, (Lines{"* Program Flash Area", "* Verify Flash Area", "No card Found      ", kEnd}));
    EXPECT_TRUE(result.problem);
}

TEST(RunSequenceTest, SizeCheckOffTestsOnly32MbitOfA64MbitCard) {
    RecordingReport report;
    report.sizeCheck = false;
    report.saverCheck = false;
    RunResult result = RunOn("intel64", report);
    EXPECT_EQ(result.lines, (Lines{"* Program Flash Area", "* Verify Flash Area", "Flash Area Pass.", kEnd}));
    EXPECT_EQ(report.stepsPerStart, (std::vector<int>{256, 256}));
}

TEST(RunSequenceTest, EachAreaCheckCanBeLeftOut) {
    RecordingReport noFlash;
    noFlash.flashCheck = false;
    EXPECT_EQ(RunOn("sharp64", noFlash).lines,
              (Lines{"64Mbit(Sharp) Card Found", "* write SAVER Area", "* verify SAVER Area", "SAVER Area Pass.", kEnd}));
    RecordingReport noSaver;
    noSaver.saverCheck = false;
    EXPECT_EQ(RunOn("sharp64", noSaver).lines,
              (Lines{"64Mbit(Sharp) Card Found", "* Program Flash Area", "* Verify Flash Area", "Flash Area Pass.", kEnd}));
}

TEST(RunSequenceTest, FaultsShowAsErrorLinesAndSuppressOnlyTheirPassLine) {
    RunResult flash = RunOn("sharp64,flash-bad=0x400101:0x12");
    EXPECT_EQ(flash.lines, (Lines{"64Mbit(Sharp) Card Found", "* Program Flash Area", "* Verify Flash Area",
                                  "err $400101 12 : C0", "* write SAVER Area", "* verify SAVER Area",
                                  "SAVER Area Pass.", kEnd}));
    EXPECT_TRUE(flash.problem);

    RunResult saver = RunOn("sharp32,saver-bad=0x101:0");
    EXPECT_EQ(saver.lines, (Lines{"32Mbit(Sharp) Card Found", "* Program Flash Area", "* Verify Flash Area",
                                  "Flash Area Pass.", "* write SAVER Area", "* verify SAVER Area",
                                  "err $000101 00 : 02", kEnd}));
    EXPECT_TRUE(saver.problem);

    RecordingReport noSaver;
    noSaver.flashCheck = false;
    RunResult missing = RunOn("intel64,no-saver", noSaver);
    ASSERT_EQ(missing.lines.size(), 1u + 2 + 32 + 1);
    EXPECT_EQ(missing.lines[3], "err $000000 FF : 00");
}

TEST(RunSequenceTest, HungFlashPartEndsTheProgramPassWithOneLine) {
    SetFlashWaitBound(std::chrono::milliseconds(30));
    RecordingReport report;
    report.saverCheck = false;
    RunResult result = RunOn("intel64,flash-hang", report);
    SetFlashWaitBound(DefaultFlashWaitBound);
    // The hung part answers only its busy status, so the verify finds no
    // identifier either.
    EXPECT_EQ(result.lines, (Lines{"64Mbit(Intel) Card Found", "* Program Flash Area", "err $000000 flash not ready",
                                   "* Verify Flash Area", "No card Found      ", kEnd}));
    EXPECT_TRUE(result.problem);
    EXPECT_EQ(report.stepsPerStart, (std::vector<int>{0}));
}

TEST(RunSequenceTest, SecondRunOnTheSameCardPassesAgain) {
    // The second run programs over the first run's pattern: every status
    // wait must read the part it programs, not a neighbour holding data.
    for (const char* kind : {"sharp64", "intel64", "sharp32"}) {
        sim::SimulatedCard card(sim::ParseCardConfig(kind));
        portio::ScopedPortBackend scope(card);
        SetFlashWaitBound(std::chrono::milliseconds(200));
        RecordingReport report;
        EXPECT_FALSE(RunDiagnostic(report)) << kind;
        EXPECT_FALSE(RunDiagnostic(report)) << kind << ": " << report.lines[2];
        SetFlashWaitBound(DefaultFlashWaitBound);
        EXPECT_EQ(report.lines.size(), 8u) << kind;
    }
}

TEST(RunSequenceTest, SecondRunStartsAfreshOnAnotherCard) {
    RecordingReport report;
    RunOn("intel64", report);
    EXPECT_EQ(CardSize, 0x800000);
    RunResult second = RunOn("sharp32", report);
    EXPECT_EQ(second.lines, GoodRun("32Mbit(Sharp) Card Found"));
    EXPECT_EQ(CardSize, 0x400000);
    EXPECT_EQ(report.clears, 2);
}

}  // namespace
}  // namespace cartridge

namespace cartridge {
namespace {

// Logs where the stages run; stops the checks when told to.
class MarkingStages final : public RunStages {
public:
    explicit MarkingStages(bool goOn) : goOn_(goOn) {}
    bool BeforeAreaChecks(RunReport& report) override {
        report.AppendLine("before");
        return goOn_;
    }
    void AfterAreaChecks(RunReport& report) override { report.AppendLine("after"); }

private:
    bool goOn_;
};

TEST(RunSequenceTest, StagesRunAroundTheAreaChecksOnlyWhenThereIsACard) {
    sim::SimulatedCard card(sim::ParseCardConfig("sharp32"));
    portio::ScopedPortBackend scope(card);
    RecordingReport report;
    report.flashCheck = false;
    MarkingStages goOn(true);
    RunDiagnostic(report, &goOn);
    EXPECT_EQ(report.lines, (Lines{"32Mbit(Sharp) Card Found", "before", "* write SAVER Area", "* verify SAVER Area",
                                   "SAVER Area Pass.", "after", kEnd}));

    MarkingStages stop(false);
    RunDiagnostic(report, &stop);
    EXPECT_EQ(report.lines, (Lines{"32Mbit(Sharp) Card Found", "before", kEnd}));
    EXPECT_EQ(card.EraseCount(), 0);

    sim::SimulatedCard none(sim::ParseCardConfig("none"));
    portio::ScopedPortBackend noCard(none);
    RunDiagnostic(report, &goOn);
    EXPECT_EQ(report.lines, (Lines{"No card Found      ", kEnd}));
}

}  // namespace
}  // namespace cartridge
