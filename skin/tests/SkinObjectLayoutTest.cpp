// Layout, hit tests, lookup, hue and character sets of skin object trees.
#include <gtest/gtest.h>

#include <type_traits>

#include "skin/gfx/HueShift.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/ActiveObject.h"
#include "skin/objects/ActiveSkinObject.h"
#include "skin/objects/SkinObject.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/TextObject.h"

namespace skin {
namespace {

TSeSkinObject* AddChild(TSeSkinObject& parent, TSeAlign align, TRect bounds, const char* name = "") {
    auto* child = new TSeSkinObject(&parent);
    child->SetName(name);
    child->SetAlign(align);
    child->SetBounds(bounds);
    return child;
}

TRect Rect(int l, int t, int r, int b) { return TRect{l, t, r, b}; }

TEST(SkinObjectLayoutTest, FormFrameLeavesTheClientBetweenItsEdges) {
    TSeSkinObject form(nullptr);
    TSeSkinObject* client = AddChild(form, saClient, {});
    TSeSkinObject* left = AddChild(form, saMostLeft, MakeBounds(0, 0, 8, 1));
    TSeSkinObject* right = AddChild(form, saMostRight, MakeBounds(0, 0, 8, 1));
    TSeSkinObject* top = AddChild(form, saTop, MakeBounds(0, 0, 1, 35));
    TSeSkinObject* bottom = AddChild(form, saBottom, MakeBounds(0, 0, 1, 8));
    form.SetBounds(MakeBounds(0, 0, 300, 250));
    EXPECT_EQ(client->BoundsRect(), Rect(8, 35, 292, 242));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 8, 250));
    EXPECT_EQ(right->BoundsRect(), Rect(292, 0, 300, 250));
    // The plain edges come after the "most" ones, inside what those left.
    EXPECT_EQ(top->BoundsRect(), Rect(8, 0, 292, 35));
    EXPECT_EQ(bottom->BoundsRect(), Rect(8, 242, 292, 250));
}

TEST(SkinObjectLayoutTest, MostRulesComeFirstWhateverTheChildOrder) {
    TSeSkinObject form(nullptr);
    TSeSkinObject* top = AddChild(form, saTop, MakeBounds(0, 0, 1, 10));
    TSeSkinObject* mostTop = AddChild(form, saMostTop, MakeBounds(0, 0, 1, 5));
    TSeSkinObject* mostBottom = AddChild(form, saMostBottom, MakeBounds(0, 0, 1, 7));
    form.SetBounds(MakeBounds(10, 20, 100, 100));
    EXPECT_EQ(mostTop->BoundsRect(), Rect(10, 20, 110, 25));
    EXPECT_EQ(top->BoundsRect(), Rect(10, 25, 110, 35));
    EXPECT_EQ(mostBottom->BoundsRect(), Rect(10, 113, 110, 120));
}

TEST(SkinObjectLayoutTest, TwoClientChildrenShareTheRemainingRectangle) {
    TSeSkinObject form(nullptr);
    AddChild(form, saTop, MakeBounds(0, 0, 1, 20));
    TSeSkinObject* a = AddChild(form, saClient, {});
    TSeSkinObject* b = AddChild(form, saClient, {});
    form.SetBounds(MakeBounds(0, 0, 50, 60));
    EXPECT_EQ(a->BoundsRect(), Rect(0, 20, 50, 60));
    EXPECT_EQ(b->BoundsRect(), a->BoundsRect());
}

TEST(SkinObjectLayoutTest, HiddenChildrenTakeNoSpaceAndAreNotPlaced) {
    TSeSkinObject form(nullptr);
    TSeSkinObject* top = AddChild(form, saTop, MakeBounds(3, 4, 10, 30));
    top->SetVisible(false);
    TSeSkinObject* client = AddChild(form, saClient, {});
    form.SetBounds(MakeBounds(0, 0, 100, 100));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 100, 100));
    EXPECT_EQ(top->BoundsRect(), MakeBounds(3, 4, 10, 30));
}

