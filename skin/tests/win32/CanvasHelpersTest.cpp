// The canvas helpers drawn with the real platform calls into a bitmap's
// context, checked pixel by pixel.
#include <set>

#include <gtest/gtest.h>

#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/ButtonGlyph.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skin/gfx/win32/InputHelpers.h"
#include "skin/gfx/win32/TextHelpers.h"

namespace skin {
namespace {

constexpr TPixel kPaper = 0xFFFFFFFF;
constexpr TColor kRed = 0x000000FF;    // colour values are 0x00BBGGRR
constexpr TColor kBlue = 0x00FF0000;

TPixel Rgb(TPixel p) { return p & 0x00FFFFFF; }
TPixel RgbOf(TColor c) { return Rgb(ColorToPixel(c)); }

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        paper.SetSize(40, 30);
        paper.Fill(kPaper);
        dc = BitmapDC(paper);
    }
    TPixel At(int x, int y) const { return Rgb(paper.GetPixel(x, y)); }

    TSeBitmap paper;
    HDC dc = nullptr;
};

TEST_F(CanvasTest, FillAndFrameStayInsideTheRectangle) {
    FillRectColor(dc, MakeRect(2, 2, 5, 4), 0x00112233);
    EXPECT_EQ(At(2, 2), 0x332211u);
    EXPECT_EQ(At(4, 3), 0x332211u);
    EXPECT_EQ(At(5, 3), Rgb(kPaper));
    EXPECT_EQ(At(4, 4), Rgb(kPaper));

    FrameRectColor(dc, 10, 10, 15, 14, kRed);
    EXPECT_EQ(At(10, 10), RgbOf(kRed));
    EXPECT_EQ(At(14, 13), RgbOf(kRed));
    EXPECT_EQ(At(12, 12), Rgb(kPaper));  // the brush is clear
    EXPECT_EQ(At(15, 13), Rgb(kPaper));
}

TEST_F(CanvasTest, ThreeDFrameSplitsItsCornersBetweenTheColours) {
    Draw3DFrame(dc, MakeRect(0, 0, 5, 5), kRed, kBlue);
    EXPECT_EQ(At(0, 3), RgbOf(kRed));
    EXPECT_EQ(At(0, 0), RgbOf(kRed));
    EXPECT_EQ(At(3, 0), RgbOf(kRed));
    EXPECT_EQ(At(4, 0), RgbOf(kBlue));
    EXPECT_EQ(At(4, 4), RgbOf(kBlue));
    EXPECT_EQ(At(0, 4), RgbOf(kBlue));
    EXPECT_EQ(At(2, 2), Rgb(kPaper));
}

TEST_F(CanvasTest, BevelDrawsNestedEdgesAndShrinksTheRectangle) {
    TRect r = MakeRect(0, 0, 6, 6);
    DrawBevel(dc, r, kBevelLeft | kBevelTop | kBevelRight | kBevelBottom, kBlue, kRed, 2);
    EXPECT_EQ(r, MakeRect(2, 2, 4, 4));
    EXPECT_EQ(At(0, 3), RgbOf(kRed));
    EXPECT_EQ(At(3, 0), RgbOf(kRed));
    EXPECT_EQ(At(5, 0), RgbOf(kBlue));  // right edge drawn after the top
    EXPECT_EQ(At(0, 5), RgbOf(kBlue));  // bottom edge drawn after the left
    EXPECT_EQ(At(1, 2), RgbOf(kRed));
    EXPECT_EQ(At(4, 2), RgbOf(kBlue));
    EXPECT_EQ(At(2, 2), Rgb(kPaper));

    TRect top = MakeRect(10, 10, 20, 20);
    DrawBevel(dc, top, kBevelTop, kBlue, kRed, 1);
    EXPECT_EQ(top, MakeRect(10, 11, 20, 20));
    EXPECT_EQ(At(10, 11), Rgb(kPaper));
}

