// formconv as the build runs it: on files, and on what else a path can name.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

#ifndef _WIN32
// /dev/full opens, and refuses every write; a failed run removes only
// regular files, so the device stays.
TEST_F(FormConvertTest, OutputThatCannotBeWrittenIsAnError) {
    WriteAll(Path("in.form"), FormText(3));
    const Outcome run = Convert({"text2bin", Path("in.form"), "/dev/full"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "formconv: Cannot write file \"/dev/full\": No space left on device\n");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}
#endif

}  // namespace
}  // namespace framework
