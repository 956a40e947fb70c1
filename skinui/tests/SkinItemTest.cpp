// Skinned menu items on the built-in skin, drawn by the portable
// software canvas: what a popup item and a separator look like, the check
// column, the menu-bar kinds and the scroll arrows, the plain look when the
// skin cannot serve, and the references an item holds into its engine's
// skin when the engine or the skin goes away.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Font.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/SkinEngine.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/SkinObject.h"
#include "skin/storage/SkinSource.h"
#include "skinui/menus/ItemViewGeometry.h"
#include "skinui/menus/MenuColors.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/MenuMetrics.h"
#include "skinui/menus/SeImageList.h"
#include "skinui/menus/SkinItem.h"
#include "skin/objects/SoftwareCanvas.h"
#include "skinui/tests/BuiltinSkinFile.h"

namespace skinui {
namespace {

using skin::TRect;

constexpr skin::TColor kItemColor = 13489364;
constexpr skin::TColor kActiveColor = 0xAD9074;

// The software canvas, keeping every text it is asked to draw.
class RecordingCanvas : public skin::SoftwareCanvas {
public:
    struct Text {
        std::wstring text;
        TRect rect;
        unsigned flags;
    };
    explicit RecordingCanvas(skin::TSeBitmap& target) : SoftwareCanvas(target) {}
    void DrawText(const std::wstring& text, const TRect& rect, unsigned flags) override {
        texts.push_back(Text{text, rect, flags});
        SoftwareCanvas::DrawText(text, rect, flags);
    }
    const Text* Find(const std::wstring& text) const {
        for (const Text& t : texts) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }
    std::vector<Text> texts;
};

class SkinItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::RegisterSkinClasses();
        // A system whose menu buttons are 20 pixels high.
        SetMenuMetrics(20, 20, framework::TFont());
        engine = std::make_unique<skin::TSeSkinEngine>(nullptr);
        ASSERT_TRUE(test::LoadBuiltinSkinFile(*engine->SkinSource()));
        root = std::make_unique<TSeSkinItem>(nullptr);
        picture.SetSize(240, 60);
        picture.Fill(0xFF000000);
        canvas = std::make_unique<RecordingCanvas>(picture);
    }
    TSeSkinItem* Add(TSeCustomItem* parent, const char* caption, int shortCut = 0) {
        auto* item = new TSeSkinItem(nullptr);
        item->SetCaption(caption);
        item->SetShortCut(shortCut);
        parent->Add(item);
        return item;
    }
    skin::TSeSkinObject* Popup(const char* child) {
        return engine->SkinSource()->GetObjectByName("PopupMenu")->FindByName(child);
    }
    skin::TColor At(int x, int y) const { return skin::TColor(*picture.PixelPtr(x, y) & 0xFFFFFF); }
    static skin::TColor Pixel(skin::TColor color) { return skin::TColor(skin::ColorToPixel(color) & 0xFFFFFF); }
    skin::TColor ItemFontColor() { return Pixel(Popup("Item")->GetFont()->Color()); }
    // How many pixels of `color` the rectangle holds.
    int Count(const TRect& r, skin::TColor color) const {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == Pixel(color);
        }
        return n;
    }
    // A 16 x 16 (or wider) image list with one image of a single colour.
    std::unique_ptr<TSeImageList> Images(int width, skin::TPixel colour) {
        auto images = std::make_unique<TSeImageList>(nullptr);
        images->SetSize(width, 16);
        skin::TSeBitmap strip;
        strip.SetSize(width, 16);
        strip.Fill(colour);
        images->SetImages(strip);
        return images;
    }

    std::unique_ptr<skin::TSeSkinEngine> engine;
    std::unique_ptr<TSeSkinItem> root;
    skin::TSeBitmap picture;
    std::unique_ptr<RecordingCanvas> canvas;
    TSeItemViewGeometry popupView{nullptr, nullptr, false, false};
    TSeItemViewGeometry barView{nullptr, nullptr, true, true};
};

