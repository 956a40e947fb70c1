// Writing an image changes only what differs, keeps the bytes past the
// image, and reports the blocks that are not as the image.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "cartridge/FlashImageWriter.h"
#include "sim/SimulatedCard.h"

namespace cartridge {
namespace {

class NoProgress final : public TransferProgress {
public:
    void TransferStart(std::uint32_t) override {}
    void TransferDone(std::uint32_t) override {}
};

std::vector<std::uint8_t> RandomImage(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

struct Card {
    explicit Card(const char* config) : card(sim::ParseCardConfig(config)) {}
    FlashImageWrite Write(const std::vector<std::uint8_t>& image) {
        portio::ScopedPortBackend scope(card);
        NoProgress progress;
        return WriteFlashImage(image, progress);
    }
    std::vector<std::uint8_t> Flash(std::uint32_t size) const {
        std::vector<std::uint8_t> bytes(size);
        for (std::uint32_t a = 0; a < size; ++a) bytes[a] = card.FlashCell(a);
        return bytes;
    }
    int Programs() const { return card.PartFor(0)->ProgramCount(); }
    sim::SimulatedCard card;
};

TEST(FlashImageWriterTest, OnlyBlocksThatDifferAreErasedAndOnlyBuffersThatChangeAreProgrammed) {
    Card intel("intel64");
    const std::vector<std::uint8_t> image = RandomImage(0x80000, 1);  // 4 blocks of 128 KB
    FlashImageWrite first = intel.Write(image);
    EXPECT_TRUE(first.Succeeded());
    EXPECT_EQ(first.blocks, 4u);
    EXPECT_EQ(first.erased, 0u);  // an erased card takes the image without an erase
    EXPECT_EQ(first.buffers, 0x80000u / 32);
    EXPECT_EQ(intel.Flash(0x80000), image);

    // The same image again: nothing is erased or programmed.
    const int programs = intel.Programs();
    FlashImageWrite again = intel.Write(image);
    EXPECT_TRUE(again.Succeeded());
    EXPECT_EQ(again.unchanged, 4u);
    EXPECT_EQ(intel.card.EraseCount(), 0);
    EXPECT_EQ(intel.Programs(), programs);

    // One bit cleared in block 1 needs one buffer and no erase; one bit set
    // in block 3 needs that block erased and its buffers that are not all
    // 0xFF programmed again.
    std::vector<std::uint8_t> changed = image;
    std::uint32_t cleared = 0x20010;
    while (changed[cleared] == 0) ++cleared;
    changed[cleared] &= changed[cleared] - 1;  // its lowest 1 becomes 0
    std::uint32_t set = 0x60000;
    while (changed[set] == 0xFF) ++set;
    changed[set] = 0xFF;
    std::fill(changed.begin() + 0x70000, changed.begin() + 0x70020, 0xFF);  // a buffer left erased
    FlashImageWrite third = intel.Write(changed);
    EXPECT_TRUE(third.Succeeded());
    EXPECT_EQ(third.erased, 1u);
    EXPECT_EQ(third.unchanged, 2u);
    EXPECT_EQ(third.buffers, 1u + 0x20000u / 32 - 1);
    EXPECT_EQ(intel.card.EraseCount(), 1);
    EXPECT_EQ(intel.Flash(0x80000), changed);
}

TEST(FlashImageWriterTest, BytesPastTheImageKeepWhatTheCardHeld) {
    Card sharp("sharp32");
    const std::vector<std::uint8_t> game = RandomImage(0x400000, 2);
    ASSERT_TRUE(sharp.Write(game).Succeeded());
    // A shorter image whose last block needs an erase: the rest of that
    // block and every block after it stay as they were.
    std::vector<std::uint8_t> patch(0x18000, 0xFF);
    FlashImageWrite result = sharp.Write(patch);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.blocks, 2u);
    EXPECT_EQ(result.erased, 2u);
    std::vector<std::uint8_t> expected = game;
    std::copy(patch.begin(), patch.end(), expected.begin());
    EXPECT_EQ(sharp.Flash(0x400000), expected);
}

TEST(FlashImageWriterTest, BlocksThatAreNotAsTheImageAreNamed) {
    Card locked("sharp64,flash-locked=0x30000,flash-bad=0x50005:0x00");
    FlashImageWrite result = locked.Write(std::vector<std::uint8_t>(0x80000, 0x5A));
    EXPECT_FALSE(result.Succeeded());
    EXPECT_TRUE(result.ready);
    EXPECT_EQ(result.differingBlocks, (std::vector<std::uint32_t>{0x30000, 0x50000}));

    Card none("none");
    EXPECT_FALSE(none.Write(std::vector<std::uint8_t>(64, 0)).partFound);
}

}  // namespace
}  // namespace cartridge
