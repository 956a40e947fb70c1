// A thorough run names the fault of a simulated card with a broken line or
// block, and a simulated card can hold a game and saves before the run.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "cli/CliMain.h"
#include "cli/tests/CliRun.h"

namespace runner {
namespace {

using test::Cli;
using test::CliRun;
using test::FileContents;
using test::RandomBytes;
using test::WriteTestFile;
using test::ScratchDirectory;

// The log without its mismatch lines.
std::string Summary(const std::string& log) {
    std::string out;
    for (std::size_t at = 0; at < log.size();) {
        std::size_t end = log.find('\n', at);
        if (end == std::string::npos) end = log.size() - 1;
        if (log.compare(at, 5, "err $") != 0) out += log.substr(at, end + 1 - at);
        at = end + 1;
    }
    return out;
}



TEST(DiagnosisTest, AddressLineFaultsAreNamedInBothAreas) {
    const std::string stuck = "address line A17 stuck at 0 or 1 (addresses that differ only in bit 17 read the same bytes)\n";
    for (const char* value : {"0", "1"}) {
        CliRun run = Cli({std::string("--simulate=intel64,addr-stuck=17:") + value, "--thorough"});
        EXPECT_EQ(run.status, ExitProblem);
        EXPECT_NE(Summary(run.out).find("more...\nFlash Area: 2113536 of 8388608 bytes differ\n" + stuck),
                  std::string::npos)
            << run.out.substr(0, 300);
        // Saver byte x sits at card address 2x: its bit 16 is line A17.
        EXPECT_NE(run.out.find("SAVER Area: 65536 of 131072 bytes differ\naddress line A17 stuck at 0 or 1 "
                               "(addresses that differ only in bit 16 read the same bytes)\n"),
                  std::string::npos);
    }

    CliRun shorted = Cli({"--simulate=sharp64,addr-short=12:13", "--thorough", "--no-saver"});
    EXPECT_NE(Summary(shorted.out).find(" bytes differ\naddress lines A12 and A13 shorted (addresses that differ only "
                                        "in bits 12 and 13 read the same bytes unless both are set)\n"),
              std::string::npos)
        << shorted.out.substr(0, 300);

    // A line above the saver's A17 leaves the saver alone.
    CliRun high = Cli({"--simulate=sharp64,addr-stuck=20:1", "--thorough", "--no-flash"});
    EXPECT_EQ(high.status, ExitClean);
}

TEST(DiagnosisTest, AStuckDataLineStopsTheFlashAndIsNamedByTheSaver) {
    // Commands to the flash cross the same line: the part is not recognised.
    CliRun run = Cli({"--simulate=intel64,data-stuck=3:0", "--thorough"});
    EXPECT_EQ(run.status, ExitProblem);
    EXPECT_EQ(run.out, "No card Found      \nEnd of Diagnostic.      \n");

    CliRun saver = Cli({"--simulate=intel64,data-stuck=3:0", "--thorough", "--no-size-check", "--no-flash"});
    EXPECT_EQ(Summary(saver.out),
              "* write SAVER Area\n* verify SAVER Area\n"
              "SAVER Area: 65536 of 131072 bytes differ\n"
              "data line D3 stuck at 0 (every byte read has bit 3 cleared)\nEnd of Diagnostic.      \n")
        << saver.out.substr(0, 300);
}

TEST(DiagnosisTest, ABlockThatDoesNotEraseShowsUnderAGame) {
    ScratchDirectory dir("diagnosis-erase");
    WriteTestFile(dir.File("game.bin"), RandomBytes(0x800000, 3));
    CliRun run =
        Cli({"--simulate=intel64,erase-fail=0x40000,flash-image=" + dir.File("game.bin"), "--thorough", "--no-saver"});
    EXPECT_EQ(run.status, ExitProblem);
    EXPECT_NE(Summary(run.out).find(
                  " bytes differ\nerase block 0x040000 did not erase (its bytes keep bits cleared that the pattern sets)\n"),
              std::string::npos)
        << run.out.substr(0, 300);
}

TEST(DiagnosisTest, ACardHoldsItsImagesBeforeTheRun) {
    ScratchDirectory dir("diagnosis-images");
    const std::string game = RandomBytes(0x300001, 5);  // not a whole number of blocks
    const std::string saves = RandomBytes(0x1000, 6);
    WriteTestFile(dir.File("game.bin"), game);
    WriteTestFile(dir.File("saves.bin"), saves);
    CliRun run = Cli({"--simulate=sharp32,flash-image=" + dir.File("game.bin") + ",saver-image=" + dir.File("saves.bin"),
                      "--only-read", "--read-flash=" + dir.File("dump.bin"), "--backup-saver=" + dir.File("backup.bin")});
    ASSERT_EQ(run.status, ExitClean) << run.err;
    EXPECT_EQ(FileContents(dir.File("dump.bin")), game + std::string(0x400000 - game.size(), '\xFF'));
    EXPECT_EQ(FileContents(dir.File("backup.bin")), saves + std::string(0x20000 - saves.size(), '\0'));

    // An image that cannot be read or does not fit is refused before the run.
    WriteTestFile(dir.File("big.bin"), std::string(0x400001, '\0'));
    CliRun big = Cli({"--simulate=sharp32,flash-image=" + dir.File("big.bin")});
    EXPECT_EQ(big.status, ExitUsage);
    EXPECT_EQ(big.out, "");
    EXPECT_NE(big.err.find("holds 4194305 bytes, more than the flash's 4194304"), std::string::npos) << big.err;
    CliRun missing = Cli({"--simulate=intel64,saver-image=" + dir.File("none.bin")});
    EXPECT_EQ(missing.status, ExitUsage);
    EXPECT_NE(missing.err.find("cannot read the saver image"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace runner