TEST_F(SkinItemTest, APopupItemDrawsTheSkinsItemWithItsShortCutAtTheRightAndSelectedInTheActiveColour) {
    TSeSkinItem* close = Add(root.get(), "&Close", 0x8073);
    root->SetSkinEngine(engine.get());
    ASSERT_TRUE(close->SkinUsable());
    EXPECT_EQ(close->PopupItemObject(), Popup("Item"));
    EXPECT_EQ(close->SeparatorObject(), nullptr);  // the built-in skin has none

    int width = 0, height = 0;
    close->MeasureItem(*canvas, popupView, width, height);
    EXPECT_EQ(width, canvas->TextWidth(L"&Close") + 22 + canvas->TextWidth(L"Alt+F4") + 42);
    EXPECT_EQ(height, 20);

    const TRect rect{0, 10, width, 30};
    close->DrawItem(*canvas, popupView, true, false, rect);
    EXPECT_EQ(At(2, 12), Pixel(kItemColor));
    // The caption starts after the 22-pixel check column (the skin's 20 is
    // raised), the short-cut ends at the item's right text margin.
    const RecordingCanvas::Text* caption = canvas->Find(L"&Close");
    const RecordingCanvas::Text* shortCut = canvas->Find(L"Alt+F4");
    ASSERT_NE(caption, nullptr);
    ASSERT_NE(shortCut, nullptr);
    EXPECT_EQ(caption->rect.Left, 22);
    EXPECT_EQ(Popup("Item")->TextMarginLeft(), 22);
    EXPECT_TRUE(shortCut->flags & skin::kTextRight);
    EXPECT_EQ(shortCut->rect.Right, width - 10);
    const int shortCutWidth = canvas->TextWidth(L"Alt+F4");
    const TRect shortCutArea{width - 10 - shortCutWidth, 10, width - 10, 30};
    EXPECT_GT(Count(shortCutArea, Popup("Item")->GetFont()->Color()), 10);
    EXPECT_EQ(Count(TRect{width - 10, 10, width, 30}, kItemColor), 10 * 20);

    // Selected, with and without hot: the active colour.
    close->DrawItem(*canvas, popupView, false, true, rect);
    EXPECT_EQ(Popup("Item")->State(), skin::kStateFocused);
    EXPECT_EQ(At(2, 12), Pixel(kActiveColor));
    EXPECT_EQ(At(width - 2, 28), Pixel(kActiveColor));
    close->DrawItem(*canvas, popupView, true, true, rect);
    EXPECT_EQ(Popup("Item")->State(), skin::kStateHot);
    EXPECT_EQ(At(2, 12), Pixel(kActiveColor));
    // A disabled item without a short-cut: grey text, no short-cut left over.
    close->SetEnabled(false);
    close->SetShortCut(0);
    canvas->texts.clear();
    close->DrawItem(*canvas, popupView, false, false, rect);
    EXPECT_EQ(At(2, 12), Pixel(kItemColor));
    EXPECT_EQ(canvas->Find(L"Alt+F4"), nullptr);
    EXPECT_GT(Count(TRect{22, 10, width, 30}, 0x808080), 10);
}

TEST_F(SkinItemTest, ASeparatorIsOneLineInTheItemFontsColourThreePixelsInFromEachEnd) {
    TSeSkinItem* separator = Add(root.get(), "-");
    root->SetSkinEngine(engine.get());
    const TRect rect{0, 20, 100, 40};
    // Even as the current item it is drawn in the normal state.
    separator->DrawItem(*canvas, popupView, false, true, rect);
    const int line = 20 + 20 / 2 - 1;
    EXPECT_EQ(Count(TRect{3, line, 97, line + 1}, Popup("Item")->GetFont()->Color()), 94);
    EXPECT_EQ(At(2, line), Pixel(kItemColor));
    EXPECT_EQ(At(97, line), Pixel(kItemColor));
    EXPECT_EQ(Count(TRect{0, 20, 100, line}, kItemColor), 100 * (line - 20));
    EXPECT_EQ(Count(TRect{0, line + 1, 100, 40}, kItemColor), 100 * (40 - line - 1));

    // A skin with a "Separator" object draws that one instead.
    auto* own = new skin::TSeSkinObject(engine->SkinSource()->GetObjectByName("PopupMenu"));
    own->SetName("Separator");
    own->SetColor(0x0000FF);
    own->SetWidth(10);
    own->SetHeight(10);
    root->SetSkinEngine(engine.get());
    EXPECT_EQ(separator->SeparatorObject(), own);
    separator->DrawItem(*canvas, popupView, false, false, rect);
    EXPECT_EQ(Count(rect, 0x0000FF), 100 * 20);
}

