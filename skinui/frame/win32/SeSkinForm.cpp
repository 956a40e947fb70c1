#include "skinui/frame/win32/SeSkinForm.h"

#include <windows.h>

#include <iterator>

#include "framework/ClassRegistry.h"
#include "framework/Property.h"
#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "framework/win32/GraphicControl.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/RectConversion.h"
#include "skin/ScopeExit.h"
#include "skin/objects/win32/SkinCanvasDC.h"
#include "skin/SkinMessages.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/objects/LinkSkinObject.h"
#include "skin/objects/win32/SkinRegion.h"
#include "skinui/menus/SkinItem.h"

namespace skinui {

using skin::TRect;
using skin::TSeSkinObject;

namespace {

constexpr UINT_PTR kHoverTimerId = 0x5EF0;
constexpr UINT kHoverInterval = 100;

// "Form" (exactly) names the skin's form object; any other name is looked
// up, the form object standing in when nothing has that name.
const TSeSkinObject* FindFormObject(const skin::TSeSkinSource& source, const std::string& name) {
    const TSeSkinObject* object = nullptr;
    if (name == "Form") object = source.GetFormObject();
    if (!object) object = source.GetObjectByName(name);
    if (!object) object = source.GetFormObject();
    return object;
}

// Every object of `root`'s tree with its parent, depth first.
template <class F>
void ForEachObject(TSeSkinObject& root, const TSeSkinObject* parent, F&& f) {
    f(root, parent);
    for (int i = 0; i < root.ChildCount(); ++i)
        if (TSeSkinObject* child = root.Child(i)) ForEachObject(*child, &root, f);
}

}  // namespace

TSeSkinForm::TSeSkinForm(framework::TComponent* owner)
    : TSeCustomForm(owner), binding_("Form", this, &FindFormObject) {
    SetActive(true);
}

TSeSkinForm::~TSeSkinForm() {
    BeginDestruction();
    StopHoverTimer();
    DropFormObject();
}

const framework::PropertyTable& TSeSkinForm::ClassProperties() {
    using T = TSeSkinForm;
    // Version reads the library's version but is never stored.
    framework::PropertyInfo version = framework::StringProperty("Version", &T::Version, &T::SetVersion);
    version.stored = false;
    static const framework::PropertyTable table(
        &TSeCustomForm::ClassProperties(),
        {
            framework::ComponentProperty("SkinEngine", &T::SkinEngine, &T::SetSkinEngine),
            framework::StringProperty("SkinObject", &T::SkinObject, &T::SetSkinObject),
            version,
            framework::EventProperty("OnCustomAction", &T::OnCustomActionName, &T::SetOnCustomAction),
        });
    return table;
}

const std::string& TSeSkinForm::Version() const {
    static const std::string version(kVersion);
    return version;
}

// ---- the skin link ---------------------------------------------------------------

void TSeSkinForm::DropFormObject() {
    hoverObject_ = nullptr;
    pressedObject_ = nullptr;
    clientObject_ = nullptr;
    titleObject_ = nullptr;
    binding_.DropCopy();
}

void TSeSkinForm::SetSkinEngine(skin::TSeSkinEngine* engine) {
    auto* form = dynamic_cast<framework::TForm*>(Owner());
    DropFormObject();
    binding_.SetEngine(engine, &objectWindow_);
    if (TSeSkinObject* copy = binding_.Copy()) {
        titleObject_ = copy->FindByKind(skin::skTitle);
        clientObject_ = copy->FindByKind(skin::skClient);
        if (form) {
            form->Font()->Assign(*copy->Font());
            form->SetColor(copy->Color());
        }
    }
    if (!binding_.Copy() && form) form->SetColor(framework::clBtnFace);
    if (SkinUsable() && !clientObject_) GiveOwnerFixedSize();
    if (!Loading()) UpdateFrame();
}

void TSeSkinForm::GiveOwnerFixedSize() {
    const TSeSkinObject* copy = binding_.Copy();
    if (!Hooked() || !copy) return;
    SetWindowPos(OwnerWindow(), nullptr, 0, 0, copy->Width(), copy->Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TSeSkinForm::SkinUsable() const {
    return !Loading() && !Destroying() && binding_.Source() && binding_.Copy() && !binding_.Stale();
}

bool TSeSkinForm::SkinnedGeometry() const { return SkinUsable() && BorderStyle() != kbsNone; }

TSeCustomItem* TSeSkinForm::CreateSystemMenuItem() {
    auto* item = new TSeSkinItem(nullptr);
    item->SetSkinEngine(binding_.Engine());
    return item;
}

void TSeSkinForm::Loaded() {
    if (BorderStyle() == kbsToolWindow) {
        binding_.SetObjectName("ToolWindow");
        SetSkinEngine(binding_.Engine());
    }
    // The objects reach the window (repaints, the frame's buttons) through
    // this control once it exists.
    if (auto* form = dynamic_cast<framework::TForm*>(Owner())) {
        if (!form->HandleAllocated()) form->CreateHandle();
        objectWindow_.SetWindow(form->Handle());
    }
    TSeCustomForm::Loaded();
    if (!Hooked()) return;
    StartHoverTimer();
    if (SkinUsable() && !clientObject_) GiveOwnerFixedSize();
    TellComponentsObjectsChanged();
}

// Every component of the form hears that the skin's objects are in place:
// windowed controls by a sent message, windowless ones by a direct call.
void TSeSkinForm::TellComponentsObjectsChanged() {
    auto* form = Form();
    if (!form) return;
    for (std::size_t i = 0; i < form->ComponentCount(); ++i) {
        auto* control = dynamic_cast<framework::TControl*>(form->Components(i));
        if (!control) continue;
        if (dynamic_cast<framework::TGraphicControl*>(control)) {
            control->Perform(skin::WM_SEOBJECTCHANGED, 0, 0);
        } else if (control->HandleAllocated()) {
            SendMessageA(control->Handle(), skin::WM_SEOBJECTCHANGED, 0, 0);
        }
    }
}

void TSeSkinForm::Notification(framework::TComponent* component, framework::TOperation operation) {
    TSeCustomForm::Notification(component, operation);
    if (operation == framework::TOperation::opRemove && binding_.EngineRemoved(component)) {
        DropFormObject();
        if (!Destroying()) SetSkinEngine(nullptr);
    }
}

// ---- geometry ------------------------------------------------------------------------

TRect TSeSkinForm::GetClientBounds() {
    if (!SkinnedGeometry()) return TSeCustomForm::GetClientBounds();
    if (!clientObject_) return TRect{0, 0, FrameWidth(), FrameHeight()};
    if (clientObject_->Left() != 0 && clientObject_->Top() != 0) return clientObject_->BoundsRect();
    return TSeCustomForm::GetClientBounds();
}

HRGN TSeSkinForm::CreateFrameRegion() {
    if (!SkinnedGeometry()) {
        if (clientObject_) clientObject_->SetBounds(TRect{0, 0, FrameWidth(), FrameHeight()});
        return TSeCustomForm::CreateFrameRegion();
    }
    FormObject()->SetBounds(TRect{0, 0, FrameWidth(), FrameHeight()});
    // Controls placed by the skin follow their objects.
    if (auto* form = Form()) {
        const TRect client = GetClientBounds();
        ForEachObject(*FormObject(), nullptr, [&](TSeSkinObject& object, const TSeSkinObject* parent) {
            auto* link = dynamic_cast<skin::TSeLinkSkinObject*>(&object);
            if (!link || link->LinkControl().empty()) return;
            auto* control = dynamic_cast<framework::TControl*>(form->FindComponent(link->LinkControl()));
            if (!control) return;
            const TRect r = object.BoundsRect();
            if (parent && !skin::RectsOverlap(r, parent->BoundsRect())) {
                control->SetBounds(0, 0, 0, 0);
            } else {
                control->SetBounds(r.Left - client.Left, r.Top - client.Top, skin::RectWidth(r), skin::RectHeight(r));
            }
        });
    }
    const std::optional<skin::SkinRegion> region = FormObject()->CreateSubtreeRegion();
    if (!region) return TSeCustomForm::CreateFrameRegion();
    return skin::CreateRegionHandle(*region);
}

TRect TSeSkinForm::GetMaximizedBounds() {
    if (!SkinUsable()) return TSeCustomForm::GetMaximizedBounds();
    // The skinned frame keeps its borders on the screen.
    RECT area{0, 0, 10000, 10000};
    if (!StayOnTop()) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(OwnerWindow(), MONITOR_DEFAULTTONEAREST), &monitor)) {
        IntersectRect(&area, &area, &monitor.rcMonitor);
    }
    return skin::FromRECT(area);
}

skin::TPoint TSeSkinForm::GetMaxTrackSize() {
    // The plain frame maximizes past the work area (its borders off the
    // screen), so its own limit holds.
    if (!SkinUsable()) return TSeCustomForm::GetMaxTrackSize();
    RECT area{};
    if (StayOnTop()) {
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    const TSeSizeConstraints& c = *Constraints();
    return MaxTrackSize(SizeLimits{c.MinWidth(), c.MinHeight(), c.MaxWidth(), c.MaxHeight()},
                        skin::FromRECT(area));
}

// ---- painting ----------------------------------------------------------------------------

void TSeSkinForm::PaintNonClient(HDC dc) {
    if (!SkinnedGeometry()) {
        TSeCustomForm::PaintNonClient(dc);
        return;
    }
    painting_ = true;
    skin::OnExit done{[&] { painting_ = false; }};
    FormObject()->SetActive(FrameActive());
    FormObject()->SetState(StateCode());
    if (titleObject_) {
        // The window's own text: it follows WM_SETTEXT from anyone.
        wchar_t text[512] = {};
        GetWindowTextW(OwnerWindow(), text, int(std::size(text)));
        titleObject_->SetText(text);
    }
    if (clientObject_) clientObject_->SetVisible(false);
    skin::OnExit showClient{[&] {
        if (clientObject_) clientObject_->SetVisible(true);
    }};
    skin::SkinCanvasDC canvas(dc);
    if (Performance() != ztfpNoBuffer || !clientObject_) {
        FormObject()->Draw(canvas);
        return;
    }
    // Unbuffered: the caption strip is drawn off-screen first and goes to
    // the screen in one piece, so it never flickers by being drawn twice.
    const int stripHeight = clientObject_->Top();
    skin::TSeBitmap strip;
    strip.SetSize(FrameWidth(), stripHeight);
    if (!strip.Empty()) {
        strip.Fill(skin::kKeyPixel);
        {
            skin::SkinCanvasDC stripCanvas(skin::BitmapDC(strip));
            FormObject()->Draw(stripCanvas);
        }
        skin::Draw(strip, dc, 0, 0, true);
        ExcludeClipRect(dc, 0, 0, FrameWidth(), stripHeight);
    }
    FormObject()->Draw(canvas);
}

void TSeSkinForm::PaintClientBackground(HDC dc) {
    if (!SkinUsable()) {
        TSeCustomForm::PaintClientBackground(dc);
        return;
    }
    skin::SkinCanvasDC canvas(dc);
    if (!clientObject_) {
        FormObject()->Draw(canvas);
        return;
    }
    clientObject_->SetActive(FrameActive());
    POINT old;
    OffsetViewportOrgEx(dc, -clientObject_->Left(), -clientObject_->Top(), &old);
    clientObject_->Draw(canvas);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

// ---- mouse ------------------------------------------------------------------------------------

TSeFrameHit TSeSkinForm::HitTest(int x, int y) {
    if (!SkinnedGeometry()) return TSeCustomForm::HitTest(x, y);
    const TSeSkinObject* object = FormObject()->ObjectAtPoint(skin::TPoint{x, y});
    if (!object) return kfhNone;
    switch (object->Kind()) {
        case skin::skCaption:
        case skin::skTitle: return kfhCaption;
        case skin::skTop: return kfhTop;
        case skin::skLeft: return kfhLeft;
        case skin::skRight: return kfhRight;
        case skin::skBottom: return kfhBottom;
        case skin::skTopLeft: return kfhTopLeft;
        case skin::skTopRight: return kfhTopRight;
        case skin::skBottomLeft: return kfhBottomLeft;
        case skin::skBottomRight: return kfhBottomRight;
        case skin::skSysButton: return kfhSkinButton;
        default: return kfhNone;
    }
}

void TSeSkinForm::FrameMouseDown(skin::TMouseButton button, skin::TShiftState shift, int x, int y) {
    TSeCustomForm::FrameMouseDown(button, shift, x, y);
    if (!SkinUsable()) return;
    TSeSkinObject* object = FormObject()->ObjectAtPoint(skin::TPoint{x, y});
    pressedObject_ = object;
    if (!object) return;
    if (shift & kShiftDouble) {
        object->MouseDoubleClick(button, x - object->Left(), y - object->Top());
    } else {
        object->MouseDown(button, x - object->Left(), y - object->Top());
    }
}

void TSeSkinForm::FrameMouseMove(skin::TShiftState shift, int x, int y) {
    TSeCustomForm::FrameMouseMove(shift, x, y);
    if (!SkinUsable()) return;
    TSeSkinObject* object = FormObject()->ObjectAtPoint(skin::TPoint{x, y});
    if (!object) return;
    if ((shift & (kShiftLeft | kShiftRight)) == 0 || object == pressedObject_) {
        object->MouseMove(shift, x - object->Left(), y - object->Top());
    }
}

void TSeSkinForm::FrameMouseUp(skin::TMouseButton button, skin::TShiftState shift, int x, int y) {
    TSeCustomForm::FrameMouseUp(button, shift, x, y);
    if (!SkinUsable()) {
        pressedObject_ = nullptr;
        return;
    }
    TSeSkinObject* object = FormObject()->ObjectAtPoint(skin::TPoint{x, y});
    TSeSkinObject* pressed = pressedObject_;
    pressedObject_ = nullptr;
    // The object's action may change the skin and free the object: nothing
    // of it is used afterwards.
    if (object && object == pressed) object->MouseUp(button, x - object->Left(), y - object->Top());
}

void TSeSkinForm::TrackHover() {
    if (!FrameActive() || !SkinUsable() || !Hooked()) return;
    POINT cursor;
    GetCursorPos(&cursor);
    RECT r;
    GetWindowRect(OwnerWindow(), &r);
    TSeSkinObject* object = FormObject()->ObjectAtPoint(skin::TPoint{cursor.x - r.left, cursor.y - r.top});
    if (!object) {
        if (hoverObject_) hoverObject_->MouseLeave();
        hoverObject_ = nullptr;
        return;
    }
    if (object == hoverObject_) return;
    if (hoverObject_) hoverObject_->MouseLeave();
    hoverObject_ = object;
    if (!pressedObject_ || object == pressedObject_) object->MouseEnter();
}

void TSeSkinForm::StartHoverTimer() {
    if (hoverTimer_ || !Hooked()) return;
    hoverTimer_ = SetTimer(OwnerWindow(), kHoverTimerId, kHoverInterval, nullptr) != 0;
}

void TSeSkinForm::StopHoverTimer() {
    if (!hoverTimer_) return;
    if (HWND window = OwnerWindow(); window && IsWindow(window)) KillTimer(window, kHoverTimerId);
    hoverTimer_ = false;
}

void TSeSkinForm::SetOnCustomAction(const std::string& name, framework::TNotifyEvent handler) {
    onCustomActionName_ = name;
    onCustomAction = nullptr;
    // A stored method takes only the sender.
    if (handler) onCustomAction = [handler = std::move(handler)](TSeSkinForm& form, TSeSkinObject&) { handler(form); };
}

void TSeSkinForm::CustomAction(TSeSkinObject& sender) {
    if (onCustomAction) onCustomAction(*this, sender);
}

// ---- messages --------------------------------------------------------------------------------

void TSeSkinForm::HandleMessage(TMessage& m) {
    // A skin whose objects were replaced without an announcement: the copy
    // and the pointers into it are taken again before anything uses them.
    if (!Loading() && !Destroying() && binding_.Stale()) SetSkinEngine(binding_.Engine());
    if (m.msg == WM_TIMER && m.wParam == kHoverTimerId) {
        TrackHover();
        m.result = 0;
        MarkHandled();
        return;
    }
    if (m.msg == skin::WM_SEOBJECTCHANGED) {
        const auto* object = reinterpret_cast<const TSeSkinObject*>(m.lParam);
        if (!painting_ && SkinUsable() && (!object || object->Kind() != skin::skClient)) PaintFrame();
        return;
    }
    if (m.msg == skin::WM_SEGETFORM) {
        m.result = reinterpret_cast<LRESULT>(static_cast<skin::SkinnedForm*>(this));
        MarkHandled();
        return;
    }
    if (m.msg == skin::WM_SESKINCHANGING) {
        if (!binding_.IsEngine(reinterpret_cast<const void*>(m.lParam))) return;
        StopHoverTimer();
        // Paints and hover steps already queued run while the objects exist.
        framework::Application().ProcessMessages();
        DropFormObject();
        binding_.SkinChanging(reinterpret_cast<const void*>(m.lParam));
        framework::Application().ProcessMessages();
        return;
    }
    if (m.msg == skin::WM_SESKINCHANGED) {
        if (!binding_.IsEngine(reinterpret_cast<const void*>(m.lParam))) return;
        SetSkinEngine(binding_.Engine());
        StartHoverTimer();
        return;
    }
    TSeCustomForm::HandleMessage(m);
}

void RegisterFormClasses() { framework::RegisterComponentClass<TSeSkinForm>(); }

}  // namespace skinui
