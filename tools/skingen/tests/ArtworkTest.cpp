// The artwork's pixels: what the library needs of them (opaque or exactly
// the key colour), what the frame needs (two different looks, pieces that
// tile without seams, a shaped top) and the painter they are drawn with.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/SeBitmapList.h"
#include "tools/skingen/Artwork.h"
#include "tools/skingen/Paint.h"

namespace skingen {
namespace {

using namespace skin;

class ArtworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        list_ = new TSeBitmapList;
        AddArtwork(*list_, "Pewter");
    }
    static void TearDownTestSuite() {
        delete list_;
        list_ = nullptr;
    }
    static const TSeBitmap& Get(const std::string& suffix) {
        for (int i = 0; i < list_->Count(); ++i)
            if (list_->Items(i)->Name() == "Pewter" + suffix) return *list_->Items(i);
        throw std::runtime_error("no bitmap " + suffix);
    }
    // Pixels of `a` in rectangle `ra` that differ from those of `rb`, as a share of all.
    static double DifferingShare(const TSeBitmap& b, const TRect& ra, const TRect& rb) {
        int differing = 0;
        for (int y = 0; y < RectHeight(ra); ++y)
            for (int x = 0; x < RectWidth(ra); ++x)
                if (b.GetPixel(ra.Left + x, ra.Top + y) != b.GetPixel(rb.Left + x, rb.Top + y)) ++differing;
        return double(differing) / (RectWidth(ra) * RectHeight(ra));
    }
    static TSeBitmapList* list_;
};
TSeBitmapList* ArtworkTest::list_ = nullptr;

// Loading a skin turns pixels near magenta into the key colour, and the hue
// shift and colour-keyed drawing go by alpha and by the key's colour bytes:
// a pixel is either exactly the key or opaque and far from both magentas.
TEST_F(ArtworkTest, EveryPixelIsOpaqueOrExactlyTheKeyColour) {
    auto near = [](TPixel p, int r, int g, int b) {
        return std::abs(PixelRed(p) - r) < 6 && std::abs(PixelGreen(p) - g) < 6 && std::abs(PixelBlue(p) - b) < 6;
    };
    for (int i = 0; i < list_->Count(); ++i) {
        const TSeBitmap& b = *list_->Items(i);
        int keys = 0;
        for (int k = 0; k < b.Width() * b.Height(); ++k) {
            const TPixel p = b.Bits()[k];
            if (p == kKeyPixel) {
                ++keys;
                continue;
            }
            ASSERT_EQ(PixelAlpha(p), 0xFF) << b.Name() << " pixel " << k;
            ASSERT_FALSE(near(p, 0x7F, 0, 0x7F) || near(p, 0xFF, 0, 0xFF)) << b.Name() << " pixel " << k;
        }
        EXPECT_LT(keys, b.Width() * b.Height()) << b.Name() << " is empty";
    }
}

TEST_F(ArtworkTest, RecordsOfOneSuffixHoldTheSamePixels) {
    std::map<std::string, const TSeBitmap*> first;
    int repeats = 0;
    for (int i = 0; i < list_->Count(); ++i) {
        const TSeBitmap& b = *list_->Items(i);
        auto [it, inserted] = first.emplace(b.Name(), &b);
        if (inserted) continue;
        ++repeats;
        const TSeBitmap& a = *it->second;
        ASSERT_EQ(a.Width() * a.Height(), b.Width() * b.Height());
        EXPECT_TRUE(std::equal(a.Bits(), a.Bits() + a.Width() * a.Height(), b.Bits())) << b.Name();
    }
    EXPECT_EQ(first.size(), 26u);
    EXPECT_EQ(repeats, 7);  // three more _buttons, three more _sunkedge, one more _arrows
}

TEST_F(ArtworkTest, ActiveAndInactiveLooksDiffer) {
    EXPECT_GT(DifferingShare(Get("_body_top"), MakeRect(0, 0, 184, 35), MakeRect(0, 35, 184, 70)), 0.9);
    EXPECT_GT(DifferingShare(Get("_body_bottom"), MakeRect(0, 0, 184, 8), MakeRect(0, 8, 184, 16)), 0.9);
    EXPECT_GT(DifferingShare(Get("_body_left"), MakeRect(0, 0, 8, 160), MakeRect(8, 0, 16, 160)), 0.9);
    EXPECT_GT(DifferingShare(Get("_body_right"), MakeRect(0, 0, 8, 160), MakeRect(8, 0, 16, 160)), 0.9);
    // Caption buttons: active, pressed, hot and inactive all differ from each other.
    struct Strip {
        const char* suffix;
        int width, height;
    };
    for (const Strip& s : {Strip{"_icon_close", 21, 22}, Strip{"_icon_max2", 16, 18}, Strip{"_icon_min", 15, 16},
                           Strip{"_icon_max1", 16, 18}}) {
        const TSeBitmap& b = Get(s.suffix);
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                EXPECT_GT(DifferingShare(b, MakeBounds(i * s.width, 0, s.width, s.height),
                                         MakeBounds(j * s.width, 0, s.width, s.height)),
                          0.1)
                    << s.suffix << " frames " << i << " and " << j;
    }
    EXPECT_NE(Get("_icon_max1").GetPixel(8, 11), Get("_icon_max2").GetPixel(8, 11));  // maximize is not restore
}

