// The icon file's bytes as the resource compiler and the system read them,
// and the program's icon drawn into it.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "skin/gfx/SeBitmap.h"
#include "tools/skingen/IcoFile.h"
#include "tools/skingen/ProgramIcon.h"
#include "tools/skingen/SkinGen.h"

namespace skingen {
namespace {

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

TEST(IcoFileTest, EachPictureIsABottomUpBitmapWithItsMaskAfterTheDirectory) {
    skin::TSeBitmap small, wide;
    small.SetSize(2, 3);
    small.Fill(0);
    *small.PixelPtr(0, 0) = 0xFF102030;  // top-left, opaque
    *small.PixelPtr(1, 2) = 0x7F405060;  // bottom-right, under half opaque
    *small.PixelPtr(0, 2) = 0x80A0B0C0;  // bottom-left, half opaque
    wide.SetSize(33, 1);
    wide.Fill(0xFFFFFFFF);
    *wide.PixelPtr(32, 0) = 0;
    const skin::TSeBitmap* pictures[] = {&small, &wide};
    const std::vector<std::uint8_t> ico = EncodeIco(pictures);

    EXPECT_EQ(U16(ico, 0), 0u);
    EXPECT_EQ(U16(ico, 2), 1u);
    ASSERT_EQ(U16(ico, 4), 2u);
    // Entries: width, height, no palette, 1 plane, 32 bits, size, offset.
    const std::size_t smallSize = 40 + 2 * 3 * 4 + 3 * 4, wideSize = 40 + 33 * 4 + 1 * 8;
    EXPECT_EQ(ico[6], 2);
    EXPECT_EQ(ico[7], 3);
    EXPECT_EQ(U16(ico, 6 + 4), 1u);
    EXPECT_EQ(U16(ico, 6 + 6), 32u);
    EXPECT_EQ(U32(ico, 6 + 8), smallSize);
    EXPECT_EQ(U32(ico, 6 + 12), 6u + 2 * 16);
    EXPECT_EQ(ico[22], 33);
    EXPECT_EQ(U32(ico, 22 + 8), wideSize);
    EXPECT_EQ(U32(ico, 22 + 12), 6u + 2 * 16 + smallSize);
    ASSERT_EQ(ico.size(), 6u + 2 * 16 + smallSize + wideSize);

    const std::size_t image = 38;
    EXPECT_EQ(U32(ico, image), 40u);
    EXPECT_EQ(U32(ico, image + 4), 2u);
    EXPECT_EQ(U32(ico, image + 8), 6u);  // colour rows and mask rows
    EXPECT_EQ(U16(ico, image + 14), 32u);
    const std::size_t pixels = image + 40;
    EXPECT_EQ(U32(ico, pixels), 0x80A0B0C0u);          // the bottom row comes first
    EXPECT_EQ(U32(ico, pixels + 4), 0x7F405060u);
    EXPECT_EQ(U32(ico, pixels + 2 * 8), 0xFF102030u);  // the top row last
    const std::size_t mask = pixels + 2 * 3 * 4;
    EXPECT_EQ(ico[mask], 0x40);      // bottom row: the under-half pixel is masked
    EXPECT_EQ(ico[mask + 4], 0xC0);  // middle row: both transparent
    EXPECT_EQ(ico[mask + 8], 0x40);  // top row: the right one
    // A 33-pixel row needs two words of mask; its last pixel is bit 7 of byte 4.
    const std::size_t wideMask = image + smallSize + 40 + 33 * 4;
    EXPECT_EQ(ico[wideMask], 0);
    EXPECT_EQ(ico[wideMask + 4], 0x80);

    const skin::TSeBitmap* none[] = {nullptr};
    EXPECT_THROW(EncodeIco(none), std::invalid_argument);
    EXPECT_THROW(EncodeIco({}), std::invalid_argument);
    skin::TSeBitmap huge;
    huge.SetSize(257, 1);
    const skin::TSeBitmap* tooWide[] = {&huge};
    EXPECT_THROW(EncodeIco(tooWide), std::invalid_argument);
}

TEST(ProgramIconTest, TheCartridgeIsOpaqueWithSoftEdgesAndTheCornersAndNotchAreClear) {
    for (int size : kProgramIconSizes) {
        SCOPED_TRACE(size);
        skin::TSeBitmap icon;
        PaintProgramIcon(size, icon);
        ASSERT_EQ(icon.Width(), size);
        ASSERT_EQ(icon.Height(), size);
        const auto at = [&](float ux, float uy) { return icon.GetPixel(int(ux * size / 16), int(uy * size / 16)); };
        EXPECT_EQ(at(0, 0), 0u);
        EXPECT_EQ(at(15, 15), 0u);
        EXPECT_EQ(at(13.5f, 1.2f), 0u);  // the cut corner
        EXPECT_EQ(skin::PixelAlpha(at(7.5f, 10)), 255);
        // The label is light, the chip on it dark, the contacts gold.
        EXPECT_GT(skin::PixelGreen(at(4.5f, 8)), 0xC0);
        EXPECT_LT(skin::PixelGreen(at(7.5f, 5.5f)), 0x40);
        const skin::TPixel contact = at(4.5f, 13);
        EXPECT_GT(skin::PixelRed(contact), skin::PixelBlue(contact) + 0x60);
        int soft = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) soft += skin::PixelAlpha(icon.GetPixel(x, y)) % 255 != 0;
        EXPECT_GT(soft, 0);
    }
}

TEST(ProgramIconTest, SkinGenWritesTheIconFileWithEverySize) {
    const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "skingen-icon-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "program.ico").string();
    std::FILE* err = std::tmpfile();
    ASSERT_EQ(RunSkinGen({"--icon=" + path}, err), 0);
    EXPECT_EQ(RunSkinGen({"--icon=" + path, "--icon=b.ico"}, err), 2);
    EXPECT_EQ(RunSkinGen({"--icon="}, err), 2);
    std::fclose(err);
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> ico{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GE(ico.size(), 6u + 16 * kProgramIconSizes.size());
    ASSERT_EQ(U16(ico, 4), kProgramIconSizes.size());
    for (std::size_t i = 0; i < kProgramIconSizes.size(); ++i) {
        EXPECT_EQ(ico[6 + 16 * i], kProgramIconSizes[i]);
        EXPECT_LE(U32(ico, 6 + 16 * i + 12) + U32(ico, 6 + 16 * i + 8), ico.size());
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace skingen
