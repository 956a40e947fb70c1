#include "framework/win32/Form.h"

#include <algorithm>

#include "framework/ComponentStreaming.h"
#include "framework/TextUtil.h"
#include <windowsx.h>

#include "framework/win32/Application.h"
#include "framework/win32/GraphicControl.h"
#include "framework/win32/Screen.h"
#include "framework/win32/StdControls.h"

namespace framework {

namespace {
const char* const kFormClass = "FrameworkForm";

const EnumInfo kBorderIcons{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
const EnumInfo kBorderStyles{"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};

}  // namespace

void TForm::RegisterWindowClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &TForm::StaticWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    // The program's icon, so that the taskbar and Alt+Tab show it.
    wc.hIcon = Application().Icon();
    wc.lpszClassName = kFormClass;
    RegisterClassA(&wc);
    registered = true;
}

const PropertyTable& TForm::ClassProperties() {
    static const PropertyTable table(
        &TControl::ClassProperties(),
        {
            SetProperty("BorderIcons", kBorderIcons, &TForm::BorderIcons, &TForm::SetBorderIcons,
                        biSystemMenu | biMinimize | biMaximize),
            EnumProperty("BorderStyle", kBorderStyles, &TForm::BorderStyle, &TForm::SetBorderStyle,
                         TBorderStyle::bsSizeable),
            StringProperty("Caption", &TForm::Caption, &TForm::SetCaption),
            IntegerProperty("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight),
            IntegerProperty("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth),
            ColorProperty("Color", &TForm::Color, &TForm::SetColor, clBtnFace),
            ObjectProperty("Font", &TForm::Font),
            BooleanProperty("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll, true),
            IntegerProperty("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch),
            IntegerProperty("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight),
            EventProperty("OnCreate", &TForm::OnCreateName, &TForm::SetOnCreate),
        });
    return table;
}

TForm::TForm(TComponent* owner) : TControl(owner), font_(std::make_unique<TFont>()) {
    font_->onChange = [this] { FontChanged(); };
    FontChanged();
    SetColor(clBtnFace);
    Screen().Insert(this);
}

TForm::~TForm() {
    BeginDestruction();
    Screen().Remove(this);
    if (HandleAllocated()) {
        HWND handle = Handle();
        SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
        HandleDestroyed();
        DestroyWindow(handle);
    }
}

void TForm::SetClientWidth(int value) {
    clientWidth_ = value;
}

void TForm::SetClientHeight(int value) {
    clientHeight_ = value;
}

void TForm::SetColor(TColor value) {
    color_ = value;
    brush_.Reset(CreateSolidBrush(ColorToRGB(value)));
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TForm::FontChanged() {
    fontHandle_.Reset(CreateGdiFont(*font_));
    if (!HandleAllocated()) return;
    for (TControl* c : Controls()) {
        if (c->HandleAllocated()) SendMessageA(c->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
    }
}

void TForm::SetOnCreate(const std::string& name, TNotifyEvent handler) {
    onCreateName_ = name;
    onCreate = std::move(handler);
}

void TForm::LoadFromDescription(std::span<const std::uint8_t> description) {
    ComponentFromBinary(description, *this);
    CreateHandle();
    FormLoaded();
    if (onCreate) onCreate(*this);
}

TControl::CreateParams TForm::GetCreateParams() const {
    CreateParams params;
    params.className = kFormClass;
    switch (borderStyle_) {
        case TBorderStyle::bsNone:
            params.style = WS_POPUP;
            break;
        case TBorderStyle::bsSingle:
        case TBorderStyle::bsToolWindow:
            params.style = WS_CAPTION | WS_BORDER;
            break;
        case TBorderStyle::bsDialog:
            params.style = WS_CAPTION | WS_DLGFRAME;
            params.exStyle = WS_EX_DLGMODALFRAME;
            break;
        case TBorderStyle::bsSizeable:
        case TBorderStyle::bsSizeToolWin:
            params.style = WS_CAPTION | WS_THICKFRAME;
            break;
    }
    if (borderStyle_ == TBorderStyle::bsToolWindow || borderStyle_ == TBorderStyle::bsSizeToolWin) {
        params.exStyle |= WS_EX_TOOLWINDOW;
    }
    if (borderStyle_ != TBorderStyle::bsNone && (borderIcons_ & biSystemMenu)) {
        params.style |= WS_SYSMENU;
        if (borderIcons_ & biMinimize) params.style |= WS_MINIMIZEBOX;
        if (borderIcons_ & biMaximize) params.style |= WS_MAXIMIZEBOX;
    }
    params.style |= WS_CLIPCHILDREN;
    return params;
}

void TForm::CreateHandle() {
    if (HandleAllocated()) return;
    RegisterWindowClass();
    const CreateParams params = GetCreateParams();
    RECT frame{0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&frame, params.style, FALSE, params.exStyle);
    const int width = clientWidth_ > 0 ? frame.right - frame.left : Width();
    const int height = clientHeight_ > 0 ? frame.bottom - frame.top : Height();
    HWND handle = CreateWindowExA(params.exStyle, params.className, Caption().c_str(), params.style, Left(), Top(),
                                  width, height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!handle) return;
    if (!Enabled()) EnableWindow(handle, FALSE);
    CreateChildHandles();
}

void TForm::Show() {
    if (!HandleAllocated()) CreateHandle();
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    std::vector<TControl*> tabs = TabList();
    if (!tabs.empty()) tabs.front()->SetFocus();
}

void TForm::Close() {
    if (HandleAllocated()) SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

std::vector<TControl*> TForm::TabList() const {
    std::vector<TControl*> list;
    for (TControl* c : Controls()) {
        if (c->TabOrder() >= 0) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    return list;
}

void TForm::SelectNext(bool forward) {
    std::vector<TControl*> list;
    for (TControl* c : TabList()) {
        if (c->HandleAllocated() && IsWindowVisible(c->Handle()) && IsWindowEnabled(c->Handle())) list.push_back(c);
    }
    if (list.empty()) return;
    const HWND focus = GetFocus();
    auto it = std::find_if(list.begin(), list.end(), [focus](TControl* c) { return c->Handle() == focus; });
    std::size_t index;
    if (it == list.end()) {
        index = forward ? 0 : list.size() - 1;
    } else {
        const std::size_t current = static_cast<std::size_t>(it - list.begin());
        index = forward ? (current + 1) % list.size() : (current + list.size() - 1) % list.size();
    }
    list[index]->SetFocus();
}

namespace {
// The character after the single '&' of a caption ("&&" is a literal '&'), or 0.
char MnemonicOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1];
        ++i;
    }
    return 0;
}
}  // namespace

bool TForm::HandleMnemonic(char key) {
    for (TControl* c : Controls()) {
        auto* button = dynamic_cast<TButtonControl*>(c);
        if (!button || !button->HandleAllocated() || !IsWindowEnabled(button->Handle())) continue;
        const char mnemonic = MnemonicOf(button->Caption());
        if (mnemonic != 0 && UpperAscii(mnemonic) == UpperAscii(key)) {
            button->Click();
            return true;
        }
    }
    return false;
}

TForm* TForm::FromHandle(HWND window) {
    if (!window) return nullptr;
    HWND root = GetAncestor(window, GA_ROOT);
    char className[32] = {};
    if (!root || !GetClassNameA(root, className, sizeof className) || lstrcmpA(className, kFormClass) != 0) {
        return nullptr;
    }
    return reinterpret_cast<TForm*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

TControl* TForm::FindControl(HWND window) const {
    for (TControl* c : Controls()) {
        if (c->Handle() == window) return c;
    }
    return nullptr;
}

LRESULT CALLBACK TForm::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        // The form learns its window here, so that every later message
        // (WM_CREATE, WM_SIZE...) already reaches it.
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->SetHandle(window);
    }
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    return form->WndProc(message, wParam, lParam);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND handle = Handle();
    switch (message) {
        case WM_COMMAND:
            if (TControl* c = FindControl(reinterpret_cast<HWND>(lParam))) {
                c->HandleCommand(HIWORD(wParam));
                return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (TControl* c = FindControl(item->hwndItem)) {
                if (c->HandleDrawItem(*item)) return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            if (TControl* c = FindControl(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = c->HandleCtlColor(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(handle, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, BrushHandle());
            return 1;
        }
        case WM_PAINT: {
            // The form draws nothing itself; its windowless controls are
            // drawn on it.
            PAINTSTRUCT paint;
            HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(handle, &paint);
            PaintGraphicChildren(*this, dc);
            if (!wParam) EndPaint(handle, &paint);
            return 0;
        }
        case WM_MOUSEMOVE:
            TrackGraphicChild(GraphicChildAt(*this, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            break;
        case WM_MOUSELEAVE:
            TrackGraphicChild(nullptr);
            break;
        case WM_CLOSE:
            if (CloseQuery()) DestroyWindow(handle);
            return 0;
        case WM_SIZE:
            if (Application().MainForm() == this) {
                if (wParam == SIZE_MINIMIZED) {
                    Application().MainWindowMinimized();
                } else if (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED) {
                    Application().MainWindowRestored();
                }
            }
            break;
        case WM_DESTROY:
            if (Application().MainForm() == this) PostQuitMessage(0);
            break;
        case WM_NCDESTROY: {
            SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
            HandleDestroyed();
            return DefWindowProcA(handle, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

void TForm::TrackGraphicChild(TGraphicControl* child) {
    if (child == mouseChild_) return;
    if (child && !mouseChild_ && HandleAllocated()) {
        // The form hears when the mouse leaves it, to tell the child.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
    }
    if (mouseChild_) {
        mouseChild_->MouseLeave();
        RemoveFreeNotification(mouseChild_);
    }
    mouseChild_ = child;
    if (mouseChild_) {
        FreeNotification(mouseChild_);  // a child that goes is forgotten
        mouseChild_->MouseEnter();
    }
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mouseChild_) mouseChild_ = nullptr;
}

std::vector<std::uint8_t> LoadResourceBytes(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_RCDATA));
    if (!info) return {};
    HGLOBAL data = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(data));
    if (!bytes) return {};
    return {bytes, bytes + size};
}

}  // namespace framework
