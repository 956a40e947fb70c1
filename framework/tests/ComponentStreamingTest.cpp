#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/ClassRegistry.h"
#include "framework/ComponentStreaming.h"
#include "framework/Font.h"
#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/StreamValues.h"

namespace framework {
namespace {

enum class TAlign { alNone, alTop, alClient };
const EnumInfo kAligns{"alNone", "alTop", "alClient"};

// A component with one property of every kind.
class TWidget : public TComponent {
public:
    static constexpr std::string_view kClassName = "TWidget";
    using TComponent::TComponent;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    static const PropertyTable& ClassProperties() {
        static const PropertyTable table(
            &TComponent::ClassProperties(),
            {
                IntegerProperty("Left", &TWidget::Left, &TWidget::SetLeft),
                IntegerProperty("TabOrder", &TWidget::TabOrder, &TWidget::SetTabOrder, -1),
                ColorProperty("Color", &TWidget::Color, &TWidget::SetColor),
                BooleanProperty("Checked", &TWidget::Checked, &TWidget::SetChecked, false),
                EnumProperty("Align", kAligns, &TWidget::Align, &TWidget::SetAlign),
                StringProperty("Caption", &TWidget::Caption, &TWidget::SetCaption),
                ObjectProperty("Font", &TWidget::Font),
                BinaryProperty("Data", &TWidget::Data, &TWidget::SetData),
                EventProperty("OnClick", &TWidget::OnClickName, &TWidget::SetOnClick),
                ComponentProperty("Buddy", &TWidget::Buddy, &TWidget::SetBuddy),
            });
        return table;
    }
    std::vector<TComponent*> GetChildren() const override { return children; }
    void SetParentComponent(TComponent* parent) override {
        if (auto* w = dynamic_cast<TWidget*>(parent)) w->children.push_back(this);
    }
    void Loaded() override { ++loadedCalls; }
    TNotifyEvent MethodAddress(std::string_view name) override {
        if (name == "WidgetClick") return [this](TComponent&) { ++clicks; };
        return {};
    }

