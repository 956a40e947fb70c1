// Runs through the InpOut backend, with the project's stand-in for the DLL
// (portio/fakes/FakeInpOutDll.cpp) loaded from a folder next to this test
// program: the real LoadLibrary, GetProcAddress and calls through the DLL's
// exports, a port chip and a simulated card behind them.
#include <windows.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliMain.h"
#include "cli/tests/CliRun.h"
#include "cli/tests/SameAsSimulated.h"
#include "portio/InpOutPort.h"
#include "portio/PlatformPort.h"

namespace runner {
namespace {

using test::Cli;
using test::CliRun;
using test::FileContents;
using test::ScratchDirectory;

const char* const kVariables[] = {"FLASHDIAG_FAKE_INPOUT_CARD",     "FLASHDIAG_FAKE_INPOUT_BASE",
                                  "FLASHDIAG_FAKE_INPOUT_DRIVER",   "FLASHDIAG_FAKE_INPOUT_TIMEOUTS",
                                  "FLASHDIAG_FAKE_INPOUT_CLEAR",    "FLASHDIAG_FAKE_INPOUT_ECR",
                                  "FLASHDIAG_FAKE_INPOUT_REPORT"};

std::string TestDirectory() {
    std::array<char, MAX_PATH + 1> path{};
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    const std::string program(path.data(), length);
    return program.substr(0, program.find_last_of("\\/"));
}

// The stand-in DLL of `folder` (next to this program) as the one the
// backend loads, told what to be through its environment variables; its
// report is read once a run has unloaded it.
class FakeInpOut {
public:
    explicit FakeInpOut(const char* card, const std::string& folder = "fake-inpout")
        : dir_("inpout"), directory_(TestDirectory() + "\\" + folder) {
        portio::SetInpOutDirectory(&directory_);
        Set("FLASHDIAG_FAKE_INPOUT_CARD", card);
        Set("FLASHDIAG_FAKE_INPOUT_REPORT", dir_.File("report.txt"));
    }
    ~FakeInpOut() {
        portio::SetInpOutDirectory(nullptr);
        for (const char* name : kVariables) SetEnvironmentVariableA(name, nullptr);
    }
    static void Set(const char* name, const std::string& value) { SetEnvironmentVariableA(name, value.c_str()); }
    std::string Path() const { return directory_ + "\\" + portio::InpOutLibraryName(); }
    // What the DLL wrote when it was unloaded; "" when it never was loaded.
    std::string Report() const { return FileContents(dir_.File("report.txt")); }
    const ScratchDirectory& Files() const { return dir_; }

private:
    ScratchDirectory dir_;
    std::string directory_;
};

// The same run on a fresh card of `kind`, once simulated and once through
// the DLL: the logs, the traces and the saver backups are the same.
void ExpectSameAsSimulated(const char* kind, const std::string& port, const std::vector<std::string>& args) {
    FakeInpOut fake(kind);
    test::ExpectSameAsSimulated(fake.Files(), kind, port, args);
    // Every access reached the chip's own ports, and no time-out was left set.
    const std::string report = fake.Report();
    EXPECT_EQ(report.find("calls 0 "), std::string::npos) << report;
    EXPECT_NE(report.find(" ungranted 0 timeout-flag 0 "), std::string::npos) << report;
}

TEST(InpOutTest, RunsThroughTheDllMatchTheSimulatorsLogsTracesAndBackups) {
    ExpectSameAsSimulated("sharp32,saver-bad=0x21:0x00", "inpout", {"--no-flash"});
    FakeInpOut::Set("FLASHDIAG_FAKE_INPOUT_BASE", "D010");
    ExpectSameAsSimulated("sharp64", "inpout:0xD010", {"--no-flash"});
}

TEST(InpOutTest, AWholeRunGivesTheSimulatorsLog) {
    const char* const kind = "sharp64,flash-bad=0x400101:0x12";
    const CliRun expected = Cli({std::string("--simulate=") + kind});
    FakeInpOut fake(kind);
    const CliRun run = Cli({"--port=inpout"});
    EXPECT_EQ(run.status, ExitProblem) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, expected.out);
    EXPECT_NE(run.out.find("err $400101 12 : C0\n"), std::string::npos) << run.out;
}

// Each refusal names the file and what to do, exits with 2, makes no file
// and no port access.
TEST(InpOutTest, ADllThatCannotBeUsedIsExit2WithTheFileAndWhatToDo) {
    const std::string name = portio::InpOutLibraryName();
    const struct {
        const char* what;
        const char* folder;
        bool driverClosed;
        std::string said;  // after "flashdiag-cli: " and before the DLL's path
        std::string then;  // what follows the path
    } refusals[] = {
        {"no DLL", "no-inpout-here", false, "cannot load '", "' (there is no such file): put the InpOut DLL for"},
        {"an export missing", "fake-inpout-no-word", false, "'",
         "' has no function DlPortReadPortUshort: it is not the InpOut DLL, or a version without it; put the "
         "InpOut DLL for"},
        {"the driver not open", "fake-inpout", true, "the InpOut DLL '",
         "' could not open its driver: run the program once as administrator (right-click it, Run as "
         "administrator) so that the DLL can install its driver, then try again\n"},
    };
    for (const auto& refusal : refusals) {
        FakeInpOut fake("intel64", refusal.folder);
        if (refusal.driverClosed) FakeInpOut::Set("FLASHDIAG_FAKE_INPOUT_DRIVER", "closed");
        const std::string saves = fake.Files().File("saves.bin");
        const CliRun run = Cli({"--port=inpout", "--backup-saver=" + saves});
        EXPECT_EQ(run.status, ExitUsage) << refusal.what;
        EXPECT_EQ(run.err.rfind("flashdiag-cli: " + refusal.said + fake.Path() + refusal.then, 0), 0u) << run.err;
        if (!refusal.driverClosed) {
            EXPECT_NE(run.err.find(name + ", next to the program (it is not part of flashdiag), run the program "
                                          "once as administrator so that the DLL can install its driver"),
                      std::string::npos)
                << run.err;
        }
        EXPECT_EQ(run.out, "") << refusal.what;
        EXPECT_FALSE(std::filesystem::exists(saves)) << refusal.what;
        EXPECT_FALSE(std::filesystem::exists(fake.Files().File(".saves.bin.partial"))) << refusal.what;
        // The missing DLL never wrote a report; the others made no port call.
        EXPECT_EQ(fake.Report(), refusal.folder == std::string("no-inpout-here") ? "" : "calls 0\n")
            << refusal.what;
    }
}

TEST(InpOutTest, ABackupWithTimedOutTransfersIsRefusedBeforeAnyErase) {
    // The saver does not answer: every read in its stream mode times out,
    // on chips that clear the time-out flag each their own way.
    for (const char* clear : {"write-one", "write-zero", "double-read"}) {
        FakeInpOut fake("intel64");
        FakeInpOut::Set("FLASHDIAG_FAKE_INPOUT_TIMEOUTS", "saver-reads");
        FakeInpOut::Set("FLASHDIAG_FAKE_INPOUT_CLEAR", clear);
        const std::string saves = fake.Files().File("saves.bin");
        const CliRun run = Cli({"--port=inpout", "--backup-saver=" + saves});
        EXPECT_EQ(run.status, ExitProblem) << clear;
        EXPECT_EQ(run.out,
                  "64Mbit(Intel) Card Found\n* backup SAVER Area\nSAVER Area not saved: the port reported 131072 "
                  "failed transfers (is the adapter connected and powered, the port in EPP mode?)\n"
                  "Run stopped before anything was erased.\nEnd of Diagnostic.      \n")
            << clear;
        EXPECT_FALSE(std::filesystem::exists(saves)) << clear;
        EXPECT_NE(fake.Report().find(" timeout-flag 0 "), std::string::npos) << clear << ": " << fake.Report();
    }
}

TEST(InpOutTest, AnEcpPortIsSwitchedToEppModeForTheRunAndBack) {
    {
        FakeInpOut fake("sharp32");
        FakeInpOut::Set("FLASHDIAG_FAKE_INPOUT_ECR", "present");
        const CliRun run = Cli({"--port=inpout", "--no-flash", "--no-saver"});
        EXPECT_EQ(run.status, ExitClean) << run.err;
        EXPECT_EQ(run.out, "32Mbit(Sharp) Card Found\nEnd of Diagnostic.      \n");
        EXPECT_EQ(run.err, "flashdiag-cli: the port at 0x378 is an ECP port: its extended control register (0x77A) "
                           "is set to EPP mode for the run and back to 0x15 afterwards\n");
        EXPECT_NE(fake.Report().find(" ecr 14\n"), std::string::npos) << fake.Report();
    }
    // One without EPP mode is refused, with advice for this platform.
    FakeInpOut fake("sharp32");
    FakeInpOut::Set("FLASHDIAG_FAKE_INPOUT_ECR", "no-epp");
    const CliRun run = Cli({"--port=inpout", "--no-flash", "--no-saver"});
    EXPECT_EQ(run.status, ExitUsage);
    EXPECT_EQ(run.err, "flashdiag-cli: the port at 0x378 is an ECP port whose extended control register (0x77A) "
                       "does not take EPP mode: set the port to EPP or ECP+EPP in the firmware setup\n");
    EXPECT_EQ(run.out, "");
}

// Without --port the platform's driver is used as before; where it cannot
// start (always under Wine) and the DLL is next to the program, the runner
// says so and still makes no access.
TEST(InpOutTest, WhereThePortDriverCannotStartTheDllNextToTheProgramIsNamed) {
    {
        FakeInpOut fake("intel64");
        const CliRun run = Cli({"--no-flash", "--no-saver"});
        EXPECT_EQ(run.status, ExitProblem);
        EXPECT_EQ(run.err, "NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!\nflashdiag-cli: " +
                               std::string(portio::InpOutLibraryName()) +
                               " lies next to the program: --port=inpout drives the port at 0x378 through it "
                               "(--port=inpout:0xBASE for another base)\n");
        EXPECT_EQ(run.out, "No card Found      \nEnd of Diagnostic.      \n");
        EXPECT_EQ(fake.Report(), "");  // never loaded
    }
    FakeInpOut elsewhere("intel64", "no-inpout-here");
    EXPECT_EQ(Cli({"--no-flash", "--no-saver"}).err, "NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!\n");
}

}  // namespace
}  // namespace runner
