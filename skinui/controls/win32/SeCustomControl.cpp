#include "skinui/controls/win32/SeCustomControl.h"

#include "framework/Property.h"
#include "framework/win32/Form.h"
#include "framework/win32/GraphicControl.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skin/ScopeExit.h"
#include "skinui/controls/win32/PaintPipeline.h"
#include "skinui/controls/win32/ThemeLibrary.h"

namespace skinui {

namespace {

// The theme's "Edit" state of a frame: disabled, focused, hot, normal.
int EditState(bool enabled, bool focused, bool hot) { return !enabled ? 4 : focused ? 3 : hot ? 2 : 1; }

}  // namespace

TSeCustomControl::TSeCustomControl(framework::TComponent* owner)
    : framework::TCustomControl(owner), paintFont_(std::make_unique<framework::TFont>()) {
    TCustomControl::SetBounds(0, 0, 100, 30);
    paintWidth_ = 100;
    paintHeight_ = 30;
}

TSeCustomControl::~TSeCustomControl() { BeginDestruction(); }

const framework::PropertyTable& TSeCustomControl::ClassProperties() {
    using T = TSeCustomControl;
    static const framework::PropertyTable table(&framework::TControl::ClassProperties(), [] {
        std::vector<framework::PropertyInfo> own = StoredProperties<T>();
        own.push_back(framework::EventProperty("OnMouseEnter", &T::OnMouseEnterName, &T::SetOnMouseEnter));
        own.push_back(framework::EventProperty("OnMouseLeave", &T::OnMouseLeaveName, &T::SetOnMouseLeave));
        return own;
    }());
    return table;
}

// ---- setters -------------------------------------------------------------------

void TSeCustomControl::SetOnMouseEnter(const std::string& name, framework::TNotifyEvent handler) {
    onMouseEnterName_ = name;
    onMouseEnter = std::move(handler);
}

void TSeCustomControl::SetOnMouseLeave(const std::string& name, framework::TNotifyEvent handler) {
    onMouseLeaveName_ = name;
    onMouseLeave = std::move(handler);
}

void TSeCustomControl::SetBorderWidth(int value) {
    if (value == border_.borderWidth) return;
    border_.borderWidth = value;
    BorderChanged();
    Invalidate();
}

void TSeCustomControl::SetBevelWidth(int value) {
    if (value == border_.bevelWidth) return;
    border_.bevelWidth = value;
    BorderChanged();
    Invalidate();
}

void TSeCustomControl::SetBevelSides(std::uint32_t value) {
    if (value == border_.bevelSides) return;
    border_.bevelSides = value;
    BorderChanged();
    Invalidate();
}

void TSeCustomControl::SetBevelInner(TSeBevelCut value) {
    if (value == border_.bevelInner) return;
    bevelKind_ = kbkNone;
    border_.bevelInner = value;
    BorderChanged();
    Invalidate();
}

void TSeCustomControl::SetBevelOuter(TSeBevelCut value) {
    if (value == border_.bevelOuter) return;
    bevelKind_ = kbkNone;
    border_.bevelOuter = value;
    BorderChanged();
    Invalidate();
}

void TSeCustomControl::SetBevelKind(TSeBevelKind value) {
    if (value == bevelKind_) return;
    bevelKind_ = value;
    if (value != kbkNone) border_.bevelInner = border_.bevelOuter = BevelPreset(value);
    BorderChanged();
    Invalidate();
}

void TSeCustomControl::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    paintWidth_ = width;
    paintHeight_ = height;
}

// ---- geometry and invalidation --------------------------------------------------

skin::TRect TSeCustomControl::GetInnerRect() const { return InnerRect(paintWidth_, paintHeight_, border_); }

void TSeCustomControl::InvalidateNoErase(const skin::TRect& rect) {
    if (!HandleAllocated()) return;
    const RECT r = skin::ToRECT(rect);
    InvalidateRect(Handle(), &r, FALSE);
}

void TSeCustomControl::Invalidate() {
    if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TSeCustomControl::HandleCreated() { objectWindow_.SetWindow(Handle()); }

// ---- painting ---------------------------------------------------------------------

void TSeCustomControl::Paint(HDC target) {
    // 1. The surface (10: an own buffer goes with it, also when a step throws).
    PaintSurface surface = ChoosePaintSurface(Performance(), paintWidth_, paintHeight_, true);
    skin::TSeBitmap* buffer = surface.buffer;
    HDC dc = buffer ? skin::BitmapDC(*buffer) : target;
    // 2. The font of the form the control is on.
    if (framework::TForm* form = ParentForm()) paintFont_->Assign(*form->Font());
    // 3. The parent's look first.
    if (Transparent()) DrawParentBackground(dc);
    // 4, 5. The border, never inside the inner rectangle.
    const skin::TRect inner = GetInnerRect();
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, inner.Left, inner.Top, inner.Right, inner.Bottom);
    PaintBorder(dc);
    RestoreDC(dc, saved);
    // 7. The control's own content.
    PaintClient(dc);
    if (!buffer) return;
    // 8. Translucency over the parent's look.
    BlendOverParent(surface, *Blending(), blendBuffer_, paintWidth_, paintHeight_,
                    [this](HDC into) { DrawParentBackground(into); });
    // 9. Onto the window, not colour-keyed.
    BitBlt(target, 0, 0, paintWidth_, paintHeight_, skin::BitmapDC(*buffer), 0, 0, SRCCOPY);
}

