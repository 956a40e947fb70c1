#include "skinui/controls/win32/SeGraphicControl.h"

#include "framework/Property.h"
#include "framework/win32/Form.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skinui/controls/win32/PaintPipeline.h"

namespace skinui {

namespace {
const framework::EnumInfo kPerformances{"ztpNoBuffer", "ztpSharedBuffer", "ztpDoubleBuffer"};
}  // namespace

TSeGraphicControl::TSeGraphicControl(framework::TComponent* owner)
    : framework::TGraphicControl(owner), paintFont_(std::make_unique<framework::TFont>()),
      blending_(std::make_unique<TSeBlending>()) {
    TGraphicControl::SetBounds(0, 0, 100, 30);
    // Blending switched on needs a buffer to blend in.
    blending_->onChange = [this] {
        if (blending_->Enabled() && performance_ == ztpNoBuffer) performance_ = ztpDoubleBuffer;
        Invalidate();
    };
}

const framework::PropertyTable& TSeGraphicControl::ClassProperties() {
    using T = TSeGraphicControl;
    static const framework::PropertyTable table(
        &framework::TControl::ClassProperties(),
        {
            framework::ObjectProperty("Blending", &T::Blending),
            framework::EnumProperty("Performance", kPerformances, &T::Performance, &T::SetPerformance, ztpNoBuffer),
            framework::BooleanProperty("Transparent", &T::Transparent, &T::SetTransparent, false),
        });
    return table;
}

void TSeGraphicControl::SetPerformance(TSePerformance value) {
    if (value == performance_) return;
    if (value == ztpNoBuffer && blending_->Enabled()) return;
    performance_ = value;
    Invalidate();
}

void TSeGraphicControl::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Invalidate();
}

void TSeGraphicControl::SetBlending(const TSeBlending& value) {
    auto callback = std::move(blending_->onChange);
    blending_->Assign(value);
    blending_->onChange = std::move(callback);
    if (blending_->Enabled() && performance_ == ztpNoBuffer) performance_ = ztpDoubleBuffer;
    if (!Loading()) Invalidate();
}

void TSeGraphicControl::SetColor(framework::TColor value) {
    color_ = value;
    Invalidate();
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
    if (!transparent_) skin::FillRectColor(dc, skin::MakeBounds(0, 0, Width(), Height()), color_);
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
    request.buffered = performance_ != ztpNoBuffer ? 1 : 0;
    const POINT offset{Left(), Top()};
    if (performance_ != ztpNoBuffer) {
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
    PaintSurface surface = ChoosePaintSurface(performance_, Width(), Height(), false);
    skin::TSeBitmap* buffer = surface.buffer;
    HDC dc = buffer ? skin::BitmapDC(*buffer) : target;
    if (framework::TForm* form = ParentForm()) paintFont_->Assign(*form->Font());
    if (transparent_) DrawParentBackground(dc);
    PaintClient(dc);
    if (!buffer) return;
    BlendOverParent(surface, *blending_, blendBuffer_, Width(), Height(),
                    [this](HDC into) { DrawParentBackground(into); });
    BitBlt(target, 0, 0, Width(), Height(), skin::BitmapDC(*buffer), 0, 0, SRCCOPY);
}

}  // namespace skinui
