// File streams against what a path can name besides a regular file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/Stream.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace framework {
namespace {

// A stream that knows nothing ahead, as a pipe: it hands out its bytes a few
// at a time and says it has no more than it has given.
class PipeLikeStream final : public TStream {
public:
    explicit PipeLikeStream(std::string bytes, bool endless = false) : bytes_(std::move(bytes)), endless_(endless) {}
    std::size_t Read(void* buffer, std::size_t count) override {
        std::size_t n = std::min<std::size_t>(count, 7);
        if (!endless_) n = std::min(n, bytes_.size() - given_);
        for (std::size_t i = 0; i < n; ++i) static_cast<char*>(buffer)[i] = bytes_[(given_ + i) % bytes_.size()];
        given_ += n;
        return n;
    }
    std::size_t Write(const void*, std::size_t) override { return 0; }
    std::int64_t Size() const override { return static_cast<std::int64_t>(given_); }
    std::int64_t Position() const override { return static_cast<std::int64_t>(given_); }
    void SetPosition(std::int64_t) override { throw EStreamError(errors::kSeekError); }

private:
    std::string bytes_;
    bool endless_;
    std::size_t given_ = 0;
};

TEST(ReadToEndTest, ReadsAStreamWithoutASizeToItsEndWithinTheBound) {
    PipeLikeStream exact("0123456789abcdef");
    const std::vector<std::uint8_t> bytes = ReadToEnd(exact, 16);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "0123456789abcdef");

    PipeLikeStream oneTooMany("0123456789abcdefg");
    EXPECT_THROW(ReadToEnd(oneTooMany, 16), EStreamError);
    PipeLikeStream endless("x", true);
    EXPECT_THROW(ReadToEnd(endless, 1000), EStreamError);
    EXPECT_LT(endless.Position(), 1100);  // stopped at the bound, not at the end of memory
}

TEST(ReadToEndTest, TextFormIsReadFromAStreamWithoutASize) {
    const std::string text = "object Form1: TForm\r\n  Left = 8\r\n  Caption = 'Hi'\r\nend\r\n";
    PipeLikeStream input(text);
    TMemoryStream output;
    ObjectTextToBinary(input, output);
    EXPECT_EQ(output.Bytes(), ObjectTextToBinary(text));
}

TEST(FileStreamTest, ReadErrorIsNotTakenForTheEndOfTheFile) {
#ifndef _WIN32
    // (The Windows C runtime reports such a read as the end of the file.)
    const std::string path = ::testing::TempDir() + "framework-stream-read-error.bin";
    TFileStream written(path, TFileStream::Mode::Create);
    char byte;
    EXPECT_THROW(written.Read(&byte, 1), EFileStreamError);  // opened for writing only
    written.Close();
    std::remove(path.c_str());
#endif

    const std::string folder = ::testing::TempDir();
    try {
        TFileStream directory(folder, TFileStream::Mode::OpenRead);
        ADD_FAILURE() << "a directory opened as a file";
    } catch (const EFileStreamError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + folder + "\": it is a directory");
    }
}

#ifndef _WIN32
TEST(FileStreamTest, PipeReportsWhatWasReadAsItsSizeAndNothingRemaining) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], "abcdef", 6), 6);
    close(ends[1]);
    TFileStream pipe("/dev/fd/" + std::to_string(ends[0]), TFileStream::Mode::OpenRead);
    close(ends[0]);
    char text[4];
    EXPECT_EQ(pipe.Read(text, 4), 4u);
    EXPECT_EQ(pipe.Position(), 4);
    EXPECT_EQ(pipe.Size(), 4);
    EXPECT_EQ(pipe.Remaining(), 0);
    EXPECT_EQ(ReadToEnd(pipe, 100).size(), 2u);
    EXPECT_EQ(pipe.Size(), 6);
}

// /dev/full opens, and refuses every write.
TEST(FileStreamTest, WritesTheFileRefusesAreErrorsAtTheWriteOrAtClose) {
    TFileStream small("/dev/full", TFileStream::Mode::Create);
    small.WriteBuffer("abc", 3);  // buffered
    try {
        small.Close();
        ADD_FAILURE() << "the close reported nothing";
    } catch (const EFileStreamError& e) {
        EXPECT_STREQ(e.what(), "Cannot write file \"/dev/full\": No space left on device");
    }
    EXPECT_NO_THROW(small.Close());
    EXPECT_THROW(small.WriteBuffer("abc", 3), EStreamError);

    TFileStream large("/dev/full", TFileStream::Mode::Create);
    const std::vector<std::uint8_t> bytes(1 << 20, 0x55);
    EXPECT_THROW(large.WriteBuffer(bytes.data(), bytes.size()), EFileStreamError);
}
#endif

}  // namespace
}  // namespace framework
