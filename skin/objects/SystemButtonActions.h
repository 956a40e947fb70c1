// What the two caption button classes (TSeSystemButton and
// TSeSysButtonSkinObject) share: which of them show in which frame state
// with which border icons, and what their actions do on the skinned form.
#pragma once

#include "skin/objects/SkinObjectTypes.h"

namespace skin {

class TSeSkinObject;

// Shows or hides `button` for the frame state (0 normal, 2 maximized,
// 3 minimized, 4 rolled up; other states leave it) and hides it when the
// form's border icons lack the icon its action needs. Nothing without a
// skinned form.
void ApplySystemButtonVisibility(TSeSkinObject& button, TSeAction action, int state);
// Runs `action` on the button's skinned form (nothing without one).
void RunSystemButtonAction(TSeSkinObject& button, TSeAction action);
// A left double click on a system menu button closes its skinned form.
void RunSystemButtonDoubleClick(TSeSkinObject& button, TSeAction action, TMouseButton mouseButton);

}  // namespace skin