    int Left() const { return left_; }
    void SetLeft(int v) { left_ = v; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v) { align_ = v; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    TFont* Font() const { return font_.get(); }
    std::vector<std::uint8_t> Data() const { return data_; }
    void SetData(std::span<const std::uint8_t> v) { data_.assign(v.begin(), v.end()); }
    const std::string& OnClickName() const { return onClickName_; }
    void SetOnClick(const std::string& name, TNotifyEvent handler) {
        onClickName_ = name;
        onClick = std::move(handler);
    }

    TWidget* Buddy() const { return buddy_; }
    void SetBuddy(TWidget* buddy) {
        buddy_ = buddy;
        buddyKnownWhenLoaded = loadedCalls;
    }

    std::vector<TComponent*> children;
    TNotifyEvent onClick;
    int buddyKnownWhenLoaded = -1;
    int loadedCalls = 0;
    int clicks = 0;

private:
    int left_ = 0;
    int tabOrder_ = -1;
    TColor color_ = clBtnFace;
    bool checked_ = false;
    TAlign align_ = TAlign::alNone;
    std::string caption_;
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
    std::vector<std::uint8_t> data_;
    std::string onClickName_;
    TWidget* buddy_ = nullptr;
};

// A subclass adds a property; the base's binary property must still come last.
class TFancyWidget : public TWidget {
public:
    static constexpr std::string_view kClassName = "TFancyWidget";
    using TWidget::TWidget;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    static const PropertyTable& ClassProperties() {
        static const PropertyTable table(&TWidget::ClassProperties(),
                                         {IntegerProperty("Extra", &TFancyWidget::Extra, &TFancyWidget::SetExtra)});
        return table;
    }
    int Extra() const { return extra_; }
    void SetExtra(int v) { extra_ = v; }

private:
    int extra_ = 0;
};

class ComponentStreamingTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterComponentClass<TWidget>();
        RegisterComponentClass<TFancyWidget>();
    }
    void TearDown() override {
        UnregisterComponentClass(TWidget::kClassName);
        UnregisterComponentClass(TFancyWidget::kClassName);
    }
};

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST_F(ComponentStreamingTest, WritesPropertiesInTableOrderSkippingDefaultsAndBinaryLast) {
    TFancyWidget root(nullptr);
    root.SetName("Root");
    root.SetLeft(304);
    root.SetColor(clWhite);
    root.SetCaption("Hi");
    root.Font()->SetStyle(fsBold);
    root.SetData(std::vector<std::uint8_t>{0, 0, 0x0F, 0});
    root.SetExtra(-2);
    auto* child = new TWidget(&root);
    child->SetName("Child");
    child->SetColor(0x123456);
    child->SetTabOrder(3);
    child->SetChecked(true);
    child->SetAlign(TAlign::alClient);
    child->Font()->SetCharset(204);
    child->Font()->SetColor(clBtnFace);
    root.children.push_back(child);
    EXPECT_EQ(ObjectBinaryToText(ComponentToBinary(root)),
              Lines({
                  "object Root: TFancyWidget",
                  "  Left = 304",
                  "  Color = clWhite",
                  "  Align = alNone",
                  "  Caption = 'Hi'",
                  "  Font.Charset = DEFAULT_CHARSET",
                  "  Font.Color = clWindowText",
                  "  Font.Height = -11",
                  "  Font.Name = 'MS Sans Serif'",
                  "  Font.Style = [fsBold]",
                  "  Extra = -2",
                  "  Data = {00000F00}",
                  "  object Child: TWidget",
                  "    Left = 0",
                  "    TabOrder = 3",
                  "    Color = 1193046",
                  "    Checked = True",
                  "    Align = alClient",
                  "    Font.Charset = RUSSIAN_CHARSET",
                  "    Font.Color = clBtnFace",
                  "    Font.Height = -11",
                  "    Font.Name = 'MS Sans Serif'",
                  "    Font.Style = []",
                  "    Data = {}",
                  "  end",
                  "end",
              }));
}

TEST_F(ComponentStreamingTest, ReadsATextDescriptionIntoFieldsAndNewComponents) {
    TWidget root(nullptr);
    auto* existing = new TWidget(&root);
    existing->SetName("Memo1");
    const auto binary = ObjectTextToBinary(Lines({
        "object Form: TWidget",
        "  Left = -7",
        "  Color = clWindowText",
        "  Caption = 'A'#13'B'",
        "  Font.Color = 255",
        "  Font.Charset = 0",
        "  Font.Style = [fsItalic, fsUnderline]",
        "  Data = {0102}",
        "  object Memo1: TWidget",
        "    Checked = True",
        "    OnClick = WidgetClick",
        "  end",
        "  object Fancy: TFancyWidget",
        "    Extra = 70000",
        "    Align = alTop",
        "  end",
        "end",
    }));
    ComponentFromBinary(binary, root);
    EXPECT_EQ(root.Name(), "Form");
    EXPECT_EQ(root.Left(), -7);
    EXPECT_EQ(root.Color(), clWindowText);
    EXPECT_EQ(root.Caption(), "A\rB");
    EXPECT_EQ(root.Font()->Color(), 0xFF);
    EXPECT_EQ(root.Font()->Charset(), 0);
    EXPECT_EQ(root.Font()->Style(), fsItalic | fsUnderline);
    EXPECT_EQ(root.Data(), (std::vector<std::uint8_t>{1, 2}));
    ASSERT_EQ(root.ComponentCount(), 2u);
    EXPECT_EQ(root.Components(0), existing);  // filled in place, not duplicated
    EXPECT_TRUE(existing->Checked());
    ASSERT_TRUE(existing->onClick);
    existing->onClick(*existing);
    EXPECT_EQ(root.clicks, 1);
    auto* fancy = dynamic_cast<TFancyWidget*>(root.FindComponent("Fancy"));
    ASSERT_NE(fancy, nullptr);
    EXPECT_EQ(fancy->Extra(), 70000);
    EXPECT_EQ(fancy->Align(), TAlign::alTop);
    EXPECT_EQ(root.children, (std::vector<TComponent*>{existing, fancy}));
    EXPECT_EQ(root.loadedCalls, 1);
    EXPECT_EQ(fancy->loadedCalls, 1);
    // Written again, the object gives the same description back.
    TWidget copy(nullptr);
    ComponentFromBinary(ComponentToBinary(root), copy);
    EXPECT_EQ(ComponentToBinary(copy), ComponentToBinary(root));
}

void ExpectReadError(const std::string& body, const std::string& message) {
    TWidget root(nullptr);
    const auto binary = ObjectTextToBinary("object W: TWidget\r\n" + body + "end\r\n");
    try {
        ComponentFromBinary(binary, root);
        FAIL() << "accepted: " << body;
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), message) << body;
    }
}

