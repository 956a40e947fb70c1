// The built-in skin's content: header, object tree, the geometry of the
// window frame, and properties every skin of ours must have: links that
// resolve, looks that fit their objects and do not overlap, colours the
// stored form can name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/IdentMaps.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/ActiveObject.h"
#include "skin/objects/BitmapObject.h"
#include "skin/objects/ButtonObject.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/SystemButton.h"
#include "skin/storage/SkinSource.h"
#include "tools/skingen/BuiltinSkin.h"
#include "tools/skingen/tests/SkinTreeHelpers.h"

namespace skingen {
namespace {

using namespace skin;
using test::ColorsOf;
using test::CountObjects;
using test::ForEachObject;
using test::LinksOf;
using test::NamedLink;

class BuiltinSkinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        source_ = new TSeSkinSource(nullptr);
        BuildBuiltinSkin(*source_);
    }
    static void TearDownTestSuite() {
        delete source_;
        source_ = nullptr;
    }
    static TSeSkinObject* Top(const char* name) { return source_->GetObjectByName(name); }
    static std::vector<std::string> ChildNames(TSeSkinObject* object) {
        std::vector<std::string> names;
        for (int i = 0; i < object->ChildCount(); ++i) names.push_back(object->Child(i)->Name());
        return names;
    }
    static TSeSkinSource* source_;
};
TSeSkinSource* BuiltinSkinTest::source_ = nullptr;

TEST_F(BuiltinSkinTest, HeaderNamesTheSkinAndItsAuthor) {
    EXPECT_EQ(source_->SkinName(), "Pewter");
    EXPECT_EQ(source_->SkinName().size(), 6u);
    EXPECT_EQ(source_->SkinVersion(), "3.1.0");
    EXPECT_FALSE(source_->Author().empty());
    EXPECT_NE(source_->AuthorEMail().find('@'), std::string::npos);
    EXPECT_EQ(source_->AuthorURL(), "");
}

// Bitmaps are found by name (the first of a name wins), so records that
// share a name must be copies; every name starts with the skin's, and every
// bitmap is one that some object links to.
TEST_F(BuiltinSkinTest, BitmapsOfOneNameAreCopiesAndEveryNameIsUsed) {
    const TSeBitmapList& bitmaps = source_->Bitmaps();
    ASSERT_GT(bitmaps.Count(), 0);
    std::map<std::string, const TSeBitmap*> byName;
    for (int i = 0; i < bitmaps.Count(); ++i) {
        const TSeBitmap& b = *bitmaps.Items(i);
        SCOPED_TRACE(b.Name());
        EXPECT_EQ(b.Name().rfind(kSkinName, 0), 0u);
        EXPECT_GT(b.Width(), 0);
        EXPECT_GT(b.Height(), 0);
        auto [first, inserted] = byName.emplace(b.Name(), &b);
        if (inserted) continue;
        ASSERT_EQ(first->second->Width(), b.Width());
        ASSERT_EQ(first->second->Height(), b.Height());
        EXPECT_TRUE(std::equal(b.Bits(), b.Bits() + b.Width() * b.Height(), first->second->Bits()));
    }
    std::set<std::string> linked;
    for (int i = 0; i < source_->Count(); ++i)
        ForEachObject(source_->SkinObjects(i), [&](TSeSkinObject* object) {
            for (const auto& [label, link] : LinksOf(object))
                if (link->Valid()) linked.insert(link->Name());
        });
    for (const auto& [name, bitmap] : byName) EXPECT_TRUE(linked.count(name)) << name << " is never drawn";
}

// Every colour is a colour value or a system colour the stored form can name.
TEST_F(BuiltinSkinTest, EveryColourIsAValueOrANamedSystemColour) {
    int colours = 0;
    for (int i = 0; i < source_->Count(); ++i)
        ForEachObject(source_->SkinObjects(i), [&](TSeSkinObject* object) {
            for (const auto& [label, colour] : ColorsOf(object)) {
                ++colours;
                EXPECT_TRUE((colour >= 0 && colour <= 0xFFFFFF) || !framework::ColorToIdent(colour).empty())
                    << label << " = " << colour;
            }
        });
    EXPECT_GT(colours, 2 * 120);  // each object has a colour and a font
}

