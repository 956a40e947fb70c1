// What skin objects draw, recorded at the canvas seam: which bitmap and
// pieces go where, text flags and colours. Real pixels are checked under
// Wine (SkinObjectGdiTest).
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "framework/Property.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/ActiveBitmapBoxObject.h"
#include "skin/objects/ActiveObject.h"
#include "skin/objects/BitmapBoxObject.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/ButtonBitmapBoxObject.h"
#include "skin/objects/ButtonObject.h"
#include "skin/objects/ColorButtonObject.h"
#include "skin/objects/FormBitmapSkinObject.h"
#include "skin/objects/LinkSkinObject.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/SysButtonSkinObject.h"
#include "skin/objects/SystemButton.h"
#include "skin/objects/TextObject.h"
#include "tests/SkinTestDoubles.h"

namespace skin {
namespace {

using test::DrawCall;
using test::FakeControl;
using test::RecordingCanvas;

struct DrawFixture : ::testing::Test {
    TSeBitmapList list;
    TSeBitmap* sheet = nullptr;
    RecordingCanvas canvas;

    void SetUp() override {
        auto bitmap = std::make_unique<TSeBitmap>();
        bitmap->SetName("Sheet");
        bitmap->SetSize(64, 64);
        sheet = list.Add(std::move(bitmap));
    }
    static void Point(TSeBitmapLink& link, const char* name, TRect r) {
        link.SetName(name);
        link.SetLeft(r.Left);
        link.SetTop(r.Top);
        link.SetRight(r.Right);
        link.SetBottom(r.Bottom);
    }
    std::vector<DrawCall> Calls(const char* what) const {
        std::vector<DrawCall> out;
        for (const DrawCall& c : canvas.calls)
            if (c.what == what) out.push_back(c);
        return out;
    }
};

TEST_F(DrawFixture, NinePiecesInOrderWithTheirStyles) {
    TSeBitmapObject object(nullptr);
    Point(*object.Bitmap(), "sheet", {10, 10, 40, 30});  // 30 x 20
    object.SetMarginLeft(4);
    object.SetMarginTop(3);
    object.SetMarginRight(5);
    object.SetMarginBottom(2);
    object.SetTileStyle(tsStretch);
    object.SetBorderTileStyle(tsTile);
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(100, 200, 60, 50));
    object.Draw(canvas);

    const std::vector<DrawCall>& c = canvas.calls;
    ASSERT_EQ(c.size(), 9u);
    auto expect = [&](std::size_t i, const char* what, TRect dest, TRect src) {
        EXPECT_EQ(c[i].what, what) << i;
        EXPECT_EQ(c[i].destination, dest) << i;
        EXPECT_EQ(c[i].source, src) << i;
        EXPECT_EQ(c[i].bitmap, sheet) << i;
        EXPECT_TRUE(c[i].masked) << i;
    };
    expect(0, "stretch", {104, 203, 155, 248}, {14, 13, 35, 28});  // centre
    expect(1, "tile", {104, 200, 155, 203}, {14, 10, 35, 13});     // top
    expect(2, "tile", {104, 248, 155, 250}, {14, 28, 35, 30});     // bottom
    expect(3, "tile", {100, 203, 104, 248}, {10, 13, 14, 28});     // left
    expect(4, "tile", {155, 203, 160, 248}, {35, 13, 40, 28});     // right
    expect(5, "rect", {100, 200, 104, 203}, {10, 10, 14, 13});
    expect(6, "rect", {155, 200, 160, 203}, {35, 10, 40, 13});
    expect(7, "rect", {100, 248, 104, 250}, {10, 28, 14, 30});
    expect(8, "rect", {155, 248, 160, 250}, {35, 28, 40, 30});
}

TEST_F(DrawFixture, PiecesWithoutAreaAreSkippedAndUnmaskedDrawsPlain) {
    TSeBitmapObject object(nullptr);
    Point(*object.Bitmap(), "sheet", {0, 0, 20, 20});
    object.SetMarginTop(5);  // only a top band: no left, right or corners but the top ones are empty too
    object.SetMasked(false);
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(0, 0, 40, 40));
    object.Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 2u);  // centre and top edge
    EXPECT_EQ(canvas.calls[0].destination, (TRect{0, 5, 40, 40}));
    EXPECT_EQ(canvas.calls[1].destination, (TRect{0, 0, 40, 5}));
    EXPECT_FALSE(canvas.calls[0].masked);
}

