// TSeCustomForm: the frame of one top-level window, drawn by this library
// instead of the system. It is a non-visual component of the form; it hooks
// the form's window (Hooks.h) and answers its non-client messages: the
// client bounds (WM_NCCALCSIZE), the frame paint (WM_NCPAINT,
// WM_NCACTIVATE), the client background (WM_ERASEBKGND), the window region
// with its shadow, and the size bookkeeping of WM_WINDOWPOSCHANGING.
//
// This class draws the plain frame from system metrics; TSeSkinForm
// (SeSkinForm.h) takes every geometry and pixel from a skin instead and
// falls back to this class when it has no usable skin.
//
// Sizes: WindowWidth x WindowHeight is the whole window; the frame is the
// window less the shadow (Shadow.Size on both axes) while the shadow is on
// and the window is not maximized. The shadow and translucency mix the
// frame's pixels with the screen contents captured under the window
// (the background), so no layered window is needed.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "skin/gfx/Rect.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/objects/SkinObjectControl.h"
#include "skinui/effects/FormOptions.h"
#include "skinui/frame/FrameGeometry.h"
#include "skinui/frame/FrameTracking.h"
#include "skinui/frame/FrameTypes.h"
#include "skinui/hooks/win32/Hooks.h"
#include "skinui/controls/SeBlending.h"
#include "skinui/frame/SizeConstraints.h"

namespace framework {
class TPopupMenu;
}

namespace skinui {

class TSeCustomItem;
class TSeTrayIcon;
struct TWindowStatePlan;

// An action event: clearing callDefault cancels the action.
using TSeFormActionEvent = std::function<void(framework::TComponent& sender, bool& callDefault)>;

class TSeCustomForm : public TSeHook, public skin::SkinnedForm {
public:
    static constexpr std::string_view kClassName = "TSeCustomForm";
    explicit TSeCustomForm(framework::TComponent* owner);
    ~TSeCustomForm() override;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // Active, Animation, Blending, BorderIcons, BorderStyle, Caption,
    // Dragging, Gravitation, Constraints, SystemMenuOptions,
    // SystemMenuLink, TrayMenuOptions, TrayMenuLink, MinimizeApplication,
    // Performance, Shadow, StayOnTop, StretchBackground, WindowState,
    // MenuBar, OnCreate, OnPaint, OnResize, OnClose, OnMinimize, OnMaximize,
    // OnRollup, OnMinToTray.
    static const framework::PropertyTable& ClassProperties();

    // ---- settings ----------------------------------------------------------
    TSeAnimation* Animation() const { return animation_.get(); }
    TSeBlending* Blending() const { return blending_.get(); }
    TSeShadow* Shadow() const { return shadow_.get(); }
    TSeGravitation* Gravitation() const { return gravitation_.get(); }
    TSeDragging* Dragging() const { return dragging_.get(); }
    TSeSizeConstraints* Constraints() const { return constraints_.get(); }
    TSePopupMenuOptions* SystemMenuOptions() const { return systemMenuOptions_.get(); }
    TSePopupMenuOptions* TrayMenuOptions() const { return trayMenuOptions_.get(); }
    // Popup menus shown instead of the frame's own system menu: in the tray
    // the tray link, elsewhere the system menu link (nullptr: none).
    framework::TPopupMenu* SystemMenuLink() const { return systemMenuLink_; }
    void SetSystemMenuLink(framework::TPopupMenu* menu);
    framework::TPopupMenu* TrayMenuLink() const { return trayMenuLink_; }
    void SetTrayMenuLink(framework::TPopupMenu* menu);
    // A menu bar that sees the window's short-cut keys first (stored only).
    framework::TComponent* MenuBar() const { return menuBar_; }
    void SetMenuBar(framework::TComponent* menuBar);

