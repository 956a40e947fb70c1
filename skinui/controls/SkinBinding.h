// How a skinned control follows a skin engine: it names the engine and one
// top-level skin object, keeps its own copy of that object (given the
// control as the copy's Control), drops the copy before the engine changes
// its skin and takes a new one after.
#pragma once

#include <memory>
#include <string>

#include "skin/SkinEngine.h"
#include "skin/objects/SkinObject.h"

namespace skinui {

class SkinBinding {
public:
    explicit SkinBinding(std::string objectName) : objectName_(std::move(objectName)) {}
    ~SkinBinding();
    SkinBinding(const SkinBinding&) = delete;
    SkinBinding& operator=(const SkinBinding&) = delete;

    skin::TSeSkinEngine* Engine() const { return engine_; }
    // Stores `engine`; when its skin can be used (a source that is not
    // Locked and holds objects) the copy is taken again: of the top-level
    // object named ObjectName (any letter case) when there is one, else
    // none. Without such a skin the copy goes.
    void SetEngine(skin::TSeSkinEngine* engine, skin::SkinObjectControl* control);
    // Stores the name only: the copy follows at the next SetEngine.
    const std::string& ObjectName() const { return objectName_; }
    void SetObjectName(const std::string& name) { objectName_ = name; }

    skin::TSeSkinObject* Copy() const { return copy_.get(); }
    void DropCopy();
    // The engine's skin is usable, it holds an object of ObjectName, and
    // the copy exists.
    bool Available() const;

    // The engine's announcements (its address in the message): true when
    // it is this binding's engine, and then the copy was dropped or taken
    // again.
    bool SkinChanging(const void* engine);
    bool SkinChanged(const void* engine, skin::SkinObjectControl* control);

private:
    skin::TSeSkinEngine* engine_ = nullptr;
    std::string objectName_;
    std::unique_ptr<skin::TSeSkinObject> copy_;
};

}  // namespace skinui
