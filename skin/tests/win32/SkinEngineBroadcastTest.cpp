// The engine in a form description, and its announcements reaching every
// form (through its window) and every control on it (directly), under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ClassRegistry.h"
#include "framework/ComponentStreaming.h"
#include "framework/ObjectText.h"
#include "framework/win32/Form.h"
#include "skin/SkinEngine.h"
#include "skin/SkinMessages.h"
#include "skin/objects/SkinObject.h"

namespace skin {
namespace {

struct Heard {
    std::string who;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Heard> heard;

bool IsSkinMessage(UINT message) { return message == WM_SESKINCHANGED || message == WM_SESKINCHANGING; }

class TRecordingForm : public framework::TForm {
public:
    static constexpr std::string_view kClassName = "TRecordingForm";
    using TForm::TForm;
    std::string_view ClassName() const override { return kClassName; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (IsSkinMessage(message)) heard.push_back({Name(), message, wParam, lParam});
        return TForm::WndProc(message, wParam, lParam);
    }
};

class TRecordingControl : public framework::TControl {
public:
    static constexpr std::string_view kClassName = "TRecordingControl";
    using TControl::TControl;
    std::string_view ClassName() const override { return kClassName; }
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (IsSkinMessage(message)) heard.push_back({Name(), message, wParam, lParam});
        return 0;
    }

protected:
    CreateParams GetCreateParams() const override { return {"STATIC", 0, 0}; }
};

// The engine's own text form, as a form description nests it.
std::string EngineText() {
    TSeSkinEngine engine(nullptr);
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName("b");
    bitmap->SetSize(4, 4);
    bitmap->Fill(0xFF336699);
    engine.SkinSource()->Bitmaps().Add(std::move(bitmap));
    auto form = std::make_unique<TSeSkinObject>(nullptr);
    form->SetName("Form");
    engine.SkinSource()->AddObject(std::move(form));
    engine.SetName("SeSkinEngine1");
    std::string text = framework::ObjectBinaryToText(framework::ComponentToBinary(engine));
    std::string nested;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at) + 2;
        nested += "  " + text.substr(at, end - at);
        at = end;
    }
    return nested;
}

TEST(SkinEngineBroadcastTest, TheDescriptionMakesTheEngineAndItsChangesReachEveryFormAndControl) {
    RegisterSkinClasses();
    framework::RegisterComponentClass<TRecordingForm>();
    framework::RegisterComponentClass<TRecordingControl>();
    const std::string description = "object First: TRecordingForm\r\n"
                                    "  ClientHeight = 100\r\n"
                                    "  ClientWidth = 200\r\n" +
                                    EngineText() +
                                    "  object Child: TRecordingControl\r\n"
                                    "    Width = 50\r\n"
                                    "    Height = 20\r\n"
                                    "    object Grandchild: TRecordingControl\r\n"
                                    "    end\r\n"
                                    "  end\r\n"
                                    "end\r\n";
    TRecordingForm first(nullptr);
    first.LoadFromDescription(framework::ObjectTextToBinary(description));
    auto* engine = dynamic_cast<TSeSkinEngine*>(first.FindComponent("SeSkinEngine1"));
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->SkinSource()->Count(), 1);
    EXPECT_EQ(engine->SkinSource()->GetFormObject()->Name(), "Form");
    EXPECT_TRUE(engine->LoadError().empty());

    TRecordingForm second(nullptr);  // a form without a window yet gets one
    second.SetName("Second");
    heard.clear();
    engine->SetDeltaHue(30);
    const auto wp = reinterpret_cast<WPARAM>(engine);
    const auto lp = reinterpret_cast<LPARAM>(engine);
    std::vector<std::string> order;
    for (const Heard& h : heard) {
        EXPECT_EQ(h.wParam, wp);
        EXPECT_EQ(h.lParam, lp);
        order.push_back(h.who + (h.message == WM_SESKINCHANGING ? " changing" : " changed"));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"First changing", "Child changing", "Grandchild changing",
                                               "Second changing", "First changed", "Child changed",
                                               "Grandchild changed", "Second changed"}));
    EXPECT_TRUE(second.HandleAllocated());
}

}  // namespace
}  // namespace skin
