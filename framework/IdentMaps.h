// The identifiers under which colours and font character sets are stored in
// component streams: the standard Windows colour and character-set names
// with their values.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace framework {

// A colour value: 0x00BBGGRR, or a system colour (0x80000000 | COLOR_xxx,
// negative as a signed number).
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clWindow = SystemColor(5);

// The colour value (0x00BBGGRR) of a system colour in the user's current
// colour scheme; other colours are returned as they are. Where there is no
// colour scheme (the portable build) the classic standard scheme answers, so
// that portable code and its tests see stable values.
TColor ResolveSystemColor(TColor color);

// Name of a colour ("clWhite", "clBtnFace"), or empty when it has none.
std::string_view ColorToIdent(TColor color);
// Value of a colour name (ASCII case ignored), or nothing.
std::optional<TColor> IdentToColor(std::string_view ident);

inline constexpr int DEFAULT_CHARSET_VALUE = 1;
// Name of a character set ("DEFAULT_CHARSET"), or empty when it has none.
std::string_view CharsetToIdent(int charset);
std::optional<int> IdentToCharset(std::string_view ident);

}  // namespace framework