TEST_F(SkinItemTest, TheCheckColumnHoldsTheImageOrTheCheckMarkAndTheArrowColumnTheSubmenuArrow) {
    auto images = Images(16, 0xFF2050C0);
    root->SetImages(images.get());
    TSeSkinItem* pictured = Add(root.get(), "Ro&llup");
    pictured->SetImageIndex(0);
    TSeSkinItem* checked = Add(root.get(), "&Stay on top");
    checked->SetChecked(true);
    TSeSkinItem* plain = Add(root.get(), "&Settings");
    Add(plain, "&Sounds");
    root->SetSkinEngine(engine.get());
    // A 16-pixel list on 20-pixel menu buttons: the column stays 22 wide.
    EXPECT_EQ(pictured->CheckColumnWidth(), 22);

    const TRect rect{0, 0, 200, 20};
    pictured->DrawItem(*canvas, popupView, false, false, rect);
    // The image centred in the column: 3 pixels in, 2 down.
    EXPECT_EQ(Count(TRect{3, 2, 19, 18}, skin::PixelToColor(0xFF2050C0)), 16 * 16);
    EXPECT_EQ(At(2, 10), Pixel(kItemColor));
    EXPECT_EQ(At(19, 10), Pixel(kItemColor));

    const skin::TColor font = Popup("Item")->GetFont()->Color();
    checked->DrawItem(*canvas, popupView, false, false, TRect{0, 20, 200, 40});
    EXPECT_GT(Count(TRect{0, 20, 22, 40}, font), 10);
    plain->DrawItem(*canvas, popupView, false, false, TRect{0, 40, 200, 60});
    EXPECT_EQ(Count(TRect{0, 40, 22, 60}, font), 0);
    EXPECT_GT(Count(TRect{178, 40, 200, 60}, font), 10);
    EXPECT_EQ(Count(TRect{178, 20, 200, 40}, font), 0);

    // Images wider than the buttons widen the column, the caption's margin
    // and the item's height with it.
    auto wide = Images(32, 0xFF2050C0);
    root->SetImages(wide.get());
    int width = 0, height = 0;
    pictured->MeasureItem(*canvas, popupView, width, height);
    EXPECT_EQ(height, 38 + 4);
    EXPECT_EQ(width, canvas->TextWidth(L"Ro&llup") + 38 + 42);
    pictured->DrawItem(*canvas, popupView, false, false, TRect{0, 0, width, height});
    EXPECT_EQ(Popup("Item")->TextMarginLeft(), 38);
    root->SetImages(nullptr);
}

TEST_F(SkinItemTest, MenuBarItemsUseTheBarsItemAndItsButtons) {
    TSeSkinItem* file = Add(root.get(), "&File");
    TSeSkinItem* close = Add(root.get(), "");
    close->SetSpecialKind(kskClose);
    TSeSkinItem* tool = Add(root.get(), "T");
    tool->SetToolBarItem(true);
    root->SetSkinEngine(engine.get());
    skin::TSeSkinObject* bar = engine->SkinSource()->GetObjectByName("MenuBar");
    EXPECT_EQ(file->BarItemObject(), bar->FindByName("Item"));
    EXPECT_EQ(tool->BarItemObject(), bar->FindByName("ToolbarItem"));

    int width = 0, height = 0;
    file->MeasureItem(*canvas, barView, width, height);
    EXPECT_EQ(width, canvas->TextWidth(L"&File") + 6 + 6);
    EXPECT_EQ(height, 19);
    close->MeasureItem(*canvas, barView, width, height);
    EXPECT_EQ(width, 19);

    file->DrawItem(*canvas, barView, false, true, TRect{0, 0, 40, 19});
    EXPECT_EQ(bar->FindByName("Item")->BoundsRect(), (TRect{0, 0, 40, 19}));
    EXPECT_EQ(bar->FindByName("Item")->Text(), L"&File");
    // The close button keeps its 15 x 14 size, centred in the item.
    close->DrawItem(*canvas, barView, true, true, TRect{100, 0, 119, 19});
    EXPECT_EQ(bar->FindByName("Close")->BoundsRect(), (TRect{102, 2, 117, 16}));
    EXPECT_EQ(bar->FindByName("Close")->State(), skin::kStateHot);
}

