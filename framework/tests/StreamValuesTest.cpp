#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/StreamValues.h"

namespace framework {
namespace {

std::vector<std::uint8_t> Written(std::int64_t value) {
    TMemoryStream stream;
    ValueWriter(stream).WriteInteger(value);
    return stream.Bytes();
}

TEST(ValueWriterTest, IntegersTakeTheSmallestTagThatHoldsThem) {
    EXPECT_EQ(Written(0), (std::vector<std::uint8_t>{2, 0x00}));
    EXPECT_EQ(Written(127), (std::vector<std::uint8_t>{2, 0x7F}));
    EXPECT_EQ(Written(-128), (std::vector<std::uint8_t>{2, 0x80}));
    EXPECT_EQ(Written(128), (std::vector<std::uint8_t>{3, 0x80, 0x00}));
    EXPECT_EQ(Written(-129), (std::vector<std::uint8_t>{3, 0x7F, 0xFF}));
    EXPECT_EQ(Written(32767), (std::vector<std::uint8_t>{3, 0xFF, 0x7F}));
    EXPECT_EQ(Written(32768), (std::vector<std::uint8_t>{4, 0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(Written(-32769), (std::vector<std::uint8_t>{4, 0xFF, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(Written(INT32_MIN), (std::vector<std::uint8_t>{4, 0x00, 0x00, 0x00, 0x80}));
    EXPECT_THROW(Written(std::int64_t{INT32_MAX} + 1), EWriteError);
}

TEST(ValueWriterTest, StringsAboveTwoHundredFiftyFiveCharactersUseTheLongTag) {
    TMemoryStream stream;
    ValueWriter writer(stream);
    writer.WriteString(std::string(255, 'a'));
    writer.WriteString(std::string(256, 'b'));
    const auto& bytes = stream.Bytes();
    ASSERT_EQ(bytes.size(), 2u + 255 + 5 + 256);
    EXPECT_EQ(bytes[0], 6);
    EXPECT_EQ(bytes[1], 255);
    EXPECT_EQ(bytes[257], 12);
    EXPECT_EQ(bytes[258], 0x00);
    EXPECT_EQ(bytes[259], 0x01);
}

TEST(ValueReaderTest, ReadsBackEveryIntegerWidthWithSign) {
    for (std::int64_t value : {0LL, -1LL, 127LL, -128LL, 300LL, -300LL, 70000LL, -70000LL, 2147483647LL}) {
        TMemoryStream stream;
        ValueWriter(stream).WriteInteger(value);
        stream.SetPosition(0);
        ValueReader reader(stream);
        EXPECT_EQ(reader.ReadIntegerPayload(reader.ReadTag()), value);
    }
}

TEST(ValueReaderTest, LengthsBeyondTheDataLeftAreRejectedBeforeAllocating) {
    // Binary count 0x7FFFFFFF with four bytes behind it.
    TMemoryStream huge(std::vector<std::uint8_t>{10, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3, 4});
    ValueReader reader(huge);
    try {
        reader.ReadBinaryPayload(reader.ReadTag());
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), errors::kLengthTooLarge);
    }
    TMemoryStream negative(std::vector<std::uint8_t>{12, 0xFF, 0xFF, 0xFF, 0xFF});
    ValueReader negativeReader(negative);
    EXPECT_THROW(negativeReader.ReadStringPayload(negativeReader.ReadTag()), EReadError);
}

TEST(ValueReaderTest, TagsOutsideTheSupportedSetAreRejected) {
    for (std::uint8_t tag : {0, 1, 5, 13, 14, 20, 255}) {
        TMemoryStream stream(std::vector<std::uint8_t>{tag, 0, 0, 0, 0});
        ValueReader reader(stream);
        try {
            reader.ReadTag();
            FAIL() << "tag " << int(tag) << " accepted";
        } catch (const EReadError& e) {
            EXPECT_STREQ(e.what(), errors::kUnknownTag);
        }
    }
}

}  // namespace
}  // namespace framework
