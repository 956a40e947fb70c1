#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/FrameworkError.h"
#include "framework/ObjectText.h"
#include "framework/StreamValues.h"

namespace framework {
namespace {

// Builds binary streams value by value, the way a component writer does.
class BinaryBuilder {
public:
    BinaryBuilder(const std::string& className, const std::string& name) {
        writer_.WriteSignature();
        writer_.WriteName(className);
        writer_.WriteName(name);
    }
    ValueWriter& Property(const std::string& name) {
        writer_.WriteName(name);
        return writer_;
    }
    ValueWriter& Writer() { return writer_; }
    std::vector<std::uint8_t> Finish() {
        writer_.WriteListEnd();
        writer_.WriteListEnd();
        return stream_.Bytes();
    }

private:
    TMemoryStream stream_;
    ValueWriter writer_{stream_};
};

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(ObjectBinaryToTextTest, ScalarValuesFollowTheTextRules) {
    BinaryBuilder b("TThing", "Thing1");
    b.Property("Left").WriteInteger(8);
    b.Property("Delta").WriteInteger(-300);
    b.Property("Big").WriteInteger(-2147483647 - 1);
    b.Property("Align").WriteIdent("saClient");
    b.Property("Font.Color").WriteIdent("clWindowText");
    b.Property("Masked").WriteBoolean(true);
    b.Property("Visible").WriteBoolean(false);
    b.Property("Caption").WriteString("It's");
    b.Property("Empty").WriteString("");
    b.Property("Lines").WriteString("a\r\nb\t");
    b.Property("Font.Style").WriteSet({"fsBold", "fsItalic"});
    b.Property("Anchors").WriteSet({});
    b.Property("Small").WriteBinary(std::vector<std::uint8_t>{0x00, 0x00, 0x0F, 0x00});
    b.Property("None").WriteBinary(std::vector<std::uint8_t>{});
    EXPECT_EQ(ObjectBinaryToText(b.Finish()), Lines({
                                                  "object Thing1: TThing",
                                                  "  Left = 8",
                                                  "  Delta = -300",
                                                  "  Big = -2147483648",
                                                  "  Align = saClient",
                                                  "  Font.Color = clWindowText",
                                                  "  Masked = True",
                                                  "  Visible = False",
                                                  "  Caption = 'It''s'",
                                                  "  Empty = ''",
                                                  "  Lines = 'a'#13#10'b'#9",
                                                  "  Font.Style = [fsBold, fsItalic]",
                                                  "  Anchors = []",
                                                  "  Small = {00000F00}",
                                                  "  None = {}",
                                                  "end",
                                              }));
}

TEST(ObjectBinaryToTextTest, LongStringsAreCutEverySixtyFourCharacters) {
    std::string sixtyFour(64, 'x');
    std::string long130 = std::string(63, 'a') + "\n" + std::string(64, 'b') + "''";
    BinaryBuilder b("TThing", "");
    b.Property("Exact").WriteString(sixtyFour);
    b.Property("Long").WriteString(long130);
    EXPECT_EQ(ObjectBinaryToText(b.Finish()),
              Lines({
                  "object TThing",
                  "  Exact = '" + sixtyFour + "'",
                  "  Long = ",
                  "    '" + std::string(63, 'a') + "'#10 +",
                  "    '" + std::string(64, 'b') + "' +",
                  "    ''''''",
                  "end",
              }));
}

TEST(ObjectBinaryToTextTest, BinaryDataOfThirtyTwoBytesOrMoreStandsInLinesOfThirtyTwo) {
    std::vector<std::uint8_t> exact(32, 0xAB);
    std::vector<std::uint8_t> longer(70);
    for (std::size_t i = 0; i < longer.size(); ++i) longer[i] = static_cast<std::uint8_t>(i);
    BinaryBuilder b("TThing", "T");
    b.Property("Exact").WriteBinary(exact);
    b.Property("Objects").WriteBinary(longer);
    std::string line1, line2, line3;
    auto hex = [](int v) {
        static const char* digits = "0123456789ABCDEF";
        return std::string{digits[v >> 4], digits[v & 15]};
    };
    for (int i = 0; i < 32; ++i) line1 += hex(i);
    for (int i = 32; i < 64; ++i) line2 += hex(i);
    for (int i = 64; i < 70; ++i) line3 += hex(i);
    std::string ab;
    for (int i = 0; i < 32; ++i) ab += "AB";
    EXPECT_EQ(ObjectBinaryToText(b.Finish()), Lines({
                                                  "object T: TThing",
                                                  "  Exact = {",
                                                  "    " + ab + "}",
                                                  "  Objects = {",
                                                  "    " + line1,
                                                  "    " + line2,
                                                  "    " + line3 + "}",
                                                  "end",
                                              }));
}

TEST(ObjectBinaryToTextTest, NestedObjectsAreIndentedTwoSpacesPerLevel) {
    TMemoryStream stream;
    ValueWriter w(stream);
    w.WriteSignature();
    w.WriteName("TForm");
    w.WriteName("Form1");
    w.WriteName("Left");
    w.WriteInteger(304);
    w.WriteListEnd();
    w.WriteName("TPanel");
    w.WriteName("Panel1");
    w.WriteListEnd();
    w.WriteName("TButton");
    w.WriteName("Button1");
    w.WriteName("Caption");
    w.WriteString("OK");
    w.WriteListEnd();  // Button1's properties
    w.WriteListEnd();  // its nested objects
    w.WriteListEnd();  // Panel1's nested objects
    w.WriteListEnd();  // Form1's nested objects
    EXPECT_EQ(ObjectBinaryToText(stream.Bytes()), Lines({
                                                      "object Form1: TForm",
                                                      "  Left = 304",
                                                      "  object Panel1: TPanel",
                                                      "    object Button1: TButton",
                                                      "      Caption = 'OK'",
                                                      "    end",
                                                      "  end",
                                                      "end",
                                                  }));
}

std::vector<std::uint8_t> RichObject() {
    TMemoryStream stream;
    ValueWriter w(stream);
    w.WriteSignature();
    w.WriteName("TSeSkinObject");
    w.WriteName("Title");
    for (std::int64_t v : {0LL, 1LL, -1LL, 127LL, 128LL, -129LL, 40000LL, -40000LL, 2147483647LL}) {
        w.WriteName("Value");
        w.WriteInteger(v);
    }
    w.WriteName("Text");
    w.WriteString(std::string(300, 'q') + "'#\x01\x1f" + std::string(70, ' '));
    w.WriteName("Short");
    w.WriteString("\x7f\xe9\xff'");
    w.WriteName("Kind");
    w.WriteIdent("skTitle");
    w.WriteName("Font.Charset");
    w.WriteIdent("DEFAULT_CHARSET");
    w.WriteName("Masked");
    w.WriteBoolean(false);
    w.WriteName("Font.Style");
    w.WriteSet({"fsBold"});
    std::vector<std::uint8_t> payload(100);
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i * 37);
    w.WriteName("Objects");
    w.WriteBinary(payload);
    w.WriteListEnd();
    w.WriteName("TChild");
    w.WriteName("");
    w.WriteName("Objects");
    w.WriteBinary(std::vector<std::uint8_t>{0, 0, 0x0F, 0});
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    return stream.Bytes();
}

TEST(ObjectTextRoundTripTest, BinaryToTextToBinaryGivesTheSameBytes) {
    const std::vector<std::uint8_t> binary = RichObject();
    const std::string text = ObjectBinaryToText(binary);
    EXPECT_EQ(ObjectTextToBinary(text), binary);
    // And the text is stable: converting again gives the same text.
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary(text)), text);
}