// The looks of one object swap in place: every link has the size of the
// others, and two links into one bitmap are the same rectangle or do not
// touch (a partial overlap is a frame counted wrong).
TEST_F(BuiltinSkinTest, LooksOfAnObjectHaveOneSizeAndDoNotOverlap) {
    for (int i = 0; i < source_->Count(); ++i)
        ForEachObject(source_->SkinObjects(i), [&](TSeSkinObject* object) {
            std::vector<NamedLink> links;
            for (const NamedLink& named : LinksOf(object))
                if (named.second->Valid()) links.push_back(named);
            for (std::size_t a = 0; a < links.size(); ++a)
                for (std::size_t b = a + 1; b < links.size(); ++b) {
                    const TRect ra = links[a].second->Rect(), rb = links[b].second->Rect();
                    SCOPED_TRACE(links[a].first + " and " + links[b].first);
                    EXPECT_EQ(RectWidth(ra), RectWidth(rb));
                    EXPECT_EQ(RectHeight(ra), RectHeight(rb));
                    if (links[a].second->Image() == links[b].second->Image() && ra != rb)
                        EXPECT_FALSE(RectsOverlap(ra, rb));
                }
        });
}

// Nine-piece objects: the margins cut inside both the link and the object.
TEST_F(BuiltinSkinTest, MarginsFitTheLinkAndTheObject) {
    int cut = 0;
    for (int i = 0; i < source_->Count(); ++i)
        ForEachObject(source_->SkinObjects(i), [&](TSeSkinObject* object) {
            const std::vector<NamedLink> links = LinksOf(object);
            const int across = object->MarginLeft() + object->MarginRight();
            const int down = object->MarginTop() + object->MarginBottom();
            if (links.empty() || across + down == 0) return;
            ++cut;
            EXPECT_LE(across, object->Width()) << object->Name();
            EXPECT_LE(down, object->Height()) << object->Name();
            for (const auto& [label, link] : links) {
                if (!link->Valid()) continue;
                EXPECT_LT(across, RectWidth(link->Rect())) << label;
                EXPECT_LT(down, RectHeight(link->Rect())) << label;
            }
        });
    EXPECT_GT(cut, 0);
}

// The window frame: each frame bitmap holds the active look in one half
// (the upper half of a wide bitmap, the left half of a tall one) and the
// inactive look at the same place in the other; the pieces of each side
// cover the active half exactly, and are as thick as their side.
TEST_F(BuiltinSkinTest, FramePiecesCoverTheirBitmapsActiveHalf) {
    TSeSkinObject* form = Top("Form");
    for (const char* sideName : {"Caption", "Bottom", "Left", "Right"}) {
        SCOPED_TRACE(sideName);
        TSeSkinObject* side = form->FindByName(sideName);
        ASSERT_NE(side, nullptr);
        const bool horizontal = side->Align() == saTop || side->Align() == saBottom;
        const TSeBitmap* image = nullptr;
        std::vector<TRect> pieces;
        std::int64_t area = 0;
        for (int c = 0; c < side->ChildCount(); ++c) {
            TSeSkinObject* object = side->Child(c);
            if (object->ClassName() != TSeActiveBitmap::kClassName) continue;
            auto* piece = static_cast<TSeActiveBitmap*>(object);
            SCOPED_TRACE(piece->Name());
            ASSERT_TRUE(piece->Bitmap()->Valid() && piece->ActiveBitmap()->Valid());
            image = piece->ActiveBitmap()->Image();
            EXPECT_EQ(piece->Bitmap()->Image(), image);
            const bool wide = image->Width() > image->Height();
            const TRect active = piece->ActiveBitmap()->Rect();
            const TRect inactive = piece->Bitmap()->Rect();
            if (wide) {
                EXPECT_LE(active.Bottom, image->Height() / 2);
                EXPECT_EQ(inactive, RectOffset(active, 0, image->Height() / 2));
            } else {
                EXPECT_LE(active.Right, image->Width() / 2);
                EXPECT_EQ(inactive, RectOffset(active, image->Width() / 2, 0));
            }
            // As thick as the side; the corners (not client-aligned) drawn unscaled.
            if (horizontal)
                EXPECT_EQ(piece->Height(), RectHeight(active));
            else
                EXPECT_EQ(piece->Width(), RectWidth(active));
            if (piece->Align() != saClient) {
                EXPECT_EQ(piece->Width(), RectWidth(active));
                EXPECT_EQ(piece->Height(), RectHeight(active));
            }
            for (const TRect& other : pieces) EXPECT_FALSE(RectsOverlap(active, other));
            pieces.push_back(active);
            area += std::int64_t{RectWidth(active)} * RectHeight(active);
        }
        ASSERT_NE(image, nullptr);
        ASSERT_EQ(pieces.size(), 3u);
        EXPECT_EQ(area, std::int64_t{image->Width()} * image->Height() / 2);
        EXPECT_EQ(horizontal ? side->Height() : side->Width(),
                  horizontal ? RectHeight(pieces[0]) : RectWidth(pieces[0]));
    }
}

