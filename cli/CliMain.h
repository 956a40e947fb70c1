// The console runner as a function, so tests can run it in-process.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace runner {

constexpr int ExitClean = 0;    // the run logged no problem
constexpr int ExitProblem = 1;  // no card, a mismatch, a part that never became ready
constexpr int ExitUsage = 2;    // the command line cannot be used, the port cannot be opened,
                                // a file cannot be made, or the run could not deliver what it asked
constexpr int ExitInterrupted = 128;  // plus the signal that ended the run (130 for Ctrl+C)

// Runs flashdiag-cli with `args` (without the program name): log lines on
// `out`, messages on `err`, live progress on `progress` (nullptr: none).
int RunCli(const std::vector<std::string>& args, std::FILE* out, std::FILE* err, std::FILE* progress);

}  // namespace runner