TEST_F(DrawFixture, WholeLinkByTileStyleAndCentredPieces) {
    TSeBitmapObject object(nullptr);
    Point(*object.Bitmap(), "sheet", {0, 0, 10, 6});
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(20, 30, 41, 21));
    object.SetTileStyle(tsCenter);
    object.Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].what, "rect");
    EXPECT_EQ(canvas.calls[0].destination, MakeBounds(20 + 15, 30 + 7, 10, 6));

    // A centred piece sits in the middle of its own destination, cut to it.
    canvas.calls.clear();
    object.SetMarginLeft(2);
    object.SetMarginRight(2);
    object.SetBorderTileStyle(tsCenter);
    object.Draw(canvas);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls[0].source, (TRect{2, 0, 8, 6}));
    EXPECT_EQ(canvas.calls[0].destination, MakeBounds(22 + 15, 30 + 7, 6, 6));
    const DrawCall& left = canvas.calls[1];  // left edge 2 x 6 source into 2 x 21
    EXPECT_EQ(left.destination, MakeBounds(20, 30 + 7, 2, 6));
}

// Margins, link rectangles and bounds near the ends of the 32-bit range, as a
// stored skin may carry them: drawing computes in 64 bits (the sanitizer
// build stops at any signed overflow) and hands the canvas only pieces
// whose size can be computed.
TEST_F(DrawFixture, ExtremeStoredValuesDrawWithoutOverflow) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const int values[] = {kMin, kMin + 1, -1, 0, 1, kMax / 2 + 1, kMax};
    const TRect rects[] = {{kMin, kMin, kMax, kMax}, {0, 0, kMax, kMax}, {kMin, 0, 0, 10},
                           {kMax - 1, kMax - 1, kMax, kMax}, {10, 10, 40, 30}, {kMax, kMax, kMin, kMin}};
    TSeBitmapObject first(nullptr);
    TSeBitmapBoxObject second(nullptr);
    std::size_t drawn = 0;
    for (const TRect& link : rects) {
        for (const TRect& bounds : rects) {
            for (int margin : values) {
                for (TSeSkinObject* object : {static_cast<TSeSkinObject*>(&first), static_cast<TSeSkinObject*>(&second)}) {
                    Point(*first.Bitmap(), "sheet", link);
                    Point(*second.Bitmap(), "sheet", link);
                    const int negated = margin == kMin ? kMax : -margin;
                    object->SetMarginLeft(margin);
                    object->SetMarginTop(margin);
                    object->SetMarginRight(negated);
                    object->SetMarginBottom(margin / 2);
                    object->SetBitmapList(&list);
                    object->LinkBitmaps();
                    object->SetBounds(bounds);
                    for (TscTileStyle style : {tsTile, tsStretch, tsCenter}) {
                        first.SetTileStyle(style);
                        first.SetBorderTileStyle(style);
                        second.SetTileStyle(style);
                        second.SetBorderTileStyle(style);
                        canvas.calls.clear();
                        object->Draw(canvas);
                        for (const DrawCall& c : canvas.calls) {
                            if (c.what == "fill" || c.what == "text") continue;
                            EXPECT_TRUE(RectSizeFits(c.source) && !RectIsEmpty(c.source)) << c.what;
                            EXPECT_TRUE(RectSizeFits(c.destination)) << c.what;
                        }
                        drawn += canvas.calls.size();
                    }
                }
            }
        }
    }
    EXPECT_GT(drawn, 0u);

    // Validity is the sign of width x height, also where the product needs more than 64 bits.
    TSeBitmapLink huge(sheet, "sheet", TRect{kMin, kMin, kMax, kMax});
    EXPECT_TRUE(huge.Valid());
    TSeBitmapLink flat(sheet, "sheet", TRect{kMin, 0, kMax, 0});
    EXPECT_FALSE(flat.Valid());
    TSeBitmapLink inverted(sheet, "sheet", TRect{kMax, 0, kMin, 1});
    EXPECT_FALSE(inverted.Valid());
}

// Whether a masked object can have a shape is known before any buffer is
// made: an object of 46341 x 46341 would need more bytes than a bitmap may
// have. Without an off-screen canvas it has none; with one, an object that
// large has its rectangle.
TEST_F(DrawFixture, MaskedShapeOfAHugeObjectAllocatesNothing) {
    TSeBitmapObject object(nullptr);
    Point(*object.Bitmap(), "sheet", {0, 0, 10, 10});
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(0, 0, 46341, 46341));
    std::optional<SkinRegion> region;
    EXPECT_NO_THROW(region = object.CreateRegion());
    if (HasBitmapCanvas()) {
        ASSERT_TRUE(region.has_value());
        EXPECT_TRUE(region->Contains(46340, 46340));
    } else {
        EXPECT_FALSE(region.has_value());
    }
}