TEST(SkinObjectLayoutTest, CenterAndTextChildren) {
    TSeSkinObject form(nullptr);
    TSeSkinObject* centre = AddChild(form, saCenter, MakeBounds(0, 0, 11, 5));
    TSeSkinObject* text = AddChild(form, saText, MakeBounds(7, 9, 1, 12));
    text->SetText(L"abcd");
    text->SetTextMarginLeft(3);
    text->SetTextMarginRight(2);
    SetTextMeasure([](const framework::TFont&, const std::wstring& s) { return int(s.size()) * 6; });
    form.SetBounds(MakeBounds(0, 0, 100, 50));
    SetTextMeasure({});
    // (100 - 11) / 2 = 44, (50 - 5) / 2 = 22, truncated.
    EXPECT_EQ(centre->BoundsRect(), MakeBounds(44, 22, 11, 5));
    EXPECT_EQ(text->BoundsRect(), MakeBounds(7, 9, 24 + 5, 12));
}

TEST(SkinObjectLayoutTest, TopRightChildKeepsItsDistanceToTheRightEdge) {
    TSeSkinObject caption(nullptr);
    caption.SetBounds(MakeBounds(0, 0, 284, 20));
    TSeSkinObject* button = AddChild(caption, saTopRight, MakeBounds(266, 2, 16, 14));
    caption.SetBounds(MakeBounds(0, 0, 500, 20));
    EXPECT_EQ(button->Left(), 482);
    EXPECT_EQ(button->Width(), 16);
    // Laying out again without a new size (bitmap objects do it at every
    // draw) leaves the button where it is.
    caption.AlignChildren();
    caption.AlignChildren();
    EXPECT_EQ(button->Left(), 482);
}

TEST(SkinObjectLayoutTest, AnchoredChildrenDoNotMoveWhenTheParentGrowsFromNothing) {
    TSeSkinObject caption(nullptr);
    TSeSkinObject* button = AddChild(caption, saTopRight, MakeBounds(266, 2, 16, 14));
    TSeSkinObject* low = AddChild(caption, saBottomLeft, MakeBounds(0, 40, 16, 14));
    caption.SetBounds(MakeBounds(0, 0, 500, 80));
    EXPECT_EQ(button->Left(), 266);
    EXPECT_EQ(low->Top(), 40);
}

TEST(SkinObjectLayoutTest, BottomAnchorsKeepTheirDistanceToTheBottomAndBothEdges) {
    TSeSkinObject panel(nullptr);
    panel.SetBounds(MakeBounds(0, 0, 100, 60));
    TSeSkinObject* low = AddChild(panel, saBottomLeft, MakeBounds(5, 50, 10, 10));
    TSeSkinObject* corner = AddChild(panel, saBottomRight, MakeBounds(90, 50, 10, 10));
    TSeSkinObject* hidden = AddChild(panel, saTopRight, MakeBounds(80, 0, 10, 10));
    hidden->SetVisible(false);
    panel.SetBounds(MakeBounds(0, 0, 150, 80));
    EXPECT_EQ(low->BoundsRect(), MakeBounds(5, 70, 10, 10));
    EXPECT_EQ(corner->BoundsRect(), MakeBounds(140, 70, 10, 10));
    // Anchoring applies to hidden children too.
    EXPECT_EQ(hidden->Left(), 130);
}

TEST(SkinObjectLayoutTest, FreshCopyAnchorsFromTheCopiedWidth) {
    RegisterSkinObjectClasses();
    TSeSkinObject caption(nullptr);
    caption.SetBounds(MakeBounds(0, 0, 284, 20));
    AddChild(caption, saTopRight, MakeBounds(266, 2, 16, 14), "Close");
    std::unique_ptr<TSeSkinObject> copy(CloneObject(caption, nullptr));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->PrevWidth(), 0);
    copy->SetBounds(MakeBounds(0, 0, 500, 20));
    EXPECT_EQ(copy->FindByName("close")->Left(), 482);
    // The original is untouched.
    EXPECT_EQ(caption.FindByName("Close")->Left(), 266);
}

TEST(SkinObjectLayoutTest, NegativeSizesBecomeZeroAndEqualBoundsChangeNothing) {
    TSeSkinObject object(nullptr);
    object.SetBounds(Rect(10, 10, 5, 2));
    EXPECT_EQ(object.Width(), 0);
    EXPECT_EQ(object.Height(), 0);
    object.SetBounds(MakeBounds(0, 0, 30, 40));
    object.SetBounds(MakeBounds(0, 0, 30, 40));
    EXPECT_EQ(object.PrevWidth(), 0);
    object.SetWidth(35);
    EXPECT_EQ(object.PrevWidth(), 30);
    EXPECT_EQ(object.BoundsRect(), MakeBounds(0, 0, 35, 40));
}

