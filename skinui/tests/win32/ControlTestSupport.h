// What the control tests share: a form to put controls on, and a control's
// painting read back from a bitmap.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/win32/Form.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skinui/controls/win32/SeCustomControl.h"

namespace skinui::test {

// A form of `width` x `height` with its window, in `color`.
struct Window {
    explicit Window(int width = 200, int height = 120, framework::TColor color = 0x00336699) {
        form.SetBounds(50, 50, width, height);
        form.SetClientWidth(width);
        form.SetClientHeight(height);
        form.SetColor(color);
        form.CreateHandle();
    }
    framework::TForm form{nullptr};
};

using Picture = std::unique_ptr<skin::TSeBitmap>;

// What the control paints (its WM_PAINT into a bitmap's context).
inline Picture Painted(TSeCustomControl& control) {
    auto picture = std::make_unique<skin::TSeBitmap>();
    picture->SetSize(control.PaintWidth(), control.PaintHeight());
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(skin::BitmapDC(*picture)), 0);
    return picture;
}

inline std::uint32_t Rgb(const Picture& b, int x, int y) { return b->GetPixel(x, y) & 0x00FFFFFF; }

}  // namespace skinui::test