TEST_F(ComponentStreamingTest, WrongNamesTypesAndIdentifiersAreReadErrors) {
    ExpectReadError("  Width = 3\r\n", "Property Width does not exist");
    ExpectReadError("  Font.Size = 3\r\n", "Property Font.Size does not exist");
    ExpectReadError("  Left.X = 3\r\n", "Property Left.X does not exist");
    ExpectReadError("  Left = 'x'\r\n", errors::kInvalidValue);
    ExpectReadError("  Font = 1\r\n", errors::kInvalidValue);
    ExpectReadError("  Checked = 1\r\n", errors::kInvalidValue);
    ExpectReadError("  Align = alBottom\r\n", errors::kInvalidValue);
    ExpectReadError("  Color = clNoSuchColour\r\n", errors::kInvalidValue);
    ExpectReadError("  Font.Charset = 256\r\n", errors::kInvalidValue);
    ExpectReadError("  Font.Style = [fsHeavy]\r\n", errors::kInvalidValue);
    ExpectReadError("  OnClick = Nowhere\r\n", "Method Nowhere does not exist");
    ExpectReadError("  object X: TUnknown\r\n  end\r\n", "Class TUnknown not found");
    ExpectReadError("  object A: TWidget\r\n  end\r\n  object a: TWidget\r\n  end\r\n",
                    "A component named a already exists");

    TFancyWidget other(nullptr);
    TWidget root(nullptr);
    try {
        ComponentFromBinary(ComponentToBinary(other), root);
        FAIL() << "class mismatch accepted";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stored class TFancyWidget does not match TWidget");
    }
}

// Keeps its children in a property of its own, so nested objects are not its.
class TLeafWidget : public TWidget {
public:
    static constexpr std::string_view kClassName = "TLeafWidget";
    using TWidget::TWidget;
    std::string_view ClassName() const override { return kClassName; }
    bool AcceptsNestedObjects() const override { return false; }
};

TEST_F(ComponentStreamingTest, ObjectsNestedInAClassThatKeepsNoneAreAReadError) {
    RegisterComponentClass<TLeafWidget>();
    const auto nestedInRoot = ObjectTextToBinary(Lines({"object L: TLeafWidget", "  object C: TWidget", "  end", "end"}));
    TLeafWidget leaf(nullptr);
    try {
        ComponentFromBinary(nestedInRoot, leaf);
        FAIL() << "accepted";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Objects cannot be nested in TLeafWidget \"L\"");
    }
    EXPECT_EQ(leaf.ComponentCount(), 0u);

    // Also below the top: nothing is moved up to the root.
    const auto nestedInChild = ObjectTextToBinary(
        Lines({"object W: TWidget", "  object L: TLeafWidget", "    object G: TWidget", "    end", "  end", "end"}));
    TWidget root(nullptr);
    EXPECT_THROW(ComponentFromBinary(nestedInChild, root), EReadError);
    EXPECT_EQ(root.FindComponent("G"), nullptr);
    UnregisterComponentClass(TLeafWidget::kClassName);
}

