// The progress bar: TSeCustomProgressBar keeps the range and the position
// and draws the default looks (themed, plain smooth, plain blocks, in both
// orientations); TSeSkinProgressBar draws frame and bar from the skin
// object named by SkinObject ("Frame", then "BarHorz" or "BarVert", else
// "Bar") and falls back to the default look without a usable skin.
//
// Setting Position repaints (without erase) only when the fraction shown
// changes, and then lets the application handle pending messages: a long
// run on the GUI thread keeps its window alive through it.
#pragma once

#include <string>

#include "skin/SkinEngine.h"
#include "skinui/controls/win32/SeCustomControl.h"
#include "skinui/controls/SkinBinding.h"

namespace skinui {

enum TSeBarOrientation : std::uint8_t { kboHorizontal, kboVertical };

class TSeCustomProgressBar : public TSeCustomControl {
public:
    static constexpr std::string_view kClassName = "TSeCustomProgressBar";
    explicit TSeCustomProgressBar(framework::TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // TSeCustomControl's, then BorderWidth, Max (default 100), Min (default
    // 0), Position, Orientation, ShowBorder, Smooth.
    static const framework::PropertyTable& ClassProperties();

    int Max() const { return max_; }
    void SetMax(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    TSeBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TSeBarOrientation value);
    // The bar's own inset inside its frame (the base's border stays 0).
    int BarBorderWidth() const { return barBorderWidth_; }
    void SetBarBorderWidth(int value);
    bool ShowBorder() const { return showBorder_; }
    void SetShowBorder(bool value);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);

    float PositionFraction(int value) const;
    virtual skin::TRect GetBarRect() const;

protected:
    void PaintClient(HDC dc) override;
    virtual void PaintBarFrame(HDC dc);
    virtual void PaintBar(HDC dc);
    bool Vertical() const { return orientation_ == kboVertical; }

private:
    int max_ = 100;
    int min_ = 0;
    int position_ = 0;
    TSeBarOrientation orientation_ = kboHorizontal;
    int barBorderWidth_ = 0;
    bool showBorder_ = true;
    bool smooth_ = false;
};

class TSeSkinProgressBar : public TSeCustomProgressBar {
public:
    static constexpr std::string_view kClassName = "TSeSkinProgressBar";
    static constexpr std::string_view kVersion = "3.1.4";
    explicit TSeSkinProgressBar(framework::TComponent* owner);
    ~TSeSkinProgressBar() override;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // TSeCustomProgressBar's, then SkinEngine, SkinObject (Version is not stored).
    static const framework::PropertyTable& ClassProperties();

    skin::TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    void SetSkinEngine(skin::TSeSkinEngine* engine);
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    const std::string& Version() const;
    void SetVersion(const std::string&) {}
    bool SkinAvailable() const;
    skin::TSeSkinObject* SkinCopy() const { return binding_.Copy(); }

    skin::TRect GetBarRect() const override;
    void Loaded() override;
    void Notification(framework::TComponent* component, framework::TOperation operation) override;

protected:
    void Paint(HDC dc) override;
    void PaintBarFrame(HDC dc) override;
    void PaintBar(HDC dc) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    skin::TSeSkinObject* Find(std::string_view name) const;
    SkinBinding binding_{"ProgressBar", this};
};

// Registers the two classes with the framework's class registry.
void RegisterProgressBarClasses();

}  // namespace skinui
