// Keeping the card's contents with a simulated card: the saver backup and
// restore, and the file safety around them (the flash dump and --only-read
// are tested through the ppdev backend).
#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "cartridge/AdapterLink.h"
#include "cartridge/Patterns.h"
#include "cartridge/SaverAreaTest.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleReport.h"
#include "cli/tests/CardOnThePort.h"
#include "cli/tests/CliRun.h"
#include "portio/PlatformPort.h"
#include "sim/SimulatedCard.h"

namespace runner {
namespace {

using test::CardOnThePort;
using test::Cli;
using test::CliRun;
using test::FileContents;
using test::WriteTestFile;
using test::ScratchDirectory;

const char* const kEnd = "End of Diagnostic.      \n";


// 128 KB that differ from the saver test's pattern and from 0x00 and 0xFF.
std::string SavesImage() {
    std::string image(cartridge::SaverBytes, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>((i * 7 + (i >> 9)) & 0xFF);
    return image;
}


TEST(CardKeepingTest, ASaverBackedUpBeforeTheRunIsRestoredAfterItAndVerified) {
    ScratchDirectory dir("keeping-roundtrip");
    const std::string saves = dir.File("saves.bin");
    CardOnThePort port("sharp32");
    port.FillSaver(SavesImage());

    CliRun run = Cli({"--no-flash", "--backup-saver=" + saves, "--restore-saver=" + saves});
    EXPECT_EQ(run.status, ExitClean) << run.err;
    EXPECT_EQ(run.out, "32Mbit(Sharp) Card Found\n* backup SAVER Area\nSAVER Area saved to '" + saves + "'.\n" +
                           test::DigestLineOf(saves) + "* write SAVER Area\n* verify SAVER Area\nSAVER Area Pass.\n"
                           "* restore SAVER Area\n* verify SAVER restore\nSAVER Area restored.\n" + kEnd);
    EXPECT_EQ(FileContents(saves), SavesImage());
    EXPECT_EQ(port.Saver(), SavesImage());  // the test's pattern is gone again
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"saves.bin"});

    // The backup is not replaced silently; the refusal comes before the port.
    CliRun again = Cli({"--backup-saver=" + saves});
    EXPECT_EQ(again.status, ExitUsage);
    EXPECT_EQ(again.err, "flashdiag-cli: '" + saves + "' exists; --force replaces it\n");
    EXPECT_EQ(again.out, "");
    port.FillSaver(std::string(cartridge::SaverBytes, '\x5A'));
    CliRun forced = Cli({"--backup-saver=" + saves, "--force", "--only-read"});
    EXPECT_EQ(forced.status, ExitClean) << forced.err;
    EXPECT_EQ(FileContents(saves), std::string(cartridge::SaverBytes, '\x5A'));
}

TEST(CardKeepingTest, ARestoreReportsTheBytesTheSaverDoesNotKeep) {
    ScratchDirectory dir("keeping-restore");
    const std::string saves = dir.File("saves.bin");
    WriteTestFile(saves, SavesImage());
    const std::uint8_t expected = static_cast<std::uint8_t>(SavesImage()[0x1234]);
    CardOnThePort port("sharp64,saver-bad=0x1234:0x00");
    CliRun run = Cli({"--no-flash", "--no-saver", "--restore-saver=" + saves});
    EXPECT_EQ(run.status, ExitProblem);
    EXPECT_EQ(run.out, "64Mbit(Sharp) Card Found\n* restore SAVER Area\n* verify SAVER restore\n" +
                           cartridge::ErrorLine(0x1234, 0x00, expected) + "\n" + kEnd);
    EXPECT_EQ(port.card.EraseCount(), 0);
}

TEST(CardKeepingTest, NoCardMeansNoFiles) {
    ScratchDirectory dir("keeping-nocard");
    const std::string dump = dir.File("flash.bin");
    CliRun run = Cli({"--simulate=none", "--read-flash=" + dump});
    EXPECT_EQ(run.status, ExitProblem);
    EXPECT_EQ(run.out, std::string("No card Found      \n") + kEnd);
    EXPECT_EQ(run.err, "flashdiag-cli: no card to read: '" + dump + "' was not written\n");
    EXPECT_TRUE(dir.Names().empty());
}

TEST(CardKeepingTest, BadCombinationsAndFilesAreRefusedBeforeThePort) {
    ScratchDirectory dir("keeping-refusals");
    WriteTestFile(dir.File("short.bin"), "saves");
    std::filesystem::create_directory(dir.File("sub"));
    const struct {
        std::vector<std::string> args;
        std::string said;
    } refusals[] = {
        {{"--simulate=intel64", "--port=/dev/parport0"}, "--simulate and --port exclude each other"},
        {{"--port=parport0"}, "bad --port 'parport0'"},
        {{"--port=0"}, "an I/O base lies between 0x1 and 0xFFF8"},
        {{"--port=0xFFFA"}, "an I/O base lies between 0x1 and 0xFFF8"},
        {{"--simulate=intel64", "--no-size-check", "--read-flash=x"}, "--read-flash needs the size check"},
        {{"--simulate=intel64", "--only-read", "--restore-saver=x"}, "cannot go with --only-read"},
        {{"--simulate=intel64", "--backup-saver="}, "--backup-saver needs a file name"},
        {{"--simulate=intel64", "--read-flash=-"}, "--read-flash needs a file name (stdout carries the log)"},
        {{"--simulate=intel64", "--read-flash=a", "--backup-saver=a"}, "need two different files"},
        {{"--simulate=intel64", "--restore-saver=" + dir.File("short.bin")},
         "is not a saver backup: a backup holds exactly 131072 bytes, this holds 5"},
        {{"--simulate=intel64", "--restore-saver=" + dir.File("missing.bin")}, "cannot read"},
        {{"--simulate=intel64", "--backup-saver=" + dir.File("sub"), "--force"}, "is not a regular file"},
        {{"--simulate=intel64", "--backup-saver=" + dir.File("nodir/saves.bin")}, "cannot create"},
    };
    for (const auto& refusal : refusals) {
        CliRun run = Cli(refusal.args);
        EXPECT_EQ(run.status, ExitUsage) << refusal.said;
        EXPECT_NE(run.err.find(refusal.said), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << refusal.said;
    }
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"short.bin", "sub"}));
}

TEST(CardKeepingTest, TransfersShowBytesRateAndTimeLeft) {
    EXPECT_EQ(TransferProgressText("read Flash Area", 1536 * 1024, 8192 * 1024, 4.0),
              "read Flash Area: 1536/8192 KB, 384 KB/s, 0:17 left");
    EXPECT_EQ(TransferProgressText("backup SAVER Area", 0, 128 * 1024, 0), "backup SAVER Area: 0/128 KB");
    EXPECT_EQ(TransferProgressText("read Flash Area", 16 * 1024, 8192 * 1024, 1.0),
              "read Flash Area: 16/8192 KB, 16 KB/s, 8:31 left");

    ScratchDirectory dir("keeping-progress");
    CliRun run = Cli({"--simulate=sharp32", "--only-read", "--backup-saver=" + dir.File("s.bin")}, true);
    EXPECT_EQ(run.status, ExitClean);
    EXPECT_NE(run.progress.find("\rbackup SAVER Area: 0/128 KB\r"), std::string::npos) << run.progress;
    EXPECT_NE(run.progress.find("\rbackup SAVER Area: 128/128 KB"), std::string::npos) << run.progress;
}

}  // namespace
}  // namespace runner
