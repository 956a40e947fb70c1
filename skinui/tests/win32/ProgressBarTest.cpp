// The progress bar on real windows under Wine: its default looks as pixels,
// the Position setter's repaint and message pumping, and the skinned look.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skin/SkinMessages.h"
#include "skin/objects/BitmapObject.h"
#include "skinui/controls/win32/SeProgressBar.h"
#include "skinui/tests/win32/ControlTestSupport.h"
#include "skinui/tests/win32/WindowMessageLog.h"
#include "skinui/controls/win32/ThemeLibrary.h"

namespace skinui {
namespace {

using test::Painted;
using test::Picture;
using test::Window;

const std::uint32_t kHighlightPixel = [] {
    const COLORREF c = GetSysColor(COLOR_HIGHLIGHT);
    return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}();

bool Lit(const Picture& b, int x, int y) { return (b->GetPixel(x, y) & 0x00FFFFFF) == kHighlightPixel; }

// The plain looks, as a system without themes draws them.
struct PlainLooks {
    PlainLooks() { SetThemesAllowed(false); }
    ~PlainLooks() { SetThemesAllowed(true); }
};

TSeCustomProgressBar* Bar(Window& w, int width, int height) {
    auto* bar = new TSeCustomProgressBar(&w.form);
    bar->SetParent(&w.form);
    bar->SetBounds(5, 5, width, height);
    bar->CreateHandle();
    return bar;
}

TEST(ProgressBarTest, HalfASmoothBarFillsTheLeftHalfInsideItsBorder) {
    const PlainLooks plain;
    Window w(300, 200);
    TSeCustomProgressBar* bar = Bar(w, 140, 16);
    bar->SetSmooth(true);
    bar->SetPosition(50);
    const Picture picture = Painted(*bar);
    EXPECT_TRUE(Lit(picture, 2, 2));
    EXPECT_TRUE(Lit(picture, 69, 13));
    EXPECT_FALSE(Lit(picture, 70, 8));
    EXPECT_FALSE(Lit(picture, 1, 8));  // the frame
    bar->SetMin(-10);
    bar->SetMax(10);
    EXPECT_FALSE(Lit(Painted(*bar), 5, 8));  // a negative Min: empty
    bar->SetMin(10);
    bar->SetPosition(10);
    EXPECT_FALSE(Lit(Painted(*bar), 5, 8));  // Min = Max: empty
}

TEST(ProgressBarTest, BlocksAreCountedAndCutAsTheBlockLookDraws) {
    const PlainLooks plain;
    Window w(300, 200);
    TSeCustomProgressBar* bar = Bar(w, 137, 17);  // G = (2, 2, 135, 15): 133 x 13
    bar->SetPosition(100);
    const Picture full = Painted(*bar);
    int blocks = 0;
    for (int x = 2; x < 135; ++x)
        if (Lit(full, x, 8) && !Lit(full, x - 1, 8)) ++blocks;
    EXPECT_EQ(blocks, 14);
    EXPECT_TRUE(Lit(full, 134, 8));   // the last block, cut to 3 pixels
    EXPECT_FALSE(Lit(full, 131, 8));  // the gap before it
    EXPECT_TRUE(Lit(full, 132, 8));
    bar->SetPosition(1);  // 1 of 100: just below 0.01, no block
    EXPECT_FALSE(Lit(Painted(*bar), 3, 8));
    bar->SetPosition(2);
    const Picture two = Painted(*bar);
    EXPECT_TRUE(Lit(two, 3, 8));
    EXPECT_FALSE(Lit(two, 13, 8));
}

// With themes (Wine has them) the frame and one continuous chunk over the
// filled part come from the theme.
TEST(ProgressBarTest, TheThemedLookDrawsAChunkOverTheFilledPart) {
    if (!ThemesActive()) GTEST_SKIP() << "this system has no themes";
    Window w(300, 200);
    TSeCustomProgressBar* bar = Bar(w, 140, 16);
    bar->SetPosition(0);
    const Picture empty = Painted(*bar);
    bar->SetPosition(50);
    const Picture half = Painted(*bar);
    EXPECT_NE(empty->GetPixel(30, 8), half->GetPixel(30, 8));    // inside B = (2, 2, 70, 14)
    EXPECT_EQ(empty->GetPixel(110, 8), half->GetPixel(110, 8));  // beyond it
}

TEST(ProgressBarTest, PositionRepaintsAndPumpsOnlyWhenTheFractionChanges) {
    Window w(300, 200);
    TSeCustomProgressBar* bar = Bar(w, 140, 16);
    bar->SetMax(1000);
    bar->SetPosition(3);
    ValidateRect(bar->Handle(), nullptr);
    PostMessageA(w.form.Handle(), WM_APP, 0, 0);
    MSG msg;
    bar->SetPosition(3);  // the current value: nothing at all
    EXPECT_FALSE(GetUpdateRect(bar->Handle(), nullptr, FALSE));
    EXPECT_TRUE(PeekMessageA(&msg, w.form.Handle(), WM_APP, WM_APP, PM_NOREMOVE));
    bar->SetPosition(4);  // a new fraction: repainted and the queue run
    EXPECT_FALSE(PeekMessageA(&msg, w.form.Handle(), WM_APP, WM_APP, PM_NOREMOVE));

    bar->SetMin(7);
    bar->SetMax(7);
    ValidateRect(bar->Handle(), nullptr);
    PostMessageA(w.form.Handle(), WM_APP, 0, 0);
    bar->SetPosition(8);  // Min = Max: the fraction stays 0
    EXPECT_FALSE(GetUpdateRect(bar->Handle(), nullptr, FALSE));
    EXPECT_TRUE(PeekMessageA(&msg, w.form.Handle(), WM_APP, WM_APP, PM_REMOVE));
}

// What a long run on the program's thread relies on: a position that
// changes what the bar shows repaints it (without erasing it) and runs what
// is queued for every window, inside the call; one that does not leaves
// the queue to the caller.
TEST(ProgressBarTest, ANewFractionPaintsTheBarAndRunsTheQueueInsideTheCall) {
    using namespace test;
    Window w(300, 200);
    TSeCustomProgressBar* bar = Bar(w, 140, 16);
    bar->SetMax(1000);
    bar->SetPosition(3);
    ShowWindow(w.form.Handle(), SW_SHOWNA);  // hidden windows get no paints
    framework::Application().ProcessMessages();
    WindowMessageLog log;
    log.Watch(w.form.Handle(), "form");
    log.Watch(bar->Handle(), "bar");
    log.Only({wm::kApp, wm::kPaint, wm::kEraseBkgnd});

    PostMessageA(w.form.Handle(), WM_APP, 1, 0);
    bar->SetPosition(3);
    log.Mark("same position");
    bar->SetPosition(4);
    log.Mark("new fraction");
    bar->SetMin(7);
    bar->SetMax(7);
    ValidateRect(bar->Handle(), nullptr);
    PostMessageA(w.form.Handle(), WM_APP, 2, 0);
    bar->SetPosition(8);  // Min = Max: the fraction stays 0
    log.Mark("same fraction");
    framework::Application().ProcessMessages();
    log.Mark("queue run by the caller");

    constexpr ExpectedMessage kPump[] = {
        Marker("same position"),
        {wm::kApp, 1, kOutermost, 0},
        {wm::kPaint, kAnyParam, kOutermost, 1},
        {wm::kEraseBkgnd, kAnyParam, kNested, 0},  // the bar asks its form for what lies under it
        Marker("new fraction"),
        Marker("same fraction"),
        {wm::kApp, 2, kOutermost, 0},
        Marker("queue run by the caller"),
    };
    ExpectSequence(log, kPump, "the position's pump");
}

// A skin whose ProgressBar has a frame with margins and two solid bars.
void GiveSkin(skin::TSeSkinEngine& engine) {
    auto bitmap = std::make_unique<skin::TSeBitmap>();
    bitmap->SetName("bars");
    bitmap->SetSize(4, 2);
    for (int x = 0; x < 4; ++x) {
        *bitmap->PixelPtr(x, 0) = 0xFFFF0000;  // red: the horizontal bar
        *bitmap->PixelPtr(x, 1) = 0xFF0000FF;  // blue: the vertical bar
    }
    engine.SkinSource()->Bitmaps().Add(std::move(bitmap));
    auto object = std::make_unique<skin::TSeSkinObject>(nullptr);
    object->SetName("ProgressBar");
    auto* frame = new skin::TSeSkinObject(object.get());
    frame->SetName("Frame");
    frame->SetColor(0x00FFFFFF);
    for (auto [name, top] : {std::pair{"BarHorz", 0}, std::pair{"BarVert", 1}}) {
        auto* b = new skin::TSeBitmapObject(object.get());
        b->SetName(name);
        b->SetTileStyle(skin::tsStretch);
        b->Bitmap()->SetName("bars");
        b->Bitmap()->SetTop(top);
        b->Bitmap()->SetRight(4);
        b->Bitmap()->SetBottom(top + 1);
    }
    frame->SetMarginLeft(3);
    frame->SetMarginTop(2);
    frame->SetMarginRight(3);
    frame->SetMarginBottom(2);
    skin::TSeSkinObject* added = engine.SkinSource()->AddObject(std::move(object));
    added->SetBitmapList(&engine.SkinSource()->Bitmaps());
    added->LinkBitmaps();
}

TEST(ProgressBarTest, TheSkinnedBarGrowsFromItsEdgeAndFollowsItsEngine) {
    skin::RegisterSkinClasses();
    Window w(300, 200);
    auto* engine = new skin::TSeSkinEngine(&w.form);
    GiveSkin(*engine);
    skin::TSeSkinEngine other(nullptr);
    auto* bar = new TSeSkinProgressBar(&w.form);
    bar->SetParent(&w.form);
    bar->SetBounds(5, 5, 100, 20);
    bar->CreateHandle();
    bar->SetSkinEngine(engine);
    ASSERT_TRUE(bar->SkinAvailable());
    EXPECT_EQ(bar->GetBarRect(), (skin::TRect{3, 2, 97, 18}));
    bar->SetPosition(50);
    const Picture h = Painted(*bar);
    EXPECT_EQ(h->GetPixel(4, 10) & 0xFFFFFF, 0xFF0000u);   // from the left edge
    EXPECT_EQ(h->GetPixel(49, 10) & 0xFFFFFF, 0xFF0000u);  // 3 + round(0.5 x 94) = 50
    EXPECT_NE(h->GetPixel(51, 10) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(h->GetPixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);    // the frame object

    bar->SetBounds(5, 5, 20, 100);
    bar->SetOrientation(kboVertical);
    const Picture v = Painted(*bar);
    EXPECT_EQ(v->GetPixel(10, 97) & 0xFFFFFF, 0x0000FFu);  // from the bottom edge
    EXPECT_NE(v->GetPixel(10, 20) & 0xFFFFFF, 0x0000FFu);

    // Another engine's announcement leaves the copy; its own drops it.
    bar->Perform(skin::WM_SESKINCHANGING, reinterpret_cast<WPARAM>(&other), reinterpret_cast<LPARAM>(&other));
    EXPECT_NE(bar->SkinCopy(), nullptr);
    bar->Perform(skin::WM_SESKINCHANGING, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_EQ(bar->SkinCopy(), nullptr);
    EXPECT_FALSE(bar->SkinAvailable());
    bar->Perform(skin::WM_SESKINCHANGED, reinterpret_cast<WPARAM>(engine), reinterpret_cast<LPARAM>(engine));
    EXPECT_TRUE(bar->SkinAvailable());

    // A skin replaced without an announcement is noticed at the next paint:
    // the bar draws from the new one, not from a copy of the freed one.
    engine->SkinSource()->Clear();
    GiveSkin(*engine);
    engine->SkinSource()->GetObjectByName("ProgressBar")->FindByName("Frame")->SetColor(0x00000000);
    EXPECT_FALSE(bar->SkinAvailable());
    const Picture replaced = Painted(*bar);
    EXPECT_TRUE(bar->SkinAvailable());
    EXPECT_EQ(replaced->GetPixel(1, 1) & 0xFFFFFF, 0x000000u);  // the new frame object

    // Removing the engine clears the reference and the copy.
    delete engine;
    EXPECT_EQ(bar->SkinEngine(), nullptr);
    EXPECT_EQ(bar->SkinCopy(), nullptr);
    EXPECT_EQ(bar->Version(), "3.1.4");
}

}  // namespace
}  // namespace skinui
