// A control without a window of its own: it is drawn by its parent, into the
// parent's paint context with the origin at the control's top-left corner
// and the clip at its bounds (PaintGraphicChildren), after the parent's own
// drawing. Its mouse-enter and mouse-leave come from the parent form, which
// follows the mouse over its windowless controls.
#pragma once

#include <windows.h>

#include "framework/win32/Control.h"

namespace framework {

class TGraphicControl : public TControl {
public:
    static constexpr std::string_view kClassName = "TGraphicControl";
    using TControl::TControl;
    std::string_view ClassName() const override { return kClassName; }

    // No window: nothing to make.
    void CreateHandle() override {}
    void SetBounds(int left, int top, int width, int height) override;
    // Marks the control's place in its parent's window for repainting.
    void Invalidate();
    // WM_PAINT with the context in wParam paints the control into it.
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The parent's context, its origin at the control and clipped to it.
    virtual void Paint(HDC dc) = 0;
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

protected:
    CreateParams GetCreateParams() const override { return {}; }
};

// Paints the visible windowless controls on `parent` into `dc` (the parent's
// client coordinates), in child order.
void PaintGraphicChildren(const TControl& parent, HDC dc);
// The topmost visible windowless control on `parent` at a client point.
TGraphicControl* GraphicChildAt(const TControl& parent, int x, int y);

}  // namespace framework
