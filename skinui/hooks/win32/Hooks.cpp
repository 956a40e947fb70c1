#include "skinui/hooks/win32/Hooks.h"

#include <algorithm>
#include <exception>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "skin/SkinMessages.h"

namespace skinui {

namespace {

// The control hook of a hooked window, found from the window.
const char* const kHookProperty = "SeControlHook";
// Where a procedure installed after ours kept ours in the window's chain
// when it was unhooked: the procedure ours hands every message on to.
const char* const kPassOnProperty = "SeControlHookPassOn";
const char* const kUtilityClass = "SeHookListUtility";

std::unique_ptr<THookList>& ListSlot() {
    static std::unique_ptr<THookList> list;
    return list;
}

void HandOver(const std::exception& error) { framework::Application().HandleException(error); }

}  // namespace

// ---- TSeHook ---------------------------------------------------------------

TSeHook::TSeHook(framework::TComponent* owner) : framework::TComponent(owner) {}

TSeHook::~TSeHook() {
    SetActive(false);
    SetControl(nullptr);
}

framework::TControl* TSeHook::Control() const { return controlHook_ ? controlHook_->Control() : control_; }

framework::TForm* TSeHook::Form() const { return dynamic_cast<framework::TForm*>(Control()); }

HWND TSeHook::Handle() const {
    if (!control_) return nullptr;
    if (!control_->HandleAllocated()) control_->CreateHandle();
    return control_->Handle();
}

void TSeHook::Hook() {
    if (control_ && !Destroying()) THookList::Instance().GetControlHook(control_)->AddHook(this);
    active_ = true;
}

void TSeHook::Unhook() {
    if (TControlHook* old = controlHook_) {
        old->RemoveHook(this);
        // A control hook left without hooks is freed later, never inside a
        // message of its own window (also when the last hook only became
        // inactive: it would stay in the list otherwise).
        if (old->Hooks().empty()) {
            if (THookList* list = THookList::Existing()) {
                PostMessageA(list->UtilityWindow(), skin::WM_SEFREEHOOK, 0, reinterpret_cast<LPARAM>(old));
            }
        }
    }
    active_ = false;
}

void TSeHook::SetActive(bool active) {
    if (active == active_) return;
    if (active) {
        Hook();
    } else {
        Unhook();
    }
}

void TSeHook::SetControl(framework::TControl* control) {
    if (control == Control() && (control == control_)) return;
    const bool wasActive = active_;
    Unhook();
    if (control_) RemoveFreeNotification(control_);
    control_ = control;
    if (control_) FreeNotification(control_);
    if (wasActive) Hook();
}

void TSeHook::BeforeMessage(TMessage& message, bool& handled) {
    handled_ = handled;
    try {
        HandleMessage(message);
    } catch (...) {
        handled = handled_;
        throw;
    }
    handled = handled_;
}

void TSeHook::Notification(framework::TComponent* component, framework::TOperation operation) {
    framework::TComponent::Notification(component, operation);
    if (operation == framework::TOperation::opRemove && component == control_) SetControl(nullptr);
}

// ---- TControlHook ------------------------------------------------------------

TControlHook::TControlHook(framework::TControl* control) : control_(control) {}

TControlHook::~TControlHook() {
    destroying_ = true;
    if (THookList* list = THookList::Existing()) list->Remove(this);
    while (!hooks_.empty()) RemoveHook(hooks_.back());
    SetControl(nullptr);
}

void TControlHook::AddHook(TSeHook* hook) {
    if (std::find(hooks_.begin(), hooks_.end(), hook) == hooks_.end()) {
        hooks_.push_back(hook);
        hook->controlHook_ = this;
        SetControl(hook->control_);
    }
    HookControl();
}

void TControlHook::RemoveHook(TSeHook* hook) {
    hook->controlHook_ = nullptr;
    std::erase(hooks_, hook);
    if (hooks_.empty()) UnhookControl();
}

void TControlHook::SetControl(framework::TControl* control) {
    if (control == control_) return;
    UnhookControl();
    control_ = control;
    if (!hooks_.empty()) HookControl();
}

void TControlHook::HookControl() {
    if (!control_ || control_->Destroying() || destroying_) return;
    if (!control_->HandleAllocated()) control_->CreateHandle();
    HWND window = control_->Handle();
    if (!window) return;
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (current == &TControlHook::HookedWndProc) return;
    if (auto passOn = reinterpret_cast<WNDPROC>(GetPropA(window, kPassOnProperty))) {
        // Our procedure is still in the chain, below a later one: take it
        // over there instead of putting a second copy on top.
        if (GetPropA(window, kHookProperty)) return;
        RemovePropA(window, kPassOnProperty);
        SetPropA(window, kHookProperty, this);
        prevWndProc_ = passOn;
        hookedWindow_ = window;
        return;
    }
    SetPropA(window, kHookProperty, this);
    prevWndProc_ = current;
    hookedWindow_ = window;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControlHook::HookedWndProc));
}

void TControlHook::UnhookControl() {
    if (prevWndProc_ && hookedWindow_ && IsWindow(hookedWindow_)) {
        // A procedure installed after this one by someone else stays.
        const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hookedWindow_, GWLP_WNDPROC));
        if (current == &TControlHook::HookedWndProc) {
            SetWindowLongPtrA(hookedWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prevWndProc_));
        } else {
            // The later procedure still calls ours: it must find the
            // procedure to pass on to, not this object, which may be freed.
            SetPropA(hookedWindow_, kPassOnProperty, reinterpret_cast<HANDLE>(prevWndProc_));
        }
        RemovePropA(hookedWindow_, kHookProperty);
    }
    prevWndProc_ = nullptr;
    hookedWindow_ = nullptr;
}

