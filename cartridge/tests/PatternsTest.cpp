#include <gtest/gtest.h>

#include "cartridge/Patterns.h"

namespace cartridge {
namespace {

TEST(FlashPatternTest, WordsCountUpHighByteFirstWithOneMorePer64KB) {
    PatternBlock buffer;
    FillFlashPattern(buffer, 0x000000);
    EXPECT_EQ((std::vector<int>{buffer[0], buffer[1], buffer[2], buffer[3]}), (std::vector<int>{0x00, 0x00, 0x00, 0x01}));
    EXPECT_EQ(buffer[16382], 0x1F);
    EXPECT_EQ(buffer[16383], 0xFF);

    FillFlashPattern(buffer, 0x004000);
    EXPECT_EQ((std::vector<int>{buffer[0], buffer[1], buffer[2], buffer[3]}), (std::vector<int>{0x40, 0x00, 0x40, 0x01}));

    PatternBlock first;
    FillFlashPattern(first, 0x000000);
    FillFlashPattern(buffer, 0x010000);
    for (int k = 0; k < 8192; ++k) {
        const int a = first[2 * k] << 8 | first[2 * k + 1];
        const int b = buffer[2 * k] << 8 | buffer[2 * k + 1];
        ASSERT_EQ(b, (a + 1) & 0xFFFF) << k;
    }
}

TEST(FlashPatternTest, ValueIsTruncatedTo16Bits) {
    PatternBlock buffer;
    FillFlashPattern(buffer, 0x7FC000);  // 0x7FC000 + 0x7F = 0x7FC07F
    EXPECT_EQ(buffer[0], 0xC0);
    EXPECT_EQ(buffer[1], 0x7F);
}

TEST(SaverPatternTest, SumOfTheAddressBytes) {
    EXPECT_EQ(SaverPattern(0x00000), 0x00);
    EXPECT_EQ(SaverPattern(0x00001), 0x01);
    EXPECT_EQ(SaverPattern(0x00100), 0x01);
    EXPECT_EQ(SaverPattern(0x10101), 0x03);
    EXPECT_EQ(SaverPattern(0x000FF), 0xFF);
    EXPECT_EQ(SaverPattern(0x001FF), 0x00);
    PatternBlock buffer;
    FillSaverPattern(buffer, 0x4000);
    EXPECT_EQ(buffer[0], 0x40);
    EXPECT_EQ(buffer[0x1FF], SaverPattern(0x41FF));
}

TEST(ErrorLineTest, SixDigitAddressReadThenExpected) {
    EXPECT_EQ(ErrorLine(3, 0xFF, 0x01), "err $000003 FF : 01");
    EXPECT_EQ(ErrorLine(0x7FFFFF, 0x0A, 0xB0), "err $7FFFFF 0A : B0");
}

}  // namespace
}  // namespace cartridge
