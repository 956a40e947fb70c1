#include "skinui/menus/win32/PopupWindow.h"

#include "skin/gfx/win32/CanvasHelpers.h"
#include "skinui/menus/MenuColors.h"
#include "skinui/controls/win32/ThemeLibrary.h"

namespace skinui {

using skin::TRect;

// ---- the frame -------------------------------------------------------------------

TSePopupForm::TSePopupForm(framework::TComponent* owner) : TSeCustomForm(owner) {
    SetBorderIcons(0);
    SetMinimizeApplication(false);  // a popup is not the program's window
    SetBorderStyle(kbsNone);
    Dragging()->SetMoveable(false);
    Dragging()->SetSizeable(false);
    SetPerformance(ztfpNoBuffer);
    SetActive(true);
}

TRect TSePopupForm::PopupClientRect(int width, int height) { return TRect{3, 3, width - 3, height - 3}; }

bool TSePopupForm::Buffers() const { return Performance() != ztfpNoBuffer || Blending()->Enabled(); }

void TSePopupForm::PaintNonClient(HDC dc) {
    TRect ring{0, 0, FrameWidth(), FrameHeight()};
    if (ThemesActive()) {
        skin::FrameRectColor(dc, ring, kclBtnShadow);
        ring = skin::RectInflated(ring, -1);
        skin::FrameRectColor(dc, ring, kclMenu);
        ring = skin::RectInflated(ring, -1);
        skin::FrameRectColor(dc, ring, kclMenu);
        return;
    }
    skin::Draw3DFrame(dc, ring, kclBtnFace, skin::TColor(0));
    ring = skin::RectInflated(ring, -1);
    skin::Draw3DFrame(dc, ring, kclBtnHighlight, kclBtnShadow);
    ring = skin::RectInflated(ring, -1);
    skin::Draw3DFrame(dc, ring, kclMenu, kclMenu);
}

void TSePopupForm::PaintClientBackground(HDC dc) {
    const TRect client = GetClientBounds();
    skin::FillRectColor(dc, TRect{0, 0, skin::RectWidth(client), skin::RectHeight(client)}, kclMenu);
    if (view_) view_->Paint(dc);
}

void TSePopupForm::HandleMessage(TMessage& m) {
    if ((m.msg == WM_ACTIVATE || m.msg == WM_MOUSEACTIVATE) && watched_ && IsWindow(watched_)) {
        // The window that shows the menu keeps its caption active.
        SendMessageA(watched_, WM_NCACTIVATE, 1, 0);
    }
    TSeCustomForm::HandleMessage(m);
}

// ---- the window ------------------------------------------------------------------

TSePopupWindow::TSePopupWindow(TSeCustomItem* item, TSeItemView* parentView, framework::TComponent* owner)
    : TForm(nullptr), item_(item), parentView_(parentView), menuOwner_(owner) {}

TSePopupWindow::~TSePopupWindow() {
    if (frame_) frame_->SetView(nullptr);
    view_.reset();
}

TSePopupForm* TSePopupWindow::CreateFrame() { return new TSePopupForm(this); }

framework::TControl::CreateParams TSePopupWindow::GetCreateParams() const {
    CreateParams params = TForm::GetCreateParams();
    params.style = WS_POPUP | WS_CLIPCHILDREN;
    params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    return params;
}

bool TSePopupWindow::Prepare() {
    SetColor(kclMenu);
    SetBounds(0, 0, 10, 10);
    frame_ = CreateFrame();
    frame_->SetStayOnTop(true);
    TSePopupMenuOptions* options = item_->Options();
    if (options) {
        frame_->Blending()->Assign(*options->Blending());
        frame_->Shadow()->Assign(*options->Shadow());
    }
    // The window whose caption stays active: the menu owner's windowed
    // parent, else the owner itself when it has a window.
    if (auto* control = dynamic_cast<framework::TControl*>(menuOwner_)) {
        framework::TControl* parent = control->Parent();
        if (parent && parent->HandleAllocated()) {
            frame_->SetWatchedWindow(parent->Handle());
        } else if (control->HandleAllocated()) {
            frame_->SetWatchedWindow(control->Handle());
        }
    }
    // The first window a Popup shows plays the animation; its submenus do not.
    if ((!item_->InPopup() || item_->AnimateFirst()) && options) {
        frame_->Animation()->Assign(*options->Animation());
        if (item_->Parent()) {
            item_->Parent()->SetAnimateFirst(false);
        } else {
            item_->SetAnimateFirst(false);
        }
    }
    frame_->Loaded();  // hooks the window, made now
    if (!HandleAllocated()) return false;
    view_ = std::make_unique<TSePopupView>(item_, parentView_, Handle(), frame_);
    frame_->SetView(view_.get());
    return true;
}

void TSePopupWindow::Layout() {
    if (view_) view_->Layout();
}

void TSePopupWindow::ShowLevel() {
    if (!HandleAllocated()) return;
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (item_->Foreground()) SetForegroundWindow(Handle());
    UpdateWindow(Handle());
}

void TSePopupWindow::Track() {
    if (view_) view_->Track();
}

LRESULT TSePopupWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kScrollTimerId) {
        if (view_) view_->ScrollTick();
        return 0;
    }
    return TForm::WndProc(message, wParam, lParam);
}

}  // namespace skinui
