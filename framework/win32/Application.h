// The application object: common controls, the message loop, and the
// message pump that long operations on the GUI thread call to keep the
// window alive.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace framework {

class TForm;

class TApplication {
public:
    // Loads the common controls (progress bar). Call once before any form.
    void Initialize();

    TForm* MainForm() const { return mainForm_; }
    // Shows `form` and runs the message loop until it closes (or Terminate).
    void Run(TForm& form);
    // Handles every pending message, then returns. Safe to call from inside
    // a message handler; it stops early when the loop was asked to end.
    void ProcessMessages();
    // Ends Run at the next chance.
    void Terminate();

    // An exception caught where it may not go on (inside a window
    // procedure): handed to `onException` when set, else shown in a message
    // box with its text.
    void HandleException(const std::exception& error);
    std::function<void(const std::exception&)> onException;
    bool Terminated() const { return terminated_; }

    // The program's name for the user: the title set, else the main form's
    // caption.
    std::string Title() const;
    void SetTitle(const std::string& title) { title_ = title; }
    // The program's icon: its icon resource "MAINICON", else the system's
    // standard application icon. Shared; never destroy it.
    HICON Icon() const;

    // The program's own minimize and restore: the main form's window (the one
    // with the taskbar button) minimized or restored, whoever caused it (the
    // taskbar, a frame, the system). Each is told once per change.
    std::function<void()> onMinimize;
    std::function<void()> onRestore;
    // Called by the main form when its window was minimized or came back from
    // being minimized.
    void MainWindowMinimized();
    void MainWindowRestored();

    // The help text of what is under the mouse (a menu item's Hint).
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

private:
    // Keyboard handling the forms do themselves (Tab between controls);
    // true when the message was used up.
    bool PreTranslate(const MSG& msg);
    void Dispatch(const MSG& msg);

    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool minimized_ = false;
    std::string title_;
    std::string hint_;
};

// The one application object of the process.
TApplication& Application();

}  // namespace framework
