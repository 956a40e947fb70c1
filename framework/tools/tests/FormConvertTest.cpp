// formconv as the build runs it: on files, and on what else a path can name.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include "files/tests/ScratchFiles.h"
#include "framework/ObjectText.h"
#include "framework/tools/FormConvert.h"

namespace framework {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string err;
};

Outcome Convert(const std::vector<std::string>& args) {
    std::FILE* err = std::tmpfile();
    const int status = RunFormConvert(args, err);
    std::rewind(err);
    std::string text;
    for (int c; (c = std::fgetc(err)) != EOF;) text += static_cast<char>(c);
    std::fclose(err);
    return {status, text};
}

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The text form of one object with `count` integer properties.
std::string FormText(int count) {
    std::string text = "object Form1: TForm\r\n";
    for (int i = 0; i < count; ++i) text += "  P" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
    return text + "end\r\n";
}

std::string Binary(const std::string& text) {
    const std::vector<std::uint8_t> bytes = ObjectTextToBinary(text);
    return std::string(bytes.begin(), bytes.end());
}

class FormConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("formconv-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const char* name) const { return (dir / name).string(); }

    fs::path dir;
};

TEST_F(FormConvertTest, ConvertsBothWaysBetweenFiles) {
    const std::string text = FormText(3);
    WriteAll(Path("in.form"), text);
    EXPECT_EQ(Convert({"text2bin", Path("in.form"), Path("out.bin")}).status, 0);
    EXPECT_EQ(ReadAll(Path("out.bin")), Binary(text));
    EXPECT_EQ(Convert({"bin2text", Path("out.bin"), Path("back.form")}).status, 0);
    EXPECT_EQ(ReadAll(Path("back.form")), text);

    EXPECT_EQ(Convert({"text2bin", Path("in.form")}).status, 2);
    EXPECT_EQ(Convert({"txt2bin", Path("in.form"), Path("out.bin")}).err, "formconv: unknown mode 'txt2bin'\n");
}

