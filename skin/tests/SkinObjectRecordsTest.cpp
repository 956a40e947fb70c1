// Skin objects in records and their children in "Objects".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ComponentStreaming.h"
#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/StreamValues.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/storage/SkinObjectRecords.h"
#include "skin/objects/ButtonBitmapBoxObject.h"
#include "skin/objects/SystemButton.h"
#include "skin/objects/TextObject.h"
#include "skin/storage/StreamString.h"

namespace skin {
namespace {

using framework::TMemoryStream;

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinObjectClasses(); }
};

// An object written on its own reads "Objects = {00000F00}", last.
TEST_F(RecordsTest, AnObjectWithoutChildrenIsWrittenInTheTextLayout) {
    TSeSkinObject object(nullptr);
    object.SetName("Client");
    object.SetKind(skClient);
    object.SetAlign(saClient);
    object.SetBounds(MakeBounds(8, 35, 284, 207));
    object.SetColor(13555670);
    TMemoryStream stream;
    WriteObjectRecord(stream, object);
    stream.SetPosition(0);
    EXPECT_EQ(ReadStreamString(stream), "TSeSkinObject");
    EXPECT_EQ(ReadStreamString(stream),
              "object Client: TSeSkinObject\r\n"
              "  Align = saClient\r\n"
              "  Color = 13555670\r\n"
              "  DrawIfOwner = False\r\n"
              "  Font.Charset = DEFAULT_CHARSET\r\n"
              "  Font.Color = clWindowText\r\n"
              "  Font.Height = -11\r\n"
              "  Font.Name = 'MS Sans Serif'\r\n"
              "  Font.Style = []\r\n"
              "  Kind = skClient\r\n"
              "  Masked = True\r\n"
              "  Left = 8\r\n"
              "  Top = 35\r\n"
              "  Height = 207\r\n"
              "  Width = 284\r\n"
              "  MarginLeft = 0\r\n"
              "  MarginRight = 0\r\n"
              "  MarginTop = 0\r\n"
              "  MarginBottom = 0\r\n"
              "  TextAlign = taLeft\r\n"
              "  TextEffect = teNone\r\n"
              "  TextMarginLeft = 0\r\n"
              "  TextMarginRight = 0\r\n"
              "  TextMarginTop = 0\r\n"
              "  Objects = {00000F00}\r\n"
              "end\r\n");
    EXPECT_EQ(stream.Remaining(), 0);
}

TSeSkinObject* Tree(TSeSkinObject& root) {
    root.SetName("Form");
    root.Font()->SetCharset(0);
    auto* caption = new TSeSkinObject(&root);
    caption->SetName("Caption");
    auto* button = new TSeSystemButton(caption);
    button->SetName("CloseButton");
    button->SetAction(sbaClose);
    button->BitmapHot()->SetName("skin_icon_close");
    button->BitmapHot()->SetRight(63);
    button->ActiveFont()->SetCharset(238);
    auto* box = new TSeButtonBitmapBoxObject(&root);
    box->SetName("Caption");  // names may repeat under one parent
    return button;
}

TEST_F(RecordsTest, TreesRoundTripInBothRecordLayoutsWithEveryFontAtCharsetOne) {
    TSeSkinObject root(nullptr);
    Tree(root);
    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        TMemoryStream stream;
        binary ? WriteObjectBinary(stream, root) : WriteObjectRecord(stream, root);
        stream.SetPosition(0);
        std::unique_ptr<TSeSkinObject> copy(binary ? ReadObjectBinary(stream, nullptr) : ReadObjectRecord(stream, nullptr));
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(stream.Remaining(), 0);
        EXPECT_EQ(copy->Name(), "Form");
        ASSERT_EQ(copy->ChildCount(), 2);
        EXPECT_EQ(copy->Child(1)->ClassName(), "TSeButtonBitmapBoxObject");
        EXPECT_EQ(copy->Child(1)->Name(), "Caption");
        auto* button = dynamic_cast<TSeSystemButton*>(copy->Child(0)->Child(0));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Owner(), copy->Child(0));
        EXPECT_EQ(button->Action(), sbaClose);
        EXPECT_EQ(button->BitmapHot()->Name(), "skin_icon_close");
        EXPECT_EQ(button->BitmapHot()->Right(), 63);
        EXPECT_EQ(copy->Font()->Charset(), 1);
        EXPECT_EQ(button->ActiveFont()->Charset(), 1);
        // Written again (charsets now 1), the record reads the same again.
        TMemoryStream again;
        WriteObjectBinary(again, *copy);
        again.SetPosition(0);
        std::unique_ptr<TSeSkinObject> third(ReadObjectBinary(again, nullptr));
        EXPECT_EQ(framework::ComponentToBinary(*third), framework::ComponentToBinary(*copy));
    }
}

// "Objects" data built by hand: a header, then records.
std::vector<std::uint8_t> ObjectBytesWithChildren(const std::vector<std::uint8_t>& objectsData) {
    TMemoryStream stream;
    framework::ValueWriter w(stream);
    w.WriteSignature();
    w.WriteName("TSeSkinObject");
    w.WriteName("Parent");
    w.WriteName("Objects");
    w.WriteBinary(objectsData);
    w.WriteListEnd();
    w.WriteListEnd();
    return stream.Bytes();
}

