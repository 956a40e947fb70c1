#include "framework/win32/Dialogs.h"

#include <windows.h>

namespace framework {

int ShowMessageDialog(const std::string& text, TMsgDlgType type) {
    const char* title = "Information";
    UINT icon = MB_ICONINFORMATION;
    switch (type) {
        case TMsgDlgType::mtWarning:
            title = "Warning";
            icon = MB_ICONWARNING;
            break;
        case TMsgDlgType::mtError:
            title = "Error";
            icon = MB_ICONERROR;
            break;
        case TMsgDlgType::mtConfirmation:
            title = "Confirm";
            icon = MB_ICONQUESTION;
            break;
        case TMsgDlgType::mtInformation:
            break;
    }
    // Without an owner window the system centres the box on the screen;
    // task-modal keeps the program's other windows from taking input.
    return MessageBoxA(nullptr, text.c_str(), title, MB_OK | icon | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace framework
