#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "portio/PortAccess.h"
#include "portio/PortRecorder.h"
#include "portio/PortTracer.h"

namespace portio {
namespace {

TEST(PortAccessTest, WithoutBackendNothingIsReachedAndReadsAreAllOnes) {
    PortBackend* previous = InstallPortBackend(nullptr);
    EXPECT_FALSE(DriverReady());
    PortWriteByte(0x37A, 1);
    EXPECT_EQ(PortReadByte(0x37C), 0xFF);
    EXPECT_EQ(PortReadWord(0x37C), 0xFFFF);
    InstallPortBackend(previous);
}

TEST(PortAccessTest, ScopedBackendReceivesAccessesAndIsRemovedAfterwards) {
    PortRecorder recorder;
    {
        ScopedPortBackend scope(recorder);
        PortWriteByte(0x37B, 6);
        SetDirectAccess(true);
    }
    PortWriteByte(0x37B, 7);  // goes to the backend with no device
    ASSERT_EQ(recorder.Accesses().size(), 1u);
    EXPECT_EQ(recorder.Accesses()[0], (PortAccess{PortAccess::Kind::Write, 0x37B, 6}));
    EXPECT_EQ(recorder.directAccessCalls, 1);
}

TEST(PortRecorderTest, ScriptedReadsComeFirstThenTheDefault) {
    PortRecorder recorder;
    recorder.QueueReads({0x1234, 0x80});
    recorder.defaultRead = 0x00AB;
    EXPECT_EQ(recorder.ReadWord(0x37C), 0x1234);
    EXPECT_EQ(recorder.ReadByte(0x37C), 0x80);
    EXPECT_EQ(recorder.ReadByte(0x37C), 0xAB);
    EXPECT_EQ(FormatAccess(recorder.Accesses()[0]), "R16 037C 1234");
    EXPECT_EQ(FormatAccess(recorder.Accesses()[2]), "R8 037C AB");
}

TEST(PortTracerTest, WritesOneFixedWidthLinePerAccessAndPassesValuesThrough) {
    PortRecorder inner;
    inner.QueueReads({0x0F, 0xBEEF});
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    PortTracer tracer(inner, out);
    tracer.WriteByte(0x37A, 0x01);
    EXPECT_EQ(tracer.ReadByte(0x37C), 0x0F);
    EXPECT_EQ(tracer.ReadWord(0x37C), 0xBEEF);
    std::rewind(out);
    std::string text;
    for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    std::fclose(out);
    EXPECT_EQ(text, "W 037A 01\nR8 037C 0F\nR16 037C BEEF\n");
    EXPECT_EQ(inner.Accesses().size(), 3u);
}

// A burst goes down as one call, so that a device that pays per call is
// called once; what is recorded and traced is still one access per word.
TEST(PortTracerTest, ABurstIsOneCallToTheDeviceAndOneLinePerWord) {
    PortRecorder device;
    device.QueueReads({0x1111, 0x2222, 0x3333});
    PortRecorder recorder(&device);
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    PortTracer tracer(recorder, out);
    std::uint16_t words[3] = {};
    tracer.ReadWords(0x37C, words, 3);
    EXPECT_EQ(words[0], 0x1111);
    EXPECT_EQ(words[2], 0x3333);
    EXPECT_EQ(device.bulkReads, 1);
    EXPECT_EQ(recorder.bulkReads, 1);
    const std::vector<PortAccess> expected = {{PortAccess::Kind::Read16, 0x37C, 0x1111},
                                              {PortAccess::Kind::Read16, 0x37C, 0x2222},
                                              {PortAccess::Kind::Read16, 0x37C, 0x3333}};
    EXPECT_EQ(recorder.Accesses(), expected);
    EXPECT_EQ(device.Accesses(), expected);
    std::rewind(out);
    std::string text;
    for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    std::fclose(out);
    EXPECT_EQ(text, "R16 037C 1111\nR16 037C 2222\nR16 037C 3333\n");

    NoPortBackend noDevice;
    noDevice.ReadWords(0x37C, words, 3);
    EXPECT_EQ(words[1], 0xFFFF);
}

TEST(PortTracerTest, AccessesThatReachNoDeviceAreNotTraced) {
    NoPortBackend noDevice;
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    PortTracer tracer(noDevice, out);
    tracer.WriteByte(0x37A, 0x01);
    EXPECT_EQ(tracer.ReadWord(0x37C), 0xFFFF);
    EXPECT_EQ(std::ftell(out), 0L);
    std::fclose(out);
}

// A stream opened for reading refuses every write, on every platform.
std::FILE* UnwritableStream() {
    const std::string path = ::testing::TempDir() + "portio-unwritable-trace.txt";
    if (std::FILE* create = std::fopen(path.c_str(), "wb")) std::fclose(create);
    return std::fopen(path.c_str(), "rb");
}

TEST(PortTracerTest, LineThatCannotBeWrittenEndsTheTraceButNotTheAccesses) {
    PortRecorder inner;
    std::FILE* out = UnwritableStream();
    ASSERT_NE(out, nullptr);
    PortTracer tracer(inner, out);
    tracer.WriteByte(0x37A, 0x01);
    EXPECT_NE(tracer.WriteError(), 0);
    std::clearerr(out);
    tracer.WriteByte(0x37A, 0x02);  // no second attempt
    EXPECT_EQ(std::ferror(out), 0);
    EXPECT_EQ(inner.Accesses().size(), 2u);
    std::fclose(out);
}

TEST(PortTracerTest, StoppingTracerThrowsAtTheFirstLineItCannotWrite) {
    PortRecorder inner;
    std::FILE* out = UnwritableStream();
    ASSERT_NE(out, nullptr);
    PortTracer tracer(inner, out, true);
    EXPECT_THROW(tracer.ReadByte(0x37C), TraceWriteError);
    EXPECT_EQ(inner.Accesses().size(), 1u);  // the access itself was made
    EXPECT_NE(tracer.WriteError(), 0);
    std::fclose(out);
}

}  // namespace
}  // namespace portio
