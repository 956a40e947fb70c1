// Runs the console runner in-process for tests and keeps what it printed.
#pragma once

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliMain.h"
#include "cli/Digests.h"
#include "files/tests/ScratchFiles.h"

namespace runner::test {

inline std::string Contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    return text;
}

using files::test::FileContents;
using files::test::ScratchDirectory;
using files::test::WriteTestFile;

// `size` bytes of a seeded generator: the same every run.
inline std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

// The log line that names a file the run wrote, with its checksums.
inline std::string DigestLineOf(const std::string& path) {
    const std::string bytes = FileContents(path);
    return DigestLine(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}) + "\n";
}

struct CliRun {
    int status;
    std::string out, err, progress;
};

inline CliRun Cli(std::vector<std::string> args, bool withProgress = false) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::FILE* progress = withProgress ? std::tmpfile() : nullptr;
    CliRun run{RunCli(args, out, err, progress), Contents(out), Contents(err), progress ? Contents(progress) : ""};
    std::fclose(out);
    std::fclose(err);
    if (progress) std::fclose(progress);
    return run;
}

}  // namespace runner::test
