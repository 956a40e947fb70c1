// How a skinned component follows a skin engine. The binding names the
// engine (its owner hears, through Notification, when the engine is
// destroyed), takes what the owner draws from while the engine's skin is
// usable, drops it when the engine announces a change (WM_SESKINCHANGING)
// and takes it again after (WM_SESKINCHANGED). A skin whose objects were
// replaced without an announcement is noticed (the source counts its
// generations), so that nothing taken from the old skin is used after it
// was freed.
//
// With an object name the binding keeps its own copy of that object (given
// the owner's control as the copy's Control). Without one it only follows
// the engine: its owner looks up the engine's own objects in Source() and
// takes them again whenever Stale() says so.
#pragma once

#include <memory>
#include <string>

#include "framework/Component.h"
#include "skin/SkinEngine.h"
#include "skin/objects/SkinObject.h"

namespace skinui {

// The engine's skin when it can be drawn from: a source that is not Locked
// and holds objects. Otherwise (no engine too) nullptr.
skin::TSeSkinSource* UsableSkinSource(const skin::TSeSkinEngine* engine);

class SkinBinding {
public:
    // Finds the object to copy in a usable source; the default is the
    // top-level object named `name` (any letter case).
    using Finder = const skin::TSeSkinObject* (*)(const skin::TSeSkinSource& source, const std::string& name);

    // `owner`, when given, is told when the engine is destroyed. An empty
    // `objectName` keeps no copy.
    explicit SkinBinding(std::string objectName, framework::TComponent* owner = nullptr, Finder find = nullptr);
    ~SkinBinding();
    SkinBinding(const SkinBinding&) = delete;
    SkinBinding& operator=(const SkinBinding&) = delete;

    skin::TSeSkinEngine* Engine() const { return engine_; }
    // Follows `engine`; when its skin is usable the copy is taken again (of
    // the object the finder gives, else none). Without such a skin the copy
    // goes.
    void SetEngine(skin::TSeSkinEngine* engine, skin::SkinObjectControl* control);
    // Stores the name only: the copy follows at the next SetEngine.
    const std::string& ObjectName() const { return objectName_; }
    void SetObjectName(const std::string& name) { objectName_ = name; }

    skin::TSeSkinObject* Copy() const { return copy_.get(); }
    void DropCopy() { copy_.reset(); }
    // The engine's usable skin, or nullptr.
    skin::TSeSkinSource* Source() const { return UsableSkinSource(engine_); }
    // The skin is usable but is not the one the binding last took from: its
    // objects were replaced since, or it was not usable then. Not while an
    // announced change is under way (between the two messages).
    bool Stale() const;
    // The skin is usable and current, it holds the object, and the copy exists.
    bool Available() const;

    // The engine's announcements (its address in the message) are for this
    // binding's engine.
    bool IsEngine(const void* engine) const { return engine && engine == engine_; }
    // True when the announcement is this binding's: the copy was dropped
    // (and the binding waits for the change to end) or taken again.
    bool SkinChanging(const void* engine);
    bool SkinChanged(const void* engine, skin::SkinObjectControl* control);
    // For the owner's Notification of a removed component: true when it is
    // the engine, which is then forgotten with the copy.
    bool EngineRemoved(const framework::TComponent* component);

private:
    skin::TSeSkinEngine* engine_ = nullptr;
    framework::TComponent* owner_;
    std::string objectName_;
    Finder find_;
    std::unique_ptr<skin::TSeSkinObject> copy_;
    // The skin was usable at the last SetEngine, in this generation.
    bool taken_ = false;
    unsigned generation_ = 0;
    // Dropped on an announcement; taken again on the next.
    bool waiting_ = false;
};

}  // namespace skinui
