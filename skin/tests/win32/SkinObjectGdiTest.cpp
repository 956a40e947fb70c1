// Skin objects drawing with the real GDI (under Wine): pixels of nine-piece
// drawing, text effects, separators and the shape of masked objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/win32/SkinCanvasDC.h"
#include "skin/win32/SkinLibrary.h"
#include "skin/SkinMessages.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/SystemButton.h"
#include "skin/objects/win32/SkinObjectWindow.h"
#include "skin/objects/win32/SkinRegion.h"

namespace skin {
namespace {

constexpr TPixel kRgb = 0x00FFFFFF;

struct GdiFixture : ::testing::Test {
    TSeBitmapList list;
    TSeBitmap target;

    void SetUp() override {
        InitializeSkinLibrary();
        target.SetSize(40, 30);
        target.Fill(0xFF000000 | 0x00FFFFFF);
    }
    void TearDown() override { FinalizeSkinLibrary(); }

    TSeBitmap* AddBitmap(const char* name, int w, int h) {
        auto b = std::make_unique<TSeBitmap>();
        b->SetName(name);
        b->SetSize(w, h);
        return list.Add(std::move(b));
    }
    TPixel At(int x, int y) {
        GdiFlush();
        return target.GetPixel(x, y) & kRgb;
    }
    std::set<std::pair<int, int>> PixelsOf(TPixel rgb) {
        GdiFlush();
        std::set<std::pair<int, int>> found;
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x)
                if ((target.GetPixel(x, y) & kRgb) == rgb) found.insert({x, y});
        return found;
    }
};

TEST_F(GdiFixture, NinePieceDrawingPutsCornersEdgesAndCentreInPlace) {
    // A 3 x 3 source: each pixel its own colour.
    TSeBitmap* source = AddBitmap("nine", 3, 3);
    for (int i = 0; i < 9; ++i) source->Bits()[i] = 0xFF000000 | TPixel(0x101010 * (i + 1));
    TSeBitmapObject object(nullptr);
    object.Bitmap()->SetName("nine");
    object.Bitmap()->SetRight(3);
    object.Bitmap()->SetBottom(3);
    object.SetMarginLeft(1);
    object.SetMarginTop(1);
    object.SetMarginRight(1);
    object.SetMarginBottom(1);
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(5, 4, 6, 5));
    {
        SkinCanvasDC canvas(BitmapDC(target));
        object.Draw(canvas);
    }
    auto src = [&](int x, int y) { return source->Bits()[y * 3 + x] & kRgb; };
    EXPECT_EQ(At(5, 4), src(0, 0));
    EXPECT_EQ(At(10, 4), src(2, 0));
    EXPECT_EQ(At(5, 8), src(0, 2));
    EXPECT_EQ(At(10, 8), src(2, 2));
    for (int x = 6; x <= 9; ++x) {
        EXPECT_EQ(At(x, 4), src(1, 0)) << x;  // top edge
        EXPECT_EQ(At(x, 8), src(1, 2)) << x;  // bottom edge
        for (int y = 5; y <= 7; ++y) EXPECT_EQ(At(x, y), src(1, 1)) << x << "," << y;
    }
    for (int y = 5; y <= 7; ++y) {
        EXPECT_EQ(At(5, y), src(0, 1));
        EXPECT_EQ(At(10, y), src(2, 1));
    }
    // Nothing outside the object.
    EXPECT_EQ(At(4, 4), kRgb);
    EXPECT_EQ(At(11, 9), kRgb);
}

TEST_F(GdiFixture, MaskedPiecesLeaveKeyPixelsOut) {
    TSeBitmap* source = AddBitmap("keyed", 2, 2);
    source->Fill(0xFF00FF00);
    source->Bits()[3] = kKeyPixel;
    TSeBitmapObject object(nullptr);
    object.Bitmap()->SetName("keyed");
    object.Bitmap()->SetRight(2);
    object.Bitmap()->SetBottom(2);
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(0, 0, 4, 4));
    {
        SkinCanvasDC canvas(BitmapDC(target));
        object.Draw(canvas);
    }
    EXPECT_EQ(At(0, 0), 0x00FF00u);
    EXPECT_EQ(At(1, 1), kRgb);  // key pixel: background stays
    EXPECT_EQ(At(3, 3), kRgb);
    EXPECT_EQ(At(2, 3), 0x00FF00u);
}

struct TextFixture : GdiFixture {
    TSeSkinObject label{nullptr};
    void SetUp() override {
        GdiFixture::SetUp();
        label.SetBounds(MakeBounds(2, 2, 36, 26));
        label.SetColor(0xFFFFFF);
        label.SetTextAlign(taCenter);
        label.SetText(L"WM");
        label.Font()->SetColor(0x0000FF);  // red
        label.Font()->SetHeight(-16);
        label.Font()->SetName("Arial");
    }
    void DrawLabel() {
        target.Fill(0xFFFFFFFF);
        SkinCanvasDC canvas(BitmapDC(target));
        label.Draw(canvas);
    }
};

TEST_F(TextFixture, ShadowDrawsABlackCopyOnePixelRightAndDown) {
    DrawLabel();
    const auto plain = PixelsOf(0xFF0000);
    ASSERT_GT(plain.size(), 10u);
    EXPECT_TRUE(PixelsOf(0x000000).empty());

    label.SetTextEffect(teShadow);
    DrawLabel();
    EXPECT_EQ(PixelsOf(0xFF0000), plain) << "the text itself stays in place";
    const auto black = PixelsOf(0x000000);
    ASSERT_FALSE(black.empty());
    for (auto [x, y] : black) EXPECT_TRUE(plain.count({x - 1, y - 1})) << x << "," << y;
}

