// --thorough: every byte read is compared and every mismatch counted.
#include <gtest/gtest.h>

#include <string>

#include "cli/CliMain.h"
#include "cli/tests/CliRun.h"

namespace runner {
namespace {

using test::Cli;
using test::CliRun;

// The number of lines of `text` that begin with `prefix`.
int LinesStartingWith(const std::string& text, const std::string& prefix) {
    int n = 0;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        if (text.compare(at, prefix.size(), prefix) == 0) ++n;
        if (text.find('\n', at) == std::string::npos) break;
    }
    return n;
}

TEST(ThoroughTest, ABadByteOutsideTheSampleIsFoundAndCounted) {
    // 0x1234 lies past the first 32 bytes of its 256: the sample misses it.
    EXPECT_EQ(Cli({"--simulate=intel64,flash-bad=0x1234:0x00", "--no-saver"}).status, ExitClean);

    CliRun run = Cli({"--simulate=intel64,flash-bad=0x1234:0x00,saver-bad=0x1FFFF:0", "--thorough"});
    EXPECT_EQ(run.status, ExitProblem);
    EXPECT_EQ(run.out,
              "64Mbit(Intel) Card Found\n* Program Flash Area\n* Verify Flash Area\nerr $001234 00 : 09\n"
              "Flash Area: 1 of 8388608 bytes differ\n1 byte differs at 0x001234: a single bad cell\n"
              "* write SAVER Area\n* verify SAVER Area\nerr $01FFFF 00 : FF\nSAVER Area: 1 of 131072 bytes differ\n"
              "1 byte differs at 0x01FFFF: a single bad cell\n"
              "End of Diagnostic.      \n");

    CliRun clean = Cli({"--simulate=sharp32", "--thorough"});
    EXPECT_EQ(clean.status, ExitClean);
    EXPECT_NE(clean.out.find("Flash Area: 0 of 4194304 bytes differ\nFlash Area Pass.\n"), std::string::npos);
    EXPECT_NE(clean.out.find("SAVER Area: 0 of 131072 bytes differ\nSAVER Area Pass.\n"), std::string::npos);
}

TEST(ThoroughTest, LinesStopAtTheLimitButEveryMismatchIsCounted) {
    CliRun run = Cli({"--simulate=sharp32,no-saver", "--thorough", "--no-flash", "--no-size-check"});
    // No saver: every byte reads 0xFF; the pattern is 0xFF once in 256.
    EXPECT_EQ(LinesStartingWith(run.out, "err $"), 21);
    EXPECT_NE(run.out.find("SAVER Area: 130560 of 131072 bytes differ\n"
                           "every byte reads 0xFF: nothing answers at these addresses\n"),
              std::string::npos);

    CliRun flash = Cli({"--simulate=sharp32,vpp-low", "--thorough", "--no-saver"});
    EXPECT_EQ(LinesStartingWith(flash.out, "err $"), 100);
    EXPECT_NE(flash.out.find("more...\nFlash Area: "), std::string::npos);
    EXPECT_NE(flash.out.find(" bytes differ\nevery byte reads 0xFF: the flash took no program\n"), std::string::npos);
}

}  // namespace
}  // namespace runner
