#include <gtest/gtest.h>

#include "sim/CardConfig.h"

namespace sim {
namespace {

TEST(CardConfigTest, KindsAndFaultsWithDecimalAndHexNumbers) {
    EXPECT_EQ(ParseCardConfig("sharp32").kind, CardKind::Sharp32);
    EXPECT_EQ(ParseCardConfig("none").kind, CardKind::None);
    CardConfig config = ParseCardConfig("sharp64,flash-bad=0x7FFFFF:255,saver-bad=131071:0x0A,no-saver,flash-hang");
    EXPECT_EQ(config.kind, CardKind::Sharp64);
    ASSERT_EQ(config.flashBad.size(), 1u);
    EXPECT_EQ(config.flashBad[0].address, 0x7FFFFFu);
    EXPECT_EQ(config.flashBad[0].value, 0xFF);
    ASSERT_EQ(config.saverBad.size(), 1u);
    EXPECT_EQ(config.saverBad[0].address, 0x1FFFFu);
    EXPECT_EQ(config.saverBad[0].value, 0x0A);
    EXPECT_TRUE(config.noSaver);
    EXPECT_TRUE(config.flashHang);

    config = ParseCardConfig("intel64,flash-weak=0x100010,flash-locked=0x20000,erase-fail=131072,vpp-low");
    EXPECT_EQ(config.flashWeak, std::vector<std::uint32_t>{0x100010});
    EXPECT_EQ(config.flashLocked, std::vector<std::uint32_t>{0x20000});
    EXPECT_EQ(config.eraseFail, std::vector<std::uint32_t>{0x20000});
    EXPECT_TRUE(config.vppLow);

    config = ParseCardConfig("sharp32,data-stuck=7:1,addr-stuck=0x15:0,addr-short=12:17,flash-image=a b.bin");
    ASSERT_EQ(config.dataStuck.size(), 1u);
    EXPECT_EQ(config.dataStuck[0].line, 7);
    EXPECT_EQ(config.dataStuck[0].value, 1);
    ASSERT_EQ(config.addressStuck.size(), 1u);
    EXPECT_EQ(config.addressStuck[0].line, 21);  // the last line of a 4 MB flash
    EXPECT_EQ(config.addressStuck[0].value, 0);
    ASSERT_EQ(config.addressShorts.size(), 1u);
    EXPECT_EQ(config.addressShorts[0].a, 12);
    EXPECT_EQ(config.addressShorts[0].b, 17);
    EXPECT_EQ(config.flashImagePath, "a b.bin");
}

TEST(CardConfigTest, BadTextIsRejectedWithAMessageNamingThePart) {
    struct Case {
        const char* text;
        const char* named;
    };
    const Case cases[] = {
        {"", "''"},
        {"intel", "'intel'"},
        {"INTEL64", "'INTEL64'"},
        {"intel64,", "empty fault"},
        {"intel64,,no-saver", "empty fault"},
        {"intel64,flash-bad", "'flash-bad'"},
        {"intel64,flash-bad=12", "'flash-bad=12'"},
        {"intel64,flash-bad=0x800000:1", "0x7FFFFF"},
        {"intel64,saver-bad=0x20000:1", "0x1FFFF"},
        {"intel64,flash-bad=1:256", "not a byte"},
        {"intel64,flash-bad=0x:1", "'0x'"},
        {"intel64,flash-bad=12abc:1", "'12abc'"},
        {"intel64,flash-bad=-1:1", "'-1'"},
        {"intel64,flash-bad=99999999999:1", "'99999999999'"},
        {"intel64,no-saver=1", "'no-saver=1'"},
        {"intel64,melt", "'melt'"},
        {"intel64,vpp-low=1", "'vpp-low=1'"},
        {"intel64,flash-weak", "'flash-weak'"},
        {"intel64,flash-locked=0x1:2", "'0x1:2'"},
    };
    for (const Case& c : cases) {
        try {
            ParseCardConfig(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const CardConfigError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos)
                << c.text << " -> " << error.what();
        }
    }
}

// A fault that can never act would let the run pass while the user believes
// the card was broken on purpose.
TEST(CardConfigTest, FaultsMustLieOnTheChosenCard) {
    EXPECT_EQ(ParseCardConfig("sharp32,flash-bad=0x3FFFFF:0").flashBad.at(0).address, 0x3FFFFFu);
    EXPECT_EQ(ParseCardConfig("sharp64,flash-bad=0x400101:0x12").flashBad.at(0).address, 0x400101u);
    EXPECT_EQ(ParseCardConfig("intel64,saver-bad=0x1FFFF:0").saverBad.at(0).address, 0x1FFFFu);

    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"sharp32,flash-bad=0x400101:0x12",
         "address in 'flash-bad=0x400101:0x12' is outside the flash of sharp32 (4 MB: 0 to 0x3FFFFF)"},
        {"sharp64,no-saver,flash-bad=8388608:1",
         "address in 'flash-bad=8388608:1' is outside the flash of sharp64 (8 MB: 0 to 0x7FFFFF)"},
        {"sharp32,saver-bad=0x20000:1", "address in 'saver-bad=0x20000:1' is outside the saver (128 KB: 0 to 0x1FFFF)"},
        {"none,flash-bad=0:0", "fault 'flash-bad=0:0' can never act: card kind 'none' has no flash and no saver"},
        {"none,saver-bad=7:0", "fault 'saver-bad=7:0' can never act: card kind 'none' has no flash and no saver"},
        {"none,no-saver", "fault 'no-saver' can never act: card kind 'none' has no flash and no saver"},
        {"none,flash-hang", "fault 'flash-hang' can never act: card kind 'none' has no flash and no saver"},
        {"sharp32,flash-weak=0x400000",
         "address in 'flash-weak=0x400000' is outside the flash of sharp32 (4 MB: 0 to 0x3FFFFF)"},
        {"intel64,erase-fail=0x800000",
         "address in 'erase-fail=0x800000' is outside the flash of intel64 (8 MB: 0 to 0x7FFFFF)"},
        {"none,vpp-low", "fault 'vpp-low' can never act: card kind 'none' has no flash and no saver"},
        {"intel64,data-stuck=8:0", "line in 'data-stuck=8:0' is not on the card's data bus (0 to 7)"},
        {"intel64,data-stuck=3:2", "value in 'data-stuck=3:2' is not 0 or 1"},
        {"intel64,data-stuck=3", "bad fault 'data-stuck=3' (expected LINE:0 or LINE:1 after '=')"},
        {"sharp32,addr-stuck=22:1", "line in 'addr-stuck=22:1' is not on the address bus of sharp32 (0 to 21)"},
        {"intel64,addr-short=5:5", "fault 'addr-short=5:5' names one line twice"},
        {"intel64,addr-short=5:23", "line in 'addr-short=5:23' is not on the address bus of intel64 (0 to 22)"},
        {"intel64,flash-image=", "fault 'flash-image=' needs a file name after '='"},
        {"none,saver-image=x", "fault 'saver-image=x' can never act: card kind 'none' has no flash and no saver"},
    };
    for (const Case& c : cases) {
        try {
            ParseCardConfig(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const CardConfigError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.text;
        }
    }
}

}  // namespace
}  // namespace sim
