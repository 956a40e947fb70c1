// Files written whole: nothing under the name until the contents are
// complete, and a write that fails leaves what was there before.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/OutputFile.h"
#include "files/tests/ScratchFiles.h"

namespace files {
namespace {

namespace fs = std::filesystem;

using test::FileContents;
using test::ScratchDirectory;
using test::WriteTestFile;

TEST(OutputFileTest, TheNameHoldsNothingUntilTheContentsAreComplete) {
    ScratchDirectory dir("output-file");
    const std::string path = dir.File("dump.bin");
    {
        OutputFile file(path, false);
        EXPECT_FALSE(fs::exists(path));
        EXPECT_EQ(dir.Names(), std::vector<std::string>{".dump.bin.partial"});
    }
    EXPECT_TRUE(dir.Names().empty());  // abandoned: nothing left

    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    {
        OutputFile file(path, false);
        // Another program takes the name meanwhile: it is not replaced.
        WriteTestFile(path, "theirs");
        EXPECT_THROW(file.Commit(bytes), FileError);
    }
    EXPECT_EQ(FileContents(path), "theirs");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"dump.bin"});
    {
        OutputFile file(path, true);
        file.Commit(bytes);
    }
    EXPECT_EQ(FileContents(path), std::string("\1\2\3"));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"dump.bin"});
}

TEST(OutputFileTest, AWholeFileReplacesARegularFileAndNothingElse) {
    ScratchDirectory dir("whole-file");
    const std::vector<std::uint8_t> bytes = {'n', 'e', 'w'};
    const std::string path = dir.File("out.log");
    WriteTestFile(path, "an older and longer file");
    WriteWholeFile(path, bytes);
    EXPECT_EQ(FileContents(path), "new");

    // A directory under the name stays, and no temporary file is left.
    const std::string folder = dir.File("folder");
    fs::create_directory(folder);
    try {
        WriteWholeFile(folder, bytes);
        ADD_FAILURE() << "a directory was written over";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + folder + "' is not a regular file; name a new file");
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder", "out.log"}));

    // A temporary file left by a run that was killed is not taken over.
    WriteTestFile(dir.File(".out.log.partial"), "half");
    EXPECT_THROW(WriteWholeFile(path, bytes), FileError);
    EXPECT_EQ(FileContents(path), "new");
    EXPECT_EQ(FileContents(dir.File(".out.log.partial")), "half");
}

#ifdef __linux__
using test::FileSizeLimit;

TEST(OutputFileTest, AWriteThatFailsHalfWayLeavesTheOldFile) {
    ScratchDirectory dir("whole-file-limit");
    const std::string path = dir.File("out.log");
    WriteTestFile(path, "the last run's log\n");
    const std::vector<std::uint8_t> bytes(64, 'x');
    try {
        FileSizeLimit limit(16);
        WriteWholeFile(path, bytes);
        ADD_FAILURE() << "a write beyond the limit succeeded";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot write '" + dir.File(".out.log.partial") + "': File too large");
    }
    EXPECT_EQ(FileContents(path), "the last run's log\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.log"});
}
#endif

}  // namespace
}  // namespace files
