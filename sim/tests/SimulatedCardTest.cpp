#include <gtest/gtest.h>

#include <set>

#include "sim/FlashPart.h"
#include "sim/SimulatedCard.h"

namespace sim {
namespace {

class FlashPartTest : public ::testing::Test {
protected:
    FlashPart part{0x400000, 0x200000, 0x10000, 0xB0D0};

    void Program(std::uint32_t address, std::uint8_t value) {
        part.Write(address, 0xE8);
        part.Write(address, 0x00);  // count: one byte
        part.Write(address, value);
        part.Write(address, 0xD0);
    }
    int ReadsUntilReady(std::uint32_t address) {
        int reads = 1;
        while (part.Read(address) < 0x80) ++reads;
        return reads;
    }
};

TEST_F(FlashPartTest, ProgrammingOnlyClearsBitsAndEraseSetsTheBlock) {
    Program(0x410005, 0x0F);
    EXPECT_EQ(ReadsUntilReady(0x410005), FlashPart::kProgramBusyReads + 1);
    Program(0x410005, 0xF3);
    ReadsUntilReady(0x410005);
    EXPECT_EQ(part.Cell(0x410005), 0x03);

    part.Write(0x41FFFF, 0x20);
    part.Write(0x41FFFF, 0xD0);
    EXPECT_EQ(ReadsUntilReady(0x41FFFF), FlashPart::kEraseBusyReads + 1);
    EXPECT_EQ(part.Cell(0x410005), 0xFF);
    EXPECT_EQ(part.EraseCount(), 1);
}

TEST_F(FlashPartTest, IdentifierModeLastsUntilReadArray) {
    part.Write(0x400000, 0x90);
    EXPECT_EQ(part.Read(0x400000), 0xB0);
    EXPECT_EQ(part.Read(0x400002), 0xD0);
    EXPECT_EQ(part.Read(0x400000), 0xB0);  // still identifier mode
    part.Write(0x400000, 0xFF);
    EXPECT_EQ(part.Read(0x400000), 0xFF);  // erased array
}

TEST_F(FlashPartTest, WrongConfirmSetsErrorBitsAndProgramsNothing) {
    part.Write(0x400010, 0xE8);
    part.Write(0x400010, 0x00);
    part.Write(0x400010, 0x00);
    part.Write(0x400010, 0x20);  // not a confirm
    EXPECT_EQ(part.Read(0x400010), 0xB0);  // ready, with the sequence error bits
    EXPECT_EQ(part.Cell(0x400010), 0xFF);
    part.Write(0x400010, 0x50);
    EXPECT_EQ(part.Read(0x400010), 0x80);
}

TEST_F(FlashPartTest, AFailedProgramMakesThePartRefuseBuffersUntilItsStatusIsCleared) {
    part.AddWeakCell(0x400010);
    Program(0x400010, 0x00);
    ReadsUntilReady(0x400010);
    EXPECT_EQ(part.Read(0x400010), 0x90);  // ready, program failed
    EXPECT_EQ(part.Cell(0x400010), 0xFF);

    // The next write to buffer only shows the status; what follows is taken
    // as commands: 0x20 and 0xD0 erase the block.
    part.Write(0x400020, 0xE8);
    EXPECT_EQ(part.Read(0x400020), 0x90);
    Program(0x400030, 0x00);  // a stand-in for a buffer sent regardless
    part.Write(0x400020, 0x20, true);
    part.Write(0x400020, 0xD0, true);
    EXPECT_EQ(part.EraseCount(), 1);
    EXPECT_EQ(part.StreamBytesTakenAsCommands(), 1);  // the 0xD0 was the erase's confirm
    ReadsUntilReady(0x400020);

    part.Write(0x400020, 0x50);
    part.Write(0x400020, 0xE8);
    EXPECT_EQ(part.Read(0x400020), 0x80);  // extended status: buffer available
}

TEST_F(FlashPartTest, LockedBlocksRefuseEraseAndProgramAndKeepTheirBitUntilCleared) {
    part.LockBlock(0x410000);
    Program(0x410004, 0x00);
    ReadsUntilReady(0x410004);
    EXPECT_EQ(part.Read(0x410004), 0x92);  // program failed: block locked
    part.Write(0x410004, 0x50);
    part.Write(0x41FFFF, 0x20);
    part.Write(0x41FFFF, 0xD0);
    ReadsUntilReady(0x41FFFF);
    EXPECT_EQ(part.Read(0x41FFFF), 0xA2);  // erase failed: block locked
    EXPECT_EQ(part.Cell(0x410004), 0xFF);
    EXPECT_TRUE(part.BlockLocked(0x410000));
    EXPECT_FALSE(part.BlockLocked(0x420000));
    part.Write(0x410000, 0x90);
    EXPECT_EQ(part.Read(0x410004), 0x01);  // the block's lock configuration

    part.Write(0x400000, 0x50);
    part.Write(0x400000, 0x60);  // clear every lock bit
    part.Write(0x400000, 0xD0);
    ReadsUntilReady(0x400000);
    EXPECT_EQ(part.Read(0x400000), 0x80);
    EXPECT_FALSE(part.BlockLocked(0x410000));
}

TEST_F(FlashPartTest, TheRestOfTheCommandSetIsExecutedNotTakenAsErrors) {
    part.Write(0x400001, 0x40);  // byte program
    part.Write(0x400001, 0x3C);
    ReadsUntilReady(0x400001);
    part.Write(0x400002, 0x10);  // its other code
    part.Write(0x400002, 0x0F);
    ReadsUntilReady(0x400002);
    EXPECT_EQ(part.Cell(0x400001), 0x3C);
    EXPECT_EQ(part.Cell(0x400002), 0x0F);

    part.Write(0x430000, 0x60);  // set the block's lock bit
    part.Write(0x430000, 0x01);
    ReadsUntilReady(0x430000);
    EXPECT_TRUE(part.BlockLocked(0x43FFFF));

    part.Write(0x400000, 0xC0);  // protection register program
    part.Write(0x400000, 0x00);
    ReadsUntilReady(0x400000);
    EXPECT_EQ(part.ProtectionPrograms(), 1);
    part.Write(0x400000, 0xB8);  // configuration: the next byte is its code
    part.Write(0x400000, 0x20);
    part.Write(0x400000, 0x98);  // query
    EXPECT_EQ(part.Read(0x400020), 'Q');
    part.Write(0x400000, 0xB0);  // suspend and resume with nothing running
    part.Write(0x400000, 0xD0);
    EXPECT_EQ(part.Read(0x400000), 0x80);  // no error bit anywhere
    EXPECT_EQ(part.EraseCount(), 0);
}

TEST_F(FlashPartTest, BufferDataLeavingTheBlockAbortsTheProgram) {
    part.Write(0x40FFFF, 0xE8);
    part.Write(0x40FFFF, 0x01);  // two bytes
    part.Write(0x40FFFF, 0x00, true);
    part.Write(0x410000, 0x00, true);  // the next block
    part.Write(0x410000, 0xD0);
    EXPECT_EQ(part.Read(0x410000), 0xB0);  // bad sequence
    EXPECT_EQ(part.Cell(0x40FFFF), 0xFF);
    EXPECT_EQ(part.ProgramCount(), 0);
}

TEST_F(FlashPartTest, EraseFailuresAndLowVoltageSetTheirBitsAndChangeNothing) {
    Program(0x400000, 0x00);
    ReadsUntilReady(0x400000);
    part.FailEraseOf(0x400000);
    part.Write(0x400000, 0x20);
    part.Write(0x400000, 0xD0);
    ReadsUntilReady(0x400000);
    EXPECT_EQ(part.Read(0x400000), 0xA0);
    EXPECT_EQ(part.Cell(0x400000), 0x00);

    part.Write(0x400000, 0x50);
    part.SetVppLow();
    Program(0x400100, 0x00);
    ReadsUntilReady(0x400100);
    EXPECT_EQ(part.Read(0x400100), 0x98);
    EXPECT_EQ(part.Cell(0x400100), 0xFF);
}

TEST_F(FlashPartTest, WhileBusyOnlyBit7MeansAnything) {
    part.SetEraseBusyReads(3000);  // longer than a caller's clock check interval
    part.SetBusyStatusNoise(true);
    part.Write(0x400000, 0x20);
    part.Write(0x400000, 0xD0);
    std::set<std::uint8_t> seen;
    for (int i = 0; i < 3000; ++i) {
        const std::uint8_t status = part.Read(0x400000);
        ASSERT_LT(status, 0x80);
        seen.insert(status);
    }
    EXPECT_GT(seen.size(), 8u);  // not a fixed value a caller could rely on
    EXPECT_EQ(part.Read(0x400000), 0x80);
}

TEST_F(FlashPartTest, HungPartStaysBusyForever) {
    part.HangOnNextOperation();
    part.Write(0x400000, 0x20);
    part.Write(0x400000, 0xD0);
    for (int i = 0; i < 10000; ++i) ASSERT_LT(part.Read(0x400000), 0x80);
    part.Write(0x400000, 0xFF);
    EXPECT_LT(part.Read(0x400000), 0x80);
}

// Adapter-level accesses, written out by port so the adapter model is
// checked independently of the diagnostic's own primitives.
class SimulatedCardTest : public ::testing::Test {
protected:
    void Select(std::uint8_t reg) { card.WriteByte(0x37B, reg); }
    void Data(std::uint8_t value) { card.WriteByte(0x37C, value); }
    void SetRegister(std::uint8_t reg, std::uint8_t value) {
        Select(reg);
        Data(value);
    }
    void Address(std::uint32_t a) {
        SetRegister(0, a & 0xFF);
        SetRegister(1, (a >> 8) & 0xFF);
        SetRegister(2, (a >> 16) & 0xFF);
        Select(3);
    }

