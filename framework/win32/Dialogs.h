// Modal message boxes.
#pragma once

#include <string>

namespace framework {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

// Shows a modal message box with one OK button, centred on the screen, with
// the kind's icon and title ("Information" for mtInformation), and waits
// until it is closed. Returns the button that closed it (IDOK).
int ShowMessageDialog(const std::string& text, TMsgDlgType type);

}  // namespace framework
