// The console runner as a function, so tests can run it in-process.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace runner {

constexpr int ExitClean = 0;    // the run logged no problem
constexpr int ExitProblem = 1;  // no card, a mismatch, a part that never became ready
constexpr int ExitUsage = 2;    // the command line cannot be used

// Runs flashdiag-cli with `args` (without the program name): log lines on
// `out`, messages on `err`, live progress on `progress` (nullptr: none).
int RunCli(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* progress);

}  // namespace runner
