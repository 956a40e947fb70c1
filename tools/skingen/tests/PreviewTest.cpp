// The previews drawn with the software canvas, the PNG output and the
// tool's command line.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/ComponentStreaming.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinObject.h"
#include "skin/storage/SkinSource.h"
#include "tools/skingen/BuiltinSkin.h"
#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/Png.h"
#include "tools/skingen/SkinGen.h"

namespace skingen {
namespace {

using namespace skin;

class PreviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        source_ = new TSeSkinSource(nullptr);
        BuildBuiltinSkin(*source_);
    }
    static void TearDownTestSuite() {
        delete source_;
        source_ = nullptr;
    }
    static TSeSkinSource* source_;
};
TSeSkinSource* PreviewTest::source_ = nullptr;

// Drawn at the window's size, the frame's pieces meet without gaps: only
// the rounded corners stay transparent, and the client area shows the
// form's colour.
TEST_F(PreviewTest, FramePreviewIsWholeAndShowsTheTwoLooks) {
    constexpr int W = 366, H = 459;
    TSeBitmap active, inactive, all;
    RenderFramePreview(*source_, W, H, true, CaptionButtons::kCloseOnly, L"", active);
    RenderFramePreview(*source_, W, H, false, CaptionButtons::kCloseOnly, L"", inactive);
    RenderFramePreview(*source_, W, H, true, CaptionButtons::kAll, L"", all);
    ASSERT_EQ(active.Width(), W);
    ASSERT_EQ(active.Height(), H);
    for (const TSeBitmap* b : {&active, &inactive}) {
        int holes = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const bool corner = (y < 8 || y == H - 1) && (x < 8 || x >= W - 8);
                if (IsKeyPixel(b->GetPixel(x, y)) && !corner) ++holes;
            }
        EXPECT_EQ(holes, 0);
        EXPECT_TRUE(IsKeyPixel(b->GetPixel(0, 0)));
        EXPECT_TRUE(IsKeyPixel(b->GetPixel(W - 1, 0)));
        EXPECT_EQ(b->GetPixel(180, 240), 0xFFD6D7CEu);  // 0xCED7D6 as a pixel
    }
    int differing = 0;
    for (int y = 0; y < 35; ++y)
        for (int x = 0; x < W; ++x) differing += active.GetPixel(x, y) != inactive.GetPixel(x, y);
    EXPECT_GT(differing, W * 35 * 9 / 10);
    // The close button at 332 .. 353; minimize and maximize only in the third look.
    EXPECT_NE(active.GetPixel(342, 17), active.GetPixel(342, 30));
    EXPECT_EQ(active.GetPixel(308, 17), active.GetPixel(200, 17));
    EXPECT_NE(all.GetPixel(308, 17), active.GetPixel(308, 17));
    EXPECT_NE(all.GetPixel(336, 20), active.GetPixel(336, 20));  // close drawn hot
}

TEST_F(PreviewTest, ProgressAndPopupPreviewsPlaceTheirParts) {
    TSeBitmap empty, half, menu;
    RenderProgressPreview(*source_, 200, 14, 0.0, empty);
    RenderProgressPreview(*source_, 200, 14, 0.5, half);
    EXPECT_NE(half.GetPixel(50, 7), empty.GetPixel(50, 7));   // the bar
    EXPECT_EQ(half.GetPixel(150, 7), empty.GetPixel(150, 7));  // the trough
    RenderPopupPreview(*source_, 120, {L"Rollup", L"-", L"Close"}, 2, menu);
    EXPECT_EQ(menu.Height(), 8 + 3 * 20 + 8);
    EXPECT_EQ(menu.GetPixel(100, 8 + 5), ColorToPixel(13489364));        // an item
    EXPECT_EQ(menu.GetPixel(100, 8 + 40 + 5), ColorToPixel(11374708));   // the selected item
    EXPECT_NE(menu.GetPixel(0, 0), ColorToPixel(13489364));               // the frame
}

std::uint32_t U32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return std::uint32_t(d[at]) << 24 | std::uint32_t(d[at + 1]) << 16 | std::uint32_t(d[at + 2]) << 8 | d[at + 3];
}