// A caption button's strip holds, from the left, the active, pressed, hot
// and inactive looks, each the button's size.
TEST_F(BuiltinSkinTest, CaptionButtonLooksSitInTheirStripInOrder) {
    int buttons = 0;
    ForEachObject(Top("Form"), [&](TSeSkinObject* object) {
        auto* button = dynamic_cast<TSeSystemButton*>(object);
        if (!button) return;
        ++buttons;
        SCOPED_TRACE(button->Name());
        const TSeBitmapLink* looks[] = {button->ActiveBitmap(), button->BitmapPressed(), button->BitmapHot(),
                                        button->Bitmap()};
        for (std::size_t i = 0; i < std::size(looks); ++i) {
            ASSERT_TRUE(looks[i]->Valid()) << i;
            EXPECT_EQ(looks[i]->Image(), looks[0]->Image()) << i;
            EXPECT_EQ(RectWidth(looks[i]->Rect()), button->Width()) << i;
            EXPECT_EQ(RectHeight(looks[i]->Rect()), button->Height()) << i;
            if (i > 0) EXPECT_GE(looks[i]->Rect().Left, looks[i - 1]->Rect().Right) << i;
        }
    });
    EXPECT_EQ(buttons, 4);
}

TEST_F(BuiltinSkinTest, TopLevelObjectsAndTheirChildrenInStoredOrder) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        {"Form", {"Caption", "Bottom", "Left", "Right", "SkinObject3"}},
        {"MenuBar", {"Frame", "Item", "Min", "Restore", "Close", "ToolbarFrame", "ToolbarItem"}},
        {"PopupMenu", {"Frame", "Item"}},
        {"CheckBox", {"Unchecked", "Checked", "Mixed", "Text"}},
        {"RadioButton", {"Unchecked", "Checked", "Text"}},
        {"ScrollBar",
         {"LeftButton", "RightButton", "TopButton", "BottomButton", "HorzFrame", "VertFrame", "HorzSlider",
          "VertSlider"}},
        {"Button", {"Face", "Text"}},
        {"Tabs", {"Frame", "Tab", "Text", "LeftButton", "RightButton"}},
        {"ProgressBar", {"Frame", "BarHorz", "BarVert"}},
        {"Edit", {"Frame", "Text"}},
        {"SpeedButton", {"Face", "Chevron", "FlatFace", "FlatChevron", "Text"}},
        {"ComboBox", {"Frame", "Button", "Text"}},
        {"GroupBox", {"Frame", "Caption"}},
        {"ListBox", {"Item", "Unchecked", "Checked", "Frame"}},
        {"ScrollBox", {"Frame"}},
        {"Header", {"Section"}},
        {"StatusBar", {"Frame", "Panel", "Gripper"}},
        {"SpinButton", {"Face"}},
        {"Grid", {"Fixed", "Frame", "Cell"}},
        {"ControlBar", {"Back", "Frame", "Grabber"}},
        {"Toolbar", {"Frame"}},
        {"TrackBar", {"TrackHorz", "ThumbHorz", "ThumbVert", "TrackVert"}},
        {"Splitter", {}},
        {"Panel", {"Frame", "Caption", "ButtonRollup", "ButtonRolldown", "ButtonHide"}},
    };
    ASSERT_EQ(source_->Count(), 24);
    int total = 0, plainClass = 0;
    for (int i = 0; i < 24; ++i) {
        TSeSkinObject* object = source_->SkinObjects(i);
        EXPECT_EQ(object->Name(), expected[std::size_t(i)].first) << "object " << i;
        EXPECT_EQ(ChildNames(object), expected[std::size_t(i)].second) << object->Name();
        total += CountObjects(object);
        if (object->ClassName() == TSeSkinObject::kClassName) ++plainClass;
    }
    EXPECT_EQ(total, 120);
    EXPECT_EQ(plainClass, 23);
    EXPECT_EQ(CountObjects(Top("Form")), 22);
    EXPECT_EQ(CountObjects(Top("ProgressBar")), 5);
    EXPECT_EQ(CountObjects(Top("PopupMenu")), 3);

    TSeSkinObject* splitter = Top("Splitter");
    EXPECT_EQ(splitter->ClassName(), TSeBitmapObject::kClassName);
    EXPECT_EQ(splitter->BoundsRect(), MakeBounds(0, 0, 12, 189));
    EXPECT_EQ(source_->GetFormObject(), Top("Form"));
    EXPECT_EQ(Top("Form")->Kind(), skForm);
    EXPECT_EQ(Top("MenuBar")->Kind(), skMenuBar);
    EXPECT_EQ(Top("PopupMenu")->Kind(), skPopupMenu);
}

