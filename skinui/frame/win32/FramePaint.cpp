// TSeCustomForm: the frame paint, the client background, the window region
// and UpdateFrame; the plain frame's look.
#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/IdentMaps.h"
#include "framework/win32/Form.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skin/ScopeExit.h"
#include "skin/objects/win32/SkinCanvasDC.h"
#include "skin/gfx/win32/TextHelpers.h"
#include "skinui/frame/win32/SeCustomForm.h"
#include "skinui/effects/FrameBlending.h"
#include "skinui/effects/ShadowBands.h"
#include "skinui/frame/SystemMenu.h"
#include "skinui/frame/SystemMenuImages.h"
#include "skinui/controls/win32/ThemeLibrary.h"

namespace skinui {

using skin::ToRECT;
using skin::TRect;
using skin::TSeBitmap;

namespace {

// One bitmap for every frame of the process in the shared-buffer mode,
// grown to the largest window seen.
TSeBitmap& FrameSharedBuffer(int width, int height) {
    static TSeBitmap buffer;
    if (width > buffer.Width() || height > buffer.Height()) {
        buffer.SetSize(std::max(width, buffer.Width()), std::max(height, buffer.Height()));
    }
    return buffer;
}

// The four strips around the client: above, left, right, below.
void FrameStrips(const TRect& client, int width, int height, TRect (&strips)[4]) {
    strips[0] = TRect{0, 0, width, client.Top};
    strips[1] = TRect{0, client.Top, client.Left, height};
    strips[2] = TRect{client.Right, client.Top, width, height};
    strips[3] = TRect{client.Left, client.Bottom, client.Right, height};
}

}  // namespace

// ---- buffers and shape -------------------------------------------------------------

TSeBitmap* TSeCustomForm::PaintBuffer(int width, int height, bool unbufferedNeedsOne,
                                      std::unique_ptr<TSeBitmap>& own) {
    switch (performance_) {
        case ztfpSharedBuffer:
            return &FrameSharedBuffer(width, height);
        case ztfpPersistentBuffer:
            if (!persistentBuffer_) persistentBuffer_ = std::make_unique<TSeBitmap>();
            if (persistentBuffer_->Width() < width || persistentBuffer_->Height() < height) {
                persistentBuffer_->SetSize(std::max(width, windowWidth_), std::max(height, windowHeight_));
            }
            return persistentBuffer_.get();
        case ztfpDoubleBuffer:
            break;
        case ztfpNoBuffer:
            if (!unbufferedNeedsOne) return nullptr;
            break;
    }
    own = std::make_unique<TSeBitmap>();
    own->SetSize(width, height);
    return own.get();
}

HRGN TSeCustomForm::CreateWindowShape() {
    HRGN region = CreateFrameRegion();
    if (!region) return nullptr;
    if (const int s = ShadowInset(); s > 0) {
        HRGN copy = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(copy, region, nullptr, RGN_COPY);
        OffsetRgn(copy, s, s);
        CombineRgn(region, region, copy, RGN_OR);
        DeleteObject(copy);
    }
    return region;
}

// ---- the frame -------------------------------------------------------------------

void TSeCustomForm::PaintFrame() {
    if (!Hooked() || !framePaintingAllowed_) return;
    const TRect client = GetClientBounds();
    if (client.Left == 0 && client.Top == 0 && !shadow_->Enabled()) return;
    if (std::int64_t{windowWidth_} * windowHeight_ <= 0) return;

    HWND window = OwnerWindow();
    HDC windowDC = GetWindowDC(window);
    if (!windowDC) return;
    skin::OnExit releaseWindowDC{[&] { ReleaseDC(window, windowDC); }};

    // The target: the animation's image, a buffer by Performance, or the
    // window itself.
    std::unique_ptr<TSeBitmap> own;
    TSeBitmap* buffer = nullptr;
    if (animationRunning_ && animationBitmap_) {
        buffer = animationBitmap_;
    } else {
        buffer = PaintBuffer(windowWidth_, windowHeight_, shadow_->Enabled() || blending_->Enabled(), own);
    }
    if (buffer && buffer->Empty()) return;
    HDC target = buffer ? skin::BitmapDC(*buffer) : windowDC;

    const int saved = SaveDC(target);
    if (buffer && ShadowInset() > 0) {
        DrawShadow(*buffer, client, windowWidth_, windowHeight_, frameWidth_, ShadowInset(), *background_);
    }
    ExcludeClipRect(target, client.Left, client.Top, client.Right, client.Bottom);
    if (buffer && blending_->Enabled()) buffer->SetUseAlpha(true);
    PaintNonClient(target);
    if (buffer && blending_->Enabled()) {
        BlendFrameStrips(*buffer, client, windowWidth_, windowHeight_, std::uint8_t(blending_->Value()), *background_);
        buffer->SetUseAlpha(false);
    }
    RestoreDC(target, saved);

    if (buffer && !animationRunning_) {
        TRect strips[4];
        FrameStrips(client, windowWidth_, windowHeight_, strips);
        for (const TRect& strip : strips) {
            if (skin::RectIsEmpty(strip)) continue;
            BitBlt(windowDC, strip.Left, strip.Top, skin::RectWidth(strip), skin::RectHeight(strip), target,
                   strip.Left, strip.Top, SRCCOPY);
        }
    }
}

void TSeCustomForm::PaintFrameInto(HDC dc, skin::TPoint offset) {
    const bool wasActive = frameActive_;
    frameActive_ = true;
    skin::OnExit restore{[&] { frameActive_ = wasActive; }};
    // Drawn relative to the caller's origin; the caller's origin and
    // clipping come back after each part (the unbuffered frame paint
    // clips its caption strip away).
    const TRect client = GetClientBounds();
    int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, offset.X, offset.Y, nullptr);
    PaintNonClient(dc);
    RestoreDC(dc, saved);
    saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, offset.X + client.Left, offset.Y + client.Top, nullptr);
    PaintClientBackground(dc);
    RestoreDC(dc, saved);
}

