// A push button with a glyph. Of its kinds only bkClose has behaviour of
// its own: the caption "&Close", a drawn close glyph, and a click that closes
// the form the button is on.
#pragma once

#include "framework/win32/StdControls.h"

namespace framework {

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButtonControl {
public:
    static constexpr std::string_view kClassName = "TBitBtn";
    using TButtonControl::TButtonControl;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Caption, Kind (default bkCustom), OnClick.
    static const PropertyTable& ClassProperties();

    TBitBtnKind Kind() const { return kind_; }
    // bkClose also sets the caption to "&Close".
    void SetKind(TBitBtnKind value);

    // The OnClick handler, then for bkClose: close the form.
    void Click() override;
    bool HandleDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    CreateParams GetCreateParams() const override;

private:
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

// Draws the close glyph (an open door with an arrow leaving through it),
// 16 x 16 pixels with its top left corner at (x, y); greyed when disabled.
void DrawCloseGlyph(HDC dc, int x, int y, bool enabled);

}  // namespace framework
