// What both control bases (the windowed and the windowless one) hold about
// their painting: Performance (the buffering mode), Transparent, Blending
// and Color, with the rules that tie them. Blending needs a buffer: enabling
// it, stored or set, makes an unbuffered control double buffered, and no
// buffer is refused while it is on. Every change is told to the control
// (PaintSettingsChanged), which repaints.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/IdentMaps.h"
#include "framework/Property.h"
#include "skinui/controls/ControlGeometry.h"
#include "skinui/controls/SeBlending.h"

namespace skinui {

class ControlPaintSettings {
public:
    ControlPaintSettings();
    virtual ~ControlPaintSettings();
    ControlPaintSettings(const ControlPaintSettings&) = delete;
    ControlPaintSettings& operator=(const ControlPaintSettings&) = delete;

    TSePerformance Performance() const { return performance_; }
    // Refused (nothing happens) for ztpNoBuffer while blending is enabled.
    void SetPerformance(TSePerformance value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TSeBlending* Blending() const { return blending_.get(); }
    // Takes the settings; enabled blending on an unbuffered control makes it
    // double buffered. Not repainted while the control is being read.
    void SetBlending(const TSeBlending& value);
    framework::TColor Color() const { return color_; }
    void SetColor(framework::TColor value);

    // The stored entries of a control class T that derives from this part:
    // Blending, Performance (default ztpNoBuffer), Transparent (default False).
    template <class T>
    static std::vector<framework::PropertyInfo> StoredProperties();

protected:
    // The control repaints.
    virtual void PaintSettingsChanged() = 0;
    // True while the control is being read from a stream.
    virtual bool ReadingPaintSettings() const = 0;

private:
    static const framework::EnumInfo& PerformanceNames();
    void BlendingChanged();

    TSePerformance performance_ = ztpNoBuffer;
    bool transparent_ = false;
    std::unique_ptr<TSeBlending> blending_;
    framework::TColor color_ = kBtnFace;
};

template <class T>
std::vector<framework::PropertyInfo> ControlPaintSettings::StoredProperties() {
    // The part is reached from the stored object by an ordinary upcast
    // through T. (This part's member pointers converted to T's would do the
    // same, but the part is not T's first base, and the undefined-behaviour
    // checker takes such calls for calls on the wrong type.)
    static constexpr auto part = [](framework::TPersistent& o) -> ControlPaintSettings& {
        return static_cast<T&>(o);
    };
    static constexpr auto constPart = [](const framework::TPersistent& o) -> const ControlPaintSettings& {
        return static_cast<const T&>(o);
    };

    framework::PropertyInfo blending;
    blending.name = "Blending";
    blending.kind = framework::PropertyKind::Object;
    blending.getObject = [](const framework::TPersistent& o) -> framework::TPersistent* {
        return constPart(o).Blending();
    };

    framework::PropertyInfo performance = framework::EnumProperty<T, TSePerformance>(
        "Performance", PerformanceNames(), &T::Performance, &T::SetPerformance, ztpNoBuffer);
    performance.getOrdinal = [](const framework::TPersistent& o) { return std::int64_t(constPart(o).Performance()); };
    performance.setOrdinal = [](framework::TPersistent& o, std::int64_t v) {
        part(o).SetPerformance(TSePerformance(v));
    };

    framework::PropertyInfo transparent =
        framework::BooleanProperty<T>("Transparent", &T::Transparent, &T::SetTransparent, false);
    transparent.getOrdinal = [](const framework::TPersistent& o) { return std::int64_t(constPart(o).Transparent()); };
    transparent.setOrdinal = [](framework::TPersistent& o, std::int64_t v) { part(o).SetTransparent(v != 0); };

    return {blending, performance, transparent};
}

}  // namespace skinui