    // A set of TSeBorderIcon bits.
    std::uint32_t BorderIcons() const override { return borderIcons_; }
    void SetBorderIcons(std::uint32_t value);
    TSeBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TSeBorderStyle value);
    // The text the plain frame shows. Setting a different one also sets the
    // hooked form's caption.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool MinimizeApplication() const { return minimizeApplication_; }
    void SetMinimizeApplication(bool value) { minimizeApplication_ = value; }
    TSeFormPerformance Performance() const { return performance_; }
    void SetPerformance(TSeFormPerformance value) { performance_ = value; }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool value);
    bool StretchBackground() const { return stretchBackground_; }
    void SetStretchBackground(bool value) { stretchBackground_ = value; }
    TSeWindowState WindowState() const { return windowState_; }
    // Runs the state operation; while loading the state is only recorded
    // and applied once the window exists (WM_SESETSTATE).
    void SetWindowState(TSeWindowState value);

    framework::TNotifyEvent onCreate;
    framework::TNotifyEvent onPaint;
    framework::TNotifyEvent onResize;
    TSeFormActionEvent onClose, onMinimize, onMaximize, onRollup, onMinToTray;
    const std::string& OnCreateName() const { return onCreateName_; }
    void SetOnCreate(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnPaintName() const { return onPaintName_; }
    void SetOnPaint(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnResizeName() const { return onResizeName_; }
    void SetOnResize(const std::string& name, framework::TNotifyEvent handler);
    // The action events read from a description: the root's method runs with
    // CallDefault left set.
    const std::string& OnCloseName() const { return actionNames_[0]; }
    void SetOnClose(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnMinimizeName() const { return actionNames_[1]; }
    void SetOnMinimize(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnMaximizeName() const { return actionNames_[2]; }
    void SetOnMaximize(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnRollupName() const { return actionNames_[3]; }
    void SetOnRollup(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnMinToTrayName() const { return actionNames_[4]; }
    void SetOnMinToTray(const std::string& name, framework::TNotifyEvent handler);
    // Where an OnPaint handler draws the client background (client
    // coordinates); nullptr outside the handler.
    HDC PaintTarget() const { return paintTarget_; }

    // ---- state ---------------------------------------------------------------
    int WindowWidth() const { return windowWidth_; }
    int WindowHeight() const { return windowHeight_; }
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }
    bool FrameActive() const { return frameActive_; }
    TSeWindowState PendingState() const { return pendingState_; }
    TSeWindowState PreviousState() const { return previousState_; }
    const skin::TRect& RestoreBounds() const { return restoreBounds_; }
    // The screen under the window, as last captured, and where it was taken.
    const skin::TSeBitmap& Background() const { return *background_; }
    const skin::TRect& BackgroundRect() const { return backgroundRect_; }
    // The shadow's size when it is drawn (on and not maximized), else 0.
    int ShadowInset() const;

    // ---- operations ----------------------------------------------------------
    // Repaints the frame now.
    void PaintFrame();
    // Recomputes the frame's geometry, keeping the client size.
    void UpdateFrame();
    // The owner's bounds (screen or parent coordinates), then the pending paints.
    void SetFormBounds(const skin::TRect& bounds);
    // Dispatches queued WM_PAINT messages only; a WM_QUIT met on the way is
    // posted again.
    static void PumpPaintMessages();
    // Copies the screen under `rect` (screen coordinates) into Background,
    // reusing what the last capture already holds.
    void CaptureBackground(const skin::TRect& rect);
    // The show animation, when Animation is enabled.
    void AnimateShow();
    // The window as the show animation shows it at its end, into `image`
    // (window size): frame, shadow, client background and every visible
    // control; outside the window's shape along its edges the key colour.
    void RenderShowImage(skin::TSeBitmap& image);
    // Hands a message to this frame's handlers as the hook would; returns
    // true when a handler took it.
    bool Dispatch(TMessage& message);
    // Frame paints are held back while this is false (a popup menu of the
    // window clears it while it shows its level).
    void SetFramePaintingAllowed(bool allowed) { framePaintingAllowed_ = allowed; }

    virtual void UpdateRegion();
    // A new region owned by the caller, of the frame without the shadow.
    virtual HRGN CreateFrameRegion();
    virtual skin::TRect GetButtonRect(TSeBorderIcon icon);
    virtual skin::TRect GetClientBounds();
    virtual skin::TRect GetRollupBounds();
    virtual skin::TRect GetMinimizedBounds();
    virtual skin::TRect GetMaximizedBounds();
    virtual skin::TPoint GetMaxTrackSize();
    virtual skin::TPoint GetMinTrackSize();
    // The frame (everything but the client) onto `dc`, in window coordinates.
    virtual void PaintNonClient(HDC dc);
    // The client background onto `dc`, in client coordinates.
    virtual void PaintClientBackground(HDC dc);
    virtual TSeFrameHit HitTest(int x, int y);
    // The frame's mouse, in window coordinates; shift holds kShiftLeft,
    // kShiftRight and kShiftDouble bits.
    virtual void FrameMouseDown(skin::TMouseButton button, skin::TShiftState shift, int x, int y);
    virtual void FrameMouseMove(skin::TShiftState shift, int x, int y);
    virtual void FrameMouseUp(skin::TMouseButton button, skin::TShiftState shift, int x, int y);
    TSeFrameHit PressedHit() const { return track_.Pressed(); }
    TSeFrameHit HoverHit() const { return track_.Hovered(); }
    // True from a press that starts a move or resize to its release.
    bool DragRunning() const { return track_.Dragging(); }
    // The outline of an outline drag (XOR-drawn; drawing the same rectangle
    // again erases it), in screen or parent coordinates.
    void DrawDragFrame(const skin::TRect& rect);
    const skin::TRect& DragOutline() const { return track_.Outline(); }
    // Where the system menu opens when it opens at the mouse; (0, 0) otherwise.
    skin::TPoint PopupPoint() const { return popupPoint_; }
    void SetPopupPoint(skin::TPoint point) { popupPoint_ = point; }

    // ---- system menu and tray ---------------------------------------------------
    // Makes the frame's own system menu anew for the present state and
    // border icons; the tree it returns lives until the next build.
    TSeCustomItem* BuildSystemMenu();
    TSeCustomItem* SystemMenu() const { return systemMenu_.get(); }
    // True while the frame's system menu (or a linked one) is shown.
    bool SystemMenuShown() const { return systemMenuShown_; }
    // The frame's icon in the notification area (made on first use).
    TSeTrayIcon& Tray();
    // The icon of the form, else the program's.
    HICON FormIcon() const;
    // FormIcon at the system's small-icon size (made on first use, owned).
    HICON SmallIcon();

    static constexpr skin::TShiftState kShiftLeft = kFrameShiftLeft;
    static constexpr skin::TShiftState kShiftRight = kFrameShiftRight;
    static constexpr skin::TShiftState kShiftDouble = kFrameShiftDouble;

    // ---- window states (SkinnedForm) ------------------------------------------
    void CloseForm() override;
    void ContextHelp() override;
    void Minimize() override;
    void Maximize() override;
    void Restore() override;
    void Rollup() override;
    void MinToTray() override;
    void PopupSystemMenu() override;
    void CustomAction(skin::TSeSkinObject& sender) override;

    // The active frame of the form `control` is on, or nullptr.
    static TSeCustomForm* FindSkinnedFrame(framework::TControl* control);

    void Loaded() override;
    void AfterMessage(TMessage& message) override;
    void Notification(framework::TComponent* component, framework::TOperation operation) override;

protected:
    void HandleMessage(TMessage& message) override;
    // The state code the frame's skin objects are given.
    int StateCode() const { return FrameStateCode(windowState_); }
    bool Hooked() const;
    HWND OwnerWindow() const;
    FrameMetrics Metrics() const;
    // True while frame paints may run (not while the region is replaced).
    bool FramePaintingAllowed() const { return framePaintingAllowed_; }
    // The client background through the buffer of the current Performance,
    // blended with the background when blending is on; `rect` limits what
    // reaches `dc` (client coordinates; empty: all).
    void EraseClient(HDC dc, const skin::TRect* onlyRect);
    // The frame with its canvas on `dc` at `offset` (WM_SEPAINTFRAME).
    void PaintFrameInto(HDC dc, skin::TPoint offset);
    // Called once the option objects report a change.
    void OptionsChanged();
    // The root of a new system menu tree, without items; skinned frames make
    // items that take their look from the skin.
    virtual TSeCustomItem* CreateSystemMenuItem();

private:
    void OnWindowPosChanging(WINDOWPOS& pos);
    void OnWindowPosChanged(const WINDOWPOS& pos);
    void OnNcCalcSize(TMessage& message);
    void OnNonClientMouse(TMessage& message);
    void OnCapturedMouse(TMessage& message);
    skin::TPoint ScreenToWindow(int screenX, int screenY) const;
    // The rectangle a moved window snaps to: the parent's client, or the work area.
    skin::TRect SnapArea() const;
    void EndDrag();
    void EraseOutline();
    void ReleaseMouse();
    void OnEraseBackground(TMessage& message);
    void OnPaint(TMessage& message);
    void ApplyPendingState();
    void ApplyState(TSeWindowState state);
    // A state operation (kwsNormal: Restore) with its event, planned and applied.
    void RunStateOperation(TSeWindowState operation, const TSeFormActionEvent& event);
    void ApplyStatePlan(const TWindowStatePlan& plan);
    void HideInTray();
    // Shows a window hidden in the tray again and deletes the tray icon.
    void LeaveTray();
    void ShowMinimizedWindow();
    // The window the program minimizes and hides: the main form's, else the owner's.
    HWND ApplicationWindow() const;
    // The owner's bounds, or its normal bounds while the system has it minimized.
    skin::TRect NormalBounds() const;
    void RunSystemCommand(const std::string& caption);
    void PopupLinkedMenu(framework::TPopupMenu& menu, TSePopupMenuOptions& options, bool foreground, skin::TPoint at);
    void TakeApplicationEvents();
    void GiveApplicationEventsBack();
    void PaintPlainCaption(HDC dc, const skin::TRect& client);
    void ParkAndPostPending();
    bool FireAction(const TSeFormActionEvent& event);
    skin::TRect OwnerBounds() const;
    skin::TRect ScreenWindowRect() const;
    void MakeTopmost(bool topmost);
    void TakeFrameSize(int width, int height);
    // The buffer a paint of width x height draws into by Performance
    // (nullptr: the target itself); a buffer made for this paint goes to `own`.
    skin::TSeBitmap* PaintBuffer(int width, int height, bool unbufferedNeedsOne, std::unique_ptr<skin::TSeBitmap>& own);
    // The frame region with the shadow's offset copy; owned by the caller.
    HRGN CreateWindowShape();

    std::unique_ptr<TSeAnimation> animation_;
    std::unique_ptr<TSeBlending> blending_;
    std::unique_ptr<TSeShadow> shadow_;
    std::unique_ptr<TSeGravitation> gravitation_;
    std::unique_ptr<TSeDragging> dragging_;
    std::unique_ptr<TSeSizeConstraints> constraints_;
    std::unique_ptr<TSePopupMenuOptions> systemMenuOptions_;
    std::unique_ptr<TSePopupMenuOptions> trayMenuOptions_;
    std::uint32_t borderIcons_ = kDefaultBorderIcons;
    TSeBorderStyle borderStyle_ = kbsStandard;
    std::string caption_;
    bool minimizeApplication_ = true;
    TSeFormPerformance performance_ = ztfpNoBuffer;
    bool stayOnTop_ = false;
    bool stretchBackground_ = false;
    TSeWindowState windowState_ = kwsNormal;
    std::string onCreateName_, onPaintName_, onResizeName_;
    std::string actionNames_[5];
    framework::TComponent* menuBar_ = nullptr;

    int windowWidth_ = 0, windowHeight_ = 0;
    int frameWidth_ = 0, frameHeight_ = 0;
    bool frameActive_ = false;
    bool framePaintingAllowed_ = true;
    bool captureSuppressed_ = false;
    bool animationRunning_ = false;
    std::unique_ptr<skin::TSeBitmap> persistentBuffer_;
    std::unique_ptr<skin::TSeBitmap> background_;
    skin::TRect backgroundRect_{};
    skin::TSeBitmap* animationBitmap_ = nullptr;
    skin::TRect restoreBounds_{};
    TSeWindowState previousState_ = kwsNormal;
    TSeWindowState pendingState_ = kwsNormal;
    // Set when the window was maximized; the first capture after it leaves
    // that state is skipped, as the screen still shows the maximized window.
    bool maximizedOnScreen_ = false;
    std::string lastCaption_;
    FrameTracking track_;
    skin::TPoint popupPoint_{};
    framework::TPopupMenu* systemMenuLink_ = nullptr;
    framework::TPopupMenu* trayMenuLink_ = nullptr;
    std::unique_ptr<TSeCustomItem> systemMenu_;
    bool systemMenuShown_ = false;
    std::unique_ptr<TSeTrayIcon> tray_;
    HICON smallIcon_ = nullptr;
    // The frame's handlers of the program's minimize and restore are in
    // place; they check `alive_`, so that one another frame keeps after this
    // one is gone only passes on.
    bool applicationEventsTaken_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    // Set while the OnPaint handler runs.
    HDC paintTarget_ = nullptr;
};

}  // namespace skinui