TEST_F(BuiltinSkinTest, NamesRepeatAcrossParentsButNeverWithinOne) {
    std::multiset<std::string> childNames;
    for (int i = 0; i < source_->Count(); ++i) {
        ForEachObject(source_->SkinObjects(i), [&](TSeSkinObject* object) {
            std::set<std::string> seen;
            for (const std::string& name : ChildNames(object)) {
                EXPECT_TRUE(seen.insert(name).second) << name << " twice in " << object->Name();
                childNames.insert(name);
            }
        });
    }
    for (const char* shared : {"Frame", "Text", "Item", "Caption"}) EXPECT_GT(childNames.count(shared), 1u) << shared;
    // The first match in depth-first order: the grip of the horizontal thumb.
    TSeSkinObject* bar = Top("ScrollBar");
    EXPECT_EQ(bar->FindByName("Grip"), bar->FindByName("HorzSlider")->Child(0));
}

// The window's frame, as the skinned form lays it out and draws it.
TEST_F(BuiltinSkinTest, FormObjectsHaveTheirClassesKindsAlignmentsRectanglesAndLinks) {
    struct Row {
        const char* name;
        std::string_view className;
        TSeKind kind;
        TSeAlign align;
        TRect bounds;
        const char* suffix;  // nullptr: no bitmap
    };
    const Row rows[] = {
        {"Caption", TSeSkinObject::kClassName, skNone, saTop, MakeBounds(8, 0, 284, 35), nullptr},
        {"CaptionLeft", TSeActiveBitmap::kClassName, skNone, saLeft, MakeBounds(8, 0, 15, 35), "_body_top"},
        {"CaptionRight", TSeActiveBitmap::kClassName, skNone, saRight, MakeBounds(210, 0, 82, 35), "_body_top"},
        {"CaptionCenter", TSeActiveBitmap::kClassName, skTitle, saClient, MakeBounds(23, 0, 187, 35), "_body_top"},
        {"CloseButton", TSeSystemButton::kClassName, skSysButton, saTopRight, MakeBounds(266, 6, 21, 22), "_icon_close"},
        {"RestoreButton", TSeSystemButton::kClassName, skSysButton, saTopRight, MakeBounds(250, 4, 16, 18),
         "_icon_max2"},
        {"MinButton", TSeSystemButton::kClassName, skSysButton, saTopRight, MakeBounds(235, 10, 15, 16), "_icon_min"},
        {"MaxButton", TSeSystemButton::kClassName, skSysButton, saTopRight, MakeBounds(250, 4, 16, 18), "_icon_max1"},
        {"Bottom", TSeSkinObject::kClassName, skNone, saBottom, MakeBounds(8, 242, 284, 8), nullptr},
        {"BottomLeft", TSeActiveBitmap::kClassName, skBottomLeft, saLeft, MakeBounds(8, 242, 1, 8), "_body_bottom"},
        {"BottomRight", TSeActiveBitmap::kClassName, skBottomRight, saRight, MakeBounds(291, 242, 1, 8),
         "_body_bottom"},
        {"BottomCenter", TSeActiveBitmap::kClassName, skBottom, saClient, MakeBounds(9, 242, 282, 8), "_body_bottom"},
        {"Left", TSeSkinObject::kClassName, skNone, saMostLeft, MakeBounds(0, 0, 8, 250), nullptr},
        {"LeftTop", TSeActiveBitmap::kClassName, skTopLeft, saTop, MakeBounds(0, 0, 8, 40), "_body_left"},
        {"LeftBottom", TSeActiveBitmap::kClassName, skBottomLeft, saBottom, MakeBounds(0, 242, 8, 8), "_body_left"},
        {"LeftCenter", TSeActiveBitmap::kClassName, skLeft, saClient, MakeBounds(0, 40, 8, 202), "_body_left"},
        {"Right", TSeSkinObject::kClassName, skNone, saMostRight, MakeBounds(292, 0, 8, 250), nullptr},
        {"RightTop", TSeActiveBitmap::kClassName, skTopRight, saTop, MakeBounds(292, 0, 8, 40), "_body_right"},
        {"RightBottom", TSeActiveBitmap::kClassName, skBottomRight, saBottom, MakeBounds(292, 242, 8, 8),
         "_body_right"},
        {"RightCenter", TSeActiveBitmap::kClassName, skRight, saClient, MakeBounds(292, 40, 8, 202), "_body_right"},
        {"SkinObject3", TSeSkinObject::kClassName, skClient, saClient, MakeBounds(8, 35, 284, 207), nullptr},
    };
    TSeSkinObject* form = Top("Form");
    EXPECT_EQ(form->BoundsRect(), MakeBounds(0, 0, 300, 250));
    EXPECT_EQ(form->Color(), 13555670);
    EXPECT_EQ(form->FindByName("SkinObject3")->Color(), 13555670);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TSeSkinObject* object = form->FindByName(row.name);
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->ClassName(), row.className);
        EXPECT_EQ(object->Kind(), row.kind);
        EXPECT_EQ(object->Align(), row.align);
        EXPECT_EQ(object->BoundsRect(), row.bounds);
        EXPECT_TRUE(object->Masked());
        EXPECT_FALSE(object->DrawIfOwner());
        if (!row.suffix) continue;
        const std::string bitmap = std::string("Pewter") + row.suffix;
        auto* piece = dynamic_cast<TSeActiveBitmap*>(object);
        ASSERT_NE(piece, nullptr);
        EXPECT_EQ(piece->Bitmap()->Name(), bitmap);
        EXPECT_EQ(piece->ActiveBitmap()->Name(), bitmap);
        EXPECT_EQ(piece->TileStyle(), tsTile);
        EXPECT_EQ(piece->BorderTileStyle(), tsTile);
        if (auto* button = dynamic_cast<TSeSystemButton*>(object)) {
            EXPECT_EQ(button->BitmapHot()->Name(), bitmap);
            EXPECT_EQ(button->BitmapPressed()->Name(), bitmap);
        }
        for (const auto& [label, link] : LinksOf(object)) EXPECT_TRUE(link->Valid()) << label;
    }
    auto* close = static_cast<TSeSystemButton*>(form->FindByName("CloseButton"));
    EXPECT_EQ(close->Action(), sbaClose);
    EXPECT_EQ(static_cast<TSeSystemButton*>(form->FindByName("MaxButton"))->Action(), sbaMaximize);
    EXPECT_EQ(static_cast<TSeSystemButton*>(form->FindByName("MinButton"))->Action(), sbaMinimize);
    EXPECT_EQ(static_cast<TSeSystemButton*>(form->FindByName("RestoreButton"))->Action(), sbaRestore);
    const framework::TFont& title = *form->FindByName("CaptionCenter")->Font();
    EXPECT_EQ(title.Name(), "Verdana");
    EXPECT_EQ(title.Height(), -13);
    EXPECT_EQ(title.Style(), framework::fsBold);
    EXPECT_EQ(title.Color(), framework::clWindowText);
    EXPECT_EQ(form->FindByName("LeftTop")->Font()->Name(), "MS Sans Serif");
}

