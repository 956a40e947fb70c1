#include "skin/objects/SystemButtonActions.h"

#include "skin/objects/SkinObject.h"
#include "skin/objects/SkinObjectControl.h"

namespace skin {

void ApplySystemButtonVisibility(TSeSkinObject& button, TSeAction a, int state) {
    SkinnedForm* form = button.GetSkinForm();
    if (!form) return;
    switch (state) {
        case kStateNormal: button.SetVisible(!(a == sbaRestore || a == sbaRollDown)); break;
        case kStateMaximized: button.SetVisible(!(a == sbaMaximize || a == sbaRollDown)); break;
        case kStateMinimized:
            button.SetVisible(!(a == sbaMinimize || a == sbaMaximize || a == sbaRollUp || a == sbaRollDown));
            break;
        case kStateRolledUp: button.SetVisible(!(a == sbaRestore || a == sbaRollUp)); break;
        default: break;
    }
    std::uint32_t needed = 0;
    switch (a) {
        case sbaClose: needed = BorderIconBit(kbiClose); break;
        case sbaHelp: needed = BorderIconBit(kbiHelp); break;
        case sbaMinimize: needed = BorderIconBit(kbiMinimize); break;
        case sbaMaximize:
        case sbaRestore: needed = BorderIconBit(kbiMaximize); break;
        case sbaRollUp:
        case sbaRollDown: needed = BorderIconBit(kbiRollup); break;
        case sbaTray: needed = BorderIconBit(kbiTray); break;
        case sbaSysMenu: needed = BorderIconBit(kbiSystemMenu); break;
        default: break;
    }
    if (needed != 0 && (form->BorderIcons() & needed) == 0) button.SetVisible(false);
}

void RunSystemButtonAction(TSeSkinObject& button, TSeAction action) {
    SkinnedForm* form = button.GetSkinForm();
    if (!form) return;
    switch (action) {
        case sbaClose: form->CloseForm(); break;
        case sbaHelp: form->ContextHelp(); break;
        case sbaMinimize: form->Minimize(); break;
        case sbaMaximize: form->Maximize(); break;
        case sbaRestore:
        case sbaRollDown: form->Restore(); break;
        case sbaRollUp: form->Rollup(); break;
        case sbaTray: form->MinToTray(); break;
        case sbaSysMenu: form->PopupSystemMenu(); break;
        case sbaCustom: form->CustomAction(button); break;
        default: break;
    }
}

void RunSystemButtonDoubleClick(TSeSkinObject& button, TSeAction action, TMouseButton mouseButton) {
    if (mouseButton != mbLeft || action != sbaSysMenu) return;
    if (SkinnedForm* form = button.GetSkinForm()) form->CloseForm();
}

}  // namespace skin
