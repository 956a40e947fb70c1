// The diagnosis of a whole area's readout, on readouts made the way each
// fault makes them on a card.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "cartridge/AreaDiagnosis.h"
#include "cartridge/Patterns.h"

namespace cartridge {
namespace {

constexpr std::uint32_t FlashBytes = 0x100000;  // enough lines to tell them apart
constexpr std::uint32_t EraseBlock = 0x20000;

std::vector<std::uint8_t> FlashPattern(std::uint32_t bytes) {
    std::vector<std::uint8_t> out(bytes);
    PatternBlock block;
    for (std::uint32_t start = 0; start < bytes; start += PatternBytes) {
        FillFlashPattern(block, start);
        std::copy(block.begin(), block.end(), out.begin() + start);
    }
    return out;
}

std::vector<std::uint8_t> SaverBytes() {
    std::vector<std::uint8_t> out(0x20000);
    for (std::uint32_t x = 0; x < out.size(); ++x) out[x] = SaverPattern(x);
    return out;
}

// Programs `expected` in ascending address order into a memory whose cells
// are reached through `cellOf`: flash cells keep the bits all their writes
// keep, and an erase (at each block's first address) sets its cell's block.
std::vector<std::uint8_t> ProgramThrough(const std::vector<std::uint8_t>& expected, auto cellOf,
                                         std::uint32_t eraseBlock) {
    std::vector<std::uint8_t> cells(expected.size(), 0x00);
    for (std::uint32_t a = 0; a < expected.size(); ++a) {
        if (eraseBlock && a % eraseBlock == 0) {
            const std::uint32_t block = cellOf(a) / eraseBlock * eraseBlock;
            std::fill(cells.begin() + block, cells.begin() + block + eraseBlock, 0xFF);
        }
        std::uint8_t& cell = cells[cellOf(a)];
        cell = eraseBlock ? cell & expected[a] : expected[a];
    }
    std::vector<std::uint8_t> got(expected.size());
    for (std::uint32_t a = 0; a < got.size(); ++a) got[a] = cells[cellOf(a)];
    return got;
}

std::vector<std::string> Flash(const std::vector<std::uint8_t>& expected, const std::vector<std::uint8_t>& got) {
    return DiagnoseArea({.start = 0, .expected = expected, .got = got, .lineOfBit0 = 0, .eraseBlockBytes = EraseBlock});
}

std::vector<std::string> Saver(const std::vector<std::uint8_t>& expected, const std::vector<std::uint8_t>& got) {
    return DiagnoseArea({.start = 0, .expected = expected, .got = got, .lineOfBit0 = 1});
}

using Lines = std::vector<std::string>;

TEST(AreaDiagnosisTest, AHealthyAreaHasNoDiagnosisAndBadCellsAreNamed) {
    const auto expected = FlashPattern(FlashBytes);
    EXPECT_EQ(Flash(expected, expected), Lines{});

    auto got = expected;
    got[0x1234] = 0x00;
    EXPECT_EQ(Flash(expected, got), Lines{"1 byte differs at 0x001234: a single bad cell"});
    got[0x80001] ^= 0x40;
    EXPECT_EQ(Flash(expected, got), Lines{"2 bytes differ at 0x001234, 0x080001: bad cells"});
}

TEST(AreaDiagnosisTest, AStuckDataLineIsNamedWithItsValue) {
    const auto expected = SaverBytes();
    auto low = expected, high = expected;
    for (auto& b : low) b &= ~0x08;
    for (auto& b : high) b |= 0x80;
    EXPECT_EQ(Saver(expected, low), Lines{"data line D3 stuck at 0 (every byte read has bit 3 cleared)"});
    EXPECT_EQ(Saver(expected, high), Lines{"data line D7 stuck at 1 (every byte read has bit 7 set)"});

    // The line also spoiled commands: other bits differ too, and it says so.
    high[0x100] = 0x80;
    const Lines lines = Saver(expected, high);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "1 of the 65536 mismatches differ in other bits too, which the stuck line alone does not explain");
}

TEST(AreaDiagnosisTest, AStuckAddressLineIsNamedWhicheverValueItHolds) {
    const auto expected = FlashPattern(FlashBytes);
    for (const std::uint32_t stuckValue : {0u, 1u})
        for (const int bit : {3, 9, 17}) {  // in a write buffer, in an erase block, across erase blocks
            const std::uint32_t mask = 1u << bit;
            const auto got =
                ProgramThrough(expected, [&](std::uint32_t a) { return stuckValue ? a | mask : a & ~mask; }, EraseBlock);
            EXPECT_EQ(Flash(expected, got),
                      Lines{"address line A" + std::to_string(bit) + " stuck at 0 or 1 (addresses that differ only in bit " +
                            std::to_string(bit) + " read the same bytes)"})
                << "bit " << bit << " stuck at " << stuckValue;
        }

    // In the saver, address bit 4 travels on the card's line A5.
    const auto saver = SaverBytes();
    const auto got = ProgramThrough(saver, [](std::uint32_t x) { return x | 0x10; }, 0);
    EXPECT_EQ(Saver(saver, got),
              Lines{"address line A5 stuck at 0 or 1 (addresses that differ only in bit 4 read the same bytes)"});
}

TEST(AreaDiagnosisTest, ShortedAddressLinesAreNamedAsAPair) {
    const auto expected = FlashPattern(FlashBytes);
    const std::uint32_t both = (1u << 12) | (1u << 13);
    const auto got = ProgramThrough(
        expected, [&](std::uint32_t a) { return (a & both) == both ? a : a & ~both; }, EraseBlock);
    EXPECT_EQ(Flash(expected, got), Lines{"address lines A12 and A13 shorted (addresses that differ only in bits 12 and "
                                          "13 read the same bytes unless both are set)"});
}

TEST(AreaDiagnosisTest, AnUnerasedBlockIsToldFromLinesAndFromNeverWrittenBytes) {
    const auto expected = FlashPattern(FlashBytes);
    // The block at 0x40000 kept a game's data under the pattern, a block of
    // zeros included: no address line may be read into it.
    for (const bool halfZeros : {false, true}) {
        auto got = expected;
        std::mt19937 random(7);
        for (std::uint32_t a = 0x40000; a < 0x60000; ++a)
            got[a] &= halfZeros && a >= 0x50000 ? 0 : static_cast<std::uint8_t>(random());
        EXPECT_EQ(Flash(expected, got),
                  Lines{"erase block 0x040000 did not erase (its bytes keep bits cleared that the pattern sets)"})
            << halfZeros;
    }

    auto got = expected;
    for (std::uint32_t a = 0xC0000; a < FlashBytes; ++a) got[a] = 0xFF;
    const Lines lines = Flash(expected, got);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(lines[0].find(" from ")), " from 0x0C0000 to 0x0FFFFF read 0xFF: they were never written");

    EXPECT_EQ(Flash(expected, std::vector<std::uint8_t>(FlashBytes, 0xFF)),
              Lines{"every byte reads 0xFF: the flash took no program"});
    EXPECT_EQ(Saver(SaverBytes(), std::vector<std::uint8_t>(0x20000, 0xFF)),
              Lines{"every byte reads 0xFF: nothing answers at these addresses"});
}

TEST(AreaDiagnosisTest, ScatteredDamageIsNotGivenAFaultItDoesNotHave) {
    const auto expected = FlashPattern(FlashBytes);
    auto got = expected;
    std::mt19937 random(11);
    for (int i = 0; i < 500; ++i) got[random() % FlashBytes] ^= static_cast<std::uint8_t>(1 + random() % 255);
    const Lines lines = Flash(expected, got);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("no single fault explains these ", 0), 0u) << lines[0];
}

}  // namespace
}  // namespace cartridge
