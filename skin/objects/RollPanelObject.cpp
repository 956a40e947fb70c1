#include "skin/objects/RollPanelObject.h"

#include <algorithm>

#include "skin/objects/SkinObjectControl.h"

namespace skin {

TSeRollPanelObject::TSeRollPanelObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

const framework::PropertyTable& TSeRollPanelObject::ClassProperties() {
    using T = TSeRollPanelObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::EnumProperty("RollKind", RollKindInfo(), &T::RollKind, &T::SetRollKind),
            framework::IntegerProperty("RollValue", &T::RollValue, &T::SetRollValue),
        });
    return table;
}

void TSeRollPanelObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeRollPanelObject*>(&source)) {
        rollKind_ = s->rollKind_;
        rollValue_ = s->rollValue_;
    }
}

void TSeRollPanelObject::Roll() {
    if (!Owner()) return;
    const bool horizontal = rollKind_ == rkLeft || rollKind_ == rkRight;
    const int current = horizontal ? Width() : Height();
    const int target = std::max(0, rolled_ ? sizeBeforeRoll_ : rollValue_);
    if (!rolled_) sizeBeforeRoll_ = current;
    rolled_ = !rolled_;
    TRect b = BoundsRect();
    switch (rollKind_) {
        case rkLeft: b.Left = ClampToInt(std::int64_t{b.Right} - target); break;
        case rkRight: b.Right = ClampToInt(std::int64_t{b.Left} + target); break;
        case rkTop: b.Top = ClampToInt(std::int64_t{b.Bottom} - target); break;
        case rkBottom: b.Bottom = ClampToInt(std::int64_t{b.Top} + target); break;
    }
    SetBounds(b);
    // The form answers by laying itself out anew; its messages run now so
    // that the change shows before the click returns.
    GetSkinForm();
    if (Control()) Control()->ProcessMessages();
}

}  // namespace skin