void TSeCustomControl::PaintClient(HDC dc) {
    if (!Transparent()) skin::FillRectColor(dc, GetInnerRect(), Color());
}

void TSeCustomControl::PaintBorder(HDC dc) {
    skin::TRect w = skin::MakeBounds(0, 0, paintWidth_, paintHeight_);
    if (GetInnerRect() == w) return;
    if (ThemesActive() && themedBorder_) {
        const skin::TRect inner = GetInnerRect();
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, inner.Left, inner.Top, inner.Right, inner.Bottom);
        DrawThemePart(Handle(), L"Edit", dc, 1, EditState(Enabled(), focused_, mouseInControl_), skin::ToRECT(w));
        RestoreDC(dc, saved);
        return;
    }
    if (border_.bevelWidth > 0) {
        const BevelColours outer = BevelColoursOf(border_.bevelOuter);
        const BevelColours inner = BevelColoursOf(border_.bevelInner);
        if (border_.bevelOuter != kbvNone) {
            skin::DrawBevel(dc, w, border_.bevelSides, outer.outerBottomRight, outer.outerTopLeft, border_.bevelWidth);
        }
        if (border_.bevelInner != kbvNone) {
            skin::DrawBevel(dc, w, border_.bevelSides, inner.innerBottomRight, inner.innerTopLeft, border_.bevelWidth);
        }
    }
    for (int i = 0; i < border_.borderWidth && !skin::RectIsEmpty(w); ++i) {
        skin::FrameRectColor(dc, w, Color());
        w = skin::RectInflated(w, -1);
    }
}

void TSeCustomControl::DrawParentBackground(HDC dc) {
    framework::TControl* parent = Parent();
    if (!parent || !HandleAllocated() || !parent->HandleAllocated()) return;
    const int saved = SaveDC(dc);
    skin::OnExit restore{[&] { RestoreDC(dc, saved); }};
    POINT p{0, 0};
    MapWindowPoints(Handle(), parent->Handle(), &p, 1);
    ParentBackgroundRequest request;
    request.left = p.x;
    request.top = p.y;
    request.right = p.x + paintWidth_;
    request.bottom = p.y + paintHeight_;
    request.buffered = Performance() != ztpNoBuffer ? 1 : 0;
    // The parent's coordinates land on the control's pixels.
    if (Performance() != ztpNoBuffer) {
        AskParentForBackground(*parent, dc, p, request);
        // A blended control lets the parent's windowless controls show
        // through: they are part of what lies under it.
        if (Blending()->Enabled()) {
            POINT old;
            OffsetViewportOrgEx(dc, -p.x, -p.y, &old);
            framework::PaintGraphicChildren(*parent, dc);
            SetViewportOrgEx(dc, old.x, old.y, nullptr);
        }
        return;
    }
    if (paintWidth_ <= 0 || paintHeight_ <= 0) return;
    skin::TSeBitmap temporary;
    temporary.SetSize(paintWidth_, paintHeight_);
    AskParentForBackground(*parent, skin::BitmapDC(temporary), p, request);
    BitBlt(dc, 0, 0, paintWidth_, paintHeight_, skin::BitmapDC(temporary), 0, 0, SRCCOPY);
}

void TSeCustomControl::EraseForChild(HDC dc) {
    if (Transparent()) DrawParentBackground(dc);
    PaintBorder(dc);
    PaintClient(dc);
}

// ---- messages ------------------------------------------------------------------------

void TSeCustomControl::MouseEnter() {
    mouseInControl_ = true;
    if (onMouseEnter) onMouseEnter(*this);
}

void TSeCustomControl::MouseLeave() {
    mouseInControl_ = false;
    if (onMouseLeave) onMouseLeave(*this);
}

void TSeCustomControl::EnterFocus() {
    focused_ = true;
    Invalidate();
}

void TSeCustomControl::ExitFocus() {
    focused_ = false;
    Invalidate();
}

LRESULT TSeCustomControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            // A child asks for this control's look; otherwise the paint
            // draws everything and erasing would only flicker.
            if (wParam && lParam) EraseForChild(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_MOUSEMOVE:
            if (!mouseInControl_ && HandleAllocated()) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
                TrackMouseEvent(&track);
                MouseEnter();
            }
            break;
        case WM_MOUSELEAVE:
            MouseLeave();
            return 0;
        case WM_SETFOCUS:
            EnterFocus();
            break;
        case WM_KILLFOCUS:
            ExitFocus();
            break;
        case WM_WINDOWPOSCHANGING: {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!(position->flags & SWP_NOSIZE)) {
                paintWidth_ = position->cx;
                paintHeight_ = position->cy;
            }
            break;
        }
        case WM_THEMECHANGED:
            Invalidate();
            break;
        default:
            break;
    }
    return TCustomControl::WndProc(message, wParam, lParam);
}

}  // namespace skinui
