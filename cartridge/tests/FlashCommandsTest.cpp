#include <gtest/gtest.h>

#include "cartridge/FlashCommands.h"
#include "cartridge/AdapterLink.h"
#include "portio/PortRecorder.h"
#include "sim/SimulatedCard.h"

namespace cartridge {
namespace {

using portio::PortAccess;
using Kind = PortAccess::Kind;

// The values written to the data port, in order: mode bytes, address bytes,
// commands and data.
std::vector<std::uint16_t> DataWrites(const std::vector<PortAccess>& accesses) {
    std::vector<std::uint16_t> values;
    for (const PortAccess& a : accesses)
        if (a.kind == Kind::Write && a.port == PortEppData) values.push_back(a.value);
    return values;
}

int Count(const std::vector<PortAccess>& accesses, Kind kind) {
    int n = 0;
    for (const PortAccess& a : accesses) n += a.kind == kind;
    return n;
}

class FlashCommandsTest : public ::testing::Test {
protected:
    portio::PortRecorder ports;
    portio::ScopedPortBackend scope{ports};
};

TEST_F(FlashCommandsTest, ResetVisitsTheFourBanksInItsFixedOrder) {
    ResetFlashBanks();
    EXPECT_EQ(DataWrites(ports.Accesses()),
              (std::vector<std::uint16_t>{0x84, 0x00, 0x00, 0x40, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x60,
                                          0xFF, 0x00, 0x00, 0x20, 0xFF, 0x80}));
}

TEST_F(FlashCommandsTest, ReadIdByteRewritesOnlyTheLowAddressRegister) {
    ports.QueueReads({0x17});
    EXPECT_EQ(ReadIdByte(2), 0x17);
    const std::vector<PortAccess> expected = {
        {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37B, 6}, {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37C, 0x84},
        {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37B, 0}, {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37C, 0x02},
        {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37B, 3}, {Kind::Write, 0x37C, 0x90},
        {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37B, 3}, {Kind::Write, 0x37A, 0}, {Kind::Read8, 0x37C, 0x17},
        {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37B, 6}, {Kind::Write, 0x37A, 1}, {Kind::Write, 0x37C, 0x80},
    };
    EXPECT_EQ(ports.Accesses(), expected);
}

TEST(FlashCommandsOnCardTest, IdentifierReadsUseTheAddressLeftInTheRegisters) {
    sim::SimulatedCard card(sim::ParseCardConfig("sharp64"));
    portio::ScopedPortBackend scope(card);
    ResetFlashBanks();
    EXPECT_EQ(ReadCardId(), SharpCardId);
    EXPECT_EQ(card.Address(), 0x200002u);  // read at 0x200000, then 0x200002
    SetAddress(0x400000);
    EXPECT_EQ(ReadCardId(), SharpCardId);
    EXPECT_EQ(card.Address(), 0x400002u);
}

TEST_F(FlashCommandsTest, EraseClearsStatusThenConfirmsAtTheSameAddress) {
    ports.QueueReads({0x00, 0x80});
    EXPECT_TRUE(EraseFlashBlock(0x020000));
    EXPECT_EQ(DataWrites(ports.Accesses()),
              (std::vector<std::uint16_t>{0x84, 0x00, 0x00, 0x02, 0x50, 0x80,        //
                                          0x84, 0x00, 0x00, 0x02, 0x20, 0xD0, 0x80,  //
                                          0x84, 0x80}));
    EXPECT_EQ(Count(ports.Accesses(), Kind::Read8), 2);
}

TEST_F(FlashCommandsTest, ProgramTakesTheBufferBytesOfItsAddressAndCosts89Writes) {
    PatternBlock buffer;
    for (std::uint32_t i = 0; i < PatternBytes; ++i) buffer[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
    ports.defaultRead = 0x80;
    const std::uint32_t address = 0x7FE0;  // the last 32 bytes of the block at 0x4000
    EXPECT_TRUE(ProgramFlashBuffer(address, buffer));

    const auto writes = DataWrites(ports.Accesses());
    // mode, 3 address bytes, 0xE8, count, stream mode, 3 address bytes, 32 data, mode, confirm, idle
    ASSERT_EQ(writes.size(), 1u + 3 + 1 + 1 + 1 + 3 + 32 + 1 + 1 + 1);
    EXPECT_EQ(writes[4], 0xE8);
    EXPECT_EQ(writes[5], 0x1F);
    EXPECT_EQ(writes[6], 0x94);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(writes[10 + i], buffer[0x3FE0 + i]) << i;
    EXPECT_EQ(writes[43], 0xD0);
    EXPECT_EQ(writes[44], 0x80);
    EXPECT_EQ(Count(ports.Accesses(), Kind::Write), 89);
    EXPECT_EQ(Count(ports.Accesses(), Kind::Read8), 2);
}

TEST_F(FlashCommandsTest, WaitReadsUntilBit7AndGivesUpAfterItsBound) {
    ports.QueueReads({0x00, 0x7F, 0x80});
    EXPECT_TRUE(WaitFlashStatus().ready);
    EXPECT_EQ(Count(ports.Accesses(), Kind::Read8), 3);

    ports.Clear();
    ports.defaultRead = 0x00;  // never ready
    SetFlashWaitBound(std::chrono::milliseconds(20));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(WaitFlashStatus().ready);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(20));
    SetFlashWaitBound(DefaultFlashWaitBound);
    EXPECT_GT(Count(ports.Accesses(), Kind::Read8), 1000);
}

TEST(FlashWaitBoundTest, DefaultIsLongEnoughForABlockErase) {
    EXPECT_GE(DefaultFlashWaitBound, std::chrono::seconds(10));
}

}  // namespace
}  // namespace cartridge
