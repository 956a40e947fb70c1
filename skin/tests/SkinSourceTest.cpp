// The skin source's content and the lookups that controls use.
#include <gtest/gtest.h>

#include <limits>

#include "skin/gfx/HueShift.h"
#include "skin/objects/SkinObject.h"
#include "skin/storage/SkinSource.h"

namespace skin {
namespace {

std::unique_ptr<TSeSkinObject> Named(const char* name, TSeKind kind = skNone) {
    auto object = std::make_unique<TSeSkinObject>(nullptr);
    object->SetName(name);
    object->SetKind(kind);
    return object;
}

TEST(SkinSourceTest, LooksUpTopLevelObjectsByNameAndKindAndAnswersNothingWhileLocked) {
    TSeSkinSource source(nullptr);
    EXPECT_EQ(source.SkinName(), "SkinEngine Skin");
    EXPECT_EQ(source.SkinVersion(), "3.1.4");
    TSeSkinObject* window = source.AddObject(Named("Window", skForm));
    TSeSkinObject* bar = source.AddObject(Named("ProgressBar"));
    new TSeSkinObject(bar);
    bar->Child(0)->SetName("Frame");
    EXPECT_EQ(source.Count(), 2);
    EXPECT_EQ(source.GetObjectByName("progressbar"), bar);
    EXPECT_EQ(source.GetObjectByName("Frame"), nullptr);  // children are not searched
    EXPECT_EQ(source.GetObjectByKind(skForm), window);
    EXPECT_EQ(source.GetFormObject(), window);  // no "Form": the first of kind skForm
    TSeSkinObject* form = source.AddObject(Named("FORM"));
    EXPECT_EQ(source.GetFormObject(), form);

    EXPECT_EQ(source.SkinObjects(1), bar);
    EXPECT_EQ(source.SkinObjects(3), nullptr);
    EXPECT_EQ(source.SkinObjects(-1), nullptr);
    source.SetLocked(true);
    EXPECT_EQ(source.SkinObjects(0), nullptr);
    EXPECT_EQ(source.GetObjectByName("Window"), window);  // only indexed access is locked
    source.SetLocked(false);

    source.SetSkinName("Mine");
    source.Clear();
    EXPECT_EQ(source.Count(), 0);
    EXPECT_EQ(source.SkinName(), "Mine");
}

TEST(SkinSourceTest, HueChangesAreIncremental) {
    TSeSkinSource source(nullptr);
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetSize(2, 1);
    const TPixel original = 0xFF3366CC;
    bitmap->Bits()[0] = original;
    bitmap->Bits()[1] = kKeyPixel;  // alpha 0: never shifted
    TSeBitmap* pixels = source.Bitmaps().Add(std::move(bitmap));
    TSeSkinObject* object = source.AddObject(Named("Form"));
    object->SetColor(0x0000FF);

    source.ChangeHue(30);
    EXPECT_EQ(source.HueDelta(), 30);
    const TPixel once = ShiftHue(original, 30);
    EXPECT_EQ(pixels->Bits()[0], once);
    EXPECT_EQ(pixels->Bits()[1], kKeyPixel);
    source.ChangeHue(30);  // the same value changes nothing
    EXPECT_EQ(pixels->Bits()[0], once);
    source.ChangeHue(10);  // the step is -20, not 10
    EXPECT_EQ(pixels->Bits()[0], ShiftHue(once, -20));
    EXPECT_EQ(object->Color(), PixelToColor(ShiftHue(ShiftHue(ColorToPixel(0x0000FF), 30), -20)));

    // Values at both ends of the range step around the circle without overflow.
    source.ChangeHue(std::numeric_limits<int>::min());
    source.ChangeHue(std::numeric_limits<int>::max());
    EXPECT_EQ(source.HueDelta(), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace skin