TEST_F(DrawFixture, UnresolvedLinksDrawNothing) {
    TSeBitmapObject object(nullptr);
    Point(*object.Bitmap(), "missing", {0, 0, 10, 10});
    new TSeSkinObject(&object);
    object.SetBitmapList(&list);
    object.LinkBitmaps();
    object.SetBounds(MakeBounds(0, 0, 30, 30));
    object.Draw(canvas);
    EXPECT_FALSE(object.Bitmap()->Valid());
    EXPECT_TRUE(canvas.calls.empty());
}

// Which source rectangle a bitmap class draws for a state, an active or
// inactive window and what the mouse did. Each row makes a fresh object of
// the class, points the named links into the sheet (a bitmap name that
// does not resolve stands for a missing look), lays it out at 8 x 8 and
// draws it once.
enum class Mouse { kNone, kOver, kPressed };

struct LinkTo {
    const char* property;
    const char* bitmap;
    TRect rect;
};

struct StateLook {
    std::string_view className;
    std::vector<LinkTo> links;
    int state;
    bool active;
    Mouse mouse;
    std::optional<TRect> source;  // nothing: the object draws nothing
};

std::ostream& operator<<(std::ostream& out, const StateLook& row) {
    return out << row.className << " state " << row.state << (row.active ? " active" : " inactive") << " mouse "
               << int(row.mouse);
}

constexpr TRect kA{0, 0, 8, 8}, kB{8, 0, 16, 8}, kC{16, 0, 24, 8}, kD{0, 8, 8, 16}, kE{8, 8, 16, 16};

