// The same run twice on fresh cards: once simulated, once through a port
// backend with a fake device in the hardware's place and the same card
// behind it. Their logs, traces and saver backups must be the same.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/tests/CliRun.h"

namespace runner::test {

// `port` is the value of --port; the caller has put the fake device with a
// card of `kind` behind it. The trace and backup files go to `dir`.
inline void ExpectSameAsSimulated(const ScratchDirectory& dir, const char* kind, const std::string& port,
                                  const std::vector<std::string>& args) {
    const std::string trace = dir.File("trace.txt"), saves = dir.File("saves.bin");
    std::vector<std::string> common = args;
    common.push_back("--trace=" + trace);
    common.push_back("--backup-saver=" + saves);
    common.push_back("--restore-saver=" + saves);

    std::vector<std::string> simulated = common;
    simulated.push_back(std::string("--simulate=") + kind);
    const CliRun expected = Cli(simulated);
    const std::string expectedTrace = FileContents(trace), expectedSaves = FileContents(saves);
    std::filesystem::remove(trace);
    std::filesystem::remove(saves);

    std::vector<std::string> real = common;
    real.push_back("--port=" + port);
    const CliRun run = Cli(real);
    EXPECT_EQ(run.status, expected.status) << port << ": " << run.err;
    EXPECT_EQ(run.err, expected.err) << port;
    EXPECT_EQ(run.out, expected.out) << port;
    EXPECT_GT(expectedTrace.size(), 1000000u);
    EXPECT_TRUE(FileContents(trace) == expectedTrace) << port << ": the traces differ";
    EXPECT_TRUE(FileContents(saves) == expectedSaves) << port;
}

}  // namespace runner::test