// The plain frame: a raised edge around the button-face border, the caption
// bar with the small icon, the caption text and the caption buttons.
void TSeCustomForm::PaintNonClient(HDC dc) {
    const TRect client = GetClientBounds();
    const TRect frame{0, 0, frameWidth_, frameHeight_};
    if (borderStyle_ == kbsNone) return;
    HWND window = OwnerWindow();
    const bool themed = ThemesActive();
    // Themed parts of the class "Window": frame sides 7..9, caption 1 (small 2).
    const int state = frameActive_ ? 1 : 2;
    bool drawn = false;
    if (themed) {
        drawn = DrawThemePart(window, L"Window", dc, borderStyle_ == kbsToolWindow ? 2 : 1, state,
                              ToRECT(TRect{0, 0, frameWidth_, client.Top}));
        if (drawn) {
            DrawThemePart(window, L"Window", dc, 7, state, ToRECT(TRect{0, client.Top, client.Left, frameHeight_}));
            DrawThemePart(window, L"Window", dc, 8, state,
                          ToRECT(TRect{client.Right, client.Top, frameWidth_, frameHeight_}));
            DrawThemePart(window, L"Window", dc, 9, state,
                          ToRECT(TRect{client.Left, client.Bottom, client.Right, frameHeight_}));
        }
    }
    if (!drawn) {
        skin::FillRectColor(dc, frame, framework::SystemColor(COLOR_BTNFACE));
        TRect edge = frame;
        skin::DrawBevel(dc, edge, skin::kBevelLeft | skin::kBevelTop | skin::kBevelRight | skin::kBevelBottom,
                        framework::SystemColor(COLOR_3DDKSHADOW), framework::SystemColor(COLOR_3DLIGHT), 1);
        skin::DrawBevel(dc, edge, skin::kBevelLeft | skin::kBevelTop | skin::kBevelRight | skin::kBevelBottom,
                        framework::SystemColor(COLOR_3DSHADOW), framework::SystemColor(COLOR_3DHILIGHT), 1);
        const TRect band{client.Left, Metrics().frameWidth, client.Right, client.Top - 1};
        const int start = frameActive_ ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION;
        const int end = frameActive_ ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION;
        skin::GradientFill(dc, band, framework::SystemColor(start), false, framework::SystemColor(end));
    }
    PaintPlainCaption(dc, client);
}