TEST(SkinObjectLayoutTest, ExtremeStoredSizesDoNotOverflow) {
    TSeSkinObject form(nullptr);
    AddChild(form, saTop, MakeBounds(0, 0, 1, 0x7FFFFFF0));
    AddChild(form, saTop, MakeBounds(0, 0, 1, 0x7FFFFFF0));
    TSeSkinObject* centre = AddChild(form, saCenter, MakeBounds(0, 0, 0x7FFFFFFF, 3));
    form.SetBounds(Rect(-0x7FFFFFFF, 0, 0x7FFFFFFF, 100));
    EXPECT_GE(centre->Width(), 0);
    form.SetLeft(0x7FFFFFFF);
    EXPECT_GE(form.BoundsRect().Right, form.Left());
}

TEST(SkinObjectHitTest, LaterOverlappingChildWinsAndTransparentObjectsAreNeverHit) {
    TSeSkinObject form(nullptr);
    form.SetBounds(MakeBounds(0, 0, 100, 100));
    TSeSkinObject* first = AddChild(form, saNone, MakeBounds(10, 10, 50, 50));
    TSeSkinObject* second = AddChild(form, saNone, MakeBounds(30, 30, 50, 50));
    EXPECT_EQ(form.ObjectAtPoint({40, 40}), second);
    EXPECT_EQ(form.ObjectAtPoint({15, 15}), first);
    EXPECT_EQ(form.ObjectAtPoint({5, 95}), &form);
    EXPECT_EQ(form.ObjectAtPoint({100, 50}), nullptr);  // right edge is outside

    second->SetKind(skTranparent);
    EXPECT_EQ(form.ObjectAtPoint({70, 70}), &form);
    EXPECT_EQ(form.ObjectAtPoint({40, 40}), first);
    first->SetVisible(false);
    EXPECT_EQ(form.ObjectAtPoint({40, 40}), &form);
}

TEST(SkinObjectLookupTest, DepthFirstFirstMatchNamesWithoutCase) {
    TSeSkinObject form(nullptr);
    form.SetName("Form");
    TSeSkinObject* caption = AddChild(form, saTop, {}, "Caption");
    TSeSkinObject* title = AddChild(*caption, saClient, {}, "Title");
    title->SetKind(skTitle);
    TSeSkinObject* later = AddChild(form, saNone, {}, "Other");
    later->SetKind(skTitle);
    EXPECT_EQ(form.FindByName("TITLE"), title);
    EXPECT_EQ(form.FindByName("form"), &form);
    EXPECT_EQ(form.FindByName("missing"), nullptr);
    EXPECT_EQ(form.FindByKind(skTitle), title);
    EXPECT_EQ(form.FindByKind(skClient), nullptr);
    EXPECT_EQ(form.Child(2), nullptr);
    EXPECT_EQ(form.Child(-1), nullptr);
    EXPECT_EQ(title->Root(), &form);
}

TEST(SkinObjectTreeTest, StateActiveAndCharsetReachTheWholeSubtree) {
    TSeSkinObject form(nullptr);
    auto* child = new TSeTextObject(&form);
    auto* grandChild = new TSeActiveObject(child);
    form.SetState(kStateMaximized);
    form.SetActive(true);
    form.SetCharset(0xEE);
    EXPECT_EQ(grandChild->State(), kStateMaximized);
    EXPECT_TRUE(grandChild->Active());
    EXPECT_EQ(grandChild->Font()->Charset(), 0xEE);
    EXPECT_EQ(grandChild->ActiveFont()->Charset(), 0xEE);
    EXPECT_EQ(child->FontDisabled()->Charset(), 0xEE);
}

TEST(SkinObjectTreeTest, StateFontsFollowTheState) {
    TSeTextObject text(nullptr);
    text.SetState(kStateHot);
    EXPECT_EQ(text.GetFont(), text.FontHot());
    text.SetState(kStatePressed);
    EXPECT_EQ(text.GetFont(), text.FontPressed());
    text.SetState(kStateDisabled);
    EXPECT_EQ(text.GetFont(), text.FontDisabled());
    text.SetState(kStateMaximized);
    EXPECT_EQ(text.GetFont(), text.Font());

    TSeActiveBitmap bitmap(nullptr);
    bitmap.SetState(kStatePressed);  // not one of its active states
    EXPECT_EQ(bitmap.GetFont(), bitmap.Font());
    bitmap.SetState(kStateFocused);
    EXPECT_EQ(bitmap.GetFont(), bitmap.ActiveFont());
}

