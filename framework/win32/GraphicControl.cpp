#include "framework/win32/GraphicControl.h"

namespace framework {

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    Invalidate();
    TControl::SetBounds(left, top, width, height);
    Invalidate();
}

void TGraphicControl::Invalidate() {
    TControl* parent = Parent();
    if (!parent || !parent->HandleAllocated()) return;
    const RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    InvalidateRect(parent->Handle(), &r, TRUE);
}

LRESULT TGraphicControl::Perform(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_PAINT && wParam) Paint(reinterpret_cast<HDC>(wParam));
    return 0;
}

void PaintGraphicChildren(const TControl& parent, HDC dc) {
    for (TControl* child : parent.Controls()) {
        auto* graphic = dynamic_cast<TGraphicControl*>(child);
        if (!graphic || !graphic->Visible() || graphic->Width() <= 0 || graphic->Height() <= 0) continue;
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, graphic->Left(), graphic->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, graphic->Width(), graphic->Height());
        graphic->Paint(dc);
        RestoreDC(dc, saved);
    }
}

TGraphicControl* GraphicChildAt(const TControl& parent, int x, int y) {
    const auto& children = parent.Controls();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* graphic = dynamic_cast<TGraphicControl*>(*it);
        if (graphic && graphic->Visible() && x >= graphic->Left() && x < graphic->Left() + graphic->Width() &&
            y >= graphic->Top() && y < graphic->Top() + graphic->Height()) {
            return graphic;
        }
    }
    return nullptr;
}

}  // namespace framework
