#include "skinui/controls/SkinBinding.h"

#include "skin/objects/SkinObjectClasses.h"

namespace skinui {

namespace {
bool Usable(const skin::TSeSkinEngine* engine) {
    const skin::TSeSkinSource* source = engine ? engine->SkinSource() : nullptr;
    return source && !source->Locked() && source->Count() > 0;
}
}  // namespace

SkinBinding::~SkinBinding() = default;

void SkinBinding::SetEngine(skin::TSeSkinEngine* engine, skin::SkinObjectControl* control) {
    engine_ = engine;
    DropCopy();
    if (!Usable(engine)) return;
    if (const skin::TSeSkinObject* object = engine->SkinSource()->GetObjectByName(objectName_)) {
        copy_.reset(skin::CloneObject(*object, nullptr));
        if (copy_) copy_->SetControl(control);
    }
}

void SkinBinding::DropCopy() { copy_.reset(); }

bool SkinBinding::Available() const {
    return Usable(engine_) && engine_->SkinSource()->GetObjectByName(objectName_) && copy_;
}

bool SkinBinding::SkinChanging(const void* engine) {
    if (!engine || engine != engine_) return false;
    DropCopy();
    return true;
}

bool SkinBinding::SkinChanged(const void* engine, skin::SkinObjectControl* control) {
    if (!engine || engine != engine_) return false;
    SetEngine(engine_, control);
    return true;
}

}  // namespace skinui
