#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "cartridge/tests/GoodRunLog.h"
#include "cli/CliMain.h"
#include "cli/CliOptions.h"
#include "cli/tests/CliRun.h"
#include "portio/NamedPort.h"
#include "portio/PlatformPort.h"
#ifdef __linux__
#include "portio/PpdevSystem.h"
#include "portio/fakes/FakeParportDevice.h"
#endif
#include "sim/SimulatedCard.h"

namespace runner {
namespace {

using test::Cli;
using test::CliRun;
using test::Contents;

TEST(CliTest, LogLinesOnStdoutAndExitStatusByOutcome) {
    CliRun good = Cli({"--simulate=sharp32"});
    EXPECT_EQ(good.status, ExitClean);
    EXPECT_EQ(good.out, cartridge::test::GoodRunText("32Mbit(Sharp) Card Found"));
    EXPECT_EQ(good.err, "");

    CliRun none = Cli({"--simulate=none"});
    EXPECT_EQ(none.status, ExitProblem);
    EXPECT_EQ(none.out, "No card Found      \nEnd of Diagnostic.      \n");

    CliRun bad = Cli({"--simulate=sharp32,saver-bad=7:0", "--no-flash", "--no-size-check"});
    EXPECT_EQ(bad.status, ExitProblem);
    EXPECT_EQ(bad.out, "* write SAVER Area\n* verify SAVER Area\nerr $000007 00 : 07\nEnd of Diagnostic.      \n");
}

TEST(CliTest, UsageErrorsExitWith2AndSayWhy) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--simulate=intel65"}, {"--simulate=intel64", "--fast"}, {"--trace="}, {"run"},
             {"--simulate=sharp32,flash-bad=0x400101:0x12"}, {"--simulate=none,no-saver"}}) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.status, ExitUsage) << args.back();
        EXPECT_NE(run.err.find("usage: flashdiag-cli"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_NE(Cli({"--simulate=intel65"}).err.find("unknown card kind 'intel65'"), std::string::npos);
    EXPECT_EQ(Cli({"--help"}).status, ExitClean);
}

// What --port=inpout[:BASE] means is tested with the shared flags
// (portchoice/tests); here, that the runner refuses it without Windows.
TEST(CliTest, PortInpOutNeedsAWindowsBuild) {
    if (!portio::CanOpenNamedPort(portio::PortAddress::Kind::InpOut)) {
        const CliRun run = Cli({"--port=inpout", "--no-size-check"});
        EXPECT_EQ(run.status, ExitUsage);
        EXPECT_EQ(run.err.rfind("flashdiag-cli: --port=inpout needs a Windows build", 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(CliTest, WithoutSimulationTheRunnerNeverPretendsACardIsThere) {
#ifdef __linux__
    // No parallel port here: the default device is missing.
    sim::SimulatedCard unplugged(sim::ParseCardConfig("none"));
    portio::fakes::FakeParportDevice device(unplugged);
    device.exists = false;
    portio::SetPpdevSystem(&device);
#endif
    CliRun run = Cli({});
#ifdef __linux__
    portio::SetPpdevSystem(nullptr);
#endif
    if (portio::HasNamedPorts()) {
        EXPECT_EQ(run.status, ExitUsage);
        EXPECT_EQ(run.err.rfind("flashdiag-cli: no parallel port device '/dev/parport0': ", 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    } else if (!portio::HasPlatformPortLayer()) {
        EXPECT_EQ(run.status, ExitUsage);
        EXPECT_NE(run.err.find("real hardware"), std::string::npos);
        EXPECT_EQ(run.out, "");
    } else {
        // No port driver can start here: the run goes on without any port
        // access, so the trace stays empty and no card is found.
        const auto path = std::filesystem::temp_directory_path() / "flashdiag-cli-no-driver-trace.txt";
        run = Cli({"--trace=" + path.string()});
        EXPECT_EQ(run.status, ExitProblem);
        EXPECT_EQ(run.err, "NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!\n");
        EXPECT_EQ(run.out, "No card Found      \nEnd of Diagnostic.      \n");
        EXPECT_TRUE(std::filesystem::exists(path));
        EXPECT_EQ(std::filesystem::file_size(path), 0u);
        std::filesystem::remove(path);
    }
}

TEST(CliTest, TraceWritesEveryAccessInOrder) {
    const auto path = std::filesystem::temp_directory_path() / "flashdiag-cli-trace-test.txt";
    CliRun run = Cli({"--simulate=none", "--trace=" + path.string()});
    EXPECT_EQ(run.status, ExitProblem);
    std::ifstream trace(path, std::ios::binary);
    std::stringstream text;
    text << trace.rdbuf();
    trace.close();
    std::filesystem::remove(path);
    const std::string lines = text.str();
    // InitAdapter first; the identification reads come back as 0xFF.
    EXPECT_EQ(lines.rfind("W 0379 01\nW 037A 01\nW 037B 06\nW 037A 01\nW 037C 00\n", 0), 0u);
    EXPECT_NE(lines.find("R8 037C FF\n"), std::string::npos);
    // InitAdapter 9, reset 4 + 4 * 15 + 4, identifier 2 * 19
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 9 + 68 + 38);

    EXPECT_EQ(Cli({"--simulate=none", "--trace=/nonexistent-dir/trace.txt"}).status, ExitUsage);
}

// Stands in for the platform's port layer, with `device` behind it, and
// counts what a run starts and shuts down.
class StandInPortLayer final : public portio::PlatformPortLayerStandIn {
public:
    explicit StandInPortLayer(portio::PortBackend& device) : device_(device) {
        portio::SetPlatformPortLayerStandIn(this);
    }
    ~StandInPortLayer() override { portio::SetPlatformPortLayerStandIn(nullptr); }
    portio::PortBackend* Start() override {
        ++starts;
        return &device_;
    }
    void Shutdown() override { ++shutdowns; }

    int starts = 0, shutdowns = 0;

private:
    portio::PortBackend& device_;
};

TEST(CliTest, EveryWayOutShutsDownThePortLayerItStarted) {
    portio::NoPortBackend noDriver;
    {
        StandInPortLayer layer(noDriver);
        CliRun run = Cli({});
        EXPECT_EQ(run.status, ExitProblem);
        EXPECT_EQ(run.err, "NT Port Driver Couldnt Start. Something Wrong !!!!!!!!!!!\n");
        EXPECT_EQ(layer.starts, 1);
        EXPECT_EQ(layer.shutdowns, 1);
    }
    {
        // A trace path that cannot be written is refused before the layer
        // starts: no driver is installed for a run that does not happen.
        StandInPortLayer layer(noDriver);
        CliRun run = Cli({"--trace=/nonexistent-dir/trace.txt"});
        EXPECT_EQ(run.status, ExitUsage);
        EXPECT_EQ(run.err.rfind("flashdiag-cli: cannot write the trace file '/nonexistent-dir/trace.txt': ", 0), 0u)
            << run.err;
        EXPECT_EQ(layer.shutdowns, layer.starts);
        EXPECT_EQ(layer.starts, 0);
    }
    {
        sim::SimulatedCard card(sim::ParseCardConfig("sharp32"));
        StandInPortLayer layer(card);
        CliRun run = Cli({"--no-flash"});
        EXPECT_EQ(run.status, ExitClean);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(layer.starts, 1);
        EXPECT_EQ(layer.shutdowns, 1);
    }
}

#ifndef _WIN32
// /dev/full opens, and refuses every write.
TEST(CliTest, TraceThatCannotBeWrittenIsAnErrorAndEndsTheRun) {
    const std::string message = "flashdiag-cli: cannot write the trace file '/dev/full': No space left on device\n";
    // A full run fills the trace's buffer early on: the run ends at the
    // first line that cannot be written, long before the flash passes would.
    CliRun full = Cli({"--simulate=intel64", "--trace=/dev/full"});
    EXPECT_EQ(full.status, ExitUsage);
    EXPECT_EQ(full.err, message);
    EXPECT_EQ(full.out, "64Mbit(Intel) Card Found\n* Program Flash Area\n");
    // A short trace stays in the buffer until the end: closing it fails.
    CliRun noCard = Cli({"--simulate=none", "--trace=/dev/full"});
    EXPECT_EQ(noCard.status, ExitUsage);
    EXPECT_EQ(noCard.err, message);
    EXPECT_EQ(noCard.out, "No card Found      \nEnd of Diagnostic.      \n");

    // The same from the platform's layer, which is shut down all the same.
    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    StandInPortLayer layer(card);
    CliRun real = Cli({"--trace=/dev/full"});
    EXPECT_EQ(real.status, ExitUsage);
    EXPECT_EQ(real.err, message);
    EXPECT_EQ(layer.starts, 1);
    EXPECT_EQ(layer.shutdowns, 1);
}

TEST(CliTest, LogThatCannotBeWrittenIsAnError) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::FILE* err = std::tmpfile();
    const int status = RunCli({"--simulate=sharp32", "--no-flash"}, full, err, nullptr);
    std::fclose(full);
    EXPECT_EQ(status, ExitUsage);
    EXPECT_EQ(Contents(err), "flashdiag-cli: cannot write the log: No space left on device\n");
    std::fclose(err);
}
#endif

TEST(CliTest, ProgressShowsThePassAndPosition) {
    CliRun run = Cli({"--simulate=sharp32", "--no-flash"}, true);
    EXPECT_NE(run.progress.find("\rwrite SAVER Area: 8/8"), std::string::npos);
    EXPECT_NE(run.progress.find("\rverify SAVER Area: 65/64"), std::string::npos);
}

}  // namespace
}  // namespace runner