// The build puts generated data (the window's skin) into its description.
TEST_F(FormConvertTest, SetsABinaryPropertyOfANamedObject) {
    const std::string form = "object Form1: TForm\r\n"
                             "  Left = 1\r\n"
                             "  object Engine: TEngine\r\n"
                             "    Hue = 0\r\n"
                             "    Stream = {00}\r\n"
                             "    Last = 5\r\n"
                             "  end\r\n"
                             "  object Other: TOther\r\n"
                             "  end\r\n"
                             "end\r\n";
    WriteAll(Path("in.bin"), Binary(form));
    WriteAll(Path("data"), "\x02\xAB");
    const Outcome set = Convert({"setbinary", Path("in.bin"), "engine.Stream", Path("data"), Path("out.bin")});
    ASSERT_EQ(set.status, 0) << set.err;
    std::string expected = form;
    expected.replace(expected.find("{00}"), 4, "{02AB}");
    EXPECT_EQ(ReadAll(Path("out.bin")), Binary(expected));

    // A property the object lacks is added as its last one.
    ASSERT_EQ(Convert({"setbinary", Path("in.bin"), "Other.Data", Path("data"), Path("added.bin")}).status, 0);
    std::string added = form;
    added.replace(added.find("  object Other: TOther\r\n") + 24, 0, "    Data = {02AB}\r\n");
    EXPECT_EQ(ReadAll(Path("added.bin")), Binary(added));

    const Outcome missing = Convert({"setbinary", Path("in.bin"), "Nobody.Stream", Path("data"), Path("no.bin")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("No object named \"Nobody\""), std::string::npos) << missing.err;
    EXPECT_FALSE(fs::exists(Path("no.bin")));
    EXPECT_EQ(Convert({"setbinary", Path("in.bin"), "NoDot", Path("data"), Path("no.bin")}).status, 2);
}

TEST_F(FormConvertTest, RefusesAnInputItCannotReadAndLeavesNoOutput) {
    const std::string missing = Path("missing.form");
    WriteAll(Path("out.bin"), "from an earlier run");
    Outcome run = Convert({"text2bin", missing, Path("out.bin")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("formconv: Cannot open file \"" + missing + "\": ", 0), 0u) << run.err;
    EXPECT_FALSE(fs::exists(Path("out.bin")));

    // A directory opens on some systems, and its "size" can be anything.
    fs::create_directory(Path("folder"));
    WriteAll(Path("out.bin"), "from an earlier run");
    run = Convert({"text2bin", Path("folder"), Path("out.bin")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "formconv: Cannot open file \"" + Path("folder") + "\": it is a directory\n");
    EXPECT_FALSE(fs::exists(Path("out.bin")));
}

TEST_F(FormConvertTest, InputLargerThanTheBoundIsRefused) {
    // Sparse: no disk space taken, and every byte of it reads as zero.
    { std::ofstream(Path("huge.form"), std::ios::binary); }
    fs::resize_file(Path("huge.form"), kMaxObjectTextBytes + 1);
    const Outcome run = Convert({"bin2text", Path("huge.form"), Path("out.form")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "formconv: File \"" + Path("huge.form") +
                           "\" is larger than 64 MB: far too large for a form description\n");
    EXPECT_FALSE(fs::exists(Path("out.form")));
}

#ifndef _WIN32
// A pipe has no size to ask for: the input is read until it ends. The text
// is larger than a pipe holds, so it arrives in several pieces.
TEST_F(FormConvertTest, ReadsAPipeToItsEnd) {
    std::signal(SIGPIPE, SIG_IGN);  // a reader that stops early must not end the test program
    const std::string text = FormText(20000);
    ASSERT_GT(text.size(), 200000u);
    for (const auto& [mode, input, expected] :
         {std::tuple<std::string, std::string, std::string>{"text2bin", text, Binary(text)},
          std::tuple<std::string, std::string, std::string>{"bin2text", Binary(text), text}}) {
        SCOPED_TRACE(mode);
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        std::thread writer([&, fd = ends[1]] {
            for (std::size_t at = 0; at < input.size();) {
                const ssize_t n = write(fd, input.data() + at, input.size() - at);
                if (n <= 0) break;
                at += static_cast<std::size_t>(n);
            }
            close(fd);
        });
        const Outcome run = Convert({mode, "/dev/fd/" + std::to_string(ends[0]), Path("out")});
        close(ends[0]);
        writer.join();
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string output = ReadAll(Path("out"));
        EXPECT_EQ(output.size(), expected.size());
        EXPECT_TRUE(output == expected);
    }
}

// /dev/full opens, and refuses every write; a failed run removes only
// regular files, so the device stays.
TEST_F(FormConvertTest, OutputThatCannotBeWrittenIsAnError) {
    WriteAll(Path("in.form"), FormText(3));
    const Outcome run = Convert({"text2bin", Path("in.form"), "/dev/full"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "formconv: Cannot write file \"/dev/full\": No space left on device\n");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

#ifdef __linux__
// A file output is written whole: a disk that fills up half-way leaves
// neither a half file nor its temporary one, and not the earlier output.
TEST_F(FormConvertTest, AFileOutputThatCannotBeWrittenInFullLeavesNothing) {
    // About 3 KB of output; the error text fits under the limit.
    WriteAll(Path("in.form"), FormText(400));
    WriteAll(Path("out.bin"), "an earlier output");
    const Outcome run = [&] {
        files::test::FileSizeLimit limit(1024);
        return Convert({"text2bin", Path("in.form"), Path("out.bin")});
    }();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "formconv: cannot write '" + Path(".out.bin.partial") + "': File too large\n");
    EXPECT_FALSE(fs::exists(Path("out.bin")));
    EXPECT_FALSE(fs::exists(Path(".out.bin.partial")));
}
#endif
#endif

}  // namespace
}  // namespace framework
