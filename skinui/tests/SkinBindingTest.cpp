// A control's binding to a skin engine, without windows.
#include <gtest/gtest.h>

#include "skin/objects/BitmapObject.h"
#include "skinui/controls/SkinBinding.h"

namespace skinui {
namespace {

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::RegisterSkinClasses();
        auto bar = std::make_unique<skin::TSeSkinObject>(nullptr);
        bar->SetName("ProgressBar");
        new skin::TSeBitmapObject(bar.get());
        engine.SkinSource()->AddObject(std::move(bar));
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

}  // namespace
}  // namespace skinui
