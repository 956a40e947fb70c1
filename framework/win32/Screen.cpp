#include "framework/win32/Screen.h"

#include <algorithm>

namespace framework {

void TScreen::Insert(TForm* form) { forms_.push_back(form); }

void TScreen::Remove(TForm* form) { std::erase(forms_, form); }

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

}  // namespace framework
