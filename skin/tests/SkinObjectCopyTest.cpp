// The class registry, assignment and CloneObject.
#include <gtest/gtest.h>

#include "framework/ClassRegistry.h"
#include "framework/ComponentStreaming.h"
#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/Property.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/ActiveBitmapBoxObject.h"
#include "skin/objects/ActiveObject.h"
#include "skin/objects/ActiveSkinObject.h"
#include "skin/objects/BitmapBoxObject.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/BitmapSkinObject.h"
#include "skin/objects/ButtonBitmapBoxObject.h"
#include "skin/objects/ButtonObject.h"
#include "skin/objects/ColorButtonObject.h"
#include "skin/objects/FormBitmapSkinObject.h"
#include "skin/objects/LinkSkinObject.h"
#include "skin/objects/RollPanelObject.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/SysButtonSkinObject.h"
#include "skin/objects/SystemButton.h"
#include "skin/objects/TextObject.h"

namespace skin {
namespace {

TEST(SkinObjectClassesTest, RegisteredOnceInTheStartUpOrder) {
    RegisterSkinObjectClasses();
    RegisterSkinObjectClasses();
    const char* expected[] = {"TSeSkinObject",       "TSeActiveObject",         "TSeBitmapObject",
                              "TSeActiveBitmap",     "TSeSystemButton",         "TSeButtonObject",
                              "TSeTextObject",       "TSeLinkSkinObject",       "TSeBitmapSkinObject",
                              "TSeFormBitmapSkinObject", "TSeSysButtonSkinObject", "TSeActiveSkinObject",
                              "TSeColorButtonObject", "TSeBitmapBoxObject",     "TSeActiveBitmapBoxObject",
                              "TSeButtonBitmapBoxObject", "TSeRollPanelObject"};
    ASSERT_EQ(SkinObjectClasses().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(SkinObjectClasses()[i].className, expected[i]);
        // Each factory makes an object of its own class; the framework's
        // registry knows the class by the same name.
        std::unique_ptr<TSeSkinObject> object(SkinObjectClasses()[i].create(nullptr));
        EXPECT_EQ(object->ClassName(), expected[i]);
        EXPECT_NE(framework::FindComponentClass(expected[i]), nullptr);
    }
    EXPECT_NE(FindSkinObjectClass("TSeButtonObject"), nullptr);
    EXPECT_EQ(FindSkinObjectClass("tsebuttonobject"), nullptr);
    EXPECT_EQ(FindSkinObjectClass(""), nullptr);
}

TEST(SkinObjectClassesTest, StoredPropertyOrder) {
    auto names = [](const framework::PropertyTable& table) {
        std::string all;
        for (const auto* p : table.All()) all += p->name + " ";
        return all;
    };
    const std::string base =
        "Align Color DrawIfOwner Font Kind Masked Left Top Height Width MarginLeft MarginRight MarginTop "
        "MarginBottom TextAlign TextEffect TextMarginLeft TextMarginRight TextMarginTop Objects ";
    EXPECT_EQ(names(TSeSkinObject::ClassProperties()), base);
    EXPECT_EQ(names(TSeSystemButton::ClassProperties()),
              base + "Bitmap BorderTileStyle TileStyle ActiveBitmap ActiveFont Action BitmapHot BitmapPressed ");
    EXPECT_EQ(names(TSeSysButtonSkinObject::ClassProperties()),
              base + "Bitmap TileStyle Action BitmapHover BitmapDown RollPanel ");
    EXPECT_EQ(names(TSeButtonBitmapBoxObject::ClassProperties()),
              base + "Bitmap TileStyle BorderTileStyle HotBitmap FocusedBitmap PressedBitmap DisabledBitmap ");
    EXPECT_EQ(names(TSeColorButtonObject::ClassProperties()),
              base + "HotColor HotFont PressedColor PressedFont FocusedColor FocusedFont DisabledColor DisabledFont ");
    EXPECT_EQ(names(TSeBitmapLink::ClassProperties()), "Name Left Top Right Bottom ");
    // Dotted names reach into links and fonts.
    TSeButtonObject button(nullptr);
    auto resolved = framework::ResolveProperty(button, "BitmapHot.Right");
    ASSERT_NE(resolved.info, nullptr);
    resolved.info->setOrdinal(*resolved.object, 42);
    EXPECT_EQ(button.BitmapHot()->Right(), 42);
}

TEST(SkinObjectCopyTest, CloneCopiesTheSubtreeAndNotTheRunTimeFields) {
    RegisterSkinObjectClasses();
    TSeBitmapList bitmaps;
    auto image = std::make_unique<TSeBitmap>();
    image->SetName("frame");
    image->SetSize(8, 8);
    TSeBitmap* frame = bitmaps.Add(std::move(image));

    TSeSkinObject form(nullptr);
    form.SetName("Form");
    form.SetKind(skForm);
    form.SetColor(0x123456);
    form.SetMasked(false);
    form.SetTextEffect(teShadow);
    form.SetTextMarginTop(3);
    form.SetMarginBottom(4);
    form.Font()->SetHeight(-20);
    form.SetBounds(MakeBounds(5, 6, 70, 80));
    form.SetText(L"caption");
    form.SetShortCutText(L"Alt+F4");
    form.SetEnabled(false);
    form.SetState(kStateMaximized);
    form.SetActive(true);
    form.SetVisible(false);
    auto* button = new TSeSystemButton(&form);
    button->SetName("Close");
    button->SetAction(sbaClose);
    button->Bitmap()->SetName("FRAME");
    button->Bitmap()->SetRight(4);
    button->Bitmap()->SetBottom(4);
    button->BitmapHot()->SetName("frame");
    button->BitmapHot()->SetLeft(4);
    button->BitmapHot()->SetRight(8);
    button->BitmapHot()->SetBottom(4);
    button->ActiveFont()->SetName("Tahoma");
    button->SetTileStyle(tsStretch);
    new TSeTextObject(button);
    form.SetBitmapList(&bitmaps);
    form.LinkBitmaps();
    ASSERT_TRUE(button->Bitmap()->Valid());

    framework::TComponent owner(nullptr);
    TSeSkinObject* copy = CloneObject(form, &owner);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Owner(), &owner);
    EXPECT_EQ(copy->ClassName(), "TSeSkinObject");
    EXPECT_EQ(copy->Name(), "Form");
    EXPECT_EQ(copy->Kind(), skForm);
    EXPECT_EQ(copy->Color(), 0x123456);
    EXPECT_FALSE(copy->Masked());
    EXPECT_EQ(copy->TextEffect(), teShadow);
    EXPECT_EQ(copy->TextMarginTop(), 3);
    EXPECT_EQ(copy->MarginBottom(), 4);
    EXPECT_EQ(copy->Font()->Height(), -20);
    EXPECT_NE(copy->Font(), form.Font());
    EXPECT_EQ(copy->BoundsRect(), MakeBounds(5, 6, 70, 80));
    EXPECT_EQ(copy->BitmapList(), &bitmaps);
    // Run-time fields start fresh.
    EXPECT_TRUE(copy->Text().empty());
    EXPECT_TRUE(copy->ShortCutText().empty());
    EXPECT_TRUE(copy->Enabled());
    EXPECT_TRUE(copy->Visible());
    EXPECT_FALSE(copy->Active());
    EXPECT_EQ(copy->State(), kStateNormal);
    EXPECT_EQ(copy->PrevWidth(), 0);

