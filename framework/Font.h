// A font description: what a control or a skin object draws text with.
// Portable data only; the win32 part turns it into a GDI font.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/IdentMaps.h"
#include "framework/Persistent.h"

namespace framework {

enum TFontStyle : std::uint32_t {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};

class TFont : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TFont";
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // Stored as "Charset", "Color", "Height", "Name", "Style", in this order,
    // all of them always.
    static const PropertyTable& ClassProperties();

    int Charset() const { return charset_; }
    void SetCharset(int value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int value);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    std::uint32_t Style() const { return style_; }
    void SetStyle(std::uint32_t value);

    void Assign(const TFont& other);
    bool operator==(const TFont& other) const;

    // Called after every change (for controls that must redraw).
    std::function<void()> onChange;

private:
    void Changed();

    // The framework's default font.
    int charset_ = DEFAULT_CHARSET_VALUE;
    TColor color_ = clWindowText;
    int height_ = -11;
    std::string name_ = "MS Sans Serif";
    std::uint32_t style_ = 0;
};

}  // namespace framework
