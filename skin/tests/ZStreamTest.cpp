// The zlib stream layer: real zlib through one 8192-byte buffer per stream.
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#include "framework/Stream.h"
#include "skin/storage/ZStream.h"

namespace skin {
namespace {

using framework::TMemoryStream;

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t x = 12345;
    for (auto& b : bytes) {
        x = x * 1103515245 + 12345;
        b = std::uint8_t((x >> 16) % 7 == 0 ? x >> 24 : 'a');  // compressible, not trivially
    }
    return bytes;
}

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& data, TCompressionLevel level,
                                   int* progress = nullptr) {
    TMemoryStream out;
    {
        TCompressionStream z(level, out);
        if (progress) z.SetOnProgress([progress](TCustomZlibStream&) { ++*progress; });
        z.WriteBuffer(data.data(), data.size());
        EXPECT_EQ(z.Position(), std::int64_t(data.size()));
        z.Finish();
    }
    return out.Bytes();
}

std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& zdata, std::size_t piece = 1000) {
    TMemoryStream in(zdata);
    TDecompressionStream z(in);
    std::vector<std::uint8_t> out;
    std::vector<std::uint8_t> chunk(piece);
    for (std::size_t n; (n = z.Read(chunk.data(), chunk.size())) > 0;) out.insert(out.end(), chunk.begin(), chunk.begin() + n);
    return out;
}

TEST(ZStreamTest, RoundTripsAtBothLevelsWithZlibHeaders) {
    const auto data = Pattern(100000);
    int progress = 0;
    const auto fast = Compress(data, TCompressionLevel::clFastest, &progress);
    const auto best = Compress(data, TCompressionLevel::clMax);
    ASSERT_GE(fast.size(), 2u);
    EXPECT_EQ(fast[0], 0x78);
    EXPECT_EQ(fast[1], 0x01);
    EXPECT_EQ(best[1], 0xDA);
    // One progress call per full 8192-byte buffer written.
    EXPECT_EQ(progress, int(fast.size() / TCustomZlibStream::kBufferSize));
    EXPECT_EQ(Inflate(fast), data);
    EXPECT_EQ(Inflate(best, 1), std::vector<std::uint8_t>(data.begin(), data.end()));
    // zlib itself agrees.
    std::vector<std::uint8_t> check(data.size());
    uLongf size = uLongf(check.size());
    ASSERT_EQ(uncompress(check.data(), &size, fast.data(), uLong(fast.size())), Z_OK);
    EXPECT_EQ(check, data);
}

TEST(ZStreamTest, AStreamThatGotNothingIsStillACompleteZlibStream) {
    TMemoryStream out;
    { TCompressionStream z(TCompressionLevel::clFastest, out); }  // finished by the destructor
    EXPECT_EQ(out.Bytes(), (std::vector<std::uint8_t>{0x78, 0x01, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01}));
    EXPECT_TRUE(Inflate(out.Bytes()).empty());
}

void ExpectInvalid(auto&& call) {
    try {
        call();
        FAIL() << "no error";
    } catch (const EZlibError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
}

TEST(ZStreamTest, WrongDirectionsAndSeeksAreInvalidOperations) {
    TMemoryStream out;
    TCompressionStream compress(TCompressionLevel::clFastest, out);
    char byte = 0;
    ExpectInvalid([&] { compress.Read(&byte, 1); });
    compress.WriteBuffer("abc", 3);
    compress.SetPosition(3);  // a seek by 0 from the current position
    ExpectInvalid([&] { compress.SetPosition(0); });
    EXPECT_THROW(compress.Read(&byte, 1), ECompressionError);
    compress.Finish();

    TMemoryStream in(Compress(Pattern(10000), TCompressionLevel::clMax));
    TDecompressionStream inflate(in);
    ExpectInvalid([&] { inflate.Write("x", 1); });
    EXPECT_THROW(inflate.Write("x", 1), EDecompressionError);
    std::vector<std::uint8_t> first(100);
    inflate.ReadBuffer(first.data(), first.size());
    inflate.SetPosition(5000);  // forward: skips
    EXPECT_EQ(inflate.Position(), 5000);
    ExpectInvalid([&] { inflate.SetPosition(10); });
    inflate.SetPosition(0);  // starts again
    std::vector<std::uint8_t> again(100);
    inflate.ReadBuffer(again.data(), again.size());
    EXPECT_EQ(again, first);
}

TEST(ZStreamTest, BrokenDataIsAnErrorAndCutDataReadsShort) {
    auto zdata = Compress(Pattern(50000), TCompressionLevel::clFastest);
    auto broken = zdata;
    broken[0] = 0x00;  // not a zlib header
    try {
        Inflate(broken);
        FAIL() << "no error";
    } catch (const EDecompressionError& e) {
        EXPECT_STREQ(e.what(), "error");
    }
    const std::vector<std::uint8_t> cut(zdata.begin(), zdata.begin() + std::ptrdiff_t(zdata.size() / 2));
    const auto partial = Inflate(cut);
    EXPECT_GT(partial.size(), 0u);
    EXPECT_LT(partial.size(), 50000u);
}

TEST(ZStreamTest, WhatMayStillComeIsBoundedByTheCompressedBytesLeft) {
    TMemoryStream in(Compress(std::vector<std::uint8_t>(1 << 20, 0), TCompressionLevel::clMax));
    const std::int64_t compressed = in.Size();
    TDecompressionStream z(in);
    EXPECT_EQ(z.Remaining(), 0);  // the end is not known in advance
    EXPECT_GE(z.RemainingAtMost(), 1 << 20);
    EXPECT_LE(z.RemainingAtMost(), compressed * 1032 + 258);
    std::vector<std::uint8_t> all(1 << 20);
    z.ReadBuffer(all.data(), all.size());
    char more = 0;
    EXPECT_EQ(z.Read(&more, 1), 0u);
    EXPECT_EQ(z.RemainingAtMost(), 0);
}

TEST(ZStreamTest, TheUnderlyingStreamIsPutBackWhenSomeoneElseMovedIt) {
    TMemoryStream out;
    out.WriteBuffer("HEAD", 4);
    {
        TCompressionStream z(TCompressionLevel::clFastest, out);
        z.WriteBuffer("hello ", 6);
        out.SetPosition(0);  // someone else moves the stream
        z.WriteBuffer("world", 5);
        z.Finish();
    }
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().begin() + 4), "HEAD");
    TMemoryStream in(out.Bytes());
    in.SetPosition(4);
    TDecompressionStream z(in);
    char text[11] = {};
    z.ReadBuffer(text, 5);
    in.SetPosition(0);
    z.ReadBuffer(text + 5, 6);
    EXPECT_EQ(std::string(text, 11), "hello world");
}

}  // namespace
}  // namespace skin
