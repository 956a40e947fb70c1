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
#include "skinui/controls/SeBlending.h"

namespace skinui {

class TSeGraphicControl : public framework::TGraphicControl {
public:
    static constexpr std::string_view kClassName = "TSeGraphicControl";
    explicit TSeGraphicControl(framework::TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Blending, Performance, Transparent.
    static const framework::PropertyTable& ClassProperties();

    TSePerformance Performance() const { return performance_; }
    void SetPerformance(TSePerformance value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TSeBlending* Blending() const { return blending_.get(); }
    void SetBlending(const TSeBlending& value);
    framework::TColor Color() const { return color_; }
    void SetColor(framework::TColor value);
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

private:
    std::unique_ptr<skin::TSeBitmap> blendBuffer_;
    bool transparent_ = false;
    bool mouseInControl_ = false;
    std::unique_ptr<framework::TFont> paintFont_;
    TSePerformance performance_ = ztpNoBuffer;
    std::unique_ptr<TSeBlending> blending_;
    framework::TColor color_ = kBtnFace;
};

}  // namespace skinui
