// TSeCustomForm: construction, settings, loading and the geometry queries.
// Painting is in FramePaint.cpp, the message handlers in FrameMessages.cpp,
// the window states in FrameStates.cpp, the system menu and the tray in
// FrameSystemMenu.cpp, background and animation in FrameEffects.cpp.
#include "skinui/frame/win32/SeCustomForm.h"

#include <algorithm>
#include <utility>

#include "framework/PopupMenu.h"
#include "framework/Property.h"
#include "framework/win32/Form.h"
#include "skin/SkinMessages.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skinui/menus/MenuItem.h"
#include "skinui/controls/win32/ThemeLibrary.h"
#include "skinui/frame/win32/TrayIcon.h"

namespace skinui {

namespace {

const framework::EnumInfo kBorderIconNames{"kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize",
                                           "kbiHelp",  "kbiRollup",     "kbiTray"};
const framework::EnumInfo kBorderStyles{"kbsNone", "kbsStandard", "kbsToolWindow"};
const framework::EnumInfo kPerformances{"ztfpNoBuffer", "ztfpSharedBuffer", "ztfpPersistentBuffer",
                                        "ztfpDoubleBuffer"};
const framework::EnumInfo kWindowStates{"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"};

// A stored action event: the root's methods take only the sender, so the
// operation goes on (CallDefault stays set).
TSeFormActionEvent ActionFromMethod(framework::TNotifyEvent handler) {
    if (!handler) return {};
    return [handler = std::move(handler)](framework::TComponent& sender, bool&) { handler(sender); };
}

}  // namespace

const framework::PropertyTable& TSeCustomForm::ClassProperties() {
    using T = TSeCustomForm;
    static const framework::PropertyTable table(
        &framework::TComponent::ClassProperties(),
        {
            framework::BooleanProperty("Active", &T::Active, &T::SetActive, true),
            framework::ObjectProperty("Animation", &T::Animation),
            framework::ObjectProperty("Blending", &T::Blending),
            framework::SetProperty("BorderIcons", kBorderIconNames, &T::BorderIcons, &T::SetBorderIcons,
                                   kDefaultBorderIcons),
            framework::EnumProperty("BorderStyle", kBorderStyles, &T::BorderStyle, &T::SetBorderStyle, kbsStandard),
            framework::StringProperty("Caption", &T::Caption, &T::SetCaption),
            framework::ObjectProperty("Dragging", &T::Dragging),
            framework::ObjectProperty("Gravitation", &T::Gravitation),
            framework::ObjectProperty("Constraints", &T::Constraints),
            framework::ComponentProperty("MenuBar", &T::MenuBar, &T::SetMenuBar),
            framework::ObjectProperty("SystemMenuOptions", &T::SystemMenuOptions),
            framework::ComponentProperty("SystemMenuLink", &T::SystemMenuLink, &T::SetSystemMenuLink),
            framework::ObjectProperty("TrayMenuOptions", &T::TrayMenuOptions),
            framework::ComponentProperty("TrayMenuLink", &T::TrayMenuLink, &T::SetTrayMenuLink),
            framework::BooleanProperty("MinimizeApplication", &T::MinimizeApplication, &T::SetMinimizeApplication,
                                       true),
            framework::EnumProperty("Performance", kPerformances, &T::Performance, &T::SetPerformance, ztfpNoBuffer),
            framework::ObjectProperty("Shadow", &T::Shadow),
            framework::BooleanProperty("StayOnTop", &T::StayOnTop, &T::SetStayOnTop, false),
            framework::BooleanProperty("StretchBackground", &T::StretchBackground, &T::SetStretchBackground, false),
            framework::EnumProperty("WindowState", kWindowStates, &T::WindowState, &T::SetWindowState, kwsNormal),
            framework::EventProperty("OnCreate", &T::OnCreateName, &T::SetOnCreate),
            framework::EventProperty("OnPaint", &T::OnPaintName, &T::SetOnPaint),
            framework::EventProperty("OnClose", &T::OnCloseName, &T::SetOnClose),
            framework::EventProperty("OnMinimize", &T::OnMinimizeName, &T::SetOnMinimize),
            framework::EventProperty("OnMaximize", &T::OnMaximizeName, &T::SetOnMaximize),
            framework::EventProperty("OnRollup", &T::OnRollupName, &T::SetOnRollup),
            framework::EventProperty("OnMinToTray", &T::OnMinToTrayName, &T::SetOnMinToTray),
            framework::EventProperty("OnResize", &T::OnResizeName, &T::SetOnResize),
        });
    return table;
}

TSeCustomForm::TSeCustomForm(framework::TComponent* owner)
    : TSeHook(owner), animation_(std::make_unique<TSeAnimation>()), blending_(std::make_unique<TSeBlending>()),
      shadow_(std::make_unique<TSeShadow>()), gravitation_(std::make_unique<TSeGravitation>()),
      dragging_(std::make_unique<TSeDragging>()), constraints_(std::make_unique<TSeSizeConstraints>()),
      systemMenuOptions_(std::make_unique<TSePopupMenuOptions>()),
      trayMenuOptions_(std::make_unique<TSePopupMenuOptions>()), background_(std::make_unique<skin::TSeBitmap>()) {
    blending_->onChange = [this] { OptionsChanged(); };
    shadow_->onChange = [this] { OptionsChanged(); };
    constraints_->onChange = [this] {
        const skin::TPoint least = GetMinTrackSize();
        if (Hooked()) {
            const skin::TRect bounds = OwnerBounds();
            if (skin::RectWidth(bounds) < least.X || skin::RectHeight(bounds) < least.Y) {
                SetFormBounds(skin::MakeBounds(bounds.Left, bounds.Top, std::max(skin::RectWidth(bounds), least.X),
                                               std::max(skin::RectHeight(bounds), least.Y)));
            }
        }
        OptionsChanged();
    };
    if (auto* form = dynamic_cast<framework::TForm*>(owner)) {
        caption_ = form->Caption();
        // The system draws no caption, menu or buttons of its own: every
        // pixel outside the client is this frame's.
        form->SetBorderStyle(framework::TBorderStyle::bsSizeable);
        form->SetBorderIcons(0);
        form->SetAutoScroll(false);
    }
}

TSeCustomForm::~TSeCustomForm() {
    BeginDestruction();
    SetActive(false);
    SetControl(nullptr);
    *alive_ = false;
    GiveApplicationEventsBack();
    tray_.reset();  // deletes the icon and the utility window
    systemMenu_.reset();
    if (smallIcon_) DestroyIcon(smallIcon_);
}

void TSeCustomForm::SetSystemMenuLink(framework::TPopupMenu* menu) {
    if (systemMenuLink_ && systemMenuLink_ != menu && systemMenuLink_ != trayMenuLink_ &&
        systemMenuLink_ != menuBar_) {
        RemoveFreeNotification(systemMenuLink_);
    }
    systemMenuLink_ = menu;
    if (menu) FreeNotification(menu);
}

void TSeCustomForm::SetTrayMenuLink(framework::TPopupMenu* menu) {
    if (trayMenuLink_ && trayMenuLink_ != menu && trayMenuLink_ != systemMenuLink_ && trayMenuLink_ != menuBar_) {
        RemoveFreeNotification(trayMenuLink_);
    }
    trayMenuLink_ = menu;
    if (menu) FreeNotification(menu);
}

void TSeCustomForm::Notification(framework::TComponent* component, framework::TOperation operation) {
    TSeHook::Notification(component, operation);
    if (operation != framework::TOperation::opRemove || !component) return;
    if (component == systemMenuLink_) systemMenuLink_ = nullptr;
    if (component == trayMenuLink_) trayMenuLink_ = nullptr;
    if (component == menuBar_) menuBar_ = nullptr;
}

// ---- settings ----------------------------------------------------------------

void TSeCustomForm::OptionsChanged() {
    if (!Loading()) UpdateFrame();
}

void TSeCustomForm::SetBorderIcons(std::uint32_t value) {
    if (value == borderIcons_) return;
    borderIcons_ = value;
    if (!Loading()) UpdateFrame();
}

void TSeCustomForm::SetBorderStyle(TSeBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    if (!Loading()) UpdateFrame();
}

void TSeCustomForm::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    if (Hooked()) {
        lastCaption_ = value;
        Form()->SetCaption(value);
        PaintFrame();
    }
}