void TSeCustomForm::PaintPlainCaption(HDC dc, const TRect& client) {
    const TRect icon = GetButtonRect(skin::kbiSystemMenu);
    if (!skin::RectIsEmpty(icon)) {
        const int size = std::min(GetSystemMetrics(SM_CXSMICON), skin::RectHeight(icon));
        DrawIconEx(dc, icon.Left + (skin::RectWidth(icon) - size) / 2, icon.Top + (skin::RectHeight(icon) - size) / 2,
                   SmallIcon(), size, size, 0, nullptr, DI_NORMAL);
    }

    // The caption buttons from the right; the text ends left of the last.
    struct Button {
        TSeBorderIcon icon;
        UINT classic;
    };
    const Button buttons[] = {{skin::kbiClose, DFCS_CAPTIONCLOSE},   {skin::kbiMaximize, DFCS_CAPTIONMAX},
                              {skin::kbiMinimize, DFCS_CAPTIONMIN},  {skin::kbiRollup, DFCS_BUTTONPUSH},
                              {skin::kbiTray, DFCS_BUTTONPUSH},      {skin::kbiHelp, DFCS_CAPTIONHELP}};
    int textRight = client.Right - 2;
    for (const Button& b : buttons) {
        const TRect r = GetButtonRect(b.icon);
        if (skin::RectIsEmpty(r)) continue;
        textRight = std::min(textRight, r.Left - 2);
        RECT rr = ToRECT(r);
        UINT glyph = b.classic;
        if (b.icon == skin::kbiMaximize && WindowState() == kwsMaximized) glyph = DFCS_CAPTIONRESTORE;
        if (b.classic == DFCS_BUTTONPUSH) {
            // Roll-up and tray have no system glyph: the system menu's own
            // images, centred on a push button.
            DrawFrameControl(dc, &rr, DFC_BUTTON, DFCS_BUTTONPUSH);
            const int index = b.icon == skin::kbiRollup ? ksmiRollup : ksmiTray;
            const int side = kSystemMenuImageSize;
            const int saved = SaveDC(dc);
            IntersectClipRect(dc, r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
            {
                skin::SkinCanvasDC canvas(dc);
                canvas.DrawRect(SystemMenuImages(), r.Left + (skin::RectWidth(r) - side) / 2,
                                r.Top + (skin::RectHeight(r) - side) / 2,
                                skin::MakeBounds(index * side, 0, side, side), true);
            }
            RestoreDC(dc, saved);
        } else {
            DrawFrameControl(dc, &rr, DFC_CAPTION, glyph);
        }
    }

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = CreateFontIndirectA(borderStyle_ == kbsToolWindow ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(FrameActive() ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    const int textLeft = skin::RectIsEmpty(icon) ? client.Left + 2 : icon.Right + 2;
    RECT text{textLeft, Metrics().frameWidth, textRight, client.Top};
    DrawTextA(dc, Caption().c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

void TSeCustomForm::PaintClientBackground(HDC dc) {
    const TRect client = GetClientBounds();
    const framework::TForm* form = Form();
    skin::FillRectColor(dc, TRect{0, 0, skin::RectWidth(client), skin::RectHeight(client)},
                        form ? form->Color() : framework::SystemColor(COLOR_BTNFACE));
}

// ---- the client background -----------------------------------------------------------

void TSeCustomForm::EraseClient(HDC dc, const TRect* onlyRect) {
    const TRect client = GetClientBounds();
    const int width = skin::RectWidth(client), height = skin::RectHeight(client);
    if (width <= 0 || height <= 0) return;
    auto paint = [&](HDC into) {
        if (onPaint && !Loading()) {
            paintTarget_ = into;
            skin::OnExit clear{[&] { paintTarget_ = nullptr; }};
            onPaint(*this);
        } else {
            PaintClientBackground(into);
        }
    };

    if (animationRunning_ && animationBitmap_ && dc == skin::BitmapDC(*animationBitmap_)) {
        HDC target = dc;
        POINT old;
        SetViewportOrgEx(target, client.Left, client.Top, &old);
        paint(target);
        SetViewportOrgEx(target, old.x, old.y, nullptr);
        return;
    }

    const bool blend = blending_->Enabled();
    std::unique_ptr<TSeBitmap> own;
    TSeBitmap* buffer = PaintBuffer(width, height, blend, own);
    if (!buffer || buffer->Empty()) {
        if (onlyRect) {
            const int saved = SaveDC(dc);
            IntersectClipRect(dc, onlyRect->Left, onlyRect->Top, onlyRect->Right, onlyRect->Bottom);
            paint(dc);
            RestoreDC(dc, saved);
        } else {
            paint(dc);
        }
        return;
    }
    HDC bufferDC = skin::BitmapDC(*buffer);
    const int saved = SaveDC(bufferDC);
    paint(bufferDC);
    RestoreDC(bufferDC, saved);
    const TRect whole{0, 0, width, height};
    if (blend) BlendWithBackground(*buffer, whole, std::uint8_t(blending_->Value()), *background_, client.Left, client.Top);
    const TRect part = onlyRect ? skin::RectIntersection(*onlyRect, whole) : whole;
    if (skin::RectIsEmpty(part)) return;
    BitBlt(dc, part.Left, part.Top, skin::RectWidth(part), skin::RectHeight(part), bufferDC, part.Left, part.Top,
           SRCCOPY);
}

// ---- region and geometry --------------------------------------------------------------------

HRGN TSeCustomForm::CreateFrameRegion() { return CreateRectRgn(0, 0, frameWidth_, frameHeight_); }

void TSeCustomForm::UpdateRegion() {
    if (!Hooked()) return;
    framePaintingAllowed_ = false;
    if (performance_ == ztfpPersistentBuffer) {
        if (!persistentBuffer_) persistentBuffer_ = std::make_unique<TSeBitmap>();
        persistentBuffer_->SetSize(windowWidth_, windowHeight_);
    }
    HRGN region = CreateWindowShape();
    if (!region) {
        framePaintingAllowed_ = true;
        return;
    }
    // The window owns the region from here on.
    if (!SetWindowRgn(OwnerWindow(), region, TRUE)) DeleteObject(region);
    framePaintingAllowed_ = true;
    if (onResize) onResize(*this);
}

void TSeCustomForm::UpdateFrame() {
    if (!Active() || !Hooked()) return;
    HWND window = OwnerWindow();
    const bool effects = blending_->Enabled() || shadow_->Enabled();
    // Without effects nothing is captured any more: what was is soon stale.
    if (!effects) backgroundRect_ = TRect{};
    const TRect bounds = OwnerBounds();
    // The row below the window, which the first size step covers, is
    // taken from the screen before the window draws there.
    if (effects) {
        const TRect now = ScreenWindowRect();
        CaptureBackground(skin::MakeBounds(now.Left, now.Top, skin::RectWidth(now), skin::RectHeight(now) + 1));
    }
    captureSuppressed_ = true;
    RECT before{};
    GetClientRect(window, &before);
    const int width = skin::RectWidth(bounds), height = skin::RectHeight(bounds);
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    // A size change makes the system ask for the client rectangle again.
    SetWindowPos(window, nullptr, 0, 0, width, height + 1, kFlags);
    SetWindowPos(window, nullptr, 0, 0, width, height, kFlags);
    RECT after{};
    GetClientRect(window, &after);
    const int dw = (before.right - before.left) - (after.right - after.left);
    const int dh = (before.bottom - before.top) - (after.bottom - after.top);
    // The last step captures the screen under the new rectangle while the
    // window still has its old size, so a shadow or translucency switched
    // on now mixes with what lies under the window at once.
    captureSuppressed_ = false;
    if (dw != 0 || dh != 0) SetWindowPos(window, nullptr, 0, 0, width + dw, height + dh, kFlags);
    if (effects) CaptureBackground(ScreenWindowRect());
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace skinui
