// Controls: components with a window on a parent control.
//
// A control keeps its properties in fields and mirrors them into its window
// once the window exists, so that a control can be read from a stored form
// description before any window is made. The parent form creates every
// window (CreateHandle) and routes the notifications of its child windows
// (WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR...) to the control that owns the
// child window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Component.h"

namespace framework {

class TForm;

class TControl : public TComponent {
public:
    static constexpr std::string_view kClassName = "TControl";

    explicit TControl(TComponent* owner);
    ~TControl() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // Left, Top, Width, Height, Enabled (default True), Visible (default
    // True), TabOrder (default -1: not a tab stop).
    static const PropertyTable& ClassProperties();

    int Left() const { return left_; }
    void SetLeft(int value);
    int Top() const { return top_; }
    void SetTop(int value);
    int Width() const { return width_; }
    void SetWidth(int value);
    int Height() const { return height_; }
    void SetHeight(int value);
    virtual void SetBounds(int left, int top, int width, int height);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Position in the parent's tab sequence; -1 when the control takes no
    // focus by the Tab key.
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int value);

    // The window text (published by the classes that show one).
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);

    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);
    // The controls on this one, in the order they were put there.
    const std::vector<TControl*>& Controls() const { return controls_; }
    // The form this control is on (the control itself for a form).
    TForm* ParentForm();

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates this control's window and those of its controls. The parent's
    // window must exist.
    virtual void CreateHandle();
    // Forgets the windows of this control and its controls after Windows
    // destroyed them together with their parent.
    void HandleDestroyed();

    // Invalidates the control and paints it now, without waiting for the
    // message loop.
    void Repaint();
    bool Focused() const;
    void SetFocus();

    // The control's own message handler, called directly, without a window
    // (broadcasts to every control use it). Default: nothing, 0.
    virtual LRESULT Perform(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return 0; }

    // ---- notifications routed by the parent form --------------------------
    virtual void HandleCommand(WORD /*notifyCode*/) {}
    virtual bool HandleDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // The brush for WM_CTLCOLOR...; nullptr lets Windows choose.
    virtual HBRUSH HandleCtlColor(HDC dc);

    void SetParentComponent(TComponent* parent) override;
    std::vector<TComponent*> GetChildren() const override;

protected:
    struct CreateParams {
        const char* className = nullptr;
        DWORD style = 0;
        DWORD exStyle = 0;
        void* param = nullptr;  // the creation parameter of the window
    };
    virtual CreateParams GetCreateParams() const = 0;
    // Called right after the window was made: push state kept in fields.
    virtual void HandleCreated() {}
    void SetHandle(HWND handle) { handle_ = handle; }
    void CreateChildHandles();

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    int tabOrder_ = -1;
    std::string caption_;
    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    HWND handle_ = nullptr;
};

}  // namespace framework
