#include <vector>

#include <gtest/gtest.h>

#include "skin/gfx/win32/ImageTransfer.h"

namespace skin {
namespace {

TEST(ImageTransferTest, APlatformBitmapIsTakenOverOpaqueToTheLastPixel) {
    HDC screen = GetDC(nullptr);
    HBITMAP source = CreateCompatibleBitmap(screen, 5, 3);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(source, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, source);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 5, 3};
    FillRect(dc, &all, red);
    DeleteObject(red);
    SetPixelV(dc, 4, 2, RGB(0, 0, 255));
    SelectObject(dc, old);
    DeleteDC(dc);

    TSeBitmap bitmap;
    AssignImage(bitmap, source);
    DeleteObject(source);
    ASSERT_EQ(bitmap.Width(), 5);
    ASSERT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(bitmap.GetPixel(3, 2), 0xFFFF0000u);
    EXPECT_EQ(bitmap.GetPixel(4, 2), 0xFF0000FFu);
}

TEST(ImageTransferTest, HandedOverImageKeepsEveryColour) {
    TSeBitmap bitmap;
    bitmap.SetSize(3, 2);
    for (int i = 0; i < 6; ++i) bitmap.Bits()[i] = 0xFF000000u | std::uint32_t(0x102030 * (i + 1));
    HBITMAP copy = AssignImageTo(bitmap);
    ASSERT_NE(copy, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = -2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(6);
    HDC dc = GetDC(nullptr);
    ASSERT_EQ(GetDIBits(dc, copy, 0, 2, pixels.data(), &info, DIB_RGB_COLORS), 2);
    ReleaseDC(nullptr, dc);
    DeleteObject(copy);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pixels[std::size_t(i)] & 0xFFFFFF, bitmap.Bits()[i] & 0xFFFFFF) << i;
    EXPECT_EQ(AssignImageTo(TSeBitmap{}), nullptr);
}

TEST(ImageTransferTest, AnIconIsDrawnAtItsOwnSize) {
    HICON icon = static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32512), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(icon, nullptr);
    TSeBitmap bitmap;
    AssignImage(bitmap, icon);
    DestroyIcon(icon);
    EXPECT_EQ(bitmap.Width(), 16);
    EXPECT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(bitmap.GetPixel(15, 15) >> 24, 0xFFu);
}

}  // namespace
}  // namespace skin