const StateLook kStateLooks[] = {
    // A button's state bitmap, or Bitmap when the state's link has no name
    // or does not resolve; nothing at all without a valid Bitmap.
    {TSeButtonObject::kClassName, {{"Bitmap", "sheet", kA}, {"BitmapHot", "", kB}, {"BitmapPressed", "sheet", kC}},
     kStateHot, false, Mouse::kNone, kA},
    {TSeButtonObject::kClassName, {{"Bitmap", "sheet", kA}, {"BitmapHot", "", kB}, {"BitmapPressed", "sheet", kC}},
     kStatePressed, false, Mouse::kNone, kC},
    {TSeButtonObject::kClassName, {{"Bitmap", "sheet", kA}, {"BitmapFocused", "sheet", kB}, {"BitmapDisabled", "sheet", kD}},
     kStateFocused, false, Mouse::kNone, kB},
    {TSeButtonObject::kClassName, {{"Bitmap", "sheet", kA}, {"BitmapFocused", "sheet", kB}, {"BitmapDisabled", "sheet", kD}},
     kStateDisabled, true, Mouse::kNone, kD},
    {TSeButtonObject::kClassName, {{"Bitmap", "gone", kA}, {"BitmapPressed", "sheet", kC}}, kStatePressed, false,
     Mouse::kNone, std::nullopt},
    // The box with state bitmaps chooses as the button does.
    {TSeButtonBitmapBoxObject::kClassName, {{"Bitmap", "sheet", kA}, {"DisabledBitmap", "sheet", kD}}, kStateDisabled,
     false, Mouse::kNone, kD},
    {TSeButtonBitmapBoxObject::kClassName, {{"Bitmap", "sheet", kA}, {"DisabledBitmap", "sheet", kD}}, kStateFocused,
     false, Mouse::kNone, kA},
    {TSeButtonBitmapBoxObject::kClassName, {{"Bitmap", "missing", kA}, {"HotBitmap", "sheet", kD}}, kStateHot, false,
     Mouse::kNone, std::nullopt},
    // The active box shows FocusedBitmap when hot or focused and it is valid.
    {TSeActiveBitmapBoxObject::kClassName, {{"Bitmap", "sheet", kA}, {"FocusedBitmap", "sheet", kB}}, kStateHot, false,
     Mouse::kNone, kB},
    {TSeActiveBitmapBoxObject::kClassName, {{"Bitmap", "sheet", kA}, {"FocusedBitmap", "sheet", kB}}, kStatePressed,
     true, Mouse::kNone, kA},
    {TSeActiveBitmapBoxObject::kClassName, {{"Bitmap", "sheet", kA}, {"FocusedBitmap", "missing", kB}}, kStateFocused,
     false, Mouse::kNone, kA},
    // The form bitmap shows InactiveBitmap while the window is inactive.
    {TSeFormBitmapSkinObject::kClassName, {{"Bitmap", "sheet", kA}, {"InactiveBitmap", "sheet", kE}}, kStateNormal,
     false, Mouse::kNone, kE},
    {TSeFormBitmapSkinObject::kClassName, {{"Bitmap", "sheet", kA}, {"InactiveBitmap", "sheet", kE}}, kStateNormal,
     true, Mouse::kNone, kA},
    // The active bitmap for the active window and for hot or focused
    // elements, when it is valid.
    {TSeActiveBitmap::kClassName, {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "sheet", kB}}, kStateNormal, false,
     Mouse::kNone, kA},
    {TSeActiveBitmap::kClassName, {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "sheet", kB}}, kStateNormal, true,
     Mouse::kNone, kB},
    {TSeActiveBitmap::kClassName, {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "sheet", kB}}, kStateFocused, false,
     Mouse::kNone, kB},
    {TSeActiveBitmap::kClassName, {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "missing", kB}}, kStateHot, true,
     Mouse::kNone, kA},
    // Caption buttons show their hover and down looks only while the
    // window is active.
    {TSeSysButtonSkinObject::kClassName,
     {{"Bitmap", "sheet", kA}, {"BitmapHover", "sheet", kB}, {"BitmapDown", "sheet", kC}}, kStateNormal, false,
     Mouse::kOver, kA},
    {TSeSysButtonSkinObject::kClassName,
     {{"Bitmap", "sheet", kA}, {"BitmapHover", "sheet", kB}, {"BitmapDown", "sheet", kC}}, kStateNormal, false,
     Mouse::kPressed, kA},
    {TSeSysButtonSkinObject::kClassName,
     {{"Bitmap", "sheet", kA}, {"BitmapHover", "sheet", kB}, {"BitmapDown", "sheet", kC}}, kStateNormal, true,
     Mouse::kPressed, kC},
    {TSeSysButtonSkinObject::kClassName,
     {{"Bitmap", "sheet", kA}, {"BitmapHover", "sheet", kB}, {"BitmapDown", "sheet", kC}}, kStateNormal, true,
     Mouse::kOver, kB},
    {TSeSystemButton::kClassName, {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "sheet", kB}, {"BitmapHot", "sheet", kC}},
     kStateNormal, true, Mouse::kNone, kB},
    {TSeSystemButton::kClassName, {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "sheet", kB}, {"BitmapHot", "sheet", kC}},
     kStateNormal, true, Mouse::kOver, kC},
    {TSeSystemButton::kClassName, {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "sheet", kB}, {"BitmapHot", "sheet", kC}},
     kStateNormal, false, Mouse::kOver, kA},
    {TSeSystemButton::kClassName,
     {{"Bitmap", "sheet", kA}, {"ActiveBitmap", "sheet", kB}, {"BitmapPressed", "sheet", kD}}, kStateNormal, true,
     Mouse::kPressed, kD},
};

TEST_F(DrawFixture, EachClassDrawsTheLookOfItsStateAndWindow) {
    RegisterSkinObjectClasses();
    for (const StateLook& row : kStateLooks) {
        SCOPED_TRACE(::testing::PrintToString(row));
        const SkinObjectClass* cls = FindSkinObjectClass(row.className);
        ASSERT_NE(cls, nullptr);
        std::unique_ptr<TSeSkinObject> object(cls->create(nullptr));
        for (const LinkTo& link : row.links) {
            const framework::PropertyInfo* property = object->Properties().Find(link.property);
            ASSERT_NE(property, nullptr) << link.property;
            auto* target = dynamic_cast<TSeBitmapLink*>(property->getObject(*object));
            ASSERT_NE(target, nullptr) << link.property;
            Point(*target, link.bitmap, link.rect);
        }
        object->SetBitmapList(&list);
        object->LinkBitmaps();
        object->SetBounds(MakeBounds(0, 0, 8, 8));
        object->SetState(row.state);
        object->SetActive(row.active);
        if (row.mouse != Mouse::kNone) object->MouseEnter();
        if (row.mouse == Mouse::kPressed) object->MouseDown(mbLeft, 0, 0);
        canvas.calls.clear();
        object->Draw(canvas);
        if (!row.source) {
            EXPECT_TRUE(canvas.calls.empty());
            continue;
        }
        ASSERT_EQ(canvas.calls.size(), 1u);
        EXPECT_EQ(canvas.calls[0].source, *row.source);
        EXPECT_EQ(canvas.calls[0].bitmap, sheet);
    }
}