TEST(PngTest, WritesValidChunksWithTheRowsOfThePixels) {
    TSeBitmap b;
    b.SetSize(3, 2);
    for (int i = 0; i < 6; ++i) b.Bits()[i] = 0xFF000000u | std::uint32_t(i * 0x102030);
    b.Bits()[5] = kKeyPixel;  // the alpha byte is dropped
    const std::vector<std::uint8_t> png = EncodePng(b);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    std::vector<std::string> types;
    std::vector<std::uint8_t> idat;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t length = U32(png, at);
        const std::string type(png.begin() + long(at) + 4, png.begin() + long(at) + 8);
        types.push_back(type);
        const std::uint8_t* body = png.data() + at + 4;
        EXPECT_EQ(U32(png, at + 8 + length), crc32(0, body, uInt(length + 4))) << type;
        if (type == "IHDR") {
            EXPECT_EQ(U32(png, at + 8), 3u);
            EXPECT_EQ(U32(png, at + 12), 2u);
            EXPECT_EQ(png[at + 16], 8);  // bits
            EXPECT_EQ(png[at + 17], 2);  // RGB
        }
        if (type == "IDAT") idat.insert(idat.end(), body + 4, body + 4 + length);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    std::vector<std::uint8_t> raw(2 * (1 + 3 * 3));
    uLongf rawSize = uLongf(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &rawSize, idat.data(), uLong(idat.size())), Z_OK);
    EXPECT_EQ(rawSize, raw.size());
    EXPECT_EQ(raw, (std::vector<std::uint8_t>{0, 0x00, 0x00, 0x00, 0x10, 0x20, 0x30, 0x20, 0x40, 0x60,
                                              0, 0x30, 0x60, 0x90, 0x40, 0x80, 0xC0, 0x7F, 0x00, 0x7F}));
    EXPECT_EQ(EncodePng(b), png);
}

class SkinGenTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("skingen-test-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        err_ = std::tmpfile();
    }
    void TearDown() override {
        std::fclose(err_);
        std::filesystem::remove_all(dir_);
    }
    int Run(const std::vector<std::string>& args) { return RunSkinGen(args, err_); }
    std::string Errors() {
        std::rewind(err_);
        std::string text;
        for (int c; (c = std::fgetc(err_)) != EOF;) text += char(c);
        return text;
    }
    std::filesystem::path dir_;
    std::FILE* err_ = nullptr;
};

TEST_F(SkinGenTest, UsageErrors) {
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"--sheet=x.png"}), 2);
    EXPECT_EQ(Run({"--contact-sheet="}), 2);
    EXPECT_EQ(Run({"a.ztkn", "b.ztkn"}), 2);
    EXPECT_EQ(Run({"--contact-sheet=a.png", "--contact-sheet=b.png"}), 2);
    EXPECT_NE(Errors().find("usage: skingen"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir_));
}

TEST_F(SkinGenTest, WritesTheContactSheetTheSkinFileAndTheStoredSkin) {
    const std::string sheet = (dir_ / "sheet.png").string();
    ASSERT_EQ(Run({"--contact-sheet=" + sheet}), 0);
    std::ifstream in(sheet, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");

    // The file loads back as the skin it was made from, and the stored
    // skin is the flag and the same container.
    const std::string skinFile = (dir_ / "builtin.ztkn").string();
    const std::string streamFile = (dir_ / "builtin.stream").string();
    ASSERT_EQ(Run({skinFile, "--stream=" + streamFile}), 0) << Errors();
    skin::TSeSkinSource built(nullptr);
    BuildBuiltinSkin(built);
    skin::TSeSkinSource loaded(nullptr);
    loaded.LoadFromFile(skinFile);
    ASSERT_EQ(loaded.Count(), 24);
    ASSERT_EQ(loaded.Bitmaps().Count(), 33);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(framework::ComponentToBinary(loaded.StoredObject(i)), framework::ComponentToBinary(built.StoredObject(i)))
            << i;
    }
    for (int i = 0; i < 33; ++i) {
        const skin::TSeBitmap& a = *loaded.Bitmaps().Items(i);
        const skin::TSeBitmap& b = *built.Bitmaps().Items(i);
        ASSERT_EQ(a.Width() * a.Height(), b.Width() * b.Height());
        EXPECT_TRUE(std::equal(a.Bits(), a.Bits() + a.Width() * a.Height(), b.Bits())) << i;
    }
    std::ifstream skinIn(skinFile, std::ios::binary), streamIn(streamFile, std::ios::binary);
    const std::vector<char> container{std::istreambuf_iterator<char>(skinIn), {}};
    const std::vector<char> stored{std::istreambuf_iterator<char>(streamIn), {}};
    ASSERT_EQ(stored.size(), container.size() + 1);
    EXPECT_EQ(stored[0], 2);
    EXPECT_TRUE(std::equal(container.begin(), container.end(), stored.begin() + 1));
    EXPECT_EQ(std::string(container.begin(), container.begin() + 6), std::string("ZTLZ\x78\x01", 6));

    EXPECT_EQ(Run({"--contact-sheet=" + (dir_ / "missing" / "sheet.png").string()}), 1);
    EXPECT_NE(Errors().find("cannot create"), std::string::npos);
}

}  // namespace
}  // namespace skingen