    ASSERT_EQ(copy->ChildCount(), 1);
    auto* buttonCopy = dynamic_cast<TSeSystemButton*>(copy->Child(0));
    ASSERT_NE(buttonCopy, nullptr);
    EXPECT_NE(buttonCopy, button);
    EXPECT_EQ(buttonCopy->Owner(), copy);
    EXPECT_EQ(buttonCopy->Action(), sbaClose);
    EXPECT_EQ(buttonCopy->TileStyle(), tsStretch);
    EXPECT_EQ(buttonCopy->ActiveFont()->Name(), "Tahoma");
    EXPECT_EQ(buttonCopy->Bitmap()->Image(), frame);
    EXPECT_EQ(buttonCopy->Bitmap()->Rect(), (TRect{0, 0, 4, 4}));
    EXPECT_EQ(buttonCopy->BitmapHot()->Image(), frame);
    EXPECT_EQ(buttonCopy->BitmapHot()->Rect(), (TRect{4, 0, 8, 4}));
    ASSERT_EQ(buttonCopy->ChildCount(), 1);
    EXPECT_EQ(buttonCopy->Child(0)->ClassName(), "TSeTextObject");

    // A second copy of the same object into the same owner is allowed.
    TSeSkinObject* second = CloneObject(form, &owner);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(owner.ComponentCount(), 2u);
}

TEST(SkinObjectCopyTest, AssigningFromAnotherClassCopiesTheCommonBase) {
    TSeSystemButton button(nullptr);
    button.SetColor(0x010203);
    button.Bitmap()->SetName("b");
    button.ActiveBitmap()->SetName("active");
    button.SetAction(sbaHelp);
    TSeButtonObject target(nullptr);
    target.BitmapHot()->SetName("keep");
    target.Assign(button);
    EXPECT_EQ(target.Color(), 0x010203);
    EXPECT_EQ(target.Kind(), skSysButton);
    EXPECT_EQ(target.Bitmap()->Name(), "b");
    EXPECT_EQ(target.BitmapHot()->Name(), "keep");

    TSeActiveBitmap active(nullptr);
    active.Assign(button);
    EXPECT_EQ(active.ActiveBitmap()->Name(), "active");
}

TEST(SkinObjectCopyTest, AssignReplacesTheChildrenItHad) {
    RegisterSkinObjectClasses();
    TSeSkinObject source(nullptr);
    new TSeSkinObject(&source);
    TSeSkinObject target(nullptr);
    new TSeTextObject(&target);
    new TSeTextObject(&target);
    target.Assign(source);
    ASSERT_EQ(target.ChildCount(), 1);
    EXPECT_EQ(target.Child(0)->ClassName(), "TSeSkinObject");

    // Taking over one's own child replaces the children with the child's.
    new TSeTextObject(target.Child(0));
    target.Assign(*target.Child(0));
    ASSERT_EQ(target.ChildCount(), 1);
    EXPECT_EQ(target.Child(0)->ClassName(), "TSeTextObject");
}

TEST(SkinObjectCopyTest, SecondFamilyCopiesItsOwnFields) {
    RegisterSkinObjectClasses();
    TSeSysButtonSkinObject button(nullptr);
    button.SetRollPanel("Panel");
    button.SetAction(sbaRollPanel);
    button.BitmapDown()->SetBottom(7);
    std::unique_ptr<TSeSkinObject> copy(CloneObject(button, nullptr));
    auto* c = dynamic_cast<TSeSysButtonSkinObject*>(copy.get());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->RollPanel(), "Panel");
    EXPECT_EQ(c->Action(), sbaRollPanel);
    EXPECT_EQ(c->BitmapDown()->Bottom(), 7);

