#include "skinui/controls/win32/SeGraphicControl.h"

#include "framework/Property.h"
#include "framework/win32/Form.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skinui/controls/win32/PaintPipeline.h"

namespace skinui {

TSeGraphicControl::TSeGraphicControl(framework::TComponent* owner)
    : framework::TGraphicControl(owner), paintFont_(std::make_unique<framework::TFont>()) {
    TGraphicControl::SetBounds(0, 0, 100, 30);
}

const framework::PropertyTable& TSeGraphicControl::ClassProperties() {
    using T = TSeGraphicControl;
    static const framework::PropertyTable table(&framework::TControl::ClassProperties(), StoredProperties<T>());
    return table;
}

void TSeGraphicControl::Loaded() {
    TGraphicControl::Loaded();
    Invalidate();
}

void TSeGraphicControl::MouseEnter() {
    mouseInControl_ = true;
    if (onMouseEnter) onMouseEnter(*this);
}

void TSeGraphicControl::MouseLeave() {
    mouseInControl_ = false;
    if (onMouseLeave) onMouseLeave(*this);
}

void TSeGraphicControl::PaintClient(HDC dc) {
    if (!Transparent()) skin::FillRectColor(dc, skin::MakeBounds(0, 0, Width(), Height()), Color());
}

void TSeGraphicControl::DrawParentBackground(HDC dc) {
    framework::TControl* parent = Parent();
    if (!parent || !parent->HandleAllocated()) return;
    const int saved = SaveDC(dc);
    ParentBackgroundRequest request;
    request.left = Left();
    request.top = Top();
    request.right = Left() + Width();
    request.bottom = Top() + Height();
    request.buffered = Performance() != ztpNoBuffer ? 1 : 0;
    const POINT offset{Left(), Top()};
    if (Performance() != ztpNoBuffer) {
        AskParentForBackground(*parent, dc, offset, request);
    } else if (Width() > 0 && Height() > 0) {
        skin::TSeBitmap temporary;
        temporary.SetSize(Width(), Height());
        AskParentForBackground(*parent, skin::BitmapDC(temporary), offset, request);
        BitBlt(dc, 0, 0, Width(), Height(), skin::BitmapDC(temporary), 0, 0, SRCCOPY);
    }
    RestoreDC(dc, saved);
}

void TSeGraphicControl::Paint(HDC target) {
    PaintSurface surface = ChoosePaintSurface(Performance(), Width(), Height(), false);
    skin::TSeBitmap* buffer = surface.buffer;
    HDC dc = buffer ? skin::BitmapDC(*buffer) : target;
    if (framework::TForm* form = ParentForm()) paintFont_->Assign(*form->Font());
    if (Transparent()) DrawParentBackground(dc);
    PaintClient(dc);
    if (!buffer) return;
    BlendOverParent(surface, *Blending(), blendBuffer_, Width(), Height(),
                    [this](HDC into) { DrawParentBackground(into); });
    BitBlt(target, 0, 0, Width(), Height(), skin::BitmapDC(*buffer), 0, 0, SRCCOPY);
}

}  // namespace skinui