TEST_F(CanvasTest, GradientBandsRoundHalfToEven) {
    GradientFill(dc, MakeRect(0, 0, 10, 2), 0x000000, false, 0xFFFFFF);
    // Band i of 10 has level i x 25.5: 25.5 rounds to 26, 76.5 to 76.
    EXPECT_EQ(At(0, 0), 0x000000u);
    EXPECT_EQ(At(1, 1), 0x1A1A1Au);
    EXPECT_EQ(At(3, 0), 0x4C4C4Cu);
    EXPECT_EQ(At(9, 0), 0xE6E6E6u);
    EXPECT_EQ(At(10, 0), Rgb(kPaper));
    EXPECT_EQ(At(0, 2), Rgb(kPaper));

    GradientFill(dc, MakeRect(20, 0, 22, 4), kRed, true, kRed);
    EXPECT_EQ(At(21, 3), RgbOf(kRed));
    EXPECT_EQ(At(21, 4), Rgb(kPaper));
}

TEST_F(CanvasTest, CheckerFillSetsTheSecondColourWhereParitiesMatch) {
    CheckerFill(dc, MakeRect(-3, -3, 4, 4), kRed, kBlue);
    EXPECT_EQ(At(0, 0), RgbOf(kBlue));
    EXPECT_EQ(At(1, 0), RgbOf(kRed));
    EXPECT_EQ(At(0, 1), RgbOf(kRed));
    EXPECT_EQ(At(3, 3), RgbOf(kBlue));
    EXPECT_EQ(At(4, 0), Rgb(kPaper));
}

TEST_F(CanvasTest, IconsAreCentredOnASixteenPixelSquare) {
    DrawIconCentered(dc, MakeRect(0, 0, 40, 30), nullptr);
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_ICON, 16, 16, LR_SHARED));
    ASSERT_NE(icon, nullptr);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(At(x, y), Rgb(kPaper));
    DrawIconCentered(dc, MakeRect(0, 0, 40, 30), icon);
    int changed = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (At(x, y) == Rgb(kPaper)) continue;
            ++changed;
            EXPECT_TRUE(x >= 12 && x < 28 && y >= 7 && y < 23) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 0);
}

class TextTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    }
    void TearDown() override { SelectObject(dc, oldFont); }
    HGDIOBJ oldFont = nullptr;
};

TEST_F(TextTest, MeasuringGrowsWithTheText) {
    int one = TextWidth(dc, L"W", DT_SINGLELINE);
    int two = TextWidth(dc, L"WW", DT_SINGLELINE);
    EXPECT_GT(one, 0);
    EXPECT_GT(two, one);
    EXPECT_GT(TextHeight(dc, L"W"), 0);
    EXPECT_EQ(TextWidth(dc, L"", DT_SINGLELINE), 0);
}

TEST_F(TextTest, EllipsisKeepsTheLongestPrefixThatFits) {
    std::wstring text = L"Flash cartridge diagnostic";
    int full = TextWidth(dc, text, 0);
    EXPECT_EQ(EllipsisText(dc, text, full), text);
    int width = full / 2;
    std::wstring cut = EllipsisText(dc, text, width);
    ASSERT_GE(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), L"...");
    EXPECT_LE(TextWidth(dc, cut, 0), width);
    std::wstring prefix = cut.substr(0, cut.size() - 3);
    ASSERT_EQ(text.compare(0, prefix.size(), prefix), 0);
    EXPECT_GT(TextWidth(dc, text.substr(0, prefix.size() + 1) + L"...", 0), width);
    EXPECT_EQ(EllipsisText(dc, text, 0), L"...");
}

TEST_F(TextTest, DrawTextLeavesTheBackgroundAndDrawsInTheTextColour) {
    SetTextColor(dc, RGB(255, 0, 0));
    TRect r = MakeRect(2, 2, 38, 28);
    EXPECT_GT(CanvasDrawText(dc, L"Hi", r, DT_SINGLELINE), 0);
    std::set<TPixel> colours;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) colours.insert(At(x, y));
    EXPECT_TRUE(colours.count(Rgb(kPaper)));
    EXPECT_GT(colours.size(), 1u);
}