    TSeColorButtonObject colours(nullptr);
    colours.SetPressedColor(0x445566);
    colours.DisabledFont()->SetHeight(-9);
    std::unique_ptr<TSeSkinObject> colourCopy(CloneObject(colours, nullptr));
    auto* cc = dynamic_cast<TSeColorButtonObject*>(colourCopy.get());
    ASSERT_NE(cc, nullptr);
    EXPECT_EQ(cc->PressedColor(), 0x445566);
    EXPECT_EQ(cc->DisabledFont()->Height(), -9);
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

TEST(SkinObjectStreamTest, PropertiesGoThroughTheComponentStreamFormat) {
    TSeSystemButton button(nullptr);
    button.SetName("Close");
    button.SetAlign(saTopRight);
    button.SetAction(sbaClose);
    button.SetColor(0x00FFFFFF);
    button.SetBounds(MakeBounds(266, 2, 16, 14));
    button.SetMasked(false);
    button.SetTextEffect(teShadow);
    button.Bitmap()->SetName("Buttons");
    button.Bitmap()->SetRight(16);
    button.BitmapHot()->SetLeft(-3);
    button.ActiveFont()->SetStyle(framework::fsBold);

    const std::vector<std::uint8_t> binary = framework::ComponentToBinary(button);
    const std::string text = framework::ObjectBinaryToText(binary);
    EXPECT_NE(text.find("object Close: TSeSystemButton\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  Align = saTopRight\r\n  Color = clWhite\r\n  DrawIfOwner = False\r\n  Font.Charset = "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  Kind = skSysButton\r\n  Masked = False\r\n  Left = 266\r\n  Top = 2\r\n  Height = 14\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  Bitmap.Name = 'Buttons'\r\n  Bitmap.Left = 0\r\n"), std::string::npos) << text;
    // An empty link name is left out, its rectangle is not.
    EXPECT_NE(text.find("  ActiveBitmap.Left = 0\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("ActiveBitmap.Name"), std::string::npos) << text;
    EXPECT_NE(text.find("  Action = sbaClose\r\n"), std::string::npos) << text;

    TSeSystemButton copy(nullptr);
    framework::ComponentFromBinary(binary, copy);
    EXPECT_EQ(copy.Name(), "Close");
    EXPECT_EQ(copy.Align(), saTopRight);
    EXPECT_EQ(copy.Action(), sbaClose);
    EXPECT_EQ(copy.BoundsRect(), MakeBounds(266, 2, 16, 14));
    EXPECT_FALSE(copy.Masked());
    EXPECT_EQ(copy.TextEffect(), teShadow);
    EXPECT_EQ(copy.Bitmap()->Name(), "Buttons");
    EXPECT_EQ(copy.Bitmap()->Right(), 16);
    EXPECT_EQ(copy.BitmapHot()->Left(), -3);
    EXPECT_EQ(copy.ActiveFont()->Style(), std::uint32_t(framework::fsBold));
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

// Children of a skin object travel in its "Objects" property, never as
// objects nested in its stream: such a stream is refused, not reshaped.
TEST(SkinObjectStreamTest, ObjectsNestedInTheStreamAreAReadError) {
    RegisterSkinObjectClasses();
    const auto binary = framework::ObjectTextToBinary(
        "object Form: TSeSkinObject\r\n"
        "  object Child: TSeSkinObject\r\n"
        "    object Grand: TSeSkinObject\r\n"
        "    end\r\n"
        "  end\r\n"
        "end\r\n");
    TSeSkinObject root(nullptr);
    try {
        framework::ComponentFromBinary(binary, root);
        FAIL() << "accepted";
    } catch (const framework::EReadError& e) {
        EXPECT_STREQ(e.what(), "Objects cannot be nested in TSeSkinObject \"Form\"");
    }
    EXPECT_EQ(root.ChildCount(), 0);
}

// Names of skin objects may repeat under one parent; assigning an object to
// a child whose sibling has the source's name is no different from cloning it there.
TEST(SkinObjectCopyTest, NamesMayRepeatUnderOneParentWhetherCopiedOrAssigned) {
    RegisterSkinObjectClasses();
    TSeSkinObject parent(nullptr);
    auto* first = new TSeSkinObject(&parent);
    first->SetName("Button");
    auto* second = new TSeBitmapObject(&parent);
    second->SetName("Other");
    TSeSkinObject source(nullptr);
    source.SetName("button");
    source.SetColor(0x123456);
    second->Assign(source);
    EXPECT_EQ(second->Name(), "button");
    EXPECT_EQ(second->Color(), 0x123456);
    ASSERT_NE(CloneObject(source, &parent), nullptr);
    EXPECT_EQ(parent.ChildCount(), 3);
    EXPECT_EQ(parent.FindByName("BUTTON"), first);  // the first match, depth first
    EXPECT_EQ(parent.FindComponent("BUTTON"), first);
    second->SetName("Button");
    EXPECT_EQ(second->Name(), "Button");
}

}  // namespace
}  // namespace skin
