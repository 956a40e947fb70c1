#include "framework/ObjectText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "framework/FrameworkError.h"
#include "framework/StreamValues.h"
#include "framework/TextUtil.h"

namespace framework {

namespace {

constexpr std::size_t kStringPieceLength = 64;
constexpr std::size_t kBinaryBytesPerLine = 32;

// ---- binary -> text -------------------------------------------------------

class TextEmitter {
public:
    TextEmitter(TStream& input, TStream& output) : reader_(input), output_(output) {}

    void Convert() {
        reader_.ReadSignature();
        ConvertObject(0);
        // As text after the object is an error, so are bytes after it:
        // they would be lost on the way to text and back.
        if (reader_.Remaining() != 0) throw EReadError(errors::kBytesAfterObject);
    }

private:
    void Put(std::string_view text) { output_.WriteBuffer(text.data(), text.size()); }
    void Indent(int level) { Put(std::string(static_cast<std::size_t>(level) * 2, ' ')); }
    void NewLine(int level) {
        Put("\r\n");
        Indent(level);
    }

    void ConvertObject(int level) {
        if (level >= kMaxObjectDepth) throw EReadError(errors::kTooDeep);
        const std::string className = reader_.ReadClassName();
        const std::string objectName = reader_.ReadObjectName();
        Indent(level);
        Put("object ");
        if (!objectName.empty()) {
            Put(objectName);
            Put(": ");
        }
        Put(className);
        Put("\r\n");
        while (!reader_.EndOfList()) {
            const std::string propertyName = reader_.ReadPropertyName();
            Indent(level + 1);
            Put(propertyName);
            Put(" = ");
            ConvertValue(level + 1);
            Put("\r\n");
        }
        while (!reader_.EndOfList()) ConvertObject(level + 1);
        Indent(level);
        Put("end\r\n");
    }

    void ConvertValue(int level) {
        const ValueTag tag = reader_.ReadTag();
        switch (tag) {
            case ValueTag::Int8:
            case ValueTag::Int16:
            case ValueTag::Int32:
                Put(std::to_string(reader_.ReadIntegerPayload(tag)));
                break;
            case ValueTag::String:
            case ValueTag::LString:
                PutString(reader_.ReadStringPayload(tag), level);
                break;
            case ValueTag::Ident:
                Put(reader_.ReadIdentPayload(tag));
                break;
            case ValueTag::False:
                Put("False");
                break;
            case ValueTag::True:
                Put("True");
                break;
            case ValueTag::Binary:
                PutBinary(reader_.ReadBinaryPayload(tag), level);
                break;
            case ValueTag::Set: {
                Put("[");
                const std::vector<std::string> idents = reader_.ReadSetPayload(tag);
                for (std::size_t i = 0; i < idents.size(); ++i) {
                    if (i) Put(", ");
                    Put(idents[i]);
                }
                Put("]");
                break;
            }
            default:
                throw EReadError(errors::kUnknownTag);
        }
    }

    void PutString(const std::string& s, int level) {
        if (s.empty()) {
            Put("''");
            return;
        }
        const bool split = s.size() > kStringPieceLength;
        if (split) NewLine(level + 1);
        for (std::size_t pieceStart = 0; pieceStart < s.size(); pieceStart += kStringPieceLength) {
            if (pieceStart) {
                Put(" +");
                NewLine(level + 1);
            }
            const std::size_t pieceEnd = std::min(s.size(), pieceStart + kStringPieceLength);
            bool quoted = false;
            for (std::size_t i = pieceStart; i < pieceEnd; ++i) {
                const auto c = static_cast<unsigned char>(s[i]);
                if (c < 32) {
                    if (quoted) Put("'");
                    quoted = false;
                    Put("#");
                    Put(std::to_string(c));
                } else {
                    if (!quoted) Put("'");
                    quoted = true;
                    Put(c == '\'' ? std::string_view("''") : std::string_view(&s[i], 1));
                }
            }
            if (quoted) Put("'");
        }
    }

    void PutBinary(const std::vector<std::uint8_t>& bytes, int level) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        Put("{");
        const bool multiLine = bytes.size() >= kBinaryBytesPerLine;
        std::string line;
        for (std::size_t start = 0; start < bytes.size(); start += kBinaryBytesPerLine) {
            if (multiLine) NewLine(level + 1);
            line.clear();
            const std::size_t end = std::min(bytes.size(), start + kBinaryBytesPerLine);
            for (std::size_t i = start; i < end; ++i) {
                line += kHex[bytes[i] >> 4];
                line += kHex[bytes[i] & 15];
            }
            Put(line);
        }
        Put("}");
    }

    ValueReader reader_;
    TStream& output_;
};

// ---- text -> binary -------------------------------------------------------

enum class TokenKind { End, Symbol, Identifier, Integer, String };

struct Token {
    TokenKind kind = TokenKind::End;
    char symbol = 0;
    std::string text;       // identifier, or the decoded string
    std::int64_t number = 0;
    int line = 1;
};

class TextParser {
public:
    TextParser(std::string_view text, TStream& output) : text_(text), writer_(output) {}

