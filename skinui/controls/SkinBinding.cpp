#include "skinui/controls/SkinBinding.h"

#include "skin/objects/SkinObjectClasses.h"
#include "skin/storage/SkinSource.h"

namespace skinui {

namespace {
const skin::TSeSkinObject* FindByName(const skin::TSeSkinSource& source, const std::string& name) {
    return source.GetObjectByName(name);
}
}  // namespace

skin::TSeSkinSource* UsableSkinSource(const skin::TSeSkinEngine* engine) {
    skin::TSeSkinSource* source = engine ? engine->SkinSource() : nullptr;
    return source && !source->Locked() && source->Count() > 0 ? source : nullptr;
}

SkinBinding::SkinBinding(std::string objectName, framework::TComponent* owner, Finder find)
    : owner_(owner), objectName_(std::move(objectName)), find_(find ? find : &FindByName) {}

SkinBinding::~SkinBinding() = default;

void SkinBinding::SetEngine(skin::TSeSkinEngine* engine, skin::SkinObjectControl* control) {
    if (owner_ && engine != engine_) {
        if (engine_) owner_->RemoveFreeNotification(engine_);
        if (engine) owner_->FreeNotification(engine);
    }
    engine_ = engine;
    DropCopy();
    waiting_ = false;
    taken_ = false;
    const skin::TSeSkinSource* source = Source();
    if (!source) return;
    taken_ = true;
    generation_ = source->Generation();
    if (objectName_.empty()) return;
    if (const skin::TSeSkinObject* object = find_(*source, objectName_)) {
        copy_.reset(skin::CloneObject(*object, nullptr));
        if (copy_) copy_->SetControl(control);
    }
}

bool SkinBinding::Stale() const {
    const skin::TSeSkinSource* source = Source();
    return source && !waiting_ && (!taken_ || source->Generation() != generation_);
}

bool SkinBinding::Available() const {
    const skin::TSeSkinSource* source = Source();
    return source && copy_ && !Stale() && find_(*source, objectName_);
}

bool SkinBinding::SkinChanging(const void* engine) {
    if (!IsEngine(engine)) return false;
    DropCopy();
    waiting_ = true;
    return true;
}

bool SkinBinding::SkinChanged(const void* engine, skin::SkinObjectControl* control) {
    if (!IsEngine(engine)) return false;
    SetEngine(engine_, control);
    return true;
}

bool SkinBinding::EngineRemoved(const framework::TComponent* component) {
    if (!component || component != engine_) return false;
    engine_ = nullptr;
    DropCopy();
    taken_ = waiting_ = false;
    return true;
}

}  // namespace skinui
