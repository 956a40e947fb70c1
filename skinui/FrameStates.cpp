// TSeCustomForm: the window states the frame manages itself (normal,
// maximized, minimized, rolled up) and closing through the frame.
//
// The frame's own system menu and the notification-area icon are not part
// of this program yet: PopupSystemMenu shows nothing and MinToTray leaves
// the window as it is (hiding it without an icon to bring it back would
// lose the window).
#include <windows.h>

#include "framework/win32/Form.h"
#include "skinui/SeCustomForm.h"

namespace skinui {

bool TSeCustomForm::FireAction(const TSeFormActionEvent& event) {
    bool callDefault = true;
    if (event) event(*this, callDefault);
    return callDefault;
}

void TSeCustomForm::ApplyState(TSeWindowState state) {
    switch (state) {
        case kwsNormal: Restore(); break;
        case kwsMaximized: Maximize(); break;
        case kwsMinimized: Minimize(); break;
        case kwsRollup: Rollup(); break;
        case kwsTray: MinToTray(); break;
    }
}

void TSeCustomForm::Maximize() {
    hoverHit_ = kfhSkinButton;
    if (!FireAction(onMaximize)) return;
    if (windowState_ == kwsMaximized) {
        Restore();
    } else if (Hooked()) {
        previousState_ = windowState_;
        if (pendingState_ == kwsNormal && windowState_ != kwsRollup && windowState_ != kwsMinimized) {
            restoreBounds_ = OwnerBounds();
        }
        windowState_ = kwsMaximized;
        SetFormBounds(GetMaximizedBounds());
        PaintFrame();
    }
    pendingState_ = kwsNormal;
}

void TSeCustomForm::Minimize() {
    hoverHit_ = kfhSkinButton;
    if (!Hooked()) return;
    if (!FireAction(onMinimize)) return;
    if (windowState_ == kwsMinimized) {
        Restore();
    } else {
        previousState_ = windowState_;
        windowState_ = kwsMinimized;
        if (pendingState_ == kwsNormal && previousState_ != kwsRollup && previousState_ != kwsMaximized) {
            restoreBounds_ = OwnerBounds();
        }
        if (minimizeApplication_) {
            ShowWindow(OwnerWindow(), SW_MINIMIZE);
        } else {
            SetFormBounds(GetMinimizedBounds());
        }
    }
    pendingState_ = kwsNormal;
}

void TSeCustomForm::Rollup() {
    hoverHit_ = kfhSkinButton;
    if (!FireAction(onRollup)) return;
    if (windowState_ == kwsRollup) {
        Restore();
    } else if (Hooked()) {
        previousState_ = windowState_;
        windowState_ = kwsRollup;
        if (previousState_ != kwsMinimized && previousState_ != kwsMaximized) restoreBounds_ = OwnerBounds();
        // The rolled-up frame keeps its width: the shadow's space is added
        // back, or the window would lose it on every roll-up.
        skin::TRect bounds = GetRollupBounds();
        const int inset = shadow_->Enabled() ? shadow_->Size() : 0;
        bounds.Right += inset;
        bounds.Bottom += inset;
        SetFormBounds(bounds);
    }
    pendingState_ = kwsNormal;
}

void TSeCustomForm::MinToTray() { hoverHit_ = kfhSkinButton; }

void TSeCustomForm::Restore() {
    hoverHit_ = kfhSkinButton;
    if (!Hooked()) return;
    switch (windowState_) {
        case kwsNormal:
            if (!skin::RectIsEmpty(restoreBounds_)) SetFormBounds(restoreBounds_);
            break;
        case kwsMaximized:
            if (previousState_ == kwsMinimized) {
                if (minimizeApplication_) break;
                windowState_ = kwsNormal;
                SetFormBounds(restoreBounds_);
                Maximize();
            } else if (previousState_ == kwsRollup) {
                windowState_ = kwsNormal;
                SetFormBounds(restoreBounds_);
                Rollup();
            } else {
                previousState_ = kwsMaximized;
                windowState_ = kwsNormal;
                SetFormBounds(restoreBounds_);
                if (shadow_->Enabled()) PaintFrame();
            }
            break;
        case kwsMinimized:
            if (minimizeApplication_ && IsIconic(OwnerWindow())) ShowWindow(OwnerWindow(), SW_RESTORE);
            if (previousState_ == kwsMaximized) {
                windowState_ = kwsNormal;
                Maximize();
                previousState_ = kwsNormal;
            } else if (previousState_ == kwsRollup) {
                windowState_ = kwsNormal;
                Rollup();
                previousState_ = kwsNormal;
            } else {
                windowState_ = kwsNormal;
                SetFormBounds(restoreBounds_);
            }
            break;
        case kwsRollup:
            if (skin::RectWidth(GetMaximizedBounds()) == frameWidth_ || previousState_ == kwsMaximized) {
                windowState_ = kwsNormal;
                Maximize();
                previousState_ = kwsNormal;
            } else {
                windowState_ = kwsNormal;
                const skin::TRect bounds = OwnerBounds();
                restoreBounds_ = skin::RectOffset(restoreBounds_, bounds.Left - restoreBounds_.Left,
                                                  bounds.Top - restoreBounds_.Top);
                SetFormBounds(restoreBounds_);
            }
            break;
        case kwsTray:
            windowState_ = kwsNormal;
            SetFormBounds(restoreBounds_);
            break;
    }
    pendingState_ = kwsNormal;
}

// Posted, not sent: the close button's release is still on the stack, and
// the form's own close handling (its close query) decides.
void TSeCustomForm::CloseForm() {
    if (!FireAction(onClose)) return;
    if (!Hooked()) return;
    PostMessageA(OwnerWindow(), WM_CLOSE, 0, 0);
}

void TSeCustomForm::ContextHelp() {
    if (Hooked()) SendMessageA(OwnerWindow(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

void TSeCustomForm::PopupSystemMenu() { hoverHit_ = kfhSkinButton; }

void TSeCustomForm::CustomAction(skin::TSeSkinObject&) {}

}  // namespace skinui
