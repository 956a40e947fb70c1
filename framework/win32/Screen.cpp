#include "framework/win32/Screen.h"

#include <algorithm>

namespace framework {

void TScreen::AddForm(TForm* form) { forms_.push_back(form); }

void TScreen::RemoveForm(TForm* form) { std::erase(forms_, form); }

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

}  // namespace framework
