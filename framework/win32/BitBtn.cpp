#include "framework/win32/BitBtn.h"

#include "framework/win32/Form.h"
#include "framework/win32/Graphics.h"

namespace framework {

namespace {
const EnumInfo kBitBtnKinds{"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                            "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
constexpr int kGlyphSize = 16;
constexpr int kGlyphSpacing = 4;
}  // namespace

const PropertyTable& TBitBtn::ClassProperties() {
    static const PropertyTable table(
        &TControl::ClassProperties(),
        {
            StringProperty("Caption", &TBitBtn::Caption, &TBitBtn::SetCaption),
            EnumProperty("Kind", kBitBtnKinds, &TBitBtn::Kind, &TBitBtn::SetKind, TBitBtnKind::bkCustom),
            EventProperty("OnClick", &TBitBtn::OnClickName, &TBitBtn::SetOnClick),
        });
    return table;
}

void TBitBtn::SetKind(TBitBtnKind value) {
    kind_ = value;
    if (value == TBitBtnKind::bkClose) SetCaption("&Close");
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TBitBtn::Click() {
    TButtonControl::Click();
    if (kind_ == TBitBtnKind::bkClose) {
        if (TForm* form = ParentForm()) form->Close();
    }
}

TControl::CreateParams TBitBtn::GetCreateParams() const {
    CreateParams params;
    params.className = "BUTTON";
    params.style = BS_OWNERDRAW;
    return params;
}

void DrawCloseGlyph(HDC dc, int x, int y, bool enabled) {
    const COLORREF frame = enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT);
    const COLORREF door = enabled ? RGB(0, 128, 128) : GetSysColor(COLOR_BTNSHADOW);
    const COLORREF arrow = enabled ? RGB(0, 128, 0) : GetSysColor(COLOR_GRAYTEXT);
    GdiObject<HPEN> framePen(CreatePen(PS_SOLID, 1, frame));
    GdiObject<HBRUSH> doorBrush(CreateSolidBrush(door));
    GdiObject<HPEN> arrowPen(CreatePen(PS_SOLID, 1, arrow));
    GdiObject<HBRUSH> arrowBrush(CreateSolidBrush(arrow));
    HGDIOBJ oldPen = SelectObject(dc, framePen.Get());
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    // The doorway.
    Rectangle(dc, x + 1, y + 1, x + 10, y + 16);
    // The open door leaf, swung towards the viewer.
    SelectObject(dc, doorBrush.Get());
    const POINT leaf[] = {{x + 1, y + 1}, {x + 6, y + 3}, {x + 6, y + 15}, {x + 1, y + 15}};
    Polygon(dc, leaf, 4);
    SetPixel(dc, x + 5, y + 9, frame);  // knob
    // The arrow leaving through the doorway.
    SelectObject(dc, arrowPen.Get());
    SelectObject(dc, arrowBrush.Get());
    Rectangle(dc, x + 8, y + 7, x + 13, y + 10);
    const POINT head[] = {{x + 12, y + 4}, {x + 15, y + 8}, {x + 12, y + 12}};
    Polygon(dc, head, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

bool TBitBtn::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const int shift = pressed ? 1 : 0;

    HGDIOBJ oldFont = nullptr;
    if (TForm* form = ParentForm()) oldFont = SelectObject(dc, form->FontHandle());
    RECT textRect{0, 0, 0, 0};
    DrawTextA(dc, Caption().c_str(), -1, &textRect, DT_CALCRECT | DT_SINGLELINE);
    const int hasGlyph = kind_ == TBitBtnKind::bkClose;
    const int contentWidth = (hasGlyph ? kGlyphSize + kGlyphSpacing : 0) + (textRect.right - textRect.left);
    int x = r.left + ((r.right - r.left) - contentWidth) / 2 + shift;
    const int midY = r.top + (r.bottom - r.top) / 2 + shift;
    if (hasGlyph) {
        DrawCloseGlyph(dc, x, midY - kGlyphSize / 2, !disabled);
        x += kGlyphSize + kGlyphSpacing;
    }
    const int textHeight = textRect.bottom - textRect.top;
    RECT target{x, midY - textHeight / 2, x + (textRect.right - textRect.left), midY - textHeight / 2 + textHeight};
    SetBkMode(dc, TRANSPARENT);
    if (disabled) {
        // Embossed like other disabled captions.
        OffsetRect(&target, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, Caption().c_str(), -1, &target, DT_SINGLELINE);
        OffsetRect(&target, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextA(dc, Caption().c_str(), -1, &target, DT_SINGLELINE);
    if (focused && !disabled) {
        RECT focusRect = r;
        InflateRect(&focusRect, -4, -4);
        DrawFocusRect(dc, &focusRect);
    }
    if (oldFont) SelectObject(dc, oldFont);
    return true;
}

}  // namespace framework