    SimulatedCard card{ParseCardConfig("sharp32")};
};

TEST_F(SimulatedCardTest, StreamModeStepsTheAddressAndWordsAreLowAddressFirst) {
    SetRegister(6, 0x98);  // saver stream
    Address(0x000200);
    for (int i = 0; i < 8; ++i) Data(static_cast<std::uint8_t>(0x10 + i));
    EXPECT_EQ(card.Address(), 0x000208u);
    // Both adapter addresses of a saver byte land on the same byte.
    EXPECT_EQ(card.SaverCell(0x100), 0x11);
    EXPECT_EQ(card.SaverCell(0x103), 0x17);
    Address(0x000200);
    EXPECT_EQ(card.ReadWord(0x37C), 0x1111);
    EXPECT_EQ(card.ReadWord(0x37C), 0x1313);

    Address(0x0002FE);  // the step wraps within the 256-byte page
    Data(0xA1);
    Data(0xA2);
    Data(0xA3);
    EXPECT_EQ(card.Address(), 0x000201u);
    EXPECT_EQ(card.SaverCell(0x100), 0xA3);

    SetRegister(6, 0x88);  // saver, no stream: the address stays
    Address(0x000202);
    EXPECT_EQ(card.ReadByte(0x37C), 0x13);
    EXPECT_EQ(card.ReadByte(0x37C), 0x13);
    EXPECT_EQ(card.Address(), 0x000202u);
}

TEST_F(SimulatedCardTest, NothingAnswersOutsideTheCardOrOutsideTheDataWindow) {
    SetRegister(6, 0x84);
    Address(0x400000);  // past the card's two 2 MB parts
    Data(0x90);
    EXPECT_EQ(card.ReadByte(0x37C), 0xFF);
    Select(2);
    EXPECT_EQ(card.ReadByte(0x37C), 0xFF);  // registers do not read back
    EXPECT_EQ(card.ReadByte(0x379), 0xFF);

    SimulatedCard none(ParseCardConfig("none"));
    none.WriteByte(0x37B, 6);
    none.WriteByte(0x37C, 0x88);
    none.WriteByte(0x37B, 3);
    EXPECT_EQ(none.ReadWord(0x37C), 0xFFFF);
}

TEST_F(SimulatedCardTest, SharpCardsAreMadeOf16MbitPartsAndABufferStaysInItsPart) {
    auto identifierAt = [](SimulatedCard& c, std::uint32_t a) {
        c.WriteByte(0x37B, 6);
        c.WriteByte(0x37C, 0x84);
        for (std::uint8_t reg = 0; reg < 3; ++reg) {
            c.WriteByte(0x37B, reg);
            c.WriteByte(0x37C, static_cast<std::uint8_t>(a >> (8 * reg)));
        }
        c.WriteByte(0x37B, 3);
        c.WriteByte(0x37C, 0x90);
        return c.ReadByte(0x37C);
    };
    EXPECT_EQ(identifierAt(card, 0x000000), 0xB0);
    EXPECT_EQ(identifierAt(card, 0x200000), 0xB0);
    EXPECT_EQ(identifierAt(card, 0x400000), 0xFF);
    SimulatedCard sharp64(ParseCardConfig("sharp64"));
    EXPECT_EQ(identifierAt(sharp64, 0x600000), 0xB0);

    // The last buffer of the first part: its confirm, after the 32 data
    // bytes, wraps within the page and so stays in that part.
    SetRegister(6, 0x84);
    Address(0x1FFFE0);
    Data(0xE8);
    Data(0x1F);
    SetRegister(6, 0x94);
    Address(0x1FFFE0);
    for (int i = 0; i < 32; ++i) Data(static_cast<std::uint8_t>(i));
    SetRegister(6, 0x84);
    Select(3);
    Data(0xD0);
    EXPECT_EQ(card.FlashCell(0x1FFFFF), 31);
    EXPECT_EQ(card.FlashCell(0x200000), 0xFF);
    EXPECT_EQ(card.StreamBytesTakenAsCommands(), 0);
}

TEST_F(SimulatedCardTest, StuckBytesOverrideWhatIsStored) {
    SimulatedCard faulty(ParseCardConfig("intel64,flash-bad=0x123456:0x5A,saver-bad=0x10:0x33"));
    faulty.WriteByte(0x37B, 6);
    faulty.WriteByte(0x37C, 0x84);
    auto address = [&](std::uint32_t a) {
        for (std::uint8_t reg = 0; reg < 3; ++reg) {
            faulty.WriteByte(0x37B, reg);
            faulty.WriteByte(0x37C, static_cast<std::uint8_t>(a >> (8 * reg)));
        }
        faulty.WriteByte(0x37B, 3);
    };
    address(0x123456);
    EXPECT_EQ(faulty.ReadByte(0x37C), 0x5A);
    EXPECT_EQ(faulty.FlashCell(0x123456), 0xFF);
    faulty.WriteByte(0x37B, 6);
    faulty.WriteByte(0x37C, 0x88);
    address(0x20);  // saver byte 0x10
    EXPECT_EQ(faulty.ReadByte(0x37C), 0x33);
}

}  // namespace
}  // namespace sim
