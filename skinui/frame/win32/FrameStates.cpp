// TSeCustomForm: the window states the frame manages itself (normal,
// maximized, minimized, rolled up, hidden in the tray), closing through the
// frame, and the program's own minimize and restore taken over.
//
// Every operation fires its event first (clearing CallDefault cancels it);
// what it does to the states and bounds is planned by PlanWindowState
// (WindowStatePlan.h), and this file carries the plan out on the window.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skinui/frame/WindowStatePlan.h"
#include "skinui/frame/win32/SeCustomForm.h"
#include "skinui/frame/win32/TrayIcon.h"

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

HWND TSeCustomForm::ApplicationWindow() const {
    framework::TForm* main = framework::Application().MainForm();
    return main && main->HandleAllocated() ? main->Handle() : OwnerWindow();
}

skin::TRect TSeCustomForm::NormalBounds() const {
    HWND window = OwnerWindow();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (IsIconic(window) && GetWindowPlacement(window, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        return skin::FromRECT(r);
    }
    return OwnerBounds();
}

// A window the system minimized for the program is shown again before it
// takes another state. The program's restore this causes finds the state
// already moving on, so it does not restore a second time.
void TSeCustomForm::ShowMinimizedWindow() {
    HWND window = ApplicationWindow();
    if (!minimizeApplication_ || !IsIconic(window)) return;
    const TSeWindowState state = windowState_;
    windowState_ = kwsNormal;
    ShowWindow(window, SW_RESTORE);
    windowState_ = state;
}

// A window in the tray is hidden: whatever state it goes to next, it is
// shown again and its icon goes.
void TSeCustomForm::LeaveTray() {
    if (windowState_ != kwsTray) return;
    HWND window = minimizeApplication_ ? ApplicationWindow() : OwnerWindow();
    ShowWindow(window, SW_RESTORE);
    if (window != OwnerWindow()) ShowWindow(OwnerWindow(), SW_SHOW);
    SetForegroundWindow(OwnerWindow());
    if (tray_) tray_->Hide();
}

void TSeCustomForm::Maximize() { RunStateOperation(kwsMaximized, onMaximize); }
void TSeCustomForm::Minimize() { RunStateOperation(kwsMinimized, onMinimize); }
void TSeCustomForm::Rollup() { RunStateOperation(kwsRollup, onRollup); }
void TSeCustomForm::MinToTray() { RunStateOperation(kwsTray, onMinToTray); }
void TSeCustomForm::Restore() { RunStateOperation(kwsNormal, nullptr); }

// A window that is not hooked is left alone, and its event is not fired:
// nothing would follow it.
void TSeCustomForm::RunStateOperation(TSeWindowState operation, const TSeFormActionEvent& event) {
    track_.HoverOver(kfhSkinButton);
    if (!Hooked()) return;
    if (!FireAction(event)) return;
    TWindowStateFacts facts;
    facts.programMinimizes = minimizeApplication_;
    facts.frameHasMaximizedWidth =
        windowState_ == kwsRollup && skin::RectWidth(GetMaximizedBounds()) == frameWidth_;
    const TWindowStatePlan plan = PlanWindowState(windowState_, previousState_, pendingState_, operation, facts);
    if (plan.acts) ApplyStatePlan(plan);
    pendingState_ = kwsNormal;
}

void TSeCustomForm::ApplyStatePlan(const TWindowStatePlan& plan) {
    // Showing the window again runs the program's restore, which finds the
    // state unchanged: the bookkeeping is set from the plan afterwards.
    const skin::TRect kept = restoreBounds_;
    if (plan.leaveTray) LeaveTray();
    if (plan.showMinimized) ShowMinimizedWindow();
    windowState_ = plan.state;
    previousState_ = plan.previous;
    restoreBounds_ = plan.saveBounds ? NormalBounds() : kept;
    switch (plan.bounds) {
        case TStateBounds::kKeep: break;
        case TStateBounds::kMaximized:
            maximizedOnScreen_ = true;
            SetFormBounds(GetMaximizedBounds());
            PaintFrame();
            break;
        case TStateBounds::kMinimized:
            if (minimizeApplication_) {
                HWND window = ApplicationWindow();
                if (!IsIconic(window)) ShowWindow(window, SW_MINIMIZE);
            } else {
                SetFormBounds(GetMinimizedBounds());
            }
            break;
        case TStateBounds::kRolledUp: {
            // The rolled-up frame keeps its width: the shadow's space is
            // added back, or the window would lose it on every roll-up.
            skin::TRect bounds = GetRollupBounds();
            const int inset = shadow_->Enabled() ? shadow_->Size() : 0;
            bounds.Right += inset;
            bounds.Bottom += inset;
            SetFormBounds(bounds);
            break;
        }
        case TStateBounds::kTray: HideInTray(); break;
        case TStateBounds::kRestoreHere: {
            const skin::TRect bounds = OwnerBounds();
            restoreBounds_ = skin::RectOffset(restoreBounds_, bounds.Left - restoreBounds_.Left,
                                              bounds.Top - restoreBounds_.Top);
            SetFormBounds(restoreBounds_);
            break;
        }
        case TStateBounds::kRestore:
            // None yet: a window that was never anything but normal.
            if (!skin::RectIsEmpty(restoreBounds_)) SetFormBounds(restoreBounds_);
            break;
    }
    if (plan.repaintShadow && shadow_->Enabled()) PaintFrame();
    if (plan.then == kwsNormal) return;
    ApplyState(plan.then);
    if (plan.keepBoundsAfter) restoreBounds_ = kept;
    if (plan.previousNormalAfter) previousState_ = kwsNormal;
}

void TSeCustomForm::HideInTray() {
    std::string tip = minimizeApplication_ ? framework::Application().Title() : caption_;
    if (tip.empty()) tip = Form()->Caption();
    // The program minimizes itself first (its minimize handlers hear it);
    // hidden, the window has no taskbar button; its icon brings it back.
    if (minimizeApplication_) {
        HWND application = ApplicationWindow();
        if (!IsIconic(application)) ShowWindow(application, SW_MINIMIZE);
        if (application != OwnerWindow()) ShowWindow(application, SW_HIDE);
    }
    ShowWindow(OwnerWindow(), SW_HIDE);
    TSeTrayIcon& tray = Tray();
    tray.SetIcon(FormIcon());
    tray.Show(tip);
}

// Closing asks the form (its close query) and tells it what closing does;
// the program's main form ends the program, any other form is hidden or
// minimized. A form that refuses (a run still going on) stays as it is.
void TSeCustomForm::CloseForm() {
    if (!FireAction(onClose)) return;
    if (!Hooked()) return;
    framework::TForm* form = Form();
    if (!form->QueryClose()) return;
    framework::TCloseAction action = framework::TCloseAction::caHide;
    if (form->onClose) form->onClose(*form, action);
    if (action == framework::TCloseAction::caNone) return;
    if (framework::Application().MainForm() == form) {
        framework::Application().Terminate();
    } else if (action == framework::TCloseAction::caMinimize) {
        Minimize();
    } else {
        ShowWindow(OwnerWindow(), SW_HIDE);
    }
}

void TSeCustomForm::ContextHelp() {
    if (Hooked()) SendMessageA(OwnerWindow(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
}

void TSeCustomForm::CustomAction(skin::TSeSkinObject&) {}

// ---- the program's minimize and restore ------------------------------------------

namespace {

// The frame's handler of the program's minimize (or restore). It runs with
// the earlier handler put back, so that what it causes does not come back
// to it, and passes every call on to that earlier handler. Once its frame
// is gone it only passes on: another frame may still hold it as the
// handler it saved.
struct ApplicationHandler {
    TSeCustomForm* frame;
    std::weak_ptr<bool> alive;
    std::function<void()> saved;
    bool minimize;

    bool FrameAlive() const {
        const std::shared_ptr<bool> flag = alive.lock();
        return flag && *flag;
    }
    std::function<void()>& Slot() const {
        framework::TApplication& app = framework::Application();
        return minimize ? app.onMinimize : app.onRestore;
    }
    void operator()() const {
        // Putting the earlier handler back destroys this one: work on a copy.
        const ApplicationHandler self = *this;
        if (!self.FrameAlive()) {
            if (self.saved) self.saved();
            return;
        }
        self.Slot() = self.saved;
        const TSeWindowState state = self.frame->WindowState();
        if (self.minimize && state != kwsMinimized && state != kwsTray) self.frame->Minimize();
        if (!self.minimize && state == kwsMinimized) {
            self.frame->Restore();
            self.frame->PaintFrame();
        }
        if (self.saved) self.saved();
        if (self.FrameAlive()) self.Slot() = self;
    }
};

bool IsHandlerOf(const std::function<void()>& slot, const TSeCustomForm* frame) {
    const auto* handler = slot.target<ApplicationHandler>();
    return handler && handler->frame == frame;
}

}  // namespace

void TSeCustomForm::TakeApplicationEvents() {
    if (applicationEventsTaken_) return;
    applicationEventsTaken_ = true;
    framework::TApplication& app = framework::Application();
    app.onMinimize = ApplicationHandler{this, alive_, app.onMinimize, true};
    app.onRestore = ApplicationHandler{this, alive_, app.onRestore, false};
}

// The earlier handlers go back where the frame's own are still in place;
// where a later frame put its handler over this frame's, that one keeps
// this frame's, which only passes on from now.
void TSeCustomForm::GiveApplicationEventsBack() {
    if (!applicationEventsTaken_) return;
    applicationEventsTaken_ = false;
    framework::TApplication& app = framework::Application();
    for (std::function<void()>* slot : {&app.onMinimize, &app.onRestore}) {
        if (IsHandlerOf(*slot, this)) *slot = slot->target<ApplicationHandler>()->saved;
    }
}

}  // namespace skinui
