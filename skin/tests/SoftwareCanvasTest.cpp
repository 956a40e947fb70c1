// The software canvas: copies, stretches and tiles bitmap pieces over the
// pixels of a bitmap, leaving key pixels out when masked.
#include <gtest/gtest.h>

#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SoftwareCanvas.h"

namespace skin {
namespace {

constexpr TPixel kA = 0xFF112233, kB = 0xFF445566, kBack = 0xFF000000;

// A 2 x 2 source: A B / key A.
void MakeSource(TSeBitmap& b) {
    b.SetSize(2, 2);
    b.Bits()[0] = kA;
    b.Bits()[1] = kB;
    b.Bits()[2] = kKeyPixel;
    b.Bits()[3] = kA;
}

TEST(SoftwareCanvasTest, DrawsCopiesStretchesAndTilesWithKeyPixelsLeftOut) {
    TSeBitmap source, target;
    MakeSource(source);
    target.SetSize(6, 4);
    target.Fill(kBack);
    SoftwareCanvas canvas(target);

    canvas.DrawRect(source, 5, 3, source.BoundsRect(), true);  // clipped to one pixel
    EXPECT_EQ(target.GetPixel(5, 3), kA);
    canvas.DrawRect(source, 0, 0, source.BoundsRect(), true);
    EXPECT_EQ(target.GetPixel(1, 0), kB);
    EXPECT_EQ(target.GetPixel(0, 1), kBack);  // key left out
    canvas.DrawRect(source, 0, 0, source.BoundsRect(), false);
    EXPECT_EQ(target.GetPixel(0, 1), kKeyPixel);

    target.Fill(kBack);
    canvas.StretchDraw(source, MakeRect(0, 0, 4, 4), source.BoundsRect(), true);
    EXPECT_EQ(target.GetPixel(1, 1), kA);
    EXPECT_EQ(target.GetPixel(3, 1), kB);
    EXPECT_EQ(target.GetPixel(1, 3), kBack);
    EXPECT_EQ(target.GetPixel(3, 3), kA);
    EXPECT_EQ(target.GetPixel(4, 0), kBack);

    target.Fill(kBack);
    canvas.TileDraw(source, MakeRect(1, 0, 6, 1), MakeRect(0, 0, 2, 1), true);
    EXPECT_EQ(target.GetPixel(0, 0), kBack);
    EXPECT_EQ(target.GetPixel(1, 0), kA);
    EXPECT_EQ(target.GetPixel(4, 0), kB);
    EXPECT_EQ(target.GetPixel(5, 0), kA);

    canvas.FillRect(MakeRect(-2, -2, 1, 1), 0x0000FF);  // colour values are 0x00BBGGRR
    EXPECT_EQ(target.GetPixel(0, 0), 0xFFFF0000u);
}

}  // namespace
}  // namespace skin
