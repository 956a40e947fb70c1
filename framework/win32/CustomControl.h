// A windowed control that draws itself: its own window class, whose window
// procedure is the control's WndProc, and a Paint operation that WM_PAINT
// calls with the window's paint context.
#pragma once

#include <windows.h>

#include "framework/win32/Control.h"

namespace framework {

class TCustomControl : public TControl {
public:
    static constexpr std::string_view kClassName = "TCustomControl";
    using TControl::TControl;
    ~TCustomControl() override;
    std::string_view ClassName() const override { return kClassName; }

    // The control's message handler; without a window, messages it does not
    // handle itself answer 0.
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam) override { return WndProc(message, wParam, lParam); }

protected:
    CreateParams GetCreateParams() const override;
    // WM_PAINT draws through Paint; everything else goes to the default.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The control's look, drawn into `dc`.
    virtual void Paint(HDC dc) = 0;
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace framework
