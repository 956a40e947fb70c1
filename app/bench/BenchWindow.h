// What the window benchmarks and picture tools share: the program's classes
// registered as flashdiag.exe registers them, and the diagnostic window
// opened from its embedded description and given time to reach the screen.
#pragma once

#include <windows.h>

#include <memory>

#include "app/DiagUnit.h"
#include "framework/win32/Application.h"
#include "framework/win32/StdControls.h"
#include "skinui/controls/win32/SeProgressBar.h"
#include "skinui/frame/win32/SeSkinForm.h"

namespace app::bench {

inline void RegisterWindowClasses() {
    framework::Application().Initialize();
    framework::RegisterStandardControls();
    skin::RegisterSkinClasses();
    skinui::RegisterProgressBarClasses();
    skinui::RegisterFormClasses();
}

// Lets the window system and the frame's timers run for a while.
inline void Settle(int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        framework::Application().ProcessMessages();
        Sleep(10);
    }
}

// The diagnostic window, shown in the foreground; it is DiagForm until the
// caller lets it go (CloseDiagWindow).
inline std::unique_ptr<TDiagForm> OpenDiagWindow() {
    std::unique_ptr<TDiagForm> form = TDiagForm::CreateFromResource();
    DiagForm = form.get();
    form->Show();
    SetForegroundWindow(form->Handle());
    Settle(500);
    return form;
}

inline void CloseDiagWindow(std::unique_ptr<TDiagForm>& form) {
    DiagForm = nullptr;
    form.reset();
    framework::Application().ProcessMessages();
}

}  // namespace app::bench
