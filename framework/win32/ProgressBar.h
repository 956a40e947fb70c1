// A plain progress bar (the common control), with a range and a position.
//
// Like the skinned bar that replaces it, setting Position to a new value
// lets the application handle pending messages, so that a long run on the
// GUI thread keeps its window painted.
#pragma once

#include "framework/win32/Control.h"

namespace framework {

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TControl {
public:
    static constexpr std::string_view kClassName = "TProgressBar";
    using TControl::TControl;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // TControl's, then Max (default 100), Min (default 0), Orientation
    // (default pbHorizontal), Position (default 0), Smooth (default False).
    static const PropertyTable& ClassProperties();

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    // Nothing when unchanged; otherwise shows the value and pumps messages.
    void SetPosition(int value);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation value) { orientation_ = value; }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value) { smooth_ = value; }

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;

private:
    void ApplyRange();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
    bool smooth_ = false;
};

}  // namespace framework