TEST_F(TextTest, VerticalTextTurnsAQuarterEitherWay) {
    SetTextColor(dc, RGB(0, 0, 255));
    // Wide enough that a line of the default font (up to 16 pixels high)
    // stays on its own side of the middle.
    TRect r = MakeRect(5, 2, 37, 28);
    DrawVerticalText(dc, L"AB", r, true, DT_SINGLELINE);
    // Unturned, the text starts at the buffer's top-left: turned clockwise it
    // lies along the right edge, read from top to bottom.
    int minX = 1000, maxX = -1, minY = 1000, count = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            TPixel p = At(x, y);
            if (p == Rgb(kPaper)) continue;
            ASSERT_EQ(p, 0x0000FFu) << x << "," << y;  // solid text colour only
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            ++count;
        }
    }
    ASSERT_GT(count, 0);
    EXPECT_LT(maxX, r.Right);  // row 0 of the buffer goes to the last column inside
    EXPECT_GT(minX, (r.Left + r.Right) / 2);
    EXPECT_GE(minY, r.Top);

    paper.Fill(kPaper);
    DrawVerticalText(dc, L"AB", r, false, DT_SINGLELINE);
    int leftCount = 0, maxLeftX = -1, maxLeftY = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (At(x, y) != Rgb(kPaper)) {
                ++leftCount;
                maxLeftX = std::max(maxLeftX, x);
                maxLeftY = std::max(maxLeftY, y);
            }
    EXPECT_EQ(leftCount, count);
    EXPECT_LT(maxLeftY, r.Bottom);  // nothing on the row just below the rectangle
    EXPECT_LT(maxLeftX, (r.Left + r.Right) / 2);
}

TEST(InputHelpersTest, KeyRepeatTimesFollowTheSettingsRange) {
    int delay = KeyRepeatDelay();
    EXPECT_GE(delay, 200);
    EXPECT_LE(delay, 800);
    int interval = KeyRepeatInterval();
    EXPECT_GE(interval, 13);   // fastest setting 31
    EXPECT_LE(interval, 435);  // slowest setting 0
}

TEST(InputHelpersTest, MouseCaptureIsCounted) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    CaptureMouse(window);
    CaptureMouse(window);
    EXPECT_EQ(GetCapture(), window);
    ReleaseMouse();
    EXPECT_EQ(GetCapture(), window);
    ReleaseMouse();
    EXPECT_EQ(GetCapture(), nullptr);
    ReleaseMouse();  // one too many: nothing happens
    CaptureMouse(window);
    EXPECT_EQ(GetCapture(), window);
    ReleaseMouse();
    DestroyWindow(window);
}

TEST(ButtonGlyphTest, KindsOneToTenHaveCachedGlyphsOnTheirBackground) {
    EXPECT_EQ(ButtonGlyph(0), nullptr);
    EXPECT_EQ(ButtonGlyph(128), nullptr);
    EXPECT_EQ(ButtonGlyph(11), nullptr);
    std::set<HBITMAP> glyphs;
    for (int kind = 1; kind <= 10; ++kind) {
        HBITMAP glyph = ButtonGlyph(kind);
        ASSERT_NE(glyph, nullptr) << kind;
        EXPECT_EQ(ButtonGlyph(kind), glyph);
        EXPECT_EQ(ButtonGlyph(kind + 128), glyph);
        glyphs.insert(glyph);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, glyph);
        EXPECT_EQ(GetPixel(dc, 0, kButtonGlyphSize - 1), kButtonGlyphBackground) << kind;
        int strokes = 0;
        for (int y = 0; y < kButtonGlyphSize; ++y)
            for (int x = 0; x < kButtonGlyphSize; ++x) strokes += GetPixel(dc, x, y) != kButtonGlyphBackground;
        EXPECT_GT(strokes, 8) << "glyph " << kind;
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    EXPECT_EQ(glyphs.size(), 10u);
}

}  // namespace
}  // namespace skin
