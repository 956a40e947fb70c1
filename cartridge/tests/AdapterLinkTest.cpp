#include <gtest/gtest.h>

#include "cartridge/AdapterLink.h"
#include "portio/PortRecorder.h"

namespace cartridge {
namespace {

using portio::PortAccess;
using Kind = PortAccess::Kind;

PortAccess W(std::uint16_t port, std::uint16_t value) { return {Kind::Write, port, value}; }

class AdapterLinkTest : public ::testing::Test {
protected:
    portio::PortRecorder ports;
    portio::ScopedPortBackend scope{ports};
};

TEST_F(AdapterLinkTest, SetAddressWritesTheThreeRegistersLowFirstThenSelectsData) {
    SetAddress(0x400000);
    const std::vector<PortAccess> expected = {
        W(0x37A, 1), W(0x37B, 0), W(0x37A, 1), W(0x37C, 0x00),
        W(0x37A, 1), W(0x37B, 1), W(0x37A, 1), W(0x37C, 0x00),
        W(0x37A, 1), W(0x37B, 2), W(0x37A, 1), W(0x37C, 0x40),
        W(0x37A, 1), W(0x37B, 3),
    };
    EXPECT_EQ(ports.Accesses(), expected);
}

TEST_F(AdapterLinkTest, AddressBitsAbove23AreNeverSent) {
    SetAddress(0xFF123456);
    const auto& a = ports.Accesses();
    ASSERT_EQ(a.size(), 14u);
    EXPECT_EQ(a[3].value, 0x56);
    EXPECT_EQ(a[7].value, 0x34);
    EXPECT_EQ(a[11].value, 0x12);
}

TEST_F(AdapterLinkTest, SetModeAndInitAdapterSequences) {
    SetMode(ModeFlashStream);
    EXPECT_EQ(ports.Accesses(), (std::vector<PortAccess>{W(0x37A, 1), W(0x37B, 6), W(0x37A, 1), W(0x37C, 0x94)}));
    ports.Clear();
    InitAdapter();
    EXPECT_EQ(ports.Accesses(), (std::vector<PortAccess>{W(0x379, 1), W(0x37A, 1), W(0x37B, 6), W(0x37A, 1),
                                                          W(0x37C, 0x00), W(0x37A, 1), W(0x37B, 6), W(0x37A, 1),
                                                          W(0x37C, 0x84)}));
}

TEST_F(AdapterLinkTest, ReadBurstIsFifteenWritesThen128WordReadsInOrder) {
    for (std::uint16_t i = 0; i < 128; ++i) ports.QueueReads({static_cast<std::uint16_t>(0x0100 * i + i)});
    BurstWords words{};
    ReadBurst(0x012300, words);
    const auto& a = ports.Accesses();
    ASSERT_EQ(a.size(), 15u + 128u);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(a[i].kind, Kind::Write) << i;
    EXPECT_EQ(a[14], W(0x37A, 0x00));  // control set for reading just before the first read
    for (int i = 15; i < 143; ++i) {
        EXPECT_EQ(a[i].kind, Kind::Read16);
        EXPECT_EQ(a[i].port, 0x37C);
    }
    EXPECT_EQ(words[5], 0x0505);
    EXPECT_EQ(ports.bulkReads, 1);  // the 128 reads reach the backend in one call
    EXPECT_EQ(BurstByte(words, 10), 0x05);  // low half first
    words[7] = 0xABCD;
    EXPECT_EQ(BurstByte(words, 14), 0xCD);
    EXPECT_EQ(BurstByte(words, 15), 0xAB);
}

}  // namespace
}  // namespace cartridge
