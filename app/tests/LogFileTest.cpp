// The window's --log file: the runner's line endings, and a log that cannot
// be written in full leaves the earlier one.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/LogFile.h"
#include "files/OutputFile.h"
#include "files/tests/ScratchFiles.h"

namespace app {
namespace {

using files::test::FileContents;
using files::test::ScratchDirectory;
using files::test::WriteTestFile;

TEST(LogFileTest, LinesEndInBareLineFeedsAndReplaceTheLastLog) {
    ScratchDirectory dir("app-log");
    const std::string path = dir.File("run.log");
    WriteTestFile(path, "a longer log of an earlier run\r\n");
    WriteLogFile(path, {"No card Found      ", "End of Diagnostic.      "});
    EXPECT_EQ(FileContents(path), "No card Found      \nEnd of Diagnostic.      \n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"run.log"});
}

TEST(LogFileTest, APathThatIsNoRegularFileIsRefusedAndKept) {
    ScratchDirectory dir("app-log-folder");
    std::filesystem::create_directory(dir.File("logs"));
    EXPECT_THROW(WriteLogFile(dir.File("logs"), {"line"}), files::FileError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("logs")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("logs")));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"logs"});
}

#ifdef __linux__
TEST(LogFileTest, ALogThatCannotBeWrittenInFullLeavesTheLastOne) {
    ScratchDirectory dir("app-log-full");
    const std::string path = dir.File("run.log");
    WriteTestFile(path, "the last run's log\n");
    const std::vector<std::string> lines(8, "* Program Flash Area");
    {
        files::test::FileSizeLimit limit(32);
        EXPECT_THROW(WriteLogFile(path, lines), files::FileError);
    }
    EXPECT_EQ(FileContents(path), "the last run's log\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"run.log"});
}
#endif

}  // namespace
}  // namespace app
