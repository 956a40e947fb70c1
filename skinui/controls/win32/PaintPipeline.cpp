#include "skinui/controls/win32/PaintPipeline.h"

#include "framework/win32/Form.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skinui/controls/win32/SharedBuffer.h"

namespace skinui {

PaintSurface ChoosePaintSurface(TSePerformance performance, int width, int height, bool keyFill) {
    PaintSurface surface;
    if (performance == ztpSharedBuffer) {
        surface.buffer = &SizedSharedBuffer();
        if (keyFill) surface.buffer->FillRect(skin::MakeBounds(0, 0, width, height), skin::kKeyPixel);
    } else if (performance == ztpDoubleBuffer && width > 0 && height > 0) {
        surface.own = std::make_unique<skin::TSeBitmap>();
        surface.own->SetSize(width, height);
        if (keyFill) surface.own->Fill(skin::kKeyPixel);
        surface.buffer = surface.own.get();
    }
    return surface;
}

void BlendOverParent(PaintSurface& surface, const TSeBlending& blending, std::unique_ptr<skin::TSeBitmap>& blendBuffer,
                     int width, int height, const std::function<void(HDC)>& drawParentBackground) {
    if (!surface.buffer || !blending.Enabled() || width <= 0 || height <= 0) return;
    if (!blendBuffer) blendBuffer = std::make_unique<skin::TSeBitmap>();
    blendBuffer->SetSize(width, height);
    blendBuffer->SetAlpha(255);
    drawParentBackground(skin::BitmapDC(*blendBuffer));
    const auto alpha = std::uint8_t(blending.Value());
    const skin::TRect whole = skin::MakeBounds(0, 0, width, height);
    if (surface.own) {
        surface.buffer->SetAlpha(alpha);
    } else {
        surface.buffer->SetAlphaRect(alpha, whole);
    }
    surface.buffer->MergeBackground(*blendBuffer, 0, 0, whole);
}

void AskParentForBackground(framework::TControl& parent, HDC dc, POINT offset, const ParentBackgroundRequest& request) {
    POINT old;
    OffsetViewportOrgEx(dc, -offset.x, -offset.y, &old);
    const auto wParam = reinterpret_cast<WPARAM>(dc);
    const auto lParam = reinterpret_cast<LPARAM>(&request);
    if (dynamic_cast<framework::TForm*>(&parent)) {
        SendMessageA(parent.Handle(), WM_ERASEBKGND, wParam, lParam);
    } else {
        parent.Perform(WM_ERASEBKGND, wParam, lParam);
    }
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

}  // namespace skinui
