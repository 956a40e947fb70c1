#include "skin/SkinEngine.h"

#include <exception>

#include "framework/ClassRegistry.h"
#include "framework/Stream.h"
#include "skin/SkinMessages.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/ScopeExit.h"

namespace skin {

TSeSkinEngine::TSeSkinEngine(framework::TComponent* owner)
    : framework::TComponent(owner), source_(new TSeSkinSource(this)) {}

TSeSkinEngine::~TSeSkinEngine() {
    delete source_;
    source_ = nullptr;
}

const framework::PropertyTable& TSeSkinEngine::ClassProperties() {
    using T = TSeSkinEngine;
    using namespace framework;
    static const PropertyTable table(&TComponent::ClassProperties(),
                                     {
                                         IntegerProperty("DeltaHue", &T::DeltaHue, &T::SetDeltaHue),
                                         StringProperty("SkinFile", &T::SkinFile, &T::SetSkinFile),
                                         StringProperty("SkinStore", &T::SkinStore, &T::SetSkinStore),
                                         BooleanProperty("SkinStoreCompression", &T::SkinStoreCompression,
                                                         &T::SetSkinStoreCompression, false),
                                         StringProperty("Version", &T::Version, &T::SetVersion),
                                         EventProperty("OnBeforeChange", &T::OnBeforeChangeName,
                                                       &T::SetOnBeforeChange),
                                         EventProperty("OnAfterChange", &T::OnAfterChangeName,
                                                       &T::SetOnAfterChange),
                                         BinaryProperty("SkinStream", &T::SkinStream, &T::SetSkinStream),
                                     });
    return table;
}

const std::string& TSeSkinEngine::SkinStore() const {
    static const std::string store(kSkinStore);
    return store;
}

const std::string& TSeSkinEngine::Version() const {
    static const std::string version(kVersion);
    return version;
}

void TSeSkinEngine::SetOnBeforeChange(const std::string& name, framework::TNotifyEvent handler) {
    onBeforeChangeName_ = name;
    onBeforeChange = std::move(handler);
}

void TSeSkinEngine::SetOnAfterChange(const std::string& name, framework::TNotifyEvent handler) {
    onAfterChangeName_ = name;
    onAfterChange = std::move(handler);
}

std::vector<std::uint8_t> TSeSkinEngine::SkinStream() const {
    framework::TMemoryStream stream;
    const bool skin = source_->Count() > 0;
    stream.WriteUInt8(skin ? 2 : 0);
    if (skin) source_->SaveToStream(stream);
    return stream.Bytes();
}

void TSeSkinEngine::SetSkinStream(std::span<const std::uint8_t> data) {
    loadError_.clear();
    if (data.empty() || data[0] == 0) return;
    // Controls of a skin in use draw from its bitmaps: they let go of its
    // objects before the bitmaps are freed, as for a skin file.
    const bool replacing = source_->Count() > 0;
    if (replacing) {
        source_->SetLocked(true);
        NotifyBeforeChange();
    }
    framework::TBytesReader stream(data.subspan(1));
    try {
        source_->LoadFromStream(stream);
    } catch (const std::exception& error) {
        // The skin is data: a broken one leaves what was read of it, and
        // the window it belongs to still opens, drawn without it.
        loadError_ = error.what();
    }
    skinFile_.clear();
    source_->SetLocked(false);
    if (replacing) NotifyAfterChange();
}

void TSeSkinEngine::Loaded() {
    framework::TComponent::Loaded();
    if (onAfterChange && source_->Count() > 0) onAfterChange(*this);
}

void TSeSkinEngine::NotifyBeforeChange() {
    if (onBeforeChange) onBeforeChange(*this);
    BroadcastMessage(WM_SESKINCHANGING);
}

void TSeSkinEngine::NotifyAfterChange() {
    BroadcastMessage(WM_SESKINCHANGED);
    if (onAfterChange) onAfterChange(*this);
}

void TSeSkinEngine::BroadcastMessage(unsigned message) { BroadcastSkinMessage(message, *this); }

void TSeSkinEngine::SetSkinFile(const std::string& name) {
    skinFile_ = name;
    if (source_->Count() > 0) {
        source_->SetLocked(true);
        NotifyBeforeChange();
        source_->Clear();
    }
    source_->LoadFromFile(name);
    // Also when a failed load before left the source Locked and empty.
    source_->SetLocked(false);
    source_->ChangeHue(deltaHue_);
    NotifyAfterChange();
}

void TSeSkinEngine::SetDeltaHue(int value) {
    if (value == deltaHue_ && value == source_->HueDelta()) return;
    deltaHue_ = value;
    if (source_->Count() == 0 || busy_) return;
    busy_ = true;
    OnExit clearBusy{[this] { busy_ = false; }};
    NotifyBeforeChange();
    source_->ChangeHue(value);
    NotifyAfterChange();
}

void RegisterSkinClasses() {
    static const bool registered = [] {
        RegisterSkinObjectClasses();
        framework::RegisterComponentClass<TSeSkinEngine>();
        return true;
    }();
    (void)registered;
}

}  // namespace skin
