#include "framework/win32/StdControls.h"

#include "framework/ClassRegistry.h"
#include "framework/win32/BitBtn.h"
#include "framework/win32/Form.h"
#include "framework/win32/ProgressBar.h"

namespace framework {

namespace {
const EnumInfo kScrollStyles{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// Text and background of controls that sit on the form's face.
HBRUSH FormFaceColors(TControl& control, HDC dc) {
    TForm* form = control.ParentForm();
    if (!form) return nullptr;
    SetTextColor(dc, ColorToRGB(form->Font()->Color()));
    SetBkColor(dc, ColorToRGB(form->Color()));
    return form->BrushHandle();
}
}  // namespace

// ---- TMemo ------------------------------------------------------------------

void TMemoLines::Add(const std::string& line) {
    HWND h = memo_.Handle();
    if (!h) return;
    const int length = GetWindowTextLengthA(h);
    std::string insert = line + "\r\n";
    // Text typed by the user may lack the final line break: then the last
    // line is not empty. Asking for the last line keeps a long log from
    // being copied out for every line added.
    const LRESULT lastLine = SendMessageA(h, EM_GETLINECOUNT, 0, 0) - 1;
    const LRESULT lastStart = SendMessageA(h, EM_LINEINDEX, static_cast<WPARAM>(lastLine), 0);
    if (length > 0 && SendMessageA(h, EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) > 0) insert = "\r\n" + insert;
    SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
    SendMessageA(h, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(insert.c_str()));
    SendMessageA(h, EM_SCROLLCARET, 0, 0);
}

void TMemoLines::Clear() {
    if (memo_.Handle()) SetWindowTextA(memo_.Handle(), "");
}

std::string TMemoLines::Text() const { return memo_.Handle() ? WindowText(memo_.Handle()) : std::string(); }

std::vector<std::string> TMemoLines::Lines() const {
    const std::string text = Text();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TMemo::TMemo(TComponent* owner) : TControl(owner) {}

const PropertyTable& TMemo::ClassProperties() {
    static const PropertyTable table(
        &TControl::ClassProperties(),
        {
            BooleanProperty("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly, false),
            EnumProperty("ScrollBars", kScrollStyles, &TMemo::ScrollBars, &TMemo::SetScrollBars, TScrollStyle::ssNone),
            BooleanProperty("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap, true),
        });
    return table;
}

void TMemo::SetReadOnly(bool value) {
    readOnly_ = value;
    if (Handle()) SendMessageA(Handle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

TControl::CreateParams TMemo::GetCreateParams() const {
    CreateParams params;
    params.className = "EDIT";
    params.exStyle = WS_EX_CLIENTEDGE;
    params.style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (readOnly_) params.style |= ES_READONLY;
    if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_VSCROLL;
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_HSCROLL;
    return params;
}

void TMemo::HandleCreated() {
    // A log grows past the edit control's default limit of 32 KB.
    SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);
}

HBRUSH TMemo::HandleCtlColor(HDC dc) {
    if (TForm* form = ParentForm()) SetTextColor(dc, ColorToRGB(form->Font()->Color()));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

// ---- buttons ----------------------------------------------------------------

void TButtonControl::SetOnClick(const std::string& name, TNotifyEvent handler) {
    onClickName_ = name;
    onClick = std::move(handler);
}

void TButtonControl::Click() {
    if (onClick) onClick(*this);
}

void TButtonControl::HandleCommand(WORD notifyCode) {
    if (notifyCode == BN_CLICKED) Click();
}

const PropertyTable& TButton::ClassProperties() {
    static const PropertyTable table(&TControl::ClassProperties(),
                                     {
                                         StringProperty("Caption", &TButton::Caption, &TButton::SetCaption),
                                         EventProperty("OnClick", &TButton::OnClickName, &TButton::SetOnClick),
                                     });
    return table;
}

TControl::CreateParams TButton::GetCreateParams() const {
    CreateParams params;
    params.className = "BUTTON";
    params.style = BS_PUSHBUTTON;
    return params;
}

const PropertyTable& TCheckBox::ClassProperties() {
    static const PropertyTable table(
        &TControl::ClassProperties(),
        {
            StringProperty("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption),
            BooleanProperty("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked, false),
            EventProperty("OnClick", &TCheckBox::OnClickName, &TCheckBox::SetOnClick),
        });
    return table;
}

bool TCheckBox::Checked() const {
    if (Handle()) return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked_;
}

void TCheckBox::SetChecked(bool value) {
    checked_ = value;
    if (Handle()) SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

TControl::CreateParams TCheckBox::GetCreateParams() const {
    CreateParams params;
    params.className = "BUTTON";
    params.style = BS_AUTOCHECKBOX;
    return params;
}

void TCheckBox::HandleCreated() { SetChecked(checked_); }

HBRUSH TCheckBox::HandleCtlColor(HDC dc) { return FormFaceColors(*this, dc); }

// ---- TLabel -----------------------------------------------------------------

const PropertyTable& TLabel::ClassProperties() {
    static const PropertyTable table(&TControl::ClassProperties(),
                                     {StringProperty("Caption", &TLabel::Caption, &TLabel::SetCaption)});
    return table;
}

TControl::CreateParams TLabel::GetCreateParams() const {
    CreateParams params;
    params.className = "STATIC";
    params.style = SS_LEFT;
    return params;
}

HBRUSH TLabel::HandleCtlColor(HDC dc) { return FormFaceColors(*this, dc); }

void RegisterStandardControls() {
    RegisterComponentClass<TMemo>();
    RegisterComponentClass<TButton>();
    RegisterComponentClass<TCheckBox>();
    RegisterComponentClass<TLabel>();
    RegisterComponentClass<TBitBtn>();
    RegisterComponentClass<TProgressBar>();
}

}  // namespace framework
