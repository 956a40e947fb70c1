// TSeGraphicControl: the base of the skinned controls without a window of
// their own, drawn on their parent. The same pipeline as TSeCustomControl
// without border, inner rectangle or scroll bars: a surface by Performance
// (the buffers are not key-filled), the parent's look first when
// Transparent, PaintClient, translucency over the parent's look with
// Blending on a buffered control, then the copy onto the parent.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/Font.h"
#include "framework/win32/GraphicControl.h"
#include "skin/gfx/SeBitmap.h"
#include "skinui/controls/ControlGeometry.h"
#include "skinui/controls/ControlPaintSettings.h"

namespace skinui {

class TSeGraphicControl : public framework::TGraphicControl, public ControlPaintSettings {
public:
    static constexpr std::string_view kClassName = "TSeGraphicControl";
    explicit TSeGraphicControl(framework::TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Blending, Performance, Transparent.
    static const framework::PropertyTable& ClassProperties();

    // Performance, Transparent, Blending and Color: ControlPaintSettings.
    bool MouseInControl() const { return mouseInControl_; }
    framework::TFont* PaintFont() const { return paintFont_.get(); }

    // Gives `dc` (the control's coordinates) the parent's look under the control.
    void DrawParentBackground(HDC dc);

    void Paint(HDC dc) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Loaded() override;

    framework::TNotifyEvent onMouseEnter;
    framework::TNotifyEvent onMouseLeave;

protected:
    virtual void PaintClient(HDC dc);
    void PaintSettingsChanged() override { Invalidate(); }
    bool ReadingPaintSettings() const override { return Loading(); }

private:
    std::unique_ptr<skin::TSeBitmap> blendBuffer_;
    bool mouseInControl_ = false;
    std::unique_ptr<framework::TFont> paintFont_;
};

}  // namespace skinui
