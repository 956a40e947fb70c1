#include "framework/Font.h"

namespace framework {

namespace {
const EnumInfo kFontStyles{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
}

const PropertyTable& TFont::ClassProperties() {
    static const PropertyTable table(&TPersistent::ClassProperties(),
                                     {
                                         CharsetProperty("Charset", &TFont::Charset, &TFont::SetCharset),
                                         ColorProperty("Color", &TFont::Color, &TFont::SetColor),
                                         IntegerProperty("Height", &TFont::Height, &TFont::SetHeight),
                                         StringProperty("Name", &TFont::Name, &TFont::SetName, true),
                                         SetProperty("Style", kFontStyles, &TFont::Style, &TFont::SetStyle),
                                     });
    return table;
}

void TFont::Changed() {
    if (onChange) onChange();
}

void TFont::SetCharset(int value) {
    charset_ = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    color_ = value;
    Changed();
}

void TFont::SetHeight(int value) {
    height_ = value;
    Changed();
}

void TFont::SetName(const std::string& value) {
    name_ = value;
    Changed();
}

void TFont::SetStyle(std::uint32_t value) {
    style_ = value & (fsBold | fsItalic | fsUnderline | fsStrikeOut);
    Changed();
}

void TFont::Assign(const TFont& other) {
    charset_ = other.charset_;
    color_ = other.color_;
    height_ = other.height_;
    name_ = other.name_;
    style_ = other.style_;
    Changed();
}

bool TFont::operator==(const TFont& other) const {
    return charset_ == other.charset_ && color_ == other.color_ && height_ == other.height_ &&
           name_ == other.name_ && style_ == other.style_;
}

}  // namespace framework
