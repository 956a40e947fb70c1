#include "skin/objects/SystemButton.h"

#include "skin/ScopeExit.h"
#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectControl.h"
#include "skin/objects/SystemButtonActions.h"

namespace skin {

TSeSystemButton::TSeSystemButton(framework::TComponent* owner)
    : TSeActiveBitmap(owner), bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapPressed_(std::make_unique<TSeBitmapLink>()) {
    SetKind(skSysButton);
}

const framework::PropertyTable& TSeSystemButton::ClassProperties() {
    using T = TSeSystemButton;
    static const framework::PropertyTable table(
        &TSeActiveBitmap::ClassProperties(),
        {
            framework::EnumProperty("Action", ActionInfo(), &T::Action, &T::SetAction),
            framework::ObjectProperty("BitmapHot", &T::BitmapHot),
            framework::ObjectProperty("BitmapPressed", &T::BitmapPressed),
        });
    return table;
}

void TSeSystemButton::Assign(const TSeSkinObject& source) {
    TSeActiveBitmap::Assign(source);
    if (auto* s = dynamic_cast<const TSeSystemButton*>(&source)) {
        action_ = s->action_;
        bitmapHot_->Assign(*s->bitmapHot_);
        bitmapPressed_->Assign(*s->bitmapPressed_);
    }
}

void TSeSystemButton::SetState(int state) {
    TSeActiveBitmap::SetState(state);
    ApplySystemButtonVisibility(*this, action_, state);
}

void TSeSystemButton::LinkBitmaps() {
    TSeActiveBitmap::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmapHot_);
    ResolveLink(BitmapList(), *bitmapPressed_);
}

void TSeSystemButton::Draw(SkinCanvas& canvas) {
    if (!Visible() || Width() <= 0 || Height() <= 0) return;
    if (action_ == sbaSysMenu && Control() && Control()->IsForm()) {
        canvas.DrawIcon(Control()->Icon(), Left(), Top());
        return;
    }
    if (!Active()) {
        SetChildrenState(kStateDisabled);
        OnExit restore{[&] { SetChildrenState(kStateNormal); }};
        TSeActiveBitmap::Draw(canvas);
        return;
    }
    if (press_.State() == SystemButtonPress::kNormal) {
        TSeActiveBitmap::Draw(canvas);
        return;
    }
    // Hot and pressed draw their bitmap as the plain one, with the active
    // look off; everything is put back afterwards.
    const TSeBitmapLink& stateLink = press_.State() == SystemButtonPress::kHot ? *bitmapHot_ : *bitmapPressed_;
    const TSeBitmapLink saved = *Bitmap();
    if (stateLink.Valid()) Bitmap()->Assign(stateLink);
    SetActive(false);
    SetChildrenState(press_.State() == SystemButtonPress::kHot ? kStateHot : kStatePressed);
    OnExit restore{[&] {
        Bitmap()->Assign(saved);
        SetActive(true);
        SetChildrenState(kStateNormal);
    }};
    TSeActiveBitmap::Draw(canvas);
}

void TSeSystemButton::MouseEnter() { press_.Enter(*this); }

void TSeSystemButton::MouseLeave() { press_.Leave(*this); }

void TSeSystemButton::MouseDown(TMouseButton button, int, int) { press_.Down(*this, button); }

void TSeSystemButton::MouseMove(TShiftState shift, int, int) { press_.Move(*this, shift); }

void TSeSystemButton::MouseUp(TMouseButton button, int, int) {
    // The action may close the form and free this object: nothing of it is
    // touched after it.
    if (press_.Up(*this, button)) RunSystemButtonAction(*this, action_);
}

void TSeSystemButton::MouseDoubleClick(TMouseButton button, int, int) {
    RunSystemButtonDoubleClick(*this, action_, button);
}

}  // namespace skin
