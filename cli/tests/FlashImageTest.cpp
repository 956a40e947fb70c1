// Images in and out of the card: --write-flash, --verify-flash, the
// checksums of every image, and --keep, which leaves the card as it was.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "cli/CliMain.h"
#include "cli/Digests.h"
#include "cli/tests/CardOnThePort.h"
#include "cli/tests/CliRun.h"

namespace runner {
namespace {

using test::CardOnThePort;
using test::Cli;
using test::CliRun;
using test::FileContents;
using test::RandomBytes;
using test::WriteTestFile;
using test::ScratchDirectory;



std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string Flash(const CardOnThePort& port, std::uint32_t size) {
    std::string bytes(size, '\0');
    for (std::uint32_t a = 0; a < size; ++a) bytes[a] = static_cast<char>(port.card.FlashCell(a));
    return bytes;
}

TEST(FlashImageTest, ChecksumsAreTheStandardOnes) {
    EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
    EXPECT_EQ(Crc32(Bytes("")), 0u);
    EXPECT_EQ(Sha1Hex(Bytes("")), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(Sha1Hex(Bytes("abc")), "a9993e364706816aba3e25717850c26c9cd0d89d");
    // 56 bytes: the length no longer fits the first block.
    EXPECT_EQ(Sha1Hex(Bytes("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    EXPECT_EQ(Sha1Hex(Bytes(std::string(1000000, 'a'))), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
    EXPECT_EQ(DigestLine("x.bin", Bytes("abc")),
              "'x.bin': 3 bytes, CRC-32 352441C2, SHA-1 a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST(FlashImageTest, AnImageIsWrittenWhereItDiffersAndComparedByteForByte) {
    ScratchDirectory dir("image-write");
    const std::string game = RandomBytes(0x300000, 1), patched = [&] {
        std::string bytes = game;
        bytes[0x123456] = 0x00;  // clears bits only
        bytes[0x2F0000] = '\xFF';
        return bytes;
    }();
    WriteTestFile(dir.File("game.bin"), game);
    WriteTestFile(dir.File("patched.bin"), patched);
    CardOnThePort port("sharp32");
    const std::string g = dir.File("game.bin"), p = dir.File("patched.bin");

    CliRun write = Cli({"--no-flash", "--no-saver", "--write-flash=" + g, "--verify-flash=" + g});
    EXPECT_EQ(write.status, ExitClean) << write.err;
    EXPECT_EQ(write.out, "32Mbit(Sharp) Card Found\n* write Flash Area\n" + DigestLine(g, Bytes(game)) +
                             "\nFlash Area written and verified: 48 erase blocks, 0 erased, 0 already held the "
                             "image.\n* verify Flash Area against '" + g + "'\n" + DigestLine(g, Bytes(game)) +
                             "\nFlash Area matches '" + g + "'.\nEnd of Diagnostic.      \n");
    EXPECT_EQ(Flash(port, 0x300000), game);

    CliRun patch = Cli({"--no-flash", "--no-saver", "--write-flash=" + p});
    EXPECT_EQ(patch.status, ExitClean) << patch.err;
    EXPECT_NE(patch.out.find("48 erase blocks, 1 erased, 46 already held the image."), std::string::npos) << patch.out;
    EXPECT_EQ(port.card.EraseCount(), 1);
    EXPECT_EQ(Flash(port, 0x400000), patched + std::string(0x100000, '\xFF'));

    CliRun compare = Cli({"--only-read", "--verify-flash=" + g});
    EXPECT_EQ(compare.status, ExitProblem);
    EXPECT_NE(compare.out.find("\nerr $123456 00 : " + [&] {
                  char hex[3];
                  std::snprintf(hex, sizeof hex, "%02X", static_cast<std::uint8_t>(game[0x123456]));
                  return std::string(hex);
              }() + "\nerr $2F0000 FF : "),
              std::string::npos)
        << compare.out;
    EXPECT_NE(compare.out.find("\nFlash Area: 2 of 3145728 bytes differ\nEnd of Diagnostic."), std::string::npos);
}

TEST(FlashImageTest, ImagesTheCardCannotTakeAreRefusedBeforeAnythingIsErased) {
    ScratchDirectory dir("image-refusals");
    WriteTestFile(dir.File("odd.bin"), "abc");
    WriteTestFile(dir.File("empty.bin"), "");
    WriteTestFile(dir.File("huge.bin"), std::string(0x800002, '\0'));
    WriteTestFile(dir.File("5mb.bin"), std::string(0x500000, '\0'));
    const struct {
        std::vector<std::string> args;
        std::string said;
    } refusals[] = {
        {{"--simulate=intel64", "--write-flash=" + dir.File("odd.bin")}, "holds 3 bytes: the flash takes 16-bit words"},
        {{"--simulate=intel64", "--verify-flash=" + dir.File("empty.bin"), "--no-flash"}, "is empty"},
        {{"--simulate=intel64", "--write-flash=" + dir.File("huge.bin")}, "larger than the largest card's flash"},
        {{"--simulate=intel64", "--write-flash=" + dir.File("none.bin")}, "cannot read"},
        {{"--simulate=intel64", "--verify-flash=x"}, "the flash check overwrites the flash before --verify-flash"},
        {{"--simulate=intel64", "--only-read", "--write-flash=x"}, "cannot go with --only-read"},
        {{"--simulate=intel64", "--no-size-check", "--keep"}, "need the size check"},
        {{"--simulate=intel64", "--keep", "--only-read"}, "--only-read changes nothing"},
        {{"--simulate=intel64", "--keep", "--backup-saver=x"}, "--keep makes its own dump and backup"},
        {{"--simulate=intel64", "--keep=" + dir.File("odd.bin")}, "is not a directory"},
        {{"--simulate=intel64", "--keep="}, "--keep= needs a directory"},
    };
    for (const auto& refusal : refusals) {
        CliRun run = Cli(refusal.args);
        EXPECT_EQ(run.status, ExitUsage) << refusal.said;
        EXPECT_NE(run.err.find(refusal.said), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << refusal.said;
    }

    CardOnThePort port("sharp32");
    CliRun big = Cli({"--write-flash=" + dir.File("5mb.bin")});
    EXPECT_EQ(big.status, ExitProblem);
    EXPECT_EQ(big.out, "32Mbit(Sharp) Card Found\nFlash image '" + dir.File("5mb.bin") +
                           "' holds 5242880 bytes, more than the card's 4194304.\n"
                           "Run stopped before anything was erased.\nEnd of Diagnostic.      \n");
    EXPECT_EQ(port.card.EraseCount(), 0);
}

class KeepTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteTestFile(dir.File("game.bin"), game);
        WriteTestFile(dir.File("saves.bin"), saves);
        std::filesystem::create_directory(dir.File("kept"));
    }
    std::string Card(const std::string& kind) const {
        return kind + ",flash-image=" + dir.File("game.bin") + ",saver-image=" + dir.File("saves.bin");
    }
    // The kept files, checked for their names: kind, date and time.
    std::vector<std::string> Kept(const char* kind) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.File("kept"))) {
            names.push_back(entry.path().filename().string());
            EXPECT_TRUE(std::regex_match(names.back(), std::regex(std::string("flashdiag-") + kind +
                                                                  "-20[0-9]{6}-[0-9]{6}-(flash|saver)\\.bin")))
                << names.back();
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchDirectory dir{"keep"};
    std::string game = RandomBytes(0x800000, 7), saves = RandomBytes(0x20000, 8);
};

TEST_F(KeepTest, ADiagnosisLeavesTheCardAsItWas) {
    CardOnThePort port(Card("intel64").c_str());
    CliRun run = Cli({"--keep=" + dir.File("kept"), "--thorough"});
    EXPECT_EQ(run.status, ExitClean) << run.err;
    EXPECT_NE(run.out.find("Flash Area Pass.\n"), std::string::npos);
    EXPECT_NE(run.out.find("SAVER Area Pass.\n"), std::string::npos);
    EXPECT_NE(run.out.find("SAVER Area restored.\nCard kept: its flash and saver are as before the run.\n"
                           "End of Diagnostic.      \n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Flash(port, 0x800000), game);
    EXPECT_EQ(port.Saver(), saves);
    const std::vector<std::string> kept = Kept("intel64");
    ASSERT_EQ(kept.size(), 2u);
    const std::filesystem::path keptDir = dir.File("kept");
    EXPECT_EQ(FileContents(keptDir / kept[0]), game);
    EXPECT_EQ(FileContents(keptDir / kept[1]), saves);
}

TEST_F(KeepTest, AWriteBackThatFailsSaysWhereTheContentsAreAndHowToWriteThemBack) {
    // A cell that will not program: the write-back cannot put the game back.
    std::uint32_t weak = 0x1000;
    while (game[weak] == '\xFF') ++weak;
    char card[64];
    std::snprintf(card, sizeof card, ",flash-weak=0x%X", static_cast<unsigned>(weak));
    CardOnThePort port((Card("sharp64") + card).c_str());
    CliRun run = Cli({"--keep=" + dir.File("kept"), "--no-saver"});
    EXPECT_EQ(run.status, ExitProblem);
    const std::vector<std::string> kept = Kept("sharp64");
    ASSERT_EQ(kept.size(), 2u);
    const std::filesystem::path keptDir = dir.File("kept");
    const std::string flash = (keptDir / kept[0]).string(), saver = (keptDir / kept[1]).string();
    EXPECT_NE(run.out.find("Flash Area not written: not as the image in the erase block at 0x000000.\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Card not as before the run. Its contents are in '" + flash + "' and '" + saver +
                           "'; flashdiag-cli --write-flash=" + flash + " --restore-saver=" + saver +
                           " --no-flash --no-saver writes them back.\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(FileContents(flash), game);
}

TEST_F(KeepTest, CtrlCDuringTheChecksStillWritesTheCardBack) {
    game.resize(0x400000);
    WriteTestFile(dir.File("game.bin"), game);
    CardOnThePort port(Card("sharp32").c_str());
    port.beforeAccess = [&port, raised = false]() mutable {
        if (!raised && port.card.EraseCount() == 3) {
            raised = true;
            std::raise(SIGINT);
        }
    };
    CliRun run = Cli({"--keep=" + dir.File("kept")});
    EXPECT_EQ(run.status, 130);
    EXPECT_NE(run.out.find("* Program Flash Area\n* write Flash Area\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Card kept: its flash and saver are as before the run.\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "flashdiag-cli: interrupted during 'Program Flash Area' at step 8 of 256; the port is "
                       "released\n");
    EXPECT_EQ(Flash(port, 0x400000), game);
    EXPECT_EQ(port.Saver(), saves);
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);
}

}  // namespace
}  // namespace runner
