// What both control bases (the windowed and the windowless one) hold about
// their painting: Performance (the buffering mode), Transparent, Blending
// and Color, with the rules that tie them. Blending needs a buffer: enabling
// it, stored or set, makes an unbuffered control double buffered, and no
// buffer is refused while it is on. Every change is told to the control
// (PaintSettingsChanged), which repaints.
#pragma once

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
    // The accessors are this part's, reached through T.
    return {
        framework::ObjectProperty<T, TSeBlending>("Blending", &T::Blending),
        framework::EnumProperty<T, TSePerformance>("Performance", PerformanceNames(), &T::Performance,
                                                   &T::SetPerformance, ztpNoBuffer),
        framework::BooleanProperty<T>("Transparent", &T::Transparent, &T::SetTransparent, false),
    };
}

}  // namespace skinui