TEST_F(DrawFixture, SystemButtonDrawsItsHotBitmapAndPutsEverythingBack) {
    TSeSkinObject root(nullptr);
    auto* button = new TSeSystemButton(&root);
    auto* glyph = new TSeSkinObject(button);
    Point(*button->Bitmap(), "sheet", {0, 0, 8, 8});
    Point(*button->ActiveBitmap(), "sheet", {8, 0, 16, 8});
    Point(*button->BitmapHot(), "sheet", {16, 0, 24, 8});
    root.SetBitmapList(&list);
    root.LinkBitmaps();
    button->SetBounds(MakeBounds(0, 0, 8, 8));
    glyph->SetBounds(MakeBounds(2, 2, 4, 4));

    // The looks drawn are in the table above; here, what is put back.
    root.SetActive(true);
    button->MouseEnter();
    button->Draw(canvas);  // hot
    EXPECT_EQ(Calls("tile").at(0).source, (TRect{16, 0, 24, 8}));
    EXPECT_TRUE(button->Active());
    EXPECT_TRUE(glyph->Active());
    EXPECT_EQ(glyph->State(), kStateNormal);
    EXPECT_EQ(button->Bitmap()->Rect(), (TRect{0, 0, 8, 8}));

    root.SetActive(false);
    canvas.calls.clear();
    button->Draw(canvas);
    EXPECT_EQ(Calls("tile").at(0).source, (TRect{0, 0, 8, 8}));
    EXPECT_EQ(glyph->State(), kStateNormal);

    FakeControl control;
    control.isForm = true;
    root.SetControl(&control);
    button->SetAction(sbaSysMenu);
    canvas.calls.clear();
    button->Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].what, "icon");
}

TEST_F(DrawFixture, PlainObjectsFillOnlyWithoutChildrenOrWhenAskedTo) {
    TSeSkinObject parent(nullptr);
    parent.SetColor(0x00AA00);
    parent.SetBounds(MakeBounds(0, 0, 10, 10));
    auto* child = new TSeActiveObject(&parent);
    child->SetColor(0x0000AA);
    child->SetActiveColor(0xAA0000);
    child->SetBounds(MakeBounds(1, 1, 5, 5));
    auto* empty = new TSeSkinObject(&parent);
    empty->SetBounds(MakeBounds(1, 1, 0, 5));
    parent.Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].color, 0x0000AA);

    parent.SetDrawIfOwner(true);
    child->SetState(kStatePressed);
    canvas.calls.clear();
    parent.Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].color, 0x00AA00);
    EXPECT_EQ(canvas.calls[1].color, 0xAA0000);
}

TEST_F(DrawFixture, TextFlagsMarginsShadowAndDisabledColour) {
    TSeSkinObject label(nullptr);
    label.SetBounds(MakeBounds(10, 20, 100, 30));
    label.SetTextMarginLeft(4);
    label.SetTextMarginRight(6);
    label.SetTextMarginTop(2);
    label.SetText(L"Hello");
    label.Font()->SetColor(0x3366FF);
    label.SetTextAlign(taBottomRight);
    label.SetTextEffect(teShadow);
    label.DrawText(canvas);
    auto texts = Calls("text");
    ASSERT_EQ(texts.size(), 2u);
    const TRect textRect{14, 22, 104, 50};
    EXPECT_EQ(texts[0].destination, RectOffset(textRect, 1, 1));
    EXPECT_EQ(texts[0].color, 0x000000);
    EXPECT_EQ(texts[1].destination, textRect);
    EXPECT_EQ(texts[1].color, 0x3366FF);
    EXPECT_EQ(texts[1].flags, kTextRight | kTextBottom | kTextSingleLine);

    canvas.calls.clear();
    label.SetTextEffect(teNone);
    label.SetEnabled(false);
    label.SetTextAlign(taTopCenter);
    label.DrawText(canvas);
    texts = Calls("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].color, 0x808080);
    EXPECT_EQ(texts[0].flags, kTextCenter | kTextTop | kTextSingleLine);
}

TEST_F(DrawFixture, SeparatorIsOneLineInTheFontColour) {
    TSeTextObject item(nullptr);
    item.SetBounds(MakeBounds(0, 10, 50, 9));
    item.SetText(L"-");
    item.FontHot()->SetColor(0x123456);
    item.SetState(kStateHot);
    item.DrawText(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].what, "fill");
    EXPECT_EQ(canvas.calls[0].destination, (TRect{3, 13, 47, 14}));  // 10 + 9 / 2 - 1
    EXPECT_EQ(canvas.calls[0].color, 0x123456);
}