TEST(ObjectTextToBinaryTest, AcceptsBareLineFeedsAndFreeSpacing) {
    const std::string crlf = ObjectBinaryToText(RichObject());
    std::string lf;
    for (char c : crlf) {
        if (c != '\r') lf += c;
    }
    EXPECT_EQ(ObjectTextToBinary(lf), RichObject());
    EXPECT_EQ(ObjectTextToBinary("object X: TX\n A=1\n  B = 'x' + 'y'\nC = {00 00\n 0F 00}\nend\n"),
              ObjectTextToBinary("object X: TX\r\n  A = 1\r\n  B = 'xy'\r\n  C = {00000F00}\r\nend\r\n"));
}

TEST(ObjectTextToBinaryTest, AnObjectWithoutNameMayShowAnEmptyNameBeforeTheColon) {
    EXPECT_EQ(ObjectTextToBinary("object : TX\r\nend\r\n"), ObjectTextToBinary("object TX\r\nend\r\n"));
    EXPECT_EQ(ObjectBinaryToText(ObjectTextToBinary("object : TX\r\nend\r\n")), "object TX\r\nend\r\n");
}

TEST(ObjectTextToBinaryTest, IntegersAreStoredInTheSmallestTag) {
    const auto binary = ObjectTextToBinary("object X: TX\r\n  A = -128\r\n  B = 128\r\n  C = 40000\r\nend\r\n");
    const std::vector<std::uint8_t> expected = {'T', 'P', 'F', '0', 2, 'T', 'X', 1, 'X', 1, 'A', 2, 0x80,
                                                1,   'B', 3,   0x80, 0, 1, 'C', 4, 0x40, 0x9C, 0, 0, 0, 0};
    EXPECT_EQ(binary, expected);
}