TEST_F(BuiltinSkinTest, ACopyOfTheFormLaidOutToTheWindowSize) {
    RegisterSkinObjectClasses();
    std::unique_ptr<TSeSkinObject> copy(CloneObject(*Top("Form"), nullptr));
    ASSERT_NE(copy, nullptr);
    copy->SetBounds(MakeBounds(0, 0, 366, 459));
    auto at = [&](const char* name) { return copy->FindByName(name)->BoundsRect(); };
    EXPECT_EQ(at("SkinObject3"), MakeRect(8, 35, 358, 451));
    EXPECT_EQ(copy->FindByName("CloseButton")->Left(), 332);
    EXPECT_EQ(at("Left"), MakeRect(0, 0, 8, 459));
    EXPECT_EQ(at("Right"), MakeRect(358, 0, 366, 459));
    EXPECT_EQ(at("Caption"), MakeRect(8, 0, 358, 35));
    EXPECT_EQ(at("Bottom"), MakeRect(8, 451, 358, 459));
    EXPECT_EQ(at("CaptionLeft"), MakeRect(8, 0, 23, 35));
    EXPECT_EQ(at("CaptionRight"), MakeRect(276, 0, 358, 35));
    EXPECT_EQ(at("CaptionCenter"), MakeRect(23, 0, 276, 35));
    EXPECT_EQ(at("LeftTop"), MakeRect(0, 0, 8, 40));
    EXPECT_EQ(at("LeftCenter"), MakeRect(0, 40, 8, 451));
    EXPECT_EQ(at("RightBottom"), MakeRect(358, 451, 366, 459));
    EXPECT_EQ(at("BottomCenter"), MakeRect(9, 451, 357, 459));
    // The copy's links point at the source's bitmaps.
    auto* title = static_cast<TSeActiveBitmap*>(copy->FindByName("CaptionCenter"));
    EXPECT_EQ(title->ActiveBitmap()->Image(), source_->Bitmaps().Items(0));
}

