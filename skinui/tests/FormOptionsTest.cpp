// The effect option objects: clamping, what their owners are told, and
// reading and writing them as nested properties of a stored component.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/Component.h"
#include "framework/ComponentStreaming.h"
#include "framework/ObjectText.h"
#include "skinui/effects/FormOptions.h"

namespace skinui {
namespace {

TEST(ShadowOptionsTest, SizeIsCappedAndANonPositiveSizeTurnsTheShadowOff) {
    TSeShadow shadow;
    int changes = 0;
    shadow.onChange = [&] { ++changes; };
    shadow.SetEnabled(true);
    EXPECT_EQ(shadow.Depth(), 4);
    shadow.SetSize(25);
    EXPECT_EQ(shadow.Size(), 20);
    shadow.SetSize(20);  // the same value: not told
    EXPECT_EQ(changes, 2);
    shadow.SetSize(0);
    EXPECT_EQ(shadow.Size(), 0);
    EXPECT_FALSE(shadow.Enabled());
    EXPECT_EQ(changes, 3);
    // Switched on again with no size, it still has no depth to paint.
    shadow.SetSize(-3);
    shadow.SetEnabled(true);
    EXPECT_EQ(shadow.Size(), -3);
    EXPECT_EQ(shadow.Depth(), 0);
}

TEST(AnimationOptionsTest, ValuesAreClampedAndEveryChangeIsTold) {
    TSeAnimation animation;
    int changes = 0;
    animation.onChange = [&] { ++changes; };
    animation.SetTime(10);
    EXPECT_EQ(animation.Time(), 50);
    animation.SetTileCount(0);  // 1 already: not told
    EXPECT_EQ(animation.TileCount(), 1);
    animation.SetResolution(11);
    EXPECT_EQ(animation.Resolution(), 10);
    animation.SetEffect(keRandomSelect);
    EXPECT_EQ(changes, 3);
    TSeGravitation gravitation, child(true);
    gravitation.SetSize(0);
    EXPECT_EQ(gravitation.Size(), 1);
    gravitation.SetSize(51);
    EXPECT_EQ(gravitation.Size(), 50);
    EXPECT_EQ(child.Size(), 9);
    EXPECT_EQ(child.Properties().Find("Size")->defaultValue, 9);  // so a child's 20 is stored
}

TEST(FormOptionsTest, AnyPartTellsTheGroupAndAssignCopiesAllTellingOnce) {
    TSeFormOptions options;
    int changes = 0;
    options.onChange = [&] { ++changes; };
    options.Blending()->SetValue(200);
    options.Shadow()->SetEnabled(true);
    options.Animation()->SetEffect(keDiamondIn);
    EXPECT_EQ(changes, 3);

    TSePopupMenuOptions popup;
    int popupChanges = 0;
    popup.onChange = [&] { ++popupChanges; };
    popup.Assign(options);
    EXPECT_EQ(popupChanges, 1);
    EXPECT_EQ(popup.Blending()->Value(), 200);
    EXPECT_TRUE(popup.Shadow()->Enabled());
    EXPECT_EQ(popup.Animation()->Effect(), keDiamondIn);
    popup.Assign(options);  // nothing differs
    EXPECT_EQ(popupChanges, 1);
    // The parts still report after an Assign.
    popup.Shadow()->SetSize(7);
    EXPECT_EQ(popupChanges, 2);
    EXPECT_EQ(popup.ClassName(), "TSePopupMenuOptions");
}

// A frame-like component carrying every option object.
class TEffectsHost : public framework::TComponent {
public:
    static constexpr std::string_view kClassName = "TEffectsHost";
    using TComponent::TComponent;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    static const framework::PropertyTable& ClassProperties() {
        using T = TEffectsHost;
        static const framework::PropertyTable table(&TComponent::ClassProperties(),
                                                    {
                                                        framework::ObjectProperty("Animation", &T::Animation),
                                                        framework::ObjectProperty("Dragging", &T::Dragging),
                                                        framework::ObjectProperty("Gravitation", &T::Gravitation),
                                                        framework::ObjectProperty("Shadow", &T::Shadow),
                                                        framework::ObjectProperty("MenuOptions", &T::MenuOptions),
                                                    });
        return table;
    }
    TSeAnimation* Animation() const { return animation_.get(); }
    TSeDragging* Dragging() const { return dragging_.get(); }
    TSeGravitation* Gravitation() const { return gravitation_.get(); }
    TSeShadow* Shadow() const { return shadow_.get(); }
    TSePopupMenuOptions* MenuOptions() const { return menuOptions_.get(); }

private:
    std::unique_ptr<TSeAnimation> animation_ = std::make_unique<TSeAnimation>();
    std::unique_ptr<TSeDragging> dragging_ = std::make_unique<TSeDragging>();
    std::unique_ptr<TSeGravitation> gravitation_ = std::make_unique<TSeGravitation>();
    std::unique_ptr<TSeShadow> shadow_ = std::make_unique<TSeShadow>();
    std::unique_ptr<TSePopupMenuOptions> menuOptions_ = std::make_unique<TSePopupMenuOptions>();
};

TEST(FormOptionsTest, ReadFromATextDescriptionAndWrittenBackWithoutDefaults) {
    const std::string text =
        "object Host: TEffectsHost\r\n"
        "  Animation.Direction = kdRotate180\r\n"
        "  Animation.Effect = keRandomSelect\r\n"
        "  Animation.Time = 9999\r\n"
        "  Dragging.DragMode = kfdmBorder\r\n"
        "  Gravitation.Size = 9\r\n"
        "  Shadow.Enabled = True\r\n"
        "  MenuOptions.Shadow.Size = 6\r\n"
        "  MenuOptions.Animation.Effect = keSmoothRectOut\r\n"
        "end\r\n";
    TEffectsHost host(nullptr);
    framework::ComponentFromBinary(framework::ObjectTextToBinary(text), host);
    EXPECT_EQ(host.Animation()->Direction(), kdRotate180);
    EXPECT_EQ(host.Animation()->Effect(), keRandomSelect);
    EXPECT_EQ(host.Animation()->Time(), 9000);  // clamped on the way in
    EXPECT_FALSE(host.Animation()->Enabled());
    EXPECT_EQ(host.Dragging()->DragMode(), kfdmBorder);
    EXPECT_TRUE(host.Dragging()->Moveable());
    EXPECT_EQ(host.Gravitation()->Size(), 9);
    EXPECT_TRUE(host.Shadow()->Enabled());
    EXPECT_EQ(host.Shadow()->Size(), 4);
    EXPECT_EQ(host.MenuOptions()->Shadow()->Size(), 6);
    EXPECT_EQ(host.MenuOptions()->Animation()->Effect(), keSmoothRectOut);

    // Only what differs from the defaults is stored, in table order.
    const std::string written = framework::ObjectBinaryToText(framework::ComponentToBinary(host));
    EXPECT_EQ(written,
              "object Host: TEffectsHost\r\n"
              "  Animation.Direction = kdRotate180\r\n"
              "  Animation.Effect = keRandomSelect\r\n"
              "  Animation.Time = 9000\r\n"
              "  Dragging.DragMode = kfdmBorder\r\n"
              "  Gravitation.Size = 9\r\n"
              "  Shadow.Enabled = True\r\n"
              "  MenuOptions.Shadow.Size = 6\r\n"
              "  MenuOptions.Animation.Effect = keSmoothRectOut\r\n"
              "end\r\n");
}

}  // namespace
}  // namespace skinui
