#include "framework/win32/Control.h"

#include <algorithm>

#include "framework/win32/Form.h"

namespace framework {

const PropertyTable& TControl::ClassProperties() {
    static const PropertyTable table(&TComponent::ClassProperties(),
                                     {
                                         IntegerProperty("Left", &TControl::Left, &TControl::SetLeft),
                                         IntegerProperty("Top", &TControl::Top, &TControl::SetTop),
                                         IntegerProperty("Width", &TControl::Width, &TControl::SetWidth),
                                         IntegerProperty("Height", &TControl::Height, &TControl::SetHeight),
                                         BooleanProperty("Enabled", &TControl::Enabled, &TControl::SetEnabled, true),
                                         BooleanProperty("Visible", &TControl::Visible, &TControl::SetVisible, true),
                                         IntegerProperty("TabOrder", &TControl::TabOrder, &TControl::SetTabOrder, -1),
                                     });
    return table;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    BeginDestruction();
    for (TControl* child : controls_) child->parent_ = nullptr;
    if (parent_) std::erase(parent_->controls_, this);
    if (handle_) {
        HWND handle = handle_;
        HandleDestroyed();
        DestroyWindow(handle);
    }
}

void TControl::SetLeft(int value) { SetBounds(value, top_, width_, height_); }
void TControl::SetTop(int value) { SetBounds(left_, value, width_, height_); }
void TControl::SetWidth(int value) { SetBounds(left_, top_, value, height_); }
void TControl::SetHeight(int value) { SetBounds(left_, top_, width_, value); }

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_) MoveWindow(handle_, left, top, width, height, TRUE);
}

void TControl::SetEnabled(bool value) {
    enabled_ = value;
    if (handle_) EnableWindow(handle_, value ? TRUE : FALSE);
}

void TControl::SetVisible(bool value) {
    visible_ = value;
    if (handle_) ShowWindow(handle_, value ? SW_SHOW : SW_HIDE);
}

void TControl::SetTabOrder(int value) { tabOrder_ = value; }

void TControl::SetCaption(const std::string& value) {
    caption_ = value;
    if (handle_) SetWindowTextA(handle_, value.c_str());
}

void TControl::SetParent(TControl* parent) {
    if (parent == parent_) return;
    if (parent_) std::erase(parent_->controls_, this);
    parent_ = parent;
    if (parent_) parent_->controls_.push_back(this);
}

void TControl::SetParentComponent(TComponent* parent) { SetParent(dynamic_cast<TControl*>(parent)); }

std::vector<TComponent*> TControl::GetChildren() const { return {controls_.begin(), controls_.end()}; }

TForm* TControl::ParentForm() {
    TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

void TControl::CreateHandle() {
    if (handle_ || !parent_ || !parent_->handle_) return;
    const CreateParams params = GetCreateParams();
    DWORD style = params.style | WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    if (tabOrder_ >= 0) style |= WS_TABSTOP;
    handle_ = CreateWindowExA(params.exStyle, params.className, caption_.c_str(), style, left_, top_, width_, height_,
                              parent_->handle_, nullptr, GetModuleHandleA(nullptr), params.param);
    if (!handle_) return;
    if (TForm* form = ParentForm()) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(form->FontHandle()), 0);
    HandleCreated();
    CreateChildHandles();
}

void TControl::CreateChildHandles() {
    for (TControl* child : controls_) child->CreateHandle();
}

void TControl::HandleDestroyed() {
    handle_ = nullptr;
    for (TControl* child : controls_) child->HandleDestroyed();
}

void TControl::Repaint() {
    if (!handle_) return;
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

bool TControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TControl::SetFocus() {
    if (handle_) ::SetFocus(handle_);
}

HBRUSH TControl::HandleCtlColor(HDC) { return nullptr; }

}  // namespace framework