void ExpectParserError(const std::string& text, const std::string& message) {
    try {
        ObjectTextToBinary(text);
        FAIL() << "accepted: " << text;
    } catch (const EParserError& e) {
        EXPECT_EQ(std::string(e.what()), message) << text;
    }
}

TEST(ObjectTextToBinaryTest, MalformedTextGivesAnErrorWithItsLine) {
    ExpectParserError("", "Line 1: 'object' expected");
    ExpectParserError("object X: TX\r\n  A = 'open\r\nend\r\n", "Line 2: Unterminated string");
    ExpectParserError("object X: TX\r\n  A = 1\r\n", "Line 3: Identifier expected");
    ExpectParserError("object X: TX\r\n  A 1\r\nend\r\n", "Line 2: '=' expected");
    ExpectParserError("object X: TX\r\n  A = 4294967296\r\nend\r\n", "Line 2: Integer out of range");
    ExpectParserError("object X: TX\r\n  A = 2147483648\r\nend\r\n", "Line 2: Integer out of range");
    ExpectParserError("object X: TX\r\n  A = {123}\r\nend\r\n", "Line 2: Invalid binary value");
    ExpectParserError("object X: TX\r\n  A = {12\r\n", "Line 2: '}' expected");
    ExpectParserError("object X: TX\r\n  A = #256\r\nend\r\n", "Line 2: Character code out of range");
    ExpectParserError("object X: TX\r\n  A = [a, ]\r\nend\r\n", "Line 2: Identifier expected");
    ExpectParserError("object X: TX\r\n  A = 'x' +\r\nend\r\n", "Line 3: String expected");
    ExpectParserError("object X: TX\r\n  A = ;\r\nend\r\n", "Line 2: Invalid property value");
    ExpectParserError("object X: TX\r\nend\r\nend\r\n", "Line 3: Text after the end of the object");
    std::string deep;
    for (int i = 0; i < 40; ++i) deep += "object A: TA\n";
    ExpectParserError(deep, "Line 33: Objects nested too deeply");
}

