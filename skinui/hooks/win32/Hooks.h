// Window hooks: components that watch and answer the messages of a windowed
// control they do not own (the skinned frame watches its form this way).
//
// A TSeHook attaches to a control; all hooks of one control share one
// TControlHook, which replaces the control's window procedure once and
// routes every message through the attached hooks: BeforeMessage from the
// last attached to the first, stopping at the first that marks the message
// handled; then, unless handled (WM_DESTROY always goes on), the window's
// previous procedure; then AfterMessage in the same order. THookList is the
// process-wide list of control hooks, with a hidden utility window that
// re-installs a hook once a destroyed window is made again (WM_SEREHOOK) and
// frees a control hook whose last hook left (WM_SEFREEHOOK), never inside a
// message of the window concerned.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/Component.h"
#include "framework/win32/Control.h"

namespace skinui {

class TControlHook;

// One message on its way through the hooks; `result` is the answer.
struct TMessage {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

class TSeHook : public framework::TComponent {
public:
    static constexpr std::string_view kClassName = "TSeHook";
    explicit TSeHook(framework::TComponent* owner);
    ~TSeHook() override;
    std::string_view ClassName() const override { return kClassName; }

    bool Active() const { return active_; }
    void SetActive(bool active);
    // The control's hook's control when attached, else the stored one.
    framework::TControl* Control() const;
    void SetControl(framework::TControl* control);
    // Control when it is a form.
    framework::TForm* Form() const;
    // The stored control's window (made when it has none yet).
    HWND Handle() const;
    TControlHook* ControlHook() const { return controlHook_; }

    // Marks the message of this call handled: the window's own procedure
    // will not see it.
    void MarkHandled() { handled_ = true; }
    bool Handled() const { return handled_; }

    // Before the window's procedure: HandleMessage with Handled from
    // `handled`, which gets Handled back (also when HandleMessage throws).
    virtual void BeforeMessage(TMessage& message, bool& handled);
    // After the window's procedure. Nothing here.
    virtual void AfterMessage(TMessage& /*message*/) {}

    void Notification(framework::TComponent* component, framework::TOperation operation) override;

protected:
    // The component's own handling of a message, by number: nothing here.
    virtual void HandleMessage(TMessage& /*message*/) {}

private:
    friend class TControlHook;
    void Hook();
    void Unhook();

    bool active_ = true;
    framework::TControl* control_ = nullptr;
    TControlHook* controlHook_ = nullptr;
    bool handled_ = false;
};

class TControlHook {
public:
    explicit TControlHook(framework::TControl* control);
    ~TControlHook();
    TControlHook(const TControlHook&) = delete;
    TControlHook& operator=(const TControlHook&) = delete;

    framework::TControl* Control() const { return control_; }
    const std::vector<TSeHook*>& Hooks() const { return hooks_; }
    // True while the window procedure is replaced.
    bool Installed() const { return prevWndProc_ != nullptr; }
    // True while a message of the window is being handled here.
    bool InMessage() const { return depth_ > 0; }

    void AddHook(TSeHook* hook);
    void RemoveHook(TSeHook* hook);
    void SetControl(framework::TControl* control);
    void HookControl();
    void UnhookControl();

private:
    static LRESULT CALLBACK HookedWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void NotifyHooks(bool before, TMessage& message, bool& handled);

    framework::TControl* control_ = nullptr;
    HWND hookedWindow_ = nullptr;
    WNDPROC prevWndProc_ = nullptr;
    std::vector<TSeHook*> hooks_;
    bool destroying_ = false;
    int depth_ = 0;          // messages of the window on the stack here
    bool freeAsked_ = false;  // freeing waits for depth_ to reach 0
    friend class THookList;
};

class THookList {
public:
    // The process's list, made on first use.
    static THookList& Instance();
    // The list when it was made already; nullptr before.
    static THookList* Existing();
    ~THookList();

    TControlHook* FindControlHook(framework::TControl* control) const;
    TControlHook* GetControlHook(framework::TControl* control);
    bool Contains(const TControlHook* hook) const;
    void Remove(const TControlHook* hook);
    std::size_t Count() const { return items_.size(); }
    HWND UtilityWindow() const { return utility_; }

private:
    THookList();
    static LRESULT CALLBACK UtilityWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<std::unique_ptr<TControlHook>> items_;
    HWND utility_ = nullptr;
};

}  // namespace skinui