    void Convert() {
        Next();
        writer_.WriteSignature();
        ParseObject(0);
        if (token_.kind != TokenKind::End) Fail("Text after the end of the object");
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EParserError("Line " + std::to_string(token_.line) + ": " + what);
    }

    static bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
    static bool IsIdentChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
    }

    void SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                break;
            }
            ++pos_;
        }
    }

    void Next() {
        SkipBlanks();
        token_ = Token{};
        token_.line = line_;
        if (pos_ >= text_.size()) return;
        const char c = text_[pos_];
        if (IsIdentStart(c)) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
            token_.kind = TokenKind::Identifier;
            token_.text = std::string(text_.substr(start, pos_ - start));
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '$') {
            ScanInteger();
        } else if (c == '\'' || c == '#') {
            ScanString();
        } else {
            token_.kind = TokenKind::Symbol;
            token_.symbol = c;
            ++pos_;
        }
    }

    void ScanInteger() {
        bool negative = false;
        if (text_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        int base = 10;
        if (pos_ < text_.size() && text_[pos_] == '$') {
            base = 16;
            ++pos_;
        }
        std::int64_t value = 0;
        std::size_t digits = 0;
        while (pos_ < text_.size()) {
            const int d = DigitValue(text_[pos_], base);
            if (d < 0) break;
            value = value * base + d;
            // Beyond 32 bits no value can be stored; stop before overflowing.
            if (value > 0x1'0000'0000LL) Fail("Integer out of range");
            ++digits;
            ++pos_;
        }
        if (digits == 0) Fail("Invalid number");
        if (pos_ < text_.size() && IsIdentChar(text_[pos_])) Fail("Invalid number");
        token_.kind = TokenKind::Integer;
        token_.number = negative ? -value : value;
    }

    static int DigitValue(char c, int base) {
        if (c >= '0' && c <= '9') return c - '0';
        if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }

    // Adjacent 'quoted' pieces and #n codes form one string.
    void ScanString() {
        std::string value;
        while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
            if (text_[pos_] == '#') {
                ++pos_;
                int base = 10;
                if (pos_ < text_.size() && text_[pos_] == '$') {
                    base = 16;
                    ++pos_;
                }
                int code = 0;
                std::size_t digits = 0;
                while (pos_ < text_.size() && DigitValue(text_[pos_], base) >= 0) {
                    code = code * base + DigitValue(text_[pos_], base);
                    if (code > 255) Fail("Character code out of range");
                    ++digits;
                    ++pos_;
                }
                if (digits == 0) Fail("Invalid character code");
                value += static_cast<char>(code);
            } else {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n') {
                        Fail("Unterminated string");
                    }
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            value += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    value += text_[pos_++];
                }
            }
        }
        token_.kind = TokenKind::String;
        token_.text = std::move(value);
    }

    bool IsKeyword(std::string_view word) const {
        return token_.kind == TokenKind::Identifier && SameText(token_.text, word);
    }
    bool IsSymbol(char c) const { return token_.kind == TokenKind::Symbol && token_.symbol == c; }

    std::string ExpectIdentifier() {
        if (token_.kind != TokenKind::Identifier) Fail("Identifier expected");
        if (token_.text.size() > 255) Fail("Identifier longer than 255 characters");
        std::string name = token_.text;
        Next();
        return name;
    }

    // An identifier without dots: a class or object name, an identifier
    // value or a set element.
    std::string ExpectPlainIdentifier() {
        if (token_.kind == TokenKind::Identifier && !IsIdentifier(token_.text)) {
            Fail("Invalid identifier " + QuotedForMessage(token_.text));
        }
        return ExpectIdentifier();
    }

    void ExpectSymbol(char c) {
        if (!IsSymbol(c)) Fail(std::string("'") + c + "' expected");
        Next();
    }

    void ParseObject(int depth) {
        if (depth >= kMaxObjectDepth) Fail(errors::kTooDeep);
        if (!IsKeyword("object")) Fail("'object' expected");
        Next();
        // "object : TClass" is read as an object without a name, like the
        // "object TClass" that the converter writes for one.
        std::string objectName = IsSymbol(':') ? std::string() : ExpectPlainIdentifier();
        std::string className;
        if (IsSymbol(':')) {
            Next();
            className = ExpectPlainIdentifier();
        } else {
            className = std::move(objectName);
            objectName.clear();
        }
        writer_.WriteName(className);
        writer_.WriteName(objectName);
        while (!IsKeyword("end") && !IsKeyword("object")) ParseProperty();
        writer_.WriteListEnd();
        while (IsKeyword("object")) ParseObject(depth + 1);
        writer_.WriteListEnd();
        if (!IsKeyword("end")) Fail("'end' expected");
        Next();
    }

    void ParseProperty() {
        // Identifiers joined by dots: the dots name properties of contained
        // objects ("Font.Height").
        if (token_.kind == TokenKind::Identifier && !IsDottedName(token_.text)) {
            Fail("Invalid property name " + QuotedForMessage(token_.text));
        }
        const std::string name = ExpectIdentifier();
        writer_.WriteName(name);
        ExpectSymbol('=');
        ParseValue();
    }

    void ParseValue() {
        switch (token_.kind) {
            case TokenKind::Integer:
                if (token_.number < INT32_MIN || token_.number > INT32_MAX) Fail("Integer out of range");
                writer_.WriteInteger(token_.number);
                Next();
                return;
            case TokenKind::String: {
                std::string value = token_.text;
                Next();
                while (IsSymbol('+')) {
                    Next();
                    if (token_.kind != TokenKind::String) Fail("String expected");
                    value += token_.text;
                    Next();
                }
                writer_.WriteString(value);
                return;
            }
            case TokenKind::Identifier:
                if (token_.text == "True") {
                    writer_.WriteBoolean(true);
                } else if (token_.text == "False") {
                    writer_.WriteBoolean(false);
                } else {
                    writer_.WriteIdent(ExpectPlainIdentifier());
                    return;
                }
                Next();
                return;
            case TokenKind::Symbol:
                if (token_.symbol == '[') {
                    ParseSet();
                    return;
                }
                if (token_.symbol == '{') {
                    ParseBinary();
                    return;
                }
                break;
            case TokenKind::End:
                break;
        }
        Fail(errors::kInvalidValue);
    }

    void ParseSet() {
        Next();
        std::vector<std::string> idents;
        if (!IsSymbol(']')) {
            for (;;) {
                idents.push_back(ExpectPlainIdentifier());
                if (IsSymbol(']')) break;
                ExpectSymbol(',');
            }
        }
        Next();
        writer_.WriteSet(idents);
    }

    // The '{' is the current token; the digits are scanned from the text
    // directly, since they are not tokens of their own.
    void ParseBinary() {
        // Stored skins carry hundreds of kilobytes in these digits: one
        // table lookup a character.
        static const std::array<std::int8_t, 256> kDigit = [] {
            std::array<std::int8_t, 256> table{};
            table.fill(-1);
            for (int c = '0'; c <= '9'; ++c) table[std::size_t(c)] = std::int8_t(c - '0');
            for (int c = 'A'; c <= 'F'; ++c) table[std::size_t(c)] = std::int8_t(c - 'A' + 10);
            for (int c = 'a'; c <= 'f'; ++c) table[std::size_t(c)] = std::int8_t(c - 'a' + 10);
            return table;
        }();
        const std::size_t close = text_.find('}', pos_);
        if (close == std::string_view::npos) {
            pos_ = text_.size();
            Fail("'}' expected");
        }
        std::vector<std::uint8_t> bytes((close - pos_) / 2);
        std::size_t count = 0;
        int high = -1;
        for (; pos_ < close; ++pos_) {
            // Two digits of a byte, the common case, in one step.
            if (high < 0 && pos_ + 1 < close) {
                const int first = kDigit[static_cast<unsigned char>(text_[pos_])];
                const int second = kDigit[static_cast<unsigned char>(text_[pos_ + 1])];
                if ((first | second) >= 0) {
                    bytes[count++] = static_cast<std::uint8_t>(first << 4 | second);
                    ++pos_;
                    continue;
                }
            }
            const auto c = static_cast<unsigned char>(text_[pos_]);
            const int d = kDigit[c];
            if (d >= 0) {
                if (high < 0) {
                    high = d;
                } else {
                    bytes[count++] = static_cast<std::uint8_t>(high << 4 | d);
                    high = -1;
                }
            } else if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                Fail("Invalid binary value");
            }
        }
        ++pos_;  // the '}'
        if (high >= 0) Fail("Invalid binary value");
        bytes.resize(count);
        writer_.WriteBinary(bytes);
        Next();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    Token token_;
    ValueWriter writer_;
};

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) { TextEmitter(input, output).Convert(); }

void ObjectTextToBinary(TStream& input, TStream& output) {
    const std::vector<std::uint8_t> bytes = ReadToEnd(input, kMaxObjectTextBytes);
    const std::string text(bytes.begin(), bytes.end());
    TextParser(text, output).Convert();
}

std::string ObjectBinaryToText(const std::vector<std::uint8_t>& binary) {
    TMemoryStream input(binary);
    TMemoryStream output;
    ObjectBinaryToText(input, output);
    return output.Text();
}

std::vector<std::uint8_t> ObjectTextToBinary(const std::string& text) {
    if (text.size() > kMaxObjectTextBytes) throw EStreamError(errors::kStreamTooLarge);
    TMemoryStream output;
    TextParser(text, output).Convert();  // parsed in place: skin records hold large texts
    return output.Bytes();
}

}  // namespace framework
