// File streams against what a path can name besides a regular file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/Stream.h"

namespace framework {
namespace {

#ifndef _WIN32
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