TEST_F(TextFixture, DisabledTextIsGrey) {
    label.SetEnabled(false);
    DrawLabel();
    EXPECT_TRUE(PixelsOf(0xFF0000).empty());
    EXPECT_GT(PixelsOf(0x808080).size(), 10u);
}

TEST_F(TextFixture, SeparatorIsOneLine) {
    label.SetText(L"-");
    label.Font()->SetColor(0xFF0000);  // blue
    DrawLabel();
    const auto blue = PixelsOf(0x0000FF);
    // Top 2 + 26 / 2 - 1 = 14, from 2 + 3 to 38 - 3 (exclusive).
    ASSERT_EQ(blue.size(), 30u);
    for (auto [x, y] : blue) {
        EXPECT_EQ(y, 14);
        EXPECT_GE(x, 5);
        EXPECT_LT(x, 35);
    }
}

TEST_F(GdiFixture, MaskedRegionIsTheOpaquePixels) {
    TSeBitmap* source = AddBitmap("shape", 4, 4);
    source->Fill(0xFF336699);
    source->Bits()[0] = kKeyPixel;           // (0, 0)
    source->Bits()[2 * 4 + 3] = kKeyPixel;   // (3, 2)
    TSeBitmapObject object(nullptr);
    object.Bitmap()->SetName("SHAPE");
    object.Bitmap()->SetRight(4);
    object.Bitmap()->SetBottom(4);
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(10, 20, 4, 4));

    auto region = object.CreateRegion();
    ASSERT_TRUE(region);
    EXPECT_EQ(object.BoundsRect(), MakeBounds(10, 20, 4, 4)) << "the object is back in place";
    HRGN handle = CreateRegionHandle(*region);
    ASSERT_NE(handle, nullptr);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool key = (x == 0 && y == 0) || (x == 3 && y == 2);
            EXPECT_EQ(PtInRegion(handle, 10 + x, 20 + y) != 0, !key) << x << "," << y;
        }
    EXPECT_FALSE(PtInRegion(handle, 14, 20));
    DeleteObject(handle);

    // An object too large for a mask buffer (a 32-bit process could not
    // make this one) takes its rectangle as its shape.
    object.SetBounds(MakeBounds(10, 20, 30000, 30000));
    region = object.CreateRegion();
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->Contains(10, 20));
    EXPECT_TRUE(region->Contains(30009, 30019));
    EXPECT_FALSE(region->Contains(30010, 20));
    object.SetBounds(MakeBounds(10, 20, 4, 4));

    // The client kind and unmasked objects give their rectangle.
    object.SetKind(skClient);
    region = object.CreateRegion();
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->Contains(10, 20));
}

// A window that answers the library's messages as a skinned control does.
struct ControlWindow {
    static inline std::vector<LPARAM> changed;
    static inline SkinnedForm* form = nullptr;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_SEOBJECTCHANGED) {
            changed.push_back(lParam);
            return 0;
        }
        if (msg == WM_SEGETFORM) return reinterpret_cast<LRESULT>(form);
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
};

struct RecordingForm : SkinnedForm {
    int closes = 0;
    void CloseForm() override { ++closes; }
    void ContextHelp() override {}
    void Minimize() override {}
    void Maximize() override {}
    void Restore() override {}
    void Rollup() override {}
    void MinToTray() override {}
    void PopupSystemMenu() override {}
    void CustomAction(TSeSkinObject&) override {}
    std::uint32_t BorderIcons() const override { return BorderIconBit(kbiClose); }
};

TEST(SkinObjectWindowTest, ObjectsReachTheirControlThroughWindowMessages) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = &ControlWindow::Proc;
    cls.hInstance = GetModuleHandle(nullptr);
    cls.lpszClassName = "SkinObjectWindowTest";
    RegisterClassA(&cls);
    HWND hwnd = CreateWindowA("SkinObjectWindowTest", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                              cls.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    RecordingForm form;
    ControlWindow::form = &form;
    SkinObjectWindow control(hwnd);
    EXPECT_TRUE(control.IsForm());

    TSeSkinObject root(nullptr);
    auto* button = new TSeSystemButton(&root);
    button->SetAction(sbaClose);
    root.SetControl(&control);
    EXPECT_EQ(button->GetSkinForm(), &form);
    button->MouseDown(mbLeft, 0, 0);
    button->MouseUp(mbLeft, 0, 0);
    EXPECT_EQ(form.closes, 1);
    ASSERT_EQ(ControlWindow::changed.size(), 2u);
    EXPECT_EQ(ControlWindow::changed[0], reinterpret_cast<LPARAM>(button));

    // A minimize button of a form without that icon hides itself.
    button->SetAction(sbaMinimize);
    root.SetState(kStateNormal);
    EXPECT_FALSE(button->Visible());

    // The system menu button of a form draws an icon (here the system's
    // standard one: the window has none) at its top-left corner.
    button->SetAction(sbaSysMenu);
    button->SetVisible(true);
    button->SetBounds(MakeBounds(4, 4, 16, 16));
    TSeBitmap target;
    target.SetSize(24, 24);
    target.Fill(0xFF123456);
    {
        SkinCanvasDC canvas(BitmapDC(target));
        button->Draw(canvas);
    }
    GdiFlush();
    int changed = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool inside = x >= 4 && y >= 4 && x < 4 + GetSystemMetrics(SM_CXSMICON) &&
                                y < 4 + GetSystemMetrics(SM_CYSMICON);
            const bool differs = (target.GetPixel(x, y) & 0xFFFFFF) != 0x123456;
            if (differs) ++changed;
            if (!inside) {
                EXPECT_FALSE(differs) << x << "," << y;
            }
        }
    EXPECT_GT(changed, 0);
    DestroyWindow(hwnd);
}

}  // namespace
}  // namespace skin
