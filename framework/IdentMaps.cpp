#include "framework/IdentMaps.h"

#include <span>

#include "framework/TextUtil.h"

namespace framework {

namespace {
struct IdentEntry {
    std::int64_t value;
    std::string_view name;
};

constexpr IdentEntry kColors[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0xC0DCC0, "clMoneyGreen"},
    {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},
    {0xA4A0A0, "clMedGray"},
    {SystemColor(0), "clScrollBar"},
    {SystemColor(1), "clBackground"},
    {SystemColor(2), "clActiveCaption"},
    {SystemColor(3), "clInactiveCaption"},
    {SystemColor(4), "clMenu"},
    {SystemColor(5), "clWindow"},
    {SystemColor(6), "clWindowFrame"},
    {SystemColor(7), "clMenuText"},
    {SystemColor(8), "clWindowText"},
    {SystemColor(9), "clCaptionText"},
    {SystemColor(10), "clActiveBorder"},
    {SystemColor(11), "clInactiveBorder"},
    {SystemColor(12), "clAppWorkSpace"},
    {SystemColor(13), "clHighlight"},
    {SystemColor(14), "clHighlightText"},
    {SystemColor(15), "clBtnFace"},
    {SystemColor(16), "clBtnShadow"},
    {SystemColor(17), "clGrayText"},
    {SystemColor(18), "clBtnText"},
    {SystemColor(19), "clInactiveCaptionText"},
    {SystemColor(20), "clBtnHighlight"},
    {SystemColor(21), "cl3DDkShadow"},
    {SystemColor(22), "cl3DLight"},
    {SystemColor(23), "clInfoText"},
    {SystemColor(24), "clInfoBk"},
    {SystemColor(26), "clHotLight"},
    {SystemColor(27), "clGradientActiveCaption"},
    {SystemColor(28), "clGradientInactiveCaption"},
    {SystemColor(29), "clMenuHighlight"},
    {SystemColor(30), "clMenuBar"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

constexpr IdentEntry kCharsets[] = {
    {0, "ANSI_CHARSET"},       {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},   {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},   {130, "JOHAB_CHARSET"},  {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},  {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},   {178, "ARABIC_CHARSET"},    {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

std::string_view ValueToIdent(std::span<const IdentEntry> table, std::int64_t value) {
    for (const IdentEntry& e : table) {
        if (e.value == value) return e.name;
    }
    return {};
}

std::optional<std::int64_t> IdentToValue(std::span<const IdentEntry> table, std::string_view ident) {
    for (const IdentEntry& e : table) {
        if (SameText(e.name, ident)) return e.value;
    }
    return std::nullopt;
}
}  // namespace

std::string_view ColorToIdent(TColor color) { return ValueToIdent(kColors, color); }

std::optional<TColor> IdentToColor(std::string_view ident) {
    auto v = IdentToValue(kColors, ident);
    if (!v) return std::nullopt;
    return static_cast<TColor>(*v);
}

std::string_view CharsetToIdent(int charset) { return ValueToIdent(kCharsets, charset); }

std::optional<int> IdentToCharset(std::string_view ident) {
    auto v = IdentToValue(kCharsets, ident);
    if (!v) return std::nullopt;
    return static_cast<int>(*v);
}

}  // namespace framework
