// Small helpers for the 8-bit texts of the stored formats.
#pragma once

#include <string>
#include <string_view>

namespace framework {

// ASCII letters changed in case; every other byte stays as it is (the
// stored texts are 8-bit and not in any one code page).
constexpr char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
constexpr char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Equal without regard to ASCII letter case, as names of properties,
// components and identifiers are compared.
bool SameText(std::string_view a, std::string_view b);

// `text` with ASCII capitals made small: a key under which SameText-equal
// names fall together.
std::string FoldedText(std::string_view text);

// A letter or '_', then letters, digits and '_' (ASCII only): the names of
// classes, components, properties (between their dots) and identifiers.
bool IsIdentifier(std::string_view text);

// Identifiers joined by single dots ("Font.Height"): the names of
// properties, which reach into contained objects.
bool IsDottedName(std::string_view text);

// `text` in double quotes for an error message, with characters below 32
// and above 126 written as #n, so that a bad name cannot break the message.
std::string QuotedForMessage(std::string_view text);

}  // namespace framework
