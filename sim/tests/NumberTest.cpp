#include "sim/Number.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

TEST(NumberTest, TakesDecimalAndPrefixedHexadecimalUpTo32Bits) {
    EXPECT_EQ(ParseDecimalOrHex("0"), 0u);
    EXPECT_EQ(ParseDecimalOrHex("888"), 888u);
    EXPECT_EQ(ParseDecimalOrHex("0x378"), 0x378u);
    EXPECT_EQ(ParseDecimalOrHex("0XfF"), 0xFFu);
    EXPECT_EQ(ParseDecimalOrHex("010"), 10u);  // a leading zero is not octal
    EXPECT_EQ(ParseDecimalOrHex("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseDecimalOrHex("0xFFFFFFFF"), 0xFFFFFFFFu);
}

TEST(NumberTest, RefusesAnythingThatIsNotOneWholeNumber) {
    for (const char* text : {"", "0x", "x10", "-1", "+1", " 1", "1 ", "12a", "0x-1", "0x 1", "378h", "4294967296",
                             "0x100000000"})
        EXPECT_EQ(ParseDecimalOrHex(text), std::nullopt) << "'" << text << "'";
}

}  // namespace
}  // namespace sim
