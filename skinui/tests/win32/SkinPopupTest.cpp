// Skinned popup levels under Wine, on real windows: a tree of skinned items
// shown through ShowSubItems opens in skinned popup windows (its submenus
// too), framed by the built-in skin's "PopupMenu" "Frame" with the items
// inside its margins; a skin without "Frame" keeps them 3 pixels in, and
// one without menu objects gives the plain frame and look.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/SkinEngine.h"
#include "skin/objects/SkinObject.h"
#include "skin/storage/SkinSource.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/menus/SkinItem.h"
#include "skinui/menus/win32/SkinPopupWindow.h"
#include "skinui/controls/win32/ThemeLibrary.h"
#include "skinui/tests/win32/BuiltinSkinResource.h"
#include "skinui/tests/win32/MenuScript.h"

namespace skinui {
namespace {

using skin::TRect;

constexpr COLORREF kItemColor = 13489364;

using test::Step;

// Shows `root`'s level at (x, y) while the steps run, then closes every level.
bool Show(TSeSkinItem& root, int x, int y, std::vector<Step> steps) {
    steps.push_back([] {
        test::CloseMenus();
        return true;
    });
    return test::MenuScript::Run([&] { root.ShowSubItems(nullptr, x, y, TRect{}); }, test::CloseMenus,
                                 std::move(steps));
}

TSePopupView* Deepest() { return dynamic_cast<TSePopupView*>(DeepestOpenLevel()); }

struct Look {
    // Taken while the level is open: its windows are gone once Show returns.
    bool skinnedFrame = false;
    skin::TSeSkinEngine* engine = nullptr;
    RECT window{};
    TRect client{};
    std::vector<COLORREF> border;  // at (1, 1), (W / 2, 2), (2, H / 2), (W - 2, H - 2)
    COLORREF item = 0;             // inside the last item
};

struct Fixture {
    Fixture() {
        skin::RegisterSkinClasses();
        SetCursorPos(1, 760);
        root = std::make_unique<TSeSkinItem>(nullptr);
        for (const char* caption : {"Ro&llup", "Minimize to &Tray", "-", "&Close"}) Add(root.get(), caption);
        root->Items(3)->SetShortCut(0x8073);
    }
    TSeSkinItem* Add(TSeCustomItem* parent, const char* caption) {
        auto* item = new TSeSkinItem(nullptr);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    // Waits until the deepest level has been painted, then takes its look.
    Step TakeLook(Look& look) {
        auto waited = std::make_shared<int>(0);
        return [&look, waited] {
            if (++*waited < 4) return false;
            TSePopupView* view = Deepest();
            if (!view) return false;
            auto* frame = dynamic_cast<TSeSkinPopupForm*>(view->Frame());
            GetWindowRect(view->ViewWindow(), &look.window);
            look.skinnedFrame = frame != nullptr;
            if (frame) {
                look.engine = frame->SkinEngine();
                look.client = frame->GetClientBounds();
            }
            const int w = look.window.right - look.window.left, h = look.window.bottom - look.window.top;
            HDC screen = GetDC(nullptr);
            const POINT points[] = {{1, 1}, {w / 2, 2}, {2, h / 2}, {w - 2, h - 2}};
            for (POINT p : points) look.border.push_back(GetPixel(screen, look.window.left + p.x, look.window.top + p.y) & 0xFFFFFF);
            TSeCustomItem* last = view->Item()->Items(view->Item()->Count() - 1);
            const TRect r = last->Bounds();
            look.item = GetPixel(screen, look.window.left + look.client.Left + r.Right - 3,
                                 look.window.top + look.client.Top + r.Top + 2) & 0xFFFFFF;
            ReleaseDC(nullptr, screen);
            return true;
        };
    }
    std::unique_ptr<TSeSkinItem> root;
    skin::TSeSkinEngine engine{nullptr};
};

// The "Frame" object drawn on a bitmap of the window's size.
std::vector<COLORREF> FramePixels(skin::TSeSkinObject& frame, int w, int h) {
    skin::TSeBitmap picture;
    picture.SetSize(w, h);
    frame.SetBounds(TRect{0, 0, w, h});
    {
        std::unique_ptr<skin::SkinCanvas> canvas = skin::CreateBitmapCanvas(picture);
        frame.Draw(*canvas);
    }
    std::vector<COLORREF> pixels;
    const POINT points[] = {{1, 1}, {w / 2, 2}, {2, h / 2}, {w - 2, h - 2}};
    for (POINT p : points) pixels.push_back(COLORREF(skin::PixelToColor(*picture.PixelPtr(p.x, p.y))) & 0xFFFFFF);
    return pixels;
}

TEST(SkinPopupTest, TheBuiltInSkinFramesTheLevelAndKeepsTheItemsInsideTheFramesMargins) {
    Fixture f;
    ASSERT_TRUE(test::LoadBuiltinSkin(f.engine));
    f.root->SetSkinEngine(&f.engine);
    Look look;
    ASSERT_TRUE(Show(*f.root, 200, 150, {f.TakeLook(look)}));
    ASSERT_TRUE(look.skinnedFrame);
    EXPECT_EQ(look.engine, &f.engine);
    const int w = look.window.right - look.window.left, h = look.window.bottom - look.window.top;
    EXPECT_EQ(look.client, (TRect{8, 8, w - 8, h - 8}));
    // Four 20-pixel items fill the client.
    EXPECT_EQ(h, 4 * 20 + 16);
    skin::TSeSkinObject* frame = f.engine.SkinSource()->GetObjectByName("PopupMenu")->FindByName("Frame");
    EXPECT_EQ(look.border, FramePixels(*frame, w, h));
    EXPECT_EQ(look.item, kItemColor);
}

TEST(SkinPopupTest, ASubmenuOfSkinnedItemsOpensInASkinnedWindowToo) {
    Fixture f;
    ASSERT_TRUE(test::LoadBuiltinSkin(f.engine));
    TSeCustomItem* rollup = f.root->Items(0);
    f.Add(rollup, "&Up");
    f.Add(rollup, "&Down");
    f.root->SetSkinEngine(&f.engine);
    Look look;
    const Step right = [] {
        test::PostKey(Deepest()->ViewWindow(), VK_RIGHT);
        return true;
    };
    ASSERT_TRUE(Show(*f.root, 200, 150, {right, test::LevelsOpen(2), f.TakeLook(look)}));
    ASSERT_TRUE(look.skinnedFrame);
    const int w = look.window.right - look.window.left, h = look.window.bottom - look.window.top;
    EXPECT_EQ(look.client, (TRect{8, 8, w - 8, h - 8}));
    EXPECT_EQ(h, 2 * 20 + 16);
    EXPECT_EQ(look.item, kItemColor);
}

TEST(SkinPopupTest, WithoutFrameTheItemsSitThreePixelsInAndWithoutMenuObjectsTheFrameIsPlain) {
    Fixture f;
    ASSERT_TRUE(test::LoadBuiltinSkin(f.engine));
    skin::TSeSkinObject* popup = f.engine.SkinSource()->GetObjectByName("PopupMenu");
    delete popup->FindByName("Frame");
    ASSERT_EQ(popup->FindByName("Frame"), nullptr);
    f.root->SetSkinEngine(&f.engine);
    Look look;
    ASSERT_TRUE(Show(*f.root, 200, 150, {f.TakeLook(look)}));
    ASSERT_TRUE(look.skinnedFrame);
    int w = look.window.right - look.window.left, h = look.window.bottom - look.window.top;
    EXPECT_EQ(look.client, (TRect{3, 3, w - 3, h - 3}));
    EXPECT_EQ(h, 4 * 20 + 6);
    EXPECT_EQ(look.item, kItemColor);

    // An engine without a skin: the plain frame's rings and the menu colour.
    skin::TSeSkinEngine empty(nullptr);
    f.root->SetSkinEngine(&empty);
    Look plain;
    ASSERT_TRUE(Show(*f.root, 200, 150, {f.TakeLook(plain)}));
    ASSERT_TRUE(plain.skinnedFrame);
    w = plain.window.right - plain.window.left;
    h = plain.window.bottom - plain.window.top;
    EXPECT_EQ(plain.client, (TRect{3, 3, w - 3, h - 3}));
    EXPECT_EQ(plain.item, GetSysColor(COLOR_MENU) & 0xFFFFFF);
    // The second ring: the menu colour with a theme, else the shadow of a raised edge.
    EXPECT_EQ(plain.border[3], GetSysColor(ThemesActive() ? COLOR_MENU : COLOR_BTNSHADOW) & 0xFFFFFF);
}

}  // namespace
}  // namespace skinui