void ExpectReadError(const std::vector<std::uint8_t>& binary, const char* message = nullptr) {
    try {
        ObjectBinaryToText(binary);
        FAIL() << "accepted";
    } catch (const EReadError& e) {
        if (message) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

// Each of these would give text that reads back as other bytes, or not at
// all: a line break in an identifier starts a second property, a comma in a
// set element makes two, "True" comes back as a boolean, "end" as a
// property name ends the object.
TEST(ObjectBinaryToTextTest, NamesAndIdentifiersTheTextCouldNotCarryAreRejected) {
    auto withIdent = [](const std::string& ident) {
        BinaryBuilder b("TX", "A");
        b.Property("Color").WriteIdent(ident);
        return b.Finish();
    };
    auto withProperty = [](const std::string& name) {
        BinaryBuilder b("TX", "A");
        b.Property(name).WriteInteger(1);
        return b.Finish();
    };
    ExpectReadError(withIdent("clRed\r\n  Left = 5"), "Identifier \"clRed#13#10  Left = 5\" is not a valid identifier");
    ExpectReadError(withIdent(""), "Identifier \"\" is not a valid identifier");
    ExpectReadError(withIdent("a.b"), "Identifier \"a.b\" is not a valid identifier");
    ExpectReadError(withIdent("True"), "Identifier \"True\" would read back as a boolean");
    ExpectReadError(withIdent("False"), "Identifier \"False\" would read back as a boolean");
    ExpectReadError(withProperty("end"), "Property name \"end\" is a reserved word");
    ExpectReadError(withProperty("OBJECT"), "Property name \"OBJECT\" is a reserved word");
    for (const char* bad : {"Font..Height", ".Left", "Left.", "1st", "a b"}) {
        ExpectReadError(withProperty(bad), ("Property name \"" + std::string(bad) + "\" is not a valid identifier").c_str());
    }
    ExpectReadError(BinaryBuilder("", "A").Finish(), "Class name \"\" is not a valid identifier");
    ExpectReadError(BinaryBuilder("T.X", "A").Finish(), "Class name \"T.X\" is not a valid identifier");
    ExpectReadError(BinaryBuilder("TX", "a b").Finish(), "Object name \"a b\" is not a valid identifier");
    BinaryBuilder set("TX", "A");
    set.Property("Font.Style").WriteSet({"fsBold, fsItalic"});
    ExpectReadError(set.Finish(), "Set element \"fsBold, fsItalic\" is not a valid identifier");

    // What the text can carry still reads back as the same bytes.
    BinaryBuilder good("TX", "");
    good.Property("Font.Height").WriteIdent("true");
    good.Property("end_").WriteSet({"_a", "b2"});
    const std::vector<std::uint8_t> binary = good.Finish();
    EXPECT_EQ(ObjectTextToBinary(ObjectBinaryToText(binary)), binary);
}

TEST(ObjectBinaryToTextTest, BytesAfterTheObjectAreAnError) {
    std::vector<std::uint8_t> binary = BinaryBuilder("TX", "A").Finish();
    binary.push_back(0);
    ExpectReadError(binary, errors::kBytesAfterObject);
}

TEST(ObjectTextToBinaryTest, NamesAndIdentifiersAreIdentifiersAndPropertyNamesDottedOnes) {
    ExpectParserError("object A.B: TX\r\nend\r\n", "Line 1: Invalid identifier \"A.B\"");
    ExpectParserError("object A: T.X\r\nend\r\n", "Line 1: Invalid identifier \"T.X\"");
    ExpectParserError("object X: TX\r\n  A = a.b\r\nend\r\n", "Line 2: Invalid identifier \"a.b\"");
    ExpectParserError("object X: TX\r\n  A = [a, b.c]\r\nend\r\n", "Line 2: Invalid identifier \"b.c\"");
    ExpectParserError("object X: TX\r\n  Font..Height = 1\r\nend\r\n", "Line 2: Invalid property name \"Font..Height\"");
    ExpectParserError("object X: TX\r\n  Font. = 1\r\nend\r\n", "Line 2: Invalid property name \"Font.\"");
    ExpectParserError("object X: TX\r\n  Font.1olor = 1\r\nend\r\n", "Line 2: Invalid property name \"Font.1olor\"");
}

TEST(ObjectBinaryToTextTest, EveryTruncationOfAValidStreamIsACleanError) {
    const std::vector<std::uint8_t> binary = RichObject();
    for (std::size_t length = 0; length < binary.size(); ++length) {
        SCOPED_TRACE(length);
        ExpectReadError(std::vector<std::uint8_t>(binary.begin(), binary.begin() + length));
    }
}

TEST(ObjectBinaryToTextTest, BadHeadersTagsAndLengthsAreCleanErrors) {
    ExpectReadError({'T', 'P', 'F', '1', 1, 'X', 0, 0, 0}, errors::kInvalidImage);
    ExpectReadError({'T', 'P'}, errors::kInvalidImage);
    ExpectReadError({'T', 'P', 'F', '0', 1, 'X', 0, 1, 'A', 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, errors::kUnknownTag);
    ExpectReadError({'T', 'P', 'F', '0', 1, 'X', 0, 1, 'A', 10, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0},
                    errors::kLengthTooLarge);
    ExpectReadError({'T', 'P', 'F', '0', 1, 'X', 0, 1, 'A', 12, 0x00, 0x00, 0x00, 0x40, 'a', 0, 0},
                    errors::kLengthTooLarge);
    ExpectReadError({'T', 'P', 'F', '0', 1, 'X', 0, 1, 'A', 10, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}, errors::kInvalidValue);
    // A name whose length byte points past the end.
    ExpectReadError({'T', 'P', 'F', '0', 200, 'X'}, errors::kReadError);
    // Objects nested deeper than any real stream.
    std::vector<std::uint8_t> deep = {'T', 'P', 'F', '0'};
    for (int i = 0; i < 100; ++i) {
        deep.insert(deep.end(), {1, 'X', 0, 0});
    }
    ExpectReadError(deep, errors::kTooDeep);
}

}  // namespace
}  // namespace framework