TEST_F(RecordsTest, UnmarkedChildrenAreTextRecordsAndUnknownClassesAreDropped) {
    TMemoryStream children;
    children.WriteUInt32(3);  // no marker: text records
    WriteStreamString(children, "TSeTextObject");
    WriteStreamString(children, "object First: TSeTextObject\r\n  Left = 4\r\nend\r\n");
    WriteStreamString(children, "TSeNoSuchObject");
    WriteStreamString(children, "anything at all");
    WriteStreamString(children, "TSeSkinObject");
    WriteStreamString(children, "object Last: TSeSkinObject\r\nend\r\n");
    TSeSkinObject parent(nullptr);
    framework::ComponentFromBinary(ObjectBytesWithChildren(children.Bytes()), parent);
    ASSERT_EQ(parent.ChildCount(), 2);
    EXPECT_EQ(parent.Child(0)->Name(), "First");
    EXPECT_EQ(parent.Child(0)->Left(), 4);
    EXPECT_EQ(parent.Child(1)->Name(), "Last");

    // Marked: binary records, also past an unknown class.
    TMemoryStream marked;
    marked.WriteUInt32(2 | kObjectsMarker);
    WriteStreamString(marked, "TSeNoSuchObject");
    marked.WriteInt32(3);
    marked.WriteBuffer("xyz", 3);
    TSeSkinObject child(nullptr);
    child.SetName("Only");
    WriteObjectBinary(marked, child);
    TSeSkinObject other(nullptr);
    framework::ComponentFromBinary(ObjectBytesWithChildren(marked.Bytes()), other);
    ASSERT_EQ(other.ChildCount(), 1);
    EXPECT_EQ(other.Child(0)->Name(), "Only");
}

void ExpectRejected(const std::vector<std::uint8_t>& objectsData) {
    TSeSkinObject parent(nullptr);
    EXPECT_THROW(framework::ComponentFromBinary(ObjectBytesWithChildren(objectsData), parent),
                 framework::EStreamError);
}

TEST_F(RecordsTest, BadChildRecordsAreReadErrors) {
    TMemoryStream negative;
    negative.WriteUInt32(1 | kObjectsMarker);
    WriteStreamString(negative, "TSeSkinObject");
    negative.WriteInt32(-1);
    ExpectRejected(negative.Bytes());

    TMemoryStream tooLong;
    tooLong.WriteUInt32(1 | kObjectsMarker);
    WriteStreamString(tooLong, "TSeSkinObject");
    tooLong.WriteInt32(1000);
    tooLong.WriteBuffer("TPF0", 4);
    ExpectRejected(tooLong.Bytes());

    // Two billion children announced in a few bytes: the data ends first.
    TMemoryStream many;
    many.WriteUInt32(0x7FF0FFFF);
    ExpectRejected(many.Bytes());
    ExpectRejected({0x00, 0x0F});  // a header cut short

    // The class in the record and the class in the object must agree.
    TMemoryStream mismatch;
    mismatch.WriteUInt32(1 | kObjectsMarker);
    TSeTextObject text(nullptr);
    const auto bytes = framework::ComponentToBinary(text);
    WriteStreamString(mismatch, "TSeSkinObject");
    mismatch.WriteInt32(std::int32_t(bytes.size()));
    mismatch.WriteBuffer(bytes.data(), bytes.size());
    ExpectRejected(mismatch.Bytes());
}

TEST_F(RecordsTest, NestingIsBoundedInBothDirections) {
    std::vector<std::uint8_t> bytes = framework::ComponentToBinary(TSeSkinObject(nullptr));
    for (int level = 0; level < 40; ++level) {
        TMemoryStream data;
        data.WriteUInt32(1 | kObjectsMarker);
        WriteStreamString(data, "TSeSkinObject");
        data.WriteInt32(std::int32_t(bytes.size()));
        data.WriteBuffer(bytes.data(), bytes.size());
        bytes = ObjectBytesWithChildren(data.Bytes());
    }
    TSeSkinObject root(nullptr);
    try {
        framework::ComponentFromBinary(bytes, root);
        FAIL() << "accepted";
    } catch (const framework::EReadError& e) {
        EXPECT_STREQ(e.what(), framework::errors::kTooDeep);
    }

    TSeSkinObject deep(nullptr);
    TSeSkinObject* leaf = &deep;
    for (int level = 0; level < 40; ++level) leaf = new TSeSkinObject(leaf);
    EXPECT_THROW(framework::ComponentToBinary(deep), framework::EWriteError);
}

// The child count shares its word with the marker: 65535 children is the
// most it holds, and one more is refused instead of being written as 0.
TEST_F(RecordsTest, ChildCountsBeyondTheHeaderAreAWriteError) {
    TSeSkinObject parent(nullptr);
    for (int i = 0; i < 0xFFFF; ++i) framework::NewComponent<TSeSkinObject>(&parent);
    parent.Child(0xFFFE)->SetName("Last");
    TSeSkinObject copy(nullptr);
    framework::ComponentFromBinary(framework::ComponentToBinary(parent), copy);
    ASSERT_EQ(copy.ChildCount(), 0xFFFF);
    EXPECT_EQ(copy.Child(0xFFFE)->Name(), "Last");

    framework::NewComponent<TSeSkinObject>(&parent);
    try {
        framework::ComponentToBinary(parent);
        FAIL() << "written";
    } catch (const framework::EWriteError& e) {
        EXPECT_STREQ(e.what(), "An object has more than 65535 children, more than its stored form can hold");
    }
}

}  // namespace
}  // namespace skin
