// The paint settings both control bases share: blending forces a buffer
// however it is switched on (set, assigned or read from a stored
// description), and every change reaches the control.
#include <gtest/gtest.h>

#include <string>

#include "framework/Component.h"
#include "framework/ComponentStreaming.h"
#include "framework/ObjectText.h"
#include "skinui/controls/ControlPaintSettings.h"

namespace skinui {
namespace {

// A control without a window that counts its repaints.
class TCountingControl : public framework::TComponent, public ControlPaintSettings {
public:
    static constexpr std::string_view kClassName = "TCountingControl";
    using framework::TComponent::TComponent;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override {
        static const framework::PropertyTable table(&framework::TComponent::ClassProperties(),
                                                    StoredProperties<TCountingControl>());
        return table;
    }
    int repaints = 0;
    bool reading = false;

protected:
    void PaintSettingsChanged() override { ++repaints; }
    bool ReadingPaintSettings() const override { return reading; }
};

TEST(ControlPaintSettingsTest, EnablingBlendingBuffersAndRepaintsHoweverItIsSwitchedOn) {
    {
        TCountingControl control(nullptr);
        control.Blending()->SetEnabled(true);
        EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
        EXPECT_EQ(control.repaints, 1);
    }
    {
        TCountingControl control(nullptr);
        control.SetPerformance(ztpSharedBuffer);  // a buffer already: kept
        control.Blending()->SetEnabled(true);
        EXPECT_EQ(control.Performance(), ztpSharedBuffer);
    }
    {
        TCountingControl control(nullptr);
        TSeBlending on;
        on.SetEnabled(true);
        on.SetValue(90);
        control.SetBlending(on);
        EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
        EXPECT_EQ(control.Blending()->Value(), 90);
        EXPECT_EQ(control.repaints, 1);  // once, not per setting
        control.Blending()->SetValue(91);  // still heard after the assignment
        EXPECT_EQ(control.repaints, 2);
        control.reading = true;
        control.SetBlending(TSeBlending{});
        EXPECT_EQ(control.repaints, 2);
    }
    {
        TCountingControl control(nullptr);
        framework::ComponentFromBinary(framework::ObjectTextToBinary("object C: TCountingControl\r\n"
                                                                     "  Blending.Enabled = True\r\n"
                                                                     "  Blending.Value = 200\r\n"
                                                                     "end\r\n"),
                                       control);
        EXPECT_TRUE(control.Blending()->Enabled());
        EXPECT_EQ(control.Blending()->Value(), 200);
        EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
        EXPECT_GE(control.repaints, 1);
    }
}

TEST(ControlPaintSettingsTest, NoBufferIsRefusedWhileBlendingAndChangesAreToldOnce) {
    TCountingControl control(nullptr);
    control.SetTransparent(true);
    control.SetTransparent(true);  // the same value: not told
    control.SetColor(0x123456);
    EXPECT_EQ(control.repaints, 2);
    control.Blending()->SetEnabled(true);
    control.SetPerformance(ztpNoBuffer);
    EXPECT_EQ(control.Performance(), ztpDoubleBuffer);
    control.Blending()->SetEnabled(false);
    control.SetPerformance(ztpNoBuffer);
    EXPECT_EQ(control.Performance(), ztpNoBuffer);
}

TEST(ControlPaintSettingsTest, StoredWithoutDefaultsInTheOrderBlendingPerformanceTransparent) {
    TCountingControl control(nullptr);
    control.SetName("C");
    EXPECT_EQ(framework::ObjectBinaryToText(framework::ComponentToBinary(control)),
              "object C: TCountingControl\r\nend\r\n");
    control.Blending()->SetEnabled(true);
    control.SetPerformance(ztpSharedBuffer);
    control.SetTransparent(true);
    EXPECT_EQ(framework::ObjectBinaryToText(framework::ComponentToBinary(control)),
              "object C: TCountingControl\r\n"
              "  Blending.Enabled = True\r\n"
              "  Performance = ztpSharedBuffer\r\n"
              "  Transparent = True\r\n"
              "end\r\n");
}

}  // namespace
}  // namespace skinui
