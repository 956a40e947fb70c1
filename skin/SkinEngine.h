// TSeSkinEngine: the non-visual component that owns one loaded skin and
// serves it to skinned controls. Its skin is stored in the form description
// as the binary property SkinStream, or loaded from the file SkinFile.
// Before a skin or hue change it tells every control of every form
// (WM_SESKINCHANGING, so that they drop their copies of its objects), after
// it WM_SESKINCHANGED (so that they take new ones); both parameters of the
// messages are the engine.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "skin/storage/SkinSource.h"

namespace skin {

class TSeSkinEngine : public framework::TComponent {
public:
    static constexpr std::string_view kClassName = "TSeSkinEngine";
    static constexpr std::string_view kSkinStore = "(none)";
    static constexpr std::string_view kVersion = "3.1.4";

    explicit TSeSkinEngine(framework::TComponent* owner);
    // Frees the skin before the component base tells the owner's other
    // components that the engine goes.
    ~TSeSkinEngine() override;

    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // DeltaHue (always stored), SkinFile, SkinStore, SkinStoreCompression
    // (default False), Version, OnBeforeChange, OnAfterChange; then the
    // binary SkinStream, always stored.
    static const framework::PropertyTable& ClassProperties();

    TSeSkinSource* SkinSource() const { return source_; }

    // The hue shift asked for: applied at once to a loaded skin (announced
    // before and after), only stored while no skin is loaded or a change is
    // being announced.
    int DeltaHue() const { return deltaHue_; }
    void SetDeltaHue(int value);
    // Loads the named skin file (see TSeSkinSource::LoadFromFile) in place
    // of the present skin, announced before (when there was a skin) and
    // after. A load error propagates, is not announced as a change, and
    // leaves the source Locked until a later skin loads.
    const std::string& SkinFile() const { return skinFile_; }
    void SetSkinFile(const std::string& name);
    // Reads "(none)"; what is written is ignored.
    const std::string& SkinStore() const;
    void SetSkinStore(const std::string&) {}
    bool SkinStoreCompression() const { return skinStoreCompression_; }
    void SetSkinStoreCompression(bool value) { skinStoreCompression_ = value; }
    // Reads "3.1.4"; what is written is ignored.
    const std::string& Version() const;
    void SetVersion(const std::string&) {}

    // The flag byte (2 when a skin with objects follows, else 0), then the
    // skin through the default filter. Reading a non-zero flag loads the
    // skin that follows without a hue change and empties SkinFile; a skin
    // that fails to load leaves what was read of it (see LoadError) and
    // the form description goes on, so that the window still opens.
    // Replacing a skin that has objects is announced before (while the
    // source is Locked and the old skin still there) and after; a first
    // skin is announced by Loaded.
    std::vector<std::uint8_t> SkinStream() const;
    void SetSkinStream(std::span<const std::uint8_t> data);
    // Why the last stored skin did not load completely; empty when it did.
    const std::string& LoadError() const { return loadError_; }

    framework::TNotifyEvent onBeforeChange;
    framework::TNotifyEvent onAfterChange;
    const std::string& OnBeforeChangeName() const { return onBeforeChangeName_; }
    void SetOnBeforeChange(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnAfterChangeName() const { return onAfterChangeName_; }
    void SetOnAfterChange(const std::string& name, framework::TNotifyEvent handler);

    // After the form description was read: OnAfterChange when a skin with
    // objects was loaded.
    void Loaded() override;

    // OnBeforeChange, then WM_SESKINCHANGING to every control.
    void NotifyBeforeChange();
    // WM_SESKINCHANGED to every control, then OnAfterChange.
    void NotifyAfterChange();
    // Sends `message` to every form of the screen and, recursively, to each
    // of its controls, letting the application process pending messages
    // after each form (nothing where the platform has no forms).
    void BroadcastMessage(unsigned message);

    // Set while a hue change is being announced.
    bool Busy() const { return busy_; }

private:
    TSeSkinSource* source_;
    int deltaHue_ = 0;
    std::string skinFile_;
    bool skinStoreCompression_ = false;
    bool busy_ = false;
    std::string loadError_;
    std::string onBeforeChangeName_;
    std::string onAfterChangeName_;
};

// Sends `message` (both parameters the engine) to every form and its
// controls; the platform's part of BroadcastMessage.
void BroadcastSkinMessage(unsigned message, TSeSkinEngine& engine);

// Registers the skin object classes and the engine with the class
// registries, so that skins and form descriptions can create them. Start-up
// calls it; later calls do nothing.
void RegisterSkinClasses();

}  // namespace skin
