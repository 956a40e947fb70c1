// TSeCustomControl: the base of the skinned controls that have a window.
//
// Painting goes through one pipeline: a surface chosen by Performance (the
// window itself, the shared buffer, or a buffer of the control's size, the
// buffers first filled with the key colour), the parent's look first when
// Transparent, the border and bevels around GetInnerRect (never inside it),
// PaintClient, then, with Blending on a buffered control, the buffer laid
// over the parent's look with Blending.Value as alpha, and the buffer copied
// to the window. WM_ERASEBKGND draws nothing (answering 1) unless a child
// asks for this control's look.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "framework/Font.h"
#include "framework/win32/CustomControl.h"
#include "skin/gfx/SeBitmap.h"
#include "skin/objects/win32/SkinObjectWindow.h"
#include "skinui/controls/ControlGeometry.h"
#include "skinui/controls/ControlPaintSettings.h"

namespace skinui {

class TSeCustomControl : public framework::TCustomControl, public ControlPaintSettings {
public:
    static constexpr std::string_view kClassName = "TSeCustomControl";
    explicit TSeCustomControl(framework::TComponent* owner);
    ~TSeCustomControl() override;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Blending, Performance, Transparent.
    static const framework::PropertyTable& ClassProperties();

    // Performance, Transparent, Blending and Color: ControlPaintSettings.

    int BorderWidth() const { return border_.borderWidth; }
    void SetBorderWidth(int value);
    int BevelWidth() const { return border_.bevelWidth; }
    void SetBevelWidth(int value);
    std::uint32_t BevelSides() const { return border_.bevelSides; }
    void SetBevelSides(std::uint32_t value);
    TSeBevelCut BevelInner() const { return border_.bevelInner; }
    void SetBevelInner(TSeBevelCut value);
    TSeBevelCut BevelOuter() const { return border_.bevelOuter; }
    void SetBevelOuter(TSeBevelCut value);
    TSeBevelKind BevelKind() const { return bevelKind_; }
    void SetBevelKind(TSeBevelKind value);
    bool ThemedBorder() const { return themedBorder_; }
    void SetThemedBorder(bool value) { themedBorder_ = value; }

    bool Focused() const { return focused_; }
    bool MouseInControl() const { return mouseInControl_; }
    int PaintWidth() const { return paintWidth_; }
    int PaintHeight() const { return paintHeight_; }
    framework::TFont* PaintFont() const { return paintFont_.get(); }

    // The whole control less the border and the bevels of BevelSides.
    virtual skin::TRect GetInnerRect() const;
    // Marks `rect` for repainting without erasing the background.
    void InvalidateNoErase(const skin::TRect& rect);
    void Invalidate();
    // Gives `dc` the pixels the parent shows where the control stands.
    void DrawParentBackground(HDC dc);

    void SetBounds(int left, int top, int width, int height) override;

    framework::TNotifyEvent onMouseEnter;
    framework::TNotifyEvent onMouseLeave;
    const std::string& OnMouseEnterName() const { return onMouseEnterName_; }
    void SetOnMouseEnter(const std::string& name, framework::TNotifyEvent handler);
    const std::string& OnMouseLeaveName() const { return onMouseLeaveName_; }
    void SetOnMouseLeave(const std::string& name, framework::TNotifyEvent handler);

protected:
    void Paint(HDC dc) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void HandleCreated() override;
    virtual void PaintClient(HDC dc);
    virtual void PaintBorder(HDC dc);
    virtual void BorderChanged() {}
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void EnterFocus();
    virtual void ExitFocus();
    // The control as the Control of the skin objects it draws.
    skin::SkinObjectWindow& ObjectWindow() { return objectWindow_; }
    void PaintSettingsChanged() override { Invalidate(); }
    bool ReadingPaintSettings() const override { return Loading(); }

private:
    void EraseForChild(HDC dc);

    std::unique_ptr<skin::TSeBitmap> blendBuffer_;
    bool focused_ = false;
    bool mouseInControl_ = false;
    std::unique_ptr<framework::TFont> paintFont_;
    BorderSettings border_;
    TSeBevelKind bevelKind_ = kbkNone;
    bool themedBorder_ = true;
    int paintWidth_ = 0;
    int paintHeight_ = 0;
    skin::SkinObjectWindow objectWindow_{nullptr};
    std::string onMouseEnterName_, onMouseLeaveName_;
};

}  // namespace skinui