TEST_F(BuiltinSkinTest, ProgressBarAndPopupMenuObjects) {
    TSeSkinObject* progress = Top("ProgressBar");
    auto* frame = progress->FindByName("Frame");
    EXPECT_EQ(frame->ClassName(), TSeSkinObject::kClassName);
    EXPECT_EQ(frame->BoundsRect(), MakeBounds(0, 0, 80, 14));
    EXPECT_EQ(frame->MarginLeft() + frame->MarginTop() + frame->MarginRight() + frame->MarginBottom(), 0);
    struct Bar {
        const char* name;
        TSeAlign align;
        TRect bounds, link;
        int ml, mt, mr, mb;
        TscTileStyle style;
    };
    const Bar bars[] = {
        {"FrameBitmap", saClient, MakeBounds(0, 0, 80, 14), MakeRect(0, 0, 60, 14), 3, 2, 3, 2, tsTile},
        {"BarHorz", saNone, MakeBounds(0, 0, 50, 14), MakeRect(60, 0, 120, 14), 3, 2, 3, 2, tsStretch},
        {"BarVert", saNone, MakeBounds(0, 20, 14, 50), MakeRect(60, 0, 120, 14), 2, 3, 2, 3, tsStretch},
    };
    for (const Bar& b : bars) {
        SCOPED_TRACE(b.name);
        auto* object = dynamic_cast<TSeBitmapObject*>(progress->FindByName(b.name));
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->ClassName(), TSeBitmapObject::kClassName);
        EXPECT_EQ(object->Align(), b.align);
        EXPECT_EQ(object->BoundsRect(), b.bounds);
        EXPECT_EQ(object->Bitmap()->Name(), "Pewter_progress");
        EXPECT_EQ(object->Bitmap()->Rect(), b.link);
        EXPECT_TRUE(object->Bitmap()->Valid());
        EXPECT_EQ((std::vector<int>{object->MarginLeft(), object->MarginTop(), object->MarginRight(),
                                    object->MarginBottom()}),
                  (std::vector<int>{b.ml, b.mt, b.mr, b.mb}));
        EXPECT_EQ(object->TileStyle(), b.style);
        EXPECT_EQ(object->BorderTileStyle(), b.style);
    }
    EXPECT_EQ(frame->Child(0)->Name(), "FrameBitmap");

    TSeSkinObject* popup = Top("PopupMenu");
    auto* menuFrame = dynamic_cast<TSeBitmapObject*>(popup->Child(0));
    ASSERT_NE(menuFrame, nullptr);
    EXPECT_EQ(menuFrame->BoundsRect(), MakeBounds(0, 0, 100, 70));
    EXPECT_EQ(menuFrame->Bitmap()->Name(), "Pewter_menuback");
    EXPECT_EQ(menuFrame->Bitmap()->Rect(), MakeRect(0, 0, 54, 54));
    EXPECT_TRUE(menuFrame->Bitmap()->Valid());
    EXPECT_EQ(menuFrame->MarginLeft(), 8);
    EXPECT_EQ(menuFrame->MarginBottom(), 8);
    auto* item = dynamic_cast<TSeActiveObject*>(popup->Child(1));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Kind(), skPopupMenuItem);
    EXPECT_EQ(item->BoundsRect(), MakeBounds(0, 80, 80, 20));
    EXPECT_EQ(item->Color(), 13489364);
    EXPECT_EQ(item->ActiveColor(), 11374708);
    EXPECT_TRUE(*item->ActiveFont() == *item->Font());
    EXPECT_EQ(item->TextMarginLeft(), 20);
    EXPECT_EQ(item->TextMarginRight(), 10);
    EXPECT_EQ(popup->FindByName("Separator"), nullptr);
}

