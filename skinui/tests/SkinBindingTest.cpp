// A control's binding to a skin engine, without windows.
#include <gtest/gtest.h>

#include "framework/Component.h"
#include "skin/objects/BitmapObject.h"
#include "skinui/controls/SkinBinding.h"

namespace skinui {
namespace {

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::RegisterSkinClasses();
        GiveSkin(engine, 0x00FF0000);
    }
    // A skin of one "ProgressBar" object in `color`, with one child.
    static void GiveSkin(skin::TSeSkinEngine& to, skin::TColor color) {
        auto bar = std::make_unique<skin::TSeSkinObject>(nullptr);
        bar->SetName("ProgressBar");
        bar->SetColor(color);
        new skin::TSeBitmapObject(bar.get());
        to.SkinSource()->AddObject(std::move(bar));
    }
    skin::TSeSkinEngine engine{nullptr};
    skin::TSeSkinEngine other{nullptr};
};

TEST_F(BindingTest, TheCopyIsTakenFromTheNamedObjectWithoutCase) {
    SkinBinding binding("progressbar");
    EXPECT_FALSE(binding.Available());
    binding.SetEngine(&engine, nullptr);
    ASSERT_TRUE(binding.Available());
    EXPECT_NE(binding.Copy(), engine.SkinSource()->SkinObjects(0));
    EXPECT_EQ(binding.Copy()->ChildCount(), 1);
    binding.SetObjectName("Missing");  // only stored
    EXPECT_NE(binding.Copy(), nullptr);
    EXPECT_FALSE(binding.Available());
    binding.SetEngine(&engine, nullptr);
    EXPECT_EQ(binding.Copy(), nullptr);
}

TEST_F(BindingTest, ChangesOfItsOwnEngineDropAndRetakeTheCopyOthersLeaveIt) {
    SkinBinding binding("ProgressBar");
    binding.SetEngine(&engine, nullptr);
    EXPECT_FALSE(binding.SkinChanging(&other));
    EXPECT_NE(binding.Copy(), nullptr);
    EXPECT_FALSE(binding.SkinChanging(nullptr));
    EXPECT_TRUE(binding.SkinChanging(&engine));
    EXPECT_EQ(binding.Copy(), nullptr);
    EXPECT_FALSE(binding.Available());
    EXPECT_TRUE(binding.SkinChanged(&engine, nullptr));
    EXPECT_TRUE(binding.Available());

    // A locked or empty skin gives no copy.
    engine.SkinSource()->SetLocked(true);
    binding.SetEngine(&engine, nullptr);
    EXPECT_EQ(binding.Copy(), nullptr);
    engine.SkinSource()->SetLocked(false);
    binding.SetEngine(nullptr, nullptr);
    EXPECT_FALSE(binding.Available());
}

// A skin replaced without an announcement frees the objects a binding took
// from it: the binding must tell, so that its owner takes them again.
TEST_F(BindingTest, ASkinReplacedWithoutAnnouncementIsNoticedAndTakenAgain) {
    SkinBinding binding("ProgressBar");
    binding.SetEngine(&engine, nullptr);
    EXPECT_FALSE(binding.Stale());
    engine.SkinSource()->Clear();
    GiveSkin(engine, 0x000000FF);
    EXPECT_TRUE(binding.Stale());
    EXPECT_FALSE(binding.Available());  // the old copy is not offered as current
    binding.SetEngine(binding.Engine(), nullptr);
    EXPECT_FALSE(binding.Stale());
    ASSERT_TRUE(binding.Available());
    EXPECT_EQ(binding.Copy()->Color(), 0x000000FF);

    // A skin that was not usable when bound (locked) is stale once it is.
    engine.SkinSource()->SetLocked(true);
    binding.SetEngine(&engine, nullptr);
    EXPECT_FALSE(binding.Stale());
    engine.SkinSource()->SetLocked(false);
    EXPECT_TRUE(binding.Stale());

    // Between the two announcements the dropped copy is not stale: it is
    // taken again when the change ends, not from a half-made skin.
    binding.SetEngine(&engine, nullptr);
    EXPECT_TRUE(binding.SkinChanging(&engine));
    engine.SkinSource()->Clear();
    GiveSkin(engine, 0x0000FF00);
    EXPECT_FALSE(binding.Stale());
    EXPECT_TRUE(binding.SkinChanged(&engine, nullptr));
    EXPECT_FALSE(binding.Stale());
    EXPECT_EQ(binding.Copy()->Color(), 0x0000FF00);
}

// An owner that follows an engine through a binding without a copy, as the
// menu items and popup windows do.
class TFollower : public framework::TComponent {
public:
    using framework::TComponent::TComponent;
    void Notification(framework::TComponent* component, framework::TOperation operation) override {
        if (operation != framework::TOperation::opRemove) return framework::TComponent::Notification(component, operation);
        ++removalsHeard;
        if (binding.EngineRemoved(component)) ++enginesLost;
        framework::TComponent::Notification(component, operation);
    }
    SkinBinding binding{"", this};
    int removalsHeard = 0;
    int enginesLost = 0;
};

TEST_F(BindingTest, WithoutANameItOnlyFollowsTheEngineAndItsOwnerHearsOfItsEnd) {
    std::unique_ptr<TFollower> owner(framework::NewComponent<TFollower>(nullptr));
    auto* first = new skin::TSeSkinEngine(nullptr);
    auto* second = new skin::TSeSkinEngine(nullptr);
    GiveSkin(*second, 0);
    owner->binding.SetEngine(first, nullptr);
    EXPECT_EQ(owner->binding.Source(), nullptr);  // an empty skin is not usable
    owner->binding.SetEngine(second, nullptr);
    EXPECT_EQ(owner->binding.Copy(), nullptr);
    EXPECT_EQ(owner->binding.Source(), second->SkinSource());
    // The engine it left no longer tells it anything.
    delete first;
    EXPECT_EQ(owner->removalsHeard, 0);
    EXPECT_EQ(owner->binding.Engine(), second);
    delete second;
    EXPECT_EQ(owner->removalsHeard, 1);
    EXPECT_EQ(owner->enginesLost, 1);
    EXPECT_EQ(owner->binding.Engine(), nullptr);
    EXPECT_EQ(owner->binding.Source(), nullptr);
    EXPECT_FALSE(owner->binding.Stale());
    EXPECT_FALSE(owner->binding.EngineRemoved(nullptr));
}

TEST(UsableSkinSourceTest, OnlyAnUnlockedSkinWithObjects) {
    skin::RegisterSkinClasses();
    EXPECT_EQ(UsableSkinSource(nullptr), nullptr);
    skin::TSeSkinEngine engine(nullptr);
    EXPECT_EQ(UsableSkinSource(&engine), nullptr);
    engine.SkinSource()->AddObject(std::make_unique<skin::TSeSkinObject>(nullptr));
    EXPECT_EQ(UsableSkinSource(&engine), engine.SkinSource());
    engine.SkinSource()->SetLocked(true);
    EXPECT_EQ(UsableSkinSource(&engine), nullptr);
}

}  // namespace
}  // namespace skinui
