// Runs without --simulate through the real ppdev and direct-port backends,
// with fake devices in the kernel's and the processor's place that route
// the EPP cycles to a simulated card.
#include <linux/parport.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "cartridge/FlashCommands.h"
#include "cartridge/Patterns.h"
#include "cli/CliMain.h"
#include "files/OutputFile.h"
#include "cli/tests/CliRun.h"
#include "cli/tests/SameAsSimulated.h"
#include "portio/PpdevSystem.h"
#include "portio/RawIoSystem.h"
#include "portio/fakes/FakeParportDevice.h"
#include "portio/fakes/FakeRawIo.h"
#include "sim/SimulatedCard.h"

namespace runner {
namespace {

using test::Cli;
using test::CliRun;
using test::FileContents;
using test::ScratchDirectory;

constexpr std::uint16_t kPcieBase = 0xD010;

// A simulated card behind /dev/parport0 and behind the ports from 0xD010.
struct FakeHardware {
    explicit FakeHardware(const char* kind) : card(sim::ParseCardConfig(kind)), device(card), io(card, kPcieBase) {
        portio::SetPpdevSystem(&device);
        portio::SetRawIoSystem(&io);
    }
    ~FakeHardware() {
        portio::SetPpdevSystem(nullptr);
        portio::SetRawIoSystem(nullptr);
    }
    // The device was left as the kernel would want it.
    void ExpectReleased() const {
        EXPECT_FALSE(device.IsOpen());
        EXPECT_EQ(device.releases, device.claims);
        EXPECT_EQ(device.closes, device.opens);
        EXPECT_EQ(device.misuses, 0);
        EXPECT_EQ(device.closeNegotiations, 0);  // no strobes on the adapter's lines at the end
        EXPECT_FALSE(io.Granted());
        EXPECT_EQ(io.ungranted, 0);
    }
    sim::SimulatedCard card;
    portio::fakes::FakeParportDevice device;
    portio::fakes::FakeRawIo io;
};

// The same run on a fresh card of `kind`, once simulated and once through
// `port`: the logs, the traces and the saver backups are the same.
void ExpectSameAsSimulated(const char* kind, const std::string& port, const std::vector<std::string>& args) {
    ScratchDirectory dir("real-same");
    FakeHardware hardware(kind);
    test::ExpectSameAsSimulated(dir, kind, port, args);
    hardware.ExpectReleased();
    EXPECT_EQ(hardware.device.opens + (hardware.io.grants > 0 ? 1 : 0), 1) << port;
}

TEST(RealHardwareTest, RunsThroughEitherBackendMatchTheSimulatorsLogsAndTraces) {
    ExpectSameAsSimulated("sharp32,saver-bad=0x21:0x00", "/dev/parport0", {"--no-flash"});
    ExpectSameAsSimulated("sharp64", "0xD010", {"--no-flash"});
}

TEST(RealHardwareTest, AWholeRunGivesTheSimulatorsLog) {
    const char* const kind = "sharp64,flash-bad=0x400101:0x12";
    const CliRun expected = Cli({std::string("--simulate=") + kind});
    FakeHardware hardware(kind);
    const CliRun run = Cli({});  // the default: /dev/parport0
    EXPECT_EQ(run.status, ExitProblem);
    EXPECT_EQ(run.out, expected.out);
    EXPECT_NE(run.out.find("err $400101 12 : C0\n"), std::string::npos) << run.out;
    hardware.ExpectReleased();
    EXPECT_EQ(hardware.device.opens, 1);
}

TEST(RealHardwareTest, ADumpOfEachCardKindIsWhatTheCardHolds) {
    const struct {
        const char* kind;
        std::uint32_t size;
        const char* found;
        std::uint32_t stuck;  // the address of a byte that always reads 0x00, or none
    } cards[] = {{"intel64,flash-bad=0x7FFFFF:0x00", 0x800000, "64Mbit(Intel) Card Found", 0x7FFFFF},
                 {"sharp64", 0x800000, "64Mbit(Sharp) Card Found", ~0u},
                 {"sharp32", 0x400000, "32Mbit(Sharp) Card Found", ~0u}};
    for (const auto& card : cards) {
        FakeHardware hardware(card.kind);
        {
            // Blocks of different patterns at the start, in the second part's
            // place and at the end; the rest stays erased.
            portio::ScopedPortBackend scope(hardware.card);
            cartridge::ResetFlashBanks();
            for (std::uint32_t block : {0x000000u, 0x410000u % card.size, card.size - 0x10000}) {
                cartridge::FillFlashPattern(cartridge::PatternBuffer, block + 0x4000);
                ASSERT_TRUE(cartridge::EraseFlashBlock(block));
                for (std::uint32_t j = 0; j < cartridge::PatternBytes / 32; ++j)
                    ASSERT_TRUE(cartridge::ProgramFlashBuffer(block + 32 * j, cartridge::PatternBuffer));
            }
        }
        const int erases = hardware.card.EraseCount();
        ScratchDirectory dir("real-dump");
        const std::string dump = dir.File("flash.bin"), saves = dir.File("saves.bin");
        const CliRun run = Cli({"--only-read", "--read-flash=" + dump, "--backup-saver=" + saves});
        EXPECT_EQ(run.status, ExitClean) << card.kind << ": " << run.err;
        EXPECT_EQ(run.out, std::string(card.found) + "\n* read Flash Area\nFlash Area saved to '" + dump + "'.\n" +
                               test::DigestLineOf(dump) + "* backup SAVER Area\nSAVER Area saved to '" + saves +
                               "'.\n" + test::DigestLineOf(saves) + "End of Diagnostic.      \n");
        // Reading only: the saver keeps what it held (the simulator's RAM starts cleared).
        EXPECT_EQ(FileContents(saves), std::string(0x20000, '\0')) << card.kind;
        EXPECT_EQ(hardware.card.SaverCell(0x1234), 0x00) << card.kind;
        const std::string bytes = FileContents(dump);
        ASSERT_EQ(bytes.size(), card.size) << card.kind;
        std::uint32_t differing = 0, programmed = 0;
        for (std::uint32_t a = 0; a < card.size; ++a) {
            const std::uint8_t held = a == card.stuck ? 0x00 : hardware.card.FlashCell(a);
            differing += static_cast<std::uint8_t>(bytes[a]) != held;
            programmed += held != 0xFF;
        }
        EXPECT_EQ(differing, 0u) << card.kind;
        EXPECT_GT(programmed, 2 * 0x4000u) << card.kind;
        EXPECT_EQ(hardware.card.EraseCount(), erases) << card.kind;
        hardware.ExpectReleased();
    }
}

// Each refusal's text is tested with its backend; here: the runner's way out.
TEST(RealHardwareTest, APortThatCannotBeUsedIsExit2WithWhatIsMissing) {
    const struct {
        const char* what;
        void (*setUp)(FakeHardware&);
        std::vector<std::string> args;
        std::string said;
    } refusals[] = {
        {"no device", [](FakeHardware& h) { h.device.exists = false; }, {},
         "flashdiag-cli: no parallel port device '/dev/parport0': load the kernel's ppdev module"},
        {"not root", [](FakeHardware& h) { h.io.permitError = EPERM; }, {"--port=0xD010"},
         "flashdiag-cli: no permission for direct access to the ports 0xD010-0xD017: run as root"},
        {"held by the printer driver", [](FakeHardware& h) { h.device.holder = "lp0"; }, {},
         "flashdiag-cli: '/dev/parport0' is in use: the kernel names 'lp0' as the port's holder"},
        {"an ECR without EPP mode", [](FakeHardware& h) { h.io.ecr = portio::fakes::FakeRawIo::Ecr::NoEppMode; },
         {"--port=0xD010"},
         "flashdiag-cli: the port at 0xD010 is an ECP port whose extended control register (0xD412) does not "
         "take EPP mode"},
    };
    for (const auto& refusal : refusals) {
        FakeHardware hardware("intel64");
        refusal.setUp(hardware);
        ScratchDirectory dir("real-refusal");
        std::vector<std::string> args = refusal.args;
        args.push_back("--backup-saver=" + dir.File("saves.bin"));
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, ExitUsage) << refusal.what;
        EXPECT_EQ(run.err.rfind(refusal.said, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "") << refusal.what;
        EXPECT_TRUE(dir.Names().empty()) << refusal.what;
        EXPECT_EQ(hardware.device.blockedClaims, 0) << refusal.what;
        hardware.ExpectReleased();
    }
}

TEST(RealHardwareTest, ABackupThatFailsStopsBeforeAnyErase) {
    for (const char* port : {"/dev/parport0", "0xD010"}) {
        FakeHardware hardware("intel64");
        // The saver does not answer: every read in the saver stream mode times out.
        const auto silentSaver = [&hardware](bool read) { return read && hardware.card.Mode() == 0x98; };
        hardware.device.timesOut = silentSaver;
        hardware.io.timesOut = silentSaver;
        ScratchDirectory dir("real-failed-backup");
        const CliRun run = Cli({std::string("--port=") + port, "--backup-saver=" + dir.File("saves.bin")});
        EXPECT_EQ(run.status, ExitProblem) << port;
        EXPECT_EQ(run.out,
                  "64Mbit(Intel) Card Found\n* backup SAVER Area\nSAVER Area not saved: the port reported 131072 "
                  "failed transfers (is the adapter connected and powered, the port in EPP mode?)\n"
                  "Run stopped before anything was erased.\nEnd of Diagnostic.      \n")
            << port;
        EXPECT_EQ(hardware.card.EraseCount(), 0) << port;
        EXPECT_EQ(hardware.card.FlashCell(0), 0xFF) << port;
        EXPECT_TRUE(dir.Names().empty()) << port;
        hardware.ExpectReleased();
    }
}

// Firmware and the kernel's probe leave an ECP port's ECR out of EPP mode;
// direct access puts it there for the run, says so, and puts it back.
TEST(RealHardwareTest, AnEcpPortThroughDirectAccessIsSwitchedToEppModeAndFindsTheCard) {
    FakeHardware hardware("sharp32");
    hardware.io.ecr = portio::fakes::FakeRawIo::Ecr::Present;
    hardware.io.ecrValue = 0x34;  // mode 001
    const CliRun run = Cli({"--port=0xD010", "--no-flash", "--no-saver"});
    EXPECT_EQ(run.status, ExitClean) << run.err;
    EXPECT_EQ(run.out, "32Mbit(Sharp) Card Found\nEnd of Diagnostic.      \n");
    EXPECT_EQ(run.err, "flashdiag-cli: the port at 0xD010 is an ECP port: its extended control register (0xD412) is "
                       "set to EPP mode for the run and back to 0x35 afterwards\n");
    EXPECT_EQ(hardware.io.ecrValue, 0x34);
    hardware.ExpectReleased();
}

// Through ppdev the kernel itself drives such a port, rewriting the control
// register around every transfer: the run goes on and says so.
TEST(RealHardwareTest, AnEcpEppPortThroughPpdevIsWarnedAbout) {
    const CliRun expected = Cli({"--simulate=sharp32", "--no-flash", "--no-saver"});
    FakeHardware hardware("sharp32");
    hardware.device.modes |= PARPORT_MODE_ECP;
    const CliRun run = Cli({"--no-flash", "--no-saver"});
    EXPECT_EQ(run.status, ExitClean);
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err.rfind("flashdiag-cli: warning: the port behind '/dev/parport0' is an ECP+EPP port: the "
                            "kernel sets its control register to 0x04 before every EPP write and to 0x24",
                            0),
              0u)
        << run.err;
    hardware.ExpectReleased();
}

TEST(RealHardwareTest, ABackupThatCannotBeWrittenLeavesNoFileAndStopsBeforeAnyErase) {
    FakeHardware hardware("sharp32");
    ScratchDirectory dir("real-full-disk");
    const std::string saves = dir.File("saves.bin");
    // The file system takes no more than 64 KB of a file.
    const CliRun run = [&] {
        files::test::FileSizeLimit limit(0x10000);
        return Cli({"--backup-saver=" + saves});
    }();
    EXPECT_EQ(run.status, ExitProblem);
    EXPECT_NE(run.out.find("SAVER Area not saved: cannot write '" + dir.File(".saves.bin.partial") +
                           "': File too large\nRun stopped before anything was erased.\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(hardware.card.EraseCount(), 0);
    EXPECT_TRUE(dir.Names().empty());
}

TEST(RealHardwareTest, CtrlCReleasesThePortAndSaysHowFarTheRunCame) {
    ScratchDirectory dir("real-interrupt");
    const std::string saves = dir.File("saves.bin");
    FakeHardware hardware("sharp32");
    // Ctrl+C arrives while the flash is being programmed.
    hardware.device.beforeTransfer = [&hardware](std::uint64_t) {
        if (hardware.card.EraseCount() == 3) std::raise(SIGINT);
    };
    const CliRun run = Cli({"--backup-saver=" + saves});
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(run.out, "32Mbit(Sharp) Card Found\n* backup SAVER Area\nSAVER Area saved to '" + saves + "'.\n" +
                           test::DigestLineOf(saves) + "* Program Flash Area\n");
    EXPECT_EQ(run.err, "flashdiag-cli: interrupted during 'Program Flash Area' at step 8 of 256; the port is "
                       "released\nflashdiag-cli: the saver's contents are in '" + saves + "'; --restore-saver=" +
                       saves + " --no-flash --no-saver writes them back\n");
    EXPECT_EQ(FileContents(saves).size(), 0x20000u);
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);  // the runner's handler is gone again
    hardware.ExpectReleased();

    // Through the direct port instructions, while the backup is read: no file.
    FakeHardware raw("sharp32");
    // Ctrl+C once the backup has read 52 KB (the saver's byte x sits at adapter address 2x).
    bool raised = false;
    raw.io.beforeInstruction = [&raw, &raised](std::uint64_t) {
        const std::uint32_t address = raw.card.Address();
        if (raised || raw.card.Mode() != 0x98 || address < 2 * 52 * 1024 || address >= 2 * 128 * 1024) return;
        raised = true;
        std::raise(SIGINT);
    };
    const CliRun during = Cli({"--port=0xD010", "--backup-saver=" + saves, "--force"});
    EXPECT_EQ(during.status, 130);
    EXPECT_EQ(during.err, "flashdiag-cli: interrupted during 'backup SAVER Area' at 48 of 128 KB; the port is "
                          "released\n");
    EXPECT_EQ(FileContents(saves).size(), 0x20000u);  // the earlier backup stays
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"saves.bin"});
    raw.ExpectReleased();
}

}  // namespace
}  // namespace runner