TEST(SkinObjectHueTest, ShiftsTheNamedColoursOnly) {
    TSeActiveBitmap bitmap(nullptr);
    bitmap.SetColor(0x0000FF);
    bitmap.Font()->SetColor(0x00FF00);
    bitmap.ActiveFont()->SetColor(0xFF0000);
    auto* active = new TSeActiveObject(&bitmap);
    active->SetActiveColor(0x2040C0);
    active->ActiveFont()->SetColor(0x123456);
    bitmap.ChangeHue(40);

    auto shifted = [](TColor c) { return PixelToColor(ShiftHue(ColorToPixel(c), 40)); };
    EXPECT_EQ(bitmap.Color(), shifted(0x0000FF));
    EXPECT_NE(bitmap.Color(), 0x0000FF);
    EXPECT_EQ(bitmap.Font()->Color(), shifted(0x00FF00));
    // An active bitmap does not shift its active font.
    EXPECT_EQ(bitmap.ActiveFont()->Color(), 0xFF0000);
    EXPECT_EQ(active->ActiveColor(), shifted(0x2040C0));
    EXPECT_EQ(active->ActiveFont()->Color(), shifted(0x123456));
    EXPECT_EQ(active->Color(), shifted(0xFFFFFF));
}

// Both plain classes with an active look keep it alike: stored as
// ActiveColor and ActiveFont, copied by Assign from their own class only,
// shifted in hue and given the character set with the rest of the object.
template <class Object>
struct ActiveLookTest : ::testing::Test {};
using ActiveLookClasses = ::testing::Types<TSeActiveObject, TSeActiveSkinObject>;
TYPED_TEST_SUITE(ActiveLookTest, ActiveLookClasses);

TYPED_TEST(ActiveLookTest, StoredCopiedShiftedAndGivenTheCharset) {
    for (const char* name : {"ActiveColor", "ActiveFont"})
        EXPECT_NE(TypeParam::ClassProperties().Find(name), nullptr) << name;

    TypeParam source(nullptr);
    source.SetActiveColor(0x2040C0);
    source.ActiveFont()->SetName("Tahoma");
    source.ActiveFont()->SetColor(0x123456);
    TypeParam copy(nullptr);
    copy.Assign(source);
    EXPECT_EQ(copy.ActiveColor(), 0x2040C0);
    EXPECT_EQ(copy.ActiveFont()->Name(), "Tahoma");
    EXPECT_NE(copy.ActiveFont(), source.ActiveFont());

    // The other class's look is not this one's: only the common part is taken.
    using Other = std::conditional_t<std::is_same_v<TypeParam, TSeActiveObject>, TSeActiveSkinObject, TSeActiveObject>;
    Other other(nullptr);
    other.SetActiveColor(0x010203);
    other.SetColor(0x0A0B0C);
    copy.Assign(other);
    EXPECT_EQ(copy.Color(), 0x0A0B0C);
    EXPECT_EQ(copy.ActiveColor(), 0x2040C0);

    source.ChangeHue(40);
    auto shifted = [](TColor c) { return PixelToColor(ShiftHue(ColorToPixel(c), 40)); };
    EXPECT_EQ(source.ActiveColor(), shifted(0x2040C0));
    EXPECT_EQ(source.ActiveFont()->Color(), shifted(0x123456));
    source.SetCharset(0xEE);
    EXPECT_EQ(source.ActiveFont()->Charset(), 0xEE);
    EXPECT_EQ(source.Font()->Charset(), 0xEE);
}

TEST(SkinObjectRegionTest, SubtreeRegionIsTheUnionOfVisibleChildren) {
    TSeSkinObject form(nullptr);
    form.SetBounds(MakeBounds(0, 0, 100, 100));
    AddChild(form, saNone, MakeBounds(0, 0, 10, 10));
    AddChild(form, saNone, MakeBounds(50, 50, 10, 10))->SetVisible(false);
    AddChild(form, saNone, MakeBounds(20, 0, 0, 10));  // no area: no region
    auto region = form.CreateSubtreeRegion();
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->Contains(5, 5));
    EXPECT_FALSE(region->Contains(55, 55));
    EXPECT_FALSE(region->Contains(30, 30));

    form.SetDrawIfOwner(true);
    region = form.CreateSubtreeRegion();
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->Contains(30, 30));
    form.SetBounds(MakeBounds(0, 0, 0, 100));
    EXPECT_FALSE(form.CreateSubtreeRegion());
}

}  // namespace
}  // namespace skin
