#include "framework/TextUtil.h"

namespace framework {

namespace {
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

std::string FoldedText(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = LowerAscii(c);
    return folded;
}

bool IsIdentifier(std::string_view text) {
    if (text.empty() || !IsLetter(text[0])) return false;
    for (char c : text) {
        if (!IsLetter(c) && !IsDigit(c)) return false;
    }
    return true;
}

bool IsDottedName(std::string_view text) {
    // One pass: each part starts with a letter or '_'; a dot ends a part.
    bool partStart = true;
    for (char c : text) {
        if (c == '.') {
            if (partStart) return false;
            partStart = true;
        } else if (partStart ? !IsLetter(c) : !IsLetter(c) && !IsDigit(c)) {
            return false;
        } else {
            partStart = false;
        }
    }
    return !partStart;
}

std::string QuotedForMessage(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || code > 126) {
            quoted += '#';
            quoted += std::to_string(code);
        } else {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

}  // namespace framework