LRESULT CALLBACK TControlHook::HookedWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TControlHook*>(GetPropA(window, kHookProperty));
    if (!self) {
        if (auto passOn = reinterpret_cast<WNDPROC>(GetPropA(window, kPassOnProperty))) {
            return CallWindowProcA(passOn, window, message, wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->WindowProcedure(window, message, wParam, lParam);
}

void TControlHook::NotifyHooks(bool before, TMessage& message, bool& handled) {
    if (hooks_.empty() || !control_ || destroying_ || control_->Destroying()) return;
    // A copy: a hook may detach itself or others on the way.
    const std::vector<TSeHook*> hooks = hooks_;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it) {
        if (std::find(hooks_.begin(), hooks_.end(), *it) == hooks_.end()) continue;
        try {
            if (before) {
                (*it)->BeforeMessage(message, handled);
            } else {
                (*it)->AfterMessage(message);
            }
        } catch (const std::exception& error) {
            HandOver(error);
        }
        if (handled) break;
    }
}

LRESULT TControlHook::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The procedure to hand on to, read before hooks may unhook.
    const WNDPROC previous = prevWndProc_;
    if (!control_) {
        return previous ? CallWindowProcA(previous, window, msg, wParam, lParam)
                        : DefWindowProcA(window, msg, wParam, lParam);
    }
    // While this runs the object stays alive: a request to free it that a
    // nested message loop hands over waits for the outermost return.
    ++depth_;
    struct Leave {
        TControlHook* self;
        ~Leave() {
            if (--self->depth_ > 0 || !self->freeAsked_) return;
            self->freeAsked_ = false;
            if (THookList* list = THookList::Existing()) {
                PostMessageA(list->UtilityWindow(), skin::WM_SEFREEHOOK, 0, reinterpret_cast<LPARAM>(self));
            }
        }
    } leave{this};
    TMessage message{msg, wParam, lParam, 0};
    bool handled = false;
    if (msg != WM_QUIT) NotifyHooks(true, message, handled);
    if (!handled || msg == WM_DESTROY) {
        try {
            message.result = previous ? CallWindowProcA(previous, window, msg, wParam, lParam)
                                      : DefWindowProcA(window, msg, wParam, lParam);
        } catch (const std::exception& error) {
            HandOver(error);
        }
        NotifyHooks(false, message, handled);
    }
    if (msg == WM_DESTROY) {
        UnhookControl();
        THookList* list = THookList::Existing();
        if (list && !destroying_ && control_ && !control_->Destroying()) {
            // The window may be made again: the hook goes back in place then.
            PostMessageA(list->UtilityWindow(), skin::WM_SEREHOOK, 0, reinterpret_cast<LPARAM>(this));
        }
    }
    return message.result;
}

// ---- THookList -----------------------------------------------------------------

THookList& THookList::Instance() {
    std::unique_ptr<THookList>& slot = ListSlot();
    if (!slot) slot.reset(new THookList());
    return *slot;
}

THookList* THookList::Existing() { return ListSlot().get(); }

THookList::THookList() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &THookList::UtilityWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kUtilityClass;
    RegisterClassA(&wc);
    utility_ = CreateWindowExA(0, kUtilityClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
}

THookList::~THookList() {
    while (!items_.empty()) {
        std::unique_ptr<TControlHook> last = std::move(items_.back());
        items_.pop_back();
    }
    if (utility_) DestroyWindow(utility_);
}

TControlHook* THookList::FindControlHook(framework::TControl* control) const {
    for (const auto& item : items_)
        if (item->Control() == control) return item.get();
    return nullptr;
}

TControlHook* THookList::GetControlHook(framework::TControl* control) {
    if (TControlHook* found = FindControlHook(control)) return found;
    items_.push_back(std::make_unique<TControlHook>(control));
    return items_.back().get();
}

bool THookList::Contains(const TControlHook* hook) const {
    return std::any_of(items_.begin(), items_.end(), [hook](const auto& item) { return item.get() == hook; });
}

void THookList::Remove(const TControlHook* hook) {
    for (auto it = items_.begin(); it != items_.end(); ++it) {
        if (it->get() != hook) continue;
        // The caller is the hook's destructor: let go without freeing it twice.
        it->release();
        items_.erase(it);
        return;
    }
}

LRESULT CALLBACK THookList::UtilityWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    THookList* list = Existing();
    if (list && (message == skin::WM_SEREHOOK || message == skin::WM_SEFREEHOOK)) {
        auto* hook = reinterpret_cast<TControlHook*>(lParam);
        try {
            if (!list->Contains(hook)) return 0;  // freed meanwhile
            if (message == skin::WM_SEREHOOK) {
                if (!hook->Hooks().empty()) hook->HookControl();
            } else if (hook->Hooks().empty()) {
                if (hook->InMessage()) {
                    hook->freeAsked_ = true;  // asked again once its procedure returns
                } else {
                    delete hook;  // leaves the list in its destructor
                }
            }
        } catch (const std::exception& error) {
            HandOver(error);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace skinui