// Each insertion once walked and searched the whole list: reading this many
// siblings took many minutes.
TEST_F(ComponentStreamingTest, ReadsTensOfThousandsOfSiblings) {
    constexpr int kCount = 30000;
    TMemoryStream stream;
    ValueWriter w(stream);
    w.WriteSignature();
    w.WriteName("TWidget");
    w.WriteName("Root");
    w.WriteListEnd();
    for (int i = 0; i < kCount; ++i) {
        w.WriteName("TWidget");
        std::string name = "W";  // not "W" + ...: GCC 12 warns falsely (-Wrestrict) on that
        name += std::to_string(i);
        w.WriteName(name);
        w.WriteName("Left");
        w.WriteInteger(i);
        w.WriteListEnd();
        w.WriteListEnd();
    }
    w.WriteListEnd();
    TWidget root(nullptr);
    ComponentFromBinary(stream.Bytes(), root);
    ASSERT_EQ(root.ComponentCount(), std::size_t(kCount));
    EXPECT_EQ(root.children.size(), std::size_t(kCount));
    auto* last = dynamic_cast<TWidget*>(root.Components(kCount - 1));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->Name(), "W29999");
    EXPECT_EQ(last->Left(), kCount - 1);
    EXPECT_EQ(last->loadedCalls, 1);
    EXPECT_EQ(root.FindComponent("w12345")->Name(), "W12345");
}

TEST_F(ComponentStreamingTest, BytesAfterTheObjectAreAnErrorInMemoryForms) {
    TWidget source(nullptr);
    std::vector<std::uint8_t> binary = ComponentToBinary(source);
    binary.push_back(0);
    TWidget target(nullptr);
    try {
        ComponentFromBinary(binary, target);
        FAIL() << "accepted";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), errors::kBytesAfterObject);
    }
}

// A reference may name a component stored later; it is set before Loaded.
TEST_F(ComponentStreamingTest, ReferencesToComponentsAreSetOnceAllAreRead) {
    const auto binary = ObjectTextToBinary(Lines({"object Form: TWidget", "  object Early: TWidget", "    Buddy = Late",
                                                  "  end", "  object Late: TWidget", "    Buddy = Form", "  end", "end"}));
    TWidget root(nullptr);
    ComponentFromBinary(binary, root);
    auto* early = dynamic_cast<TWidget*>(root.FindComponent("Early"));
    auto* late = dynamic_cast<TWidget*>(root.FindComponent("Late"));
    ASSERT_NE(early, nullptr);
    EXPECT_EQ(early->Buddy(), late);
    EXPECT_EQ(early->buddyKnownWhenLoaded, 0);  // set before Loaded ran
    EXPECT_EQ(late->Buddy(), &root);
    // Written back by name; nothing for no reference.
    const std::string text = ObjectBinaryToText(ComponentToBinary(*early));
    EXPECT_NE(text.find("  Buddy = Late\r\n"), std::string::npos) << text;
    TWidget lone(nullptr);
    EXPECT_EQ(ObjectBinaryToText(ComponentToBinary(lone)).find("Buddy"), std::string::npos);

    TWidget other(nullptr);
    try {
        ComponentFromBinary(ObjectTextToBinary(Lines({"object W: TWidget", "  Buddy = Nobody", "end"})), other);
        FAIL() << "accepted";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Component Nobody not found");
    }
}

TEST_F(ComponentStreamingTest, TruncatedComponentStreamsNeverCrash) {
    TFancyWidget root(nullptr);
    root.SetName("Root");
    root.SetCaption(std::string(400, 'c'));
    auto* child = new TWidget(&root);
    child->SetName("Child");
    root.children.push_back(child);
    const auto binary = ComponentToBinary(root);
    for (std::size_t length = 0; length < binary.size(); ++length) {
        TFancyWidget target(nullptr);
        EXPECT_THROW(ComponentFromBinary(std::span(binary).first(length), target), EReadError) << length;
    }
}

}  // namespace
}  // namespace framework