void TSeCustomForm::SetStayOnTop(bool value) {
    stayOnTop_ = value;
    if (Hooked() && !Loading()) MakeTopmost(value);
}

void TSeCustomForm::MakeTopmost(bool topmost) {
    SetWindowPos(OwnerWindow(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOCOPYBITS | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TSeCustomForm::SetWindowState(TSeWindowState value) {
    if (Loading()) {
        pendingState_ = value;
        return;
    }
    // Asked for the state it is in, an operation would restore instead.
    if (value == windowState_) return;
    ApplyState(value);
}

void TSeCustomForm::SetOnCreate(const std::string& name, framework::TNotifyEvent handler) {
    onCreateName_ = name;
    onCreate = std::move(handler);
}
void TSeCustomForm::SetOnPaint(const std::string& name, framework::TNotifyEvent handler) {
    onPaintName_ = name;
    onPaint = std::move(handler);
}
void TSeCustomForm::SetOnResize(const std::string& name, framework::TNotifyEvent handler) {
    onResizeName_ = name;
    onResize = std::move(handler);
}
void TSeCustomForm::SetOnClose(const std::string& name, framework::TNotifyEvent handler) {
    actionNames_[0] = name;
    onClose = ActionFromMethod(std::move(handler));
}
void TSeCustomForm::SetOnMinimize(const std::string& name, framework::TNotifyEvent handler) {
    actionNames_[1] = name;
    onMinimize = ActionFromMethod(std::move(handler));
}
void TSeCustomForm::SetOnMaximize(const std::string& name, framework::TNotifyEvent handler) {
    actionNames_[2] = name;
    onMaximize = ActionFromMethod(std::move(handler));
}
void TSeCustomForm::SetOnRollup(const std::string& name, framework::TNotifyEvent handler) {
    actionNames_[3] = name;
    onRollup = ActionFromMethod(std::move(handler));
}
void TSeCustomForm::SetOnMinToTray(const std::string& name, framework::TNotifyEvent handler) {
    actionNames_[4] = name;
    onMinToTray = ActionFromMethod(std::move(handler));
}

void TSeCustomForm::SetMenuBar(framework::TComponent* menuBar) {
    if (menuBar_ && menuBar_ != menuBar && menuBar_ != systemMenuLink_ && menuBar_ != trayMenuLink_) {
        RemoveFreeNotification(menuBar_);
    }
    menuBar_ = menuBar;
    if (menuBar) FreeNotification(menuBar);
}

// ---- loading -----------------------------------------------------------------

void TSeCustomForm::Loaded() {
    TSeHook::Loaded();
    auto* form = dynamic_cast<framework::TForm*>(Owner());
    if (!form) return;
    SetControl(form);  // hooks the form's window (made now when needed)
    if (!Hooked()) return;
    if (blending_->Enabled() || shadow_->Enabled()) {
        RECT r;
        GetWindowRect(OwnerWindow(), &r);
        background_->SetSize(r.right - r.left, r.bottom - r.top);
    }
    lastCaption_ = form->Caption();
    // The frame takes its designed size first, also with a pending state:
    // its restore bounds and roll-up size are taken from it.
    UpdateFrame();
    if (pendingState_ != kwsNormal) ParkAndPostPending();
    if (onCreate) onCreate(*this);
    if (stayOnTop_) MakeTopmost(true);
}

// The window waits below the screen, at its normal size, until the state
// asked for while loading is applied from the message loop.
void TSeCustomForm::ParkAndPostPending() {
    HWND window = OwnerWindow();
    if (pendingState_ != kwsRollup) {
        restoreBounds_ = OwnerBounds();
        SetWindowPos(window, nullptr, 0, GetSystemMetrics(SM_CYSCREEN), skin::RectWidth(restoreBounds_),
                     skin::RectHeight(restoreBounds_), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    PostMessageA(window, skin::WM_SESETSTATE, pendingState_, 0);
}

// ---- queries -------------------------------------------------------------------

bool TSeCustomForm::Hooked() const {
    return ControlHook() && ControlHook()->Installed() && Form() && Form()->HandleAllocated();
}

HWND TSeCustomForm::OwnerWindow() const { return Form() ? Form()->Handle() : nullptr; }

int TSeCustomForm::ShadowInset() const {
    return shadow_->Enabled() && windowState_ != kwsMaximized ? shadow_->Size() : 0;
}

FrameMetrics TSeCustomForm::Metrics() const {
    return FrameMetrics{GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYCAPTION),
                        GetSystemMetrics(SM_CYSMCAPTION)};
}

skin::TRect TSeCustomForm::OwnerBounds() const {
    RECT r{};
    HWND window = OwnerWindow();
    GetWindowRect(window, &r);
    if (HWND parent = GetParent(window); parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return skin::FromRECT(r);
}

skin::TRect TSeCustomForm::ScreenWindowRect() const {
    RECT r{};
    GetWindowRect(OwnerWindow(), &r);
    return skin::FromRECT(r);
}

skin::TRect TSeCustomForm::GetClientBounds() {
    return PlainClientBounds(borderStyle_, frameWidth_, frameHeight_, Metrics());
}

skin::TRect TSeCustomForm::GetButtonRect(TSeBorderIcon icon) {
    CaptionButtonLayout layout;
    layout.client = GetClientBounds();
    layout.metrics = Metrics();
    layout.borderIcons = borderIcons_;
    layout.style = borderStyle_;
    layout.state = windowState_;
    layout.themed = ThemesActive();
    return PlainButtonRect(icon, layout);
}

skin::TRect TSeCustomForm::GetRollupBounds() {
    const skin::TRect bounds = OwnerBounds();
    return RollupBounds(skin::TPoint{bounds.Left, bounds.Top}, frameWidth_, frameHeight_, GetClientBounds());
}

skin::TRect TSeCustomForm::GetMinimizedBounds() {
    const skin::TRect rollup = GetRollupBounds();
    const int height = skin::RectHeight(rollup);
    RECT area{};
    HWND window = OwnerWindow();
    if (HWND parent = GetParent(window); parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        GetClientRect(parent, &area);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    return skin::MakeBounds(0, area.bottom - height, GetSystemMetrics(SM_CXMINIMIZED), height);
}

skin::TRect TSeCustomForm::GetMaximizedBounds() {
    RECT area{0, 0, 10000, 10000};
    if (!stayOnTop_) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(OwnerWindow(), MONITOR_DEFAULTTONEAREST), &monitor)) {
        IntersectRect(&area, &area, &monitor.rcMonitor);
    }
    // The plain frame pushes its borders off the screen.
    return skin::RectInflated(skin::FromRECT(area), GetClientBounds().Left);
}

skin::TPoint TSeCustomForm::GetMinTrackSize() {
    return MinTrackSize(SizeLimits{constraints_->MinWidth(), constraints_->MinHeight(), constraints_->MaxWidth(),
                                   constraints_->MaxHeight()});
}

skin::TPoint TSeCustomForm::GetMaxTrackSize() {
    return MaxTrackSize(SizeLimits{constraints_->MinWidth(), constraints_->MinHeight(), constraints_->MaxWidth(),
                                   constraints_->MaxHeight()},
                        GetMaximizedBounds());
}

TSeFrameHit TSeCustomForm::HitTest(int x, int y) {
    const skin::TRect client = GetClientBounds();
    TSeFrameHit hit = kfhNone;
    if (y < client.Top && x < frameWidth_) hit = kfhCaption;
    // The caption buttons, a later match winning.
    constexpr std::pair<TSeBorderIcon, TSeFrameHit> kButtons[] = {
        {skin::kbiSystemMenu, kfhSysMenu}, {skin::kbiClose, kfhClose}, {skin::kbiMinimize, kfhMinimize},
        {skin::kbiMaximize, kfhMaximize},  {skin::kbiHelp, kfhHelp},   {skin::kbiRollup, kfhRollup},
        {skin::kbiTray, kfhTray},
    };
    for (const auto& [icon, code] : kButtons) {
        if (skin::RectContains(GetButtonRect(icon), x, y)) hit = code;
    }
    if (windowState_ == kwsMaximized || windowState_ == kwsMinimized || windowState_ == kwsRollup) return hit;
    // The borders, with corner zones of 20 pixels.
    constexpr int kCorner = 20;
    // The top edge reaches down to the caption band, which starts one row
    // below the frame width without themes (as the caption buttons do).
    const int bandTop = Metrics().frameWidth + (ThemesActive() ? 0 : 1);
    if (y < bandTop) {
        hit = x < kCorner ? kfhTopLeft : x > frameWidth_ - kCorner ? kfhTopRight : kfhTop;
    } else if (y >= client.Bottom && y < frameHeight_) {
        hit = x < kCorner ? kfhBottomLeft : x > frameWidth_ - kCorner ? kfhBottomRight : kfhBottom;
    } else if (x < client.Left) {
        hit = y < kCorner ? kfhTopLeft : y > frameHeight_ - kCorner ? kfhBottomLeft : kfhLeft;
    } else if (x >= client.Right && x < frameWidth_) {
        hit = y < kCorner ? kfhTopRight : y > frameHeight_ - kCorner ? kfhBottomRight : kfhRight;
    }
    return hit;
}

TSeCustomForm* TSeCustomForm::FindSkinnedFrame(framework::TControl* control) {
    if (!control) return nullptr;
    framework::TControl* top = control;
    while (top->Parent()) top = top->Parent();
    auto* form = dynamic_cast<framework::TForm*>(top);
    if (!form) return nullptr;
    for (std::size_t i = 0; i < form->ComponentCount(); ++i) {
        auto* frame = dynamic_cast<TSeCustomForm*>(form->Components(i));
        if (frame && frame->Active()) return frame;
    }
    return nullptr;
}

}  // namespace skinui