// A state-dependent object draws with its state font in place of Font; its
// separator takes that font's colour.
TEST_F(DrawFixture, SeparatorOfAStateLookTakesTheStateFontsColour) {
    TSeActiveObject item(nullptr);
    item.SetBounds(MakeBounds(0, 0, 50, 10));
    item.SetText(L"-");
    item.Font()->SetColor(0x000001);
    item.ActiveFont()->SetColor(0x0000AA);
    item.SetActive(true);  // active look, state normal
    item.Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 2u);  // the fill, then the line
    EXPECT_EQ(canvas.calls[1].color, 0x0000AA);

    TSeColorButtonObject button(nullptr);
    button.SetBounds(MakeBounds(0, 0, 50, 10));
    button.SetText(L"-");
    button.HotFont()->SetColor(0x00BB00);
    button.SetState(kStateHot);
    canvas.calls.clear();
    button.Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[1].color, 0x00BB00);
}

TEST_F(DrawFixture, TitleShortensAndRightToLeftMirrors) {
    TSeSkinObject title(nullptr);
    title.SetKind(skTitle);
    title.SetBounds(MakeBounds(0, 0, 20, 10));
    title.SetText(L"A long caption");
    title.SetShortCutText(L"F4");
    title.DrawText(canvas);
    auto texts = Calls("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, L"A lo...");
    EXPECT_EQ(texts[0].flags, kTextLeft | kTextVCenter | kTextSingleLine);
    EXPECT_EQ(texts[1].text, L"F4");
    EXPECT_EQ(texts[1].flags, kTextRight | kTextVCenter | kTextSingleLine);

    FakeControl control;
    control.biDiMode = 1;
    title.SetControl(&control);
    canvas.calls.clear();
    title.DrawText(canvas);
    EXPECT_EQ(Calls("text").at(0).flags, kTextLeft | kTextVCenter | kTextSingleLine);
    canvas.rightToLeft = true;
    canvas.calls.clear();
    title.DrawText(canvas);
    texts = Calls("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].flags, kTextRight | kTextVCenter | kTextSingleLine | kTextRtlReading);
    EXPECT_EQ(texts[1].flags, kTextRight | kTextVCenter | kTextSingleLine | kTextRtlReading);
}

TEST_F(DrawFixture, LinkObjectShowsItsPlaceholderOnlyInLinkView) {
    TSeLinkSkinObject link(nullptr);
    link.SetLinkControl("Memo1");
    link.SetBounds(MakeBounds(0, 0, 40, 20));
    link.Draw(canvas);
    EXPECT_TRUE(canvas.calls.empty());
    link.SetState(kStateLinkView);
    link.Draw(canvas);
    ASSERT_EQ(canvas.calls.size(), 3u);
    EXPECT_EQ(canvas.calls[0].color, 0xFFFFFF);
    EXPECT_EQ(canvas.calls[1].what, "frame");
    EXPECT_EQ(canvas.calls[2].text, L"Memo1");
    EXPECT_EQ(canvas.calls[2].flags, kTextCenter | kTextVCenter | kTextSingleLine);
}

TEST_F(DrawFixture, BitmapObjectLaysOutItsChildrenWhenItDraws) {
    TSeBitmapObject bar(nullptr);
    Point(*bar.Bitmap(), "sheet", {0, 0, 4, 4});
    auto* client = new TSeSkinObject(&bar);
    client->SetAlign(saClient);
    bar.SetBitmapList(&list);
    bar.LinkBitmaps();
    bar.SetBounds(MakeBounds(0, 0, 30, 10));
    client->SetBounds(MakeBounds(0, 0, 1, 1));
    bar.Draw(canvas);
    EXPECT_EQ(client->BoundsRect(), MakeBounds(0, 0, 30, 10));
    EXPECT_EQ(Calls("fill").size(), 1u);
}

}  // namespace
}  // namespace skin
