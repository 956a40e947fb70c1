// Windows: the engine's broadcast goes to every form of the screen through
// its window, and to every control on it through a direct call of its
// message handler.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/win32/Application.h"
#include "framework/win32/Form.h"
#include "framework/win32/Screen.h"
#include "skin/SkinEngine.h"

namespace skin {

namespace {

void PerformOnControls(const framework::TControl& parent, UINT message, WPARAM wParam, LPARAM lParam) {
    // A copy: a handler may add or remove controls.
    const std::vector<framework::TControl*> controls = parent.Controls();
    for (framework::TControl* control : controls) {
        control->Perform(message, wParam, lParam);
        PerformOnControls(*control, message, wParam, lParam);
    }
}

}  // namespace

void BroadcastSkinMessage(unsigned message, TSeSkinEngine& engine) {
    const auto wParam = reinterpret_cast<WPARAM>(&engine);
    const auto lParam = reinterpret_cast<LPARAM>(&engine);
    // A copy: a form may be made or freed while the messages run.
    const std::vector<framework::TForm*> forms = framework::Screen().Forms();
    for (framework::TForm* form : forms) {
        const auto& current = framework::Screen().Forms();
        if (std::find(current.begin(), current.end(), form) == current.end()) continue;
        // Sent: the form's window is made first when it has none yet.
        if (!form->HandleAllocated()) form->CreateHandle();
        SendMessageA(form->Handle(), message, wParam, lParam);
        PerformOnControls(*form, message, wParam, lParam);
        framework::Application().ProcessMessages();
    }
}

}  // namespace skin