// Every named link resolves, except the four focused and disabled thumbs of
// the track bar, which name bitmaps the skin does not hold.
TEST_F(BuiltinSkinTest, OnlyTheTrackBarThumbStatesStayUnresolved) {
    const std::set<std::string> unresolvedExpected = {"ThumbHorz.BitmapFocused", "ThumbHorz.BitmapDisabled",
                                                      "ThumbVert.BitmapFocused", "ThumbVert.BitmapDisabled"};
    std::set<std::string> unresolved;
    int resolved = 0;
    for (int i = 0; i < source_->Count(); ++i) {
        ForEachObject(source_->SkinObjects(i), [&](TSeSkinObject* object) {
            EXPECT_EQ(object->BitmapList(), &source_->Bitmaps()) << object->Name();
            for (const auto& [label, link] : LinksOf(object)) {
                if (link->Name().empty()) continue;
                if (!link->Valid()) {
                    unresolved.insert(label);
                    EXPECT_EQ(source_->Bitmaps().GetLink(link->Name(), link->Rect()), nullptr) << label;
                    EXPECT_EQ(source_->SkinObjects(i)->Name(), "TrackBar") << label;
                    continue;
                }
                ++resolved;
                // The rectangle lies inside the bitmap it names.
                const TRect r = link->Rect();
                EXPECT_EQ(link->Image()->Name(), link->Name()) << label;
                EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= link->Image()->Width() &&
                            r.Bottom <= link->Image()->Height())
                    << label;
            }
        });
    }
    EXPECT_EQ(unresolved, unresolvedExpected);
    EXPECT_GT(resolved, 100);
    for (const char* thumb : {"ThumbHorz", "ThumbVert"})
        EXPECT_EQ(Top("TrackBar")->FindByName(thumb)->ClassName(), TSeButtonObject::kClassName);
}

TEST_F(BuiltinSkinTest, BuildingAgainGivesTheSameSkin) {
    TSeSkinSource again(nullptr);
    again.SetSkinName("Other");
    again.AddObject(std::make_unique<TSeSkinObject>(nullptr));
    BuildBuiltinSkin(again);  // replaces what was there
    ASSERT_EQ(again.Count(), 24);
    ASSERT_EQ(again.Bitmaps().Count(), 33);
    EXPECT_EQ(again.SkinName(), "Pewter");
    for (int i = 0; i < 33; ++i) {
        const TSeBitmap& a = *source_->Bitmaps().Items(i);
        const TSeBitmap& b = *again.Bitmaps().Items(i);
        EXPECT_TRUE(std::equal(a.Bits(), a.Bits() + a.Width() * a.Height(), b.Bits())) << a.Name();
    }
    for (int i = 0; i < 24; ++i) EXPECT_EQ(again.SkinObjects(i)->ObjectsData(), source_->SkinObjects(i)->ObjectsData());
}

}  // namespace
}  // namespace skingen
