#include "skin/objects/SysButtonSkinObject.h"

#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/RollPanelObject.h"
#include "skin/objects/SkinCanvas.h"
#include "skin/objects/SkinObjectControl.h"
#include "skin/objects/SystemButtonActions.h"

namespace skin {

TSeSysButtonSkinObject::TSeSysButtonSkinObject(framework::TComponent* owner)
    : TSeBitmapSkinObject(owner), bitmapHover_(std::make_unique<TSeBitmapLink>()),
      bitmapDown_(std::make_unique<TSeBitmapLink>()) {
    SetKind(skSysButton);
}

const framework::PropertyTable& TSeSysButtonSkinObject::ClassProperties() {
    using T = TSeSysButtonSkinObject;
    static const framework::PropertyTable table(
        &TSeBitmapSkinObject::ClassProperties(),
        {
            framework::EnumProperty("Action", ActionInfo(), &T::Action, &T::SetAction),
            framework::ObjectProperty("BitmapHover", &T::BitmapHover),
            framework::ObjectProperty("BitmapDown", &T::BitmapDown),
            framework::StringProperty("RollPanel", &T::RollPanel, &T::SetRollPanel),
        });
    return table;
}

void TSeSysButtonSkinObject::Assign(const TSeSkinObject& source) {
    TSeBitmapSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeSysButtonSkinObject*>(&source)) {
        action_ = s->action_;
        bitmapHover_->Assign(*s->bitmapHover_);
        bitmapDown_->Assign(*s->bitmapDown_);
        rollPanel_ = s->rollPanel_;
    }
}

void TSeSysButtonSkinObject::SetState(int state) {
    TSeBitmapSkinObject::SetState(state);
    ApplySystemButtonVisibility(*this, action_, state);
}

void TSeSysButtonSkinObject::LinkBitmaps() {
    TSeBitmapSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmapHover_);
    ResolveLink(BitmapList(), *bitmapDown_);
}

const TSeBitmapLink& TSeSysButtonSkinObject::CurrentBitmap() const {
    // As a TSeSystemButton: an inactive window shows the plain bitmap
    // whatever the mouse does.
    if (!Active()) return *Bitmap();
    if (press_.State() == SystemButtonPress::kHot) return FirstValid(bitmapHover_.get(), *Bitmap());
    if (press_.State() == SystemButtonPress::kPressed) return FirstValid(bitmapDown_.get(), *Bitmap());
    return *Bitmap();
}

void TSeSysButtonSkinObject::Draw(SkinCanvas& canvas) {
    if (!Visible() || Width() <= 0 || Height() <= 0) return;
    if (action_ == sbaSysMenu && Control() && Control()->IsForm()) {
        canvas.DrawIcon(Control()->Icon(), Left(), Top());
        return;
    }
    TSeBitmapSkinObject::Draw(canvas);
}

void TSeSysButtonSkinObject::MouseEnter() { press_.Enter(*this); }

void TSeSysButtonSkinObject::MouseLeave() { press_.Leave(*this); }

void TSeSysButtonSkinObject::MouseDown(TMouseButton button, int, int) { press_.Down(*this, button); }

void TSeSysButtonSkinObject::MouseMove(TShiftState shift, int, int) { press_.Move(*this, shift); }

void TSeSysButtonSkinObject::MouseUp(TMouseButton button, int, int) {
    // The action may close the form and free this object: nothing of it is
    // touched after it.
    if (press_.Up(*this, button)) RunAction();
}

void TSeSysButtonSkinObject::MouseDoubleClick(TMouseButton button, int, int) {
    RunSystemButtonDoubleClick(*this, action_, button);
}

void TSeSysButtonSkinObject::RunAction() {
    if (action_ != sbaRollPanel) {
        RunSystemButtonAction(*this, action_);
        return;
    }
    if (rollPanel_.empty()) return;
    if (auto* panel = dynamic_cast<TSeRollPanelObject*>(Root()->FindByName(rollPanel_))) panel->Roll();
}

}  // namespace skin
