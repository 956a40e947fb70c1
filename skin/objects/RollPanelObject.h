// A panel that rolls: its width (rkLeft, rkRight) or height (rkTop,
// rkBottom) toggles between its size and RollValue.
//
// The size before rolling is a run-time field: Roll remembers it when the
// panel rolls in and gives it back when the panel rolls out; it is not
// stored and not copied, so a fresh copy is never rolled. rkLeft and rkTop
// keep the right or bottom edge in place, the others the left or top edge.
#pragma once

#include "skin/objects/SkinObject.h"

namespace skin {

class TSeRollPanelObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeRollPanelObject)
    TSeRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TSeRollKind value) { rollKind_ = value; }
    int RollValue() const { return rollValue_; }
    void SetRollValue(int value) { rollValue_ = value; }
    bool Rolled() const { return rolled_; }

    void Assign(const TSeSkinObject& source) override;
    // Toggles the roll; only an object with an owner rolls.
    void Roll();

private:
    TSeRollKind rollKind_ = rkLeft;
    int rollValue_ = 0;
    bool rolled_ = false;
    int sizeBeforeRoll_ = 0;
};

}  // namespace skin