TEST_F(SkinItemTest, ScrollArrowsAreDrawnOnACopyOfTheItemObject) {
    Add(root.get(), "&Close", 0x8073);
    root->SetSkinEngine(engine.get());
    Popup("Item")->SetText(L"kept");
    const TRect strip{0, 0, 101, 10};
    root->DrawScrollArrow(*canvas, popupView, true, kasUp, strip);
    EXPECT_EQ(Popup("Item")->Text(), L"kept");
    EXPECT_EQ(Popup("Item")->State(), skin::kStateNormal);
    EXPECT_EQ(At(1, 1), Pixel(kActiveColor));
    // Up: the apex on the top row, the 7-pixel base on the bottom row.
    const skin::TColor font = Pixel(Popup("Item")->GetFont()->Color());
    const int left = (101 - 7) / 2, top = (10 - 4) / 2;
    EXPECT_EQ(At(left + 3, top), font);
    EXPECT_NE(At(left + 2, top), font);
    EXPECT_EQ(Count(TRect{left, top + 3, left + 7, top + 4}, Popup("Item")->GetFont()->Color()), 7);
    root->DrawScrollArrow(*canvas, popupView, false, kasDown, strip);
    EXPECT_EQ(At(1, 1), Pixel(kItemColor));
    EXPECT_EQ(Count(TRect{left, top, left + 7, top + 1}, Popup("Item")->GetFont()->Color()), 7);
    EXPECT_EQ(At(left + 3, top + 3), font);
    EXPECT_NE(At(left + 2, top + 3), font);
}

TEST_F(SkinItemTest, WithoutMenuObjectsOrWhileLoadingTheItemDrawsPlainly) {
    TSeSkinItem* item = Add(root.get(), "&Close");
    const TRect rect{0, 0, 100, 20};
    // No engine.
    EXPECT_FALSE(item->SkinUsable());
    item->DrawItem(*canvas, popupView, false, false, rect);
    EXPECT_EQ(At(2, 2), Pixel(kclMenu));

    // A skin with a popup menu but no menu bar.
    skin::TSeSkinEngine partial(nullptr);
    partial.SkinSource()->AddObject(std::unique_ptr<skin::TSeSkinObject>(
        skin::CloneObject(*engine->SkinSource()->GetObjectByName("PopupMenu"), nullptr)));
    root->SetSkinEngine(&partial);
    EXPECT_NE(item->PopupMenuObject(), nullptr);
    EXPECT_FALSE(item->SkinUsable());
    item->DrawItem(*canvas, popupView, false, true, rect);
    EXPECT_EQ(At(2, 2), Pixel(kclHighlight));

    // The full skin, but loading, or locked while it is replaced.
    root->SetSkinEngine(engine.get());
    EXPECT_TRUE(item->SkinUsable());
    item->SetLoading(true);
    EXPECT_FALSE(item->SkinUsable());
    item->SetLoading(false);
    engine->SkinSource()->SetLocked(true);
    EXPECT_FALSE(item->SkinUsable());
    item->DrawItem(*canvas, popupView, false, false, rect);
    EXPECT_EQ(At(2, 2), Pixel(kclMenu));
    engine->SkinSource()->SetLocked(false);
    item->DrawItem(*canvas, popupView, false, false, rect);
    EXPECT_EQ(At(2, 2), Pixel(kItemColor));
}

TEST_F(SkinItemTest, TheItemsLetGoOfAnEngineThatIsDestroyedAndOfObjectsOfAReplacedSkin) {
    TSeSkinItem* settings = Add(root.get(), "S&ettings");
    TSeSkinItem* sounds = Add(settings, "&Sounds");
    // A plain item between skinned ones is left alone; its children too.
    auto* plain = new TSeCustomItem(nullptr);
    settings->Add(plain);
    TSeSkinItem* below = Add(plain, "below");
    root->SetSkinEngine(engine.get());
    EXPECT_EQ(sounds->SkinEngine(), engine.get());
    EXPECT_EQ(below->SkinEngine(), nullptr);

    // A skin loaded again frees the objects the items point at: drawing
    // must take the new ones (the sanitizers see any use of the old).
    ASSERT_TRUE(test::LoadBuiltinSkinFile(*engine->SkinSource()));
    const TRect rect{0, 0, 120, 20};
    sounds->DrawItem(*canvas, popupView, false, true, rect);
    EXPECT_EQ(sounds->PopupItemObject(), Popup("Item"));
    EXPECT_EQ(At(2, 2), Pixel(kActiveColor));

    engine.reset();
    for (TSeSkinItem* item : {root.get(), settings, sounds}) {
        EXPECT_EQ(item->SkinEngine(), nullptr);
        EXPECT_EQ(item->MenuBarObject(), nullptr);
        EXPECT_EQ(item->PopupMenuObject(), nullptr);
        EXPECT_EQ(item->PopupItemObject(), nullptr);
        EXPECT_FALSE(item->SkinUsable());
    }
    sounds->DrawItem(*canvas, popupView, false, false, rect);
    EXPECT_EQ(At(2, 2), Pixel(kclMenu));
}

}  // namespace
}  // namespace skinui
