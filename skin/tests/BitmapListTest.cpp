#include <gtest/gtest.h>

#include "skin/gfx/SeBitmapList.h"

namespace skin {
namespace {

std::unique_ptr<TSeBitmap> Named(const std::string& name) {
    auto bitmap = std::make_unique<TSeBitmap>();
    bitmap->SetName(name);
    bitmap->SetSize(4, 4);
    return bitmap;
}

TEST(BitmapListTest, GetLinkIgnoresCaseAndTakesTheLastMatch) {
    TSeBitmapList list;
    TSeBitmap* first = list.Add(Named("Title"));
    TSeBitmap* last = list.Add(Named("TITLE"));
    list.Add(Named("Border"));
    auto link = list.GetLink("title", MakeRect(1, 2, 3, 4));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Image(), last);
    EXPECT_NE(link->Image(), first);
    EXPECT_EQ(link->Name(), "TITLE");
    EXPECT_EQ(link->Rect(), MakeRect(1, 2, 3, 4));
    EXPECT_EQ(list.GetLink("Titles", MakeRect(0, 0, 1, 1)), nullptr);
    EXPECT_EQ(list.GetLink("", MakeRect(0, 0, 1, 1)), nullptr);
}

TEST(BitmapListTest, ItemsOutsideTheListAreNothingAndClearEmptiesIt) {
    TSeBitmapList list;
    TSeBitmap* only = list.Add(Named("a"));
    EXPECT_EQ(list.Items(0), only);
    EXPECT_EQ(list.Items(1), nullptr);
    EXPECT_EQ(list.Items(-1), nullptr);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Items(0), nullptr);
}

TEST(BitmapLinkTest, ValidNeedsAnImageAndAPositiveArea) {
    TSeBitmap bitmap;
    bitmap.SetName("Glyphs");
    auto link = bitmap.CreateLink(MakeRect(0, 0, 2, 2));
    EXPECT_EQ(link->Image(), &bitmap);
    EXPECT_EQ(link->Name(), "Glyphs");
    EXPECT_TRUE(link->Valid());
    link->SetRight(0);
    EXPECT_FALSE(link->Valid());

    TSeBitmapLink copy;
    EXPECT_FALSE(copy.Valid());
    copy.Assign(*link);
    EXPECT_EQ(copy.Image(), &bitmap);
    EXPECT_EQ(copy.Rect(), link->Rect());
    EXPECT_EQ(copy.Name(), "Glyphs");
}

}  // namespace
}  // namespace skin