// The skin tiles the middle of the title bar across, the middle of the
// side borders down, the bottom border across and the progress trough
// across: those parts must repeat without a visible seam.
TEST_F(ArtworkTest, TiledFramePartsAreUniformAlongTheirTiling) {
    auto columnsEqual = [](const TSeBitmap& b, int from, int to, int top, int bottom) {
        for (int x = from + 1; x < to; ++x)
            for (int y = top; y < bottom; ++y)
                if (b.GetPixel(x, y) != b.GetPixel(from, y)) return false;
        return true;
    };
    auto rowsEqual = [](const TSeBitmap& b, int from, int to, int left, int right) {
        for (int y = from + 1; y < to; ++y)
            for (int x = left; x < right; ++x)
                if (b.GetPixel(x, y) != b.GetPixel(x, from)) return false;
        return true;
    };
    EXPECT_TRUE(columnsEqual(Get("_body_top"), 15, 102, 0, 70));
    EXPECT_TRUE(columnsEqual(Get("_body_bottom"), 0, 184, 0, 16));
    EXPECT_TRUE(rowsEqual(Get("_body_left"), 40, 152, 0, 16));
    EXPECT_TRUE(rowsEqual(Get("_body_right"), 40, 152, 0, 16));
    EXPECT_TRUE(columnsEqual(Get("_progress"), 3, 57, 0, 14));
    EXPECT_TRUE(columnsEqual(Get("_scroll_back_h"), 0, 16, 0, 16));
    EXPECT_TRUE(rowsEqual(Get("_scroll_back_v"), 0, 16, 0, 16));
}

// The window's shape comes from the key pixels of the frame: rounded top
// corners, the outermost pixel of each bottom corner, and no hole anywhere
// else.
TEST_F(ArtworkTest, FrameIsOpaqueExceptItsRoundedCorners) {
    auto keysOutside = [](const TSeBitmap& b, auto allowed) {
        int count = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if (IsKeyPixel(b.GetPixel(x, y)) && !allowed(x, y)) ++count;
        return count;
    };
    for (const bool left : {true, false}) {
        const TSeBitmap& b = Get(left ? "_body_left" : "_body_right");
        const int outer = left ? 0 : 7, inner = left ? 7 : 0;
        EXPECT_EQ(keysOutside(b, [&](int x, int y) { return y < 7 || (y == 159 && x % 8 == outer); }), 0) << left;
        for (int half = 0; half < 2; ++half) {
            EXPECT_TRUE(IsKeyPixel(b.GetPixel(half * 8 + outer, 0))) << left;
            EXPECT_TRUE(IsKeyPixel(b.GetPixel(half * 8 + outer + (left ? 3 : -3), 0))) << left;
            EXPECT_FALSE(IsKeyPixel(b.GetPixel(half * 8 + inner, 0))) << left;
            EXPECT_FALSE(IsKeyPixel(b.GetPixel(half * 8 + outer, 7))) << left;
        }
    }
    auto nowhere = [](int, int) { return false; };
    EXPECT_EQ(keysOutside(Get("_body_top"), nowhere), 0);
    EXPECT_EQ(keysOutside(Get("_body_bottom"), nowhere), 0);
}

TEST(PaintTest, ShapesOnWholePixelsCoverThemExactlyAndEdgesBlendIntoTheBackground) {
    Paint p(6, 4);
    p.Fill(Box(1, 1, 4, 3), RgbOf(10, 20, 30));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(p.Coverage(x, y), (x >= 1 && x < 4 && y >= 1 && y < 3) ? 1.0f : 0.0f) << x << "," << y;
    p.Fill(Box(4, 1, 4.5f, 3), RgbOf(255, 255, 255));  // half a column
    EXPECT_FLOAT_EQ(p.Coverage(4, 1), 0.5f);

    TSeBitmap plain, blended;
    plain.SetSize(6, 4);
    blended.SetSize(6, 4);
    p.Flatten(plain, 0, 0);
    p.Flatten(blended, 0, 0, [](int, int) { return RgbOf(0, 0, 0); });
    EXPECT_EQ(plain.GetPixel(0, 0), kKeyPixel);
    EXPECT_EQ(plain.GetPixel(2, 2), 0xFF0A141Eu);
    EXPECT_EQ(plain.GetPixel(4, 1), 0xFFFFFFFFu);  // half covered: its own colour
    EXPECT_EQ(blended.GetPixel(4, 1), 0xFF808080u);  // half white over black
    EXPECT_EQ(blended.GetPixel(5, 1), kKeyPixel);
}

}  // namespace
}  // namespace skingen
