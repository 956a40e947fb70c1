#include <gtest/gtest.h>

#include "app/AppOptions.h"
#include "cli/CliOptions.h"

namespace app {
namespace {

TEST(AppOptionsTest, NoFlagsIsThePlainWindow) {
    const AppOptions options = ParseAppOptions({});
    EXPECT_FALSE(options.card);
    EXPECT_FALSE(options.port);
    EXPECT_FALSE(options.autorun);
    EXPECT_FALSE(options.exitAfterRun);
    EXPECT_FALSE(options.screenshotPath);
    EXPECT_FALSE(options.logPath);
}

TEST(AppOptionsTest, AutomationFlagsAreTakenTogether) {
    const AppOptions options = ParseAppOptions({"--simulate=sharp32,no-saver", "--autorun", "--exit-after-run",
                                                "--screenshot=shot.bmp", "--log=run.log", "--trace=-"});
    ASSERT_TRUE(options.card);
    EXPECT_EQ(options.card->kind, sim::CardKind::Sharp32);
    EXPECT_TRUE(options.card->noSaver);
    EXPECT_TRUE(options.autorun);
    EXPECT_TRUE(options.exitAfterRun);
    EXPECT_EQ(options.screenshotPath, "shot.bmp");
    EXPECT_EQ(options.logPath, "run.log");
    EXPECT_EQ(options.tracePath, "-");
}

TEST(AppOptionsTest, ThePortIsTheInpOutDllsOnly) {
    EXPECT_EQ(ParseAppOptions({"--port=inpout"}).port, portio::PortAddress::InpOut(0x378));
    EXPECT_EQ(ParseAppOptions({"--port=inpout:0xD010", "--autorun"}).port, portio::PortAddress::InpOut(0xD010));
    for (const char* bad : {"--port=0x378", "--port=/dev/parport0", "--port=inpout:", "--port=inpout:0"})
        EXPECT_THROW(ParseAppOptions({bad}), AppUsageError) << bad;
    EXPECT_THROW(ParseAppOptions({"--port=inpout", "--simulate=intel64"}), AppUsageError);
}

TEST(AppOptionsTest, BadCommandLinesAreUsageErrors) {
    EXPECT_THROW(ParseAppOptions({"--simulate=floppy"}), AppUsageError);
    EXPECT_THROW(ParseAppOptions({"--simulate="}), AppUsageError);
    EXPECT_THROW(ParseAppOptions({"--autorun", "--log="}), AppUsageError);
    EXPECT_THROW(ParseAppOptions({"--fast"}), AppUsageError);
    EXPECT_THROW(ParseAppOptions({"--autorun=yes"}), AppUsageError);
    // After-run actions without a run would silently do nothing.
    EXPECT_THROW(ParseAppOptions({"--exit-after-run"}), AppUsageError);
    EXPECT_THROW(ParseAppOptions({"--log=x.log"}), AppUsageError);
}

// The window and the console runner word the refusals of what they share
// alike: a bad CARD, a bad --port, an argument neither knows.
TEST(AppOptionsTest, SharedRefusalsReadAsTheConsoleRunnersDo) {
    for (const char* bad : {"--simulate=floppy", "--simulate=intel64,flash-bad=0x800000:0", "--port=inpout:0",
                            "--port=inpout:zz", "--fast"}) {
        std::string app, cli;
        try {
            ParseAppOptions({bad});
        } catch (const AppUsageError& e) {
            app = e.what();
        }
        try {
            runner::ParseCliOptions({bad});
        } catch (const runner::UsageError& e) {
            cli = e.what();
        }
        EXPECT_FALSE(app.empty()) << bad;
        EXPECT_EQ(app, cli) << bad;
    }
}

}  // namespace
}  // namespace app
