#include "framework/win32/ProgressBar.h"

#include <commctrl.h>

#include "framework/win32/Application.h"

namespace framework {

namespace {
const EnumInfo kOrientations{"pbHorizontal", "pbVertical"};
}

const PropertyTable& TProgressBar::ClassProperties() {
    static const PropertyTable table(
        &TControl::ClassProperties(),
        {
            IntegerProperty("Max", &TProgressBar::Max, &TProgressBar::SetMax, 100),
            IntegerProperty("Min", &TProgressBar::Min, &TProgressBar::SetMin, 0),
            EnumProperty("Orientation", kOrientations, &TProgressBar::Orientation, &TProgressBar::SetOrientation,
                         TProgressBarOrientation::pbHorizontal),
            IntegerProperty("Position", &TProgressBar::Position, &TProgressBar::SetPosition, 0),
            BooleanProperty("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth, false),
        });
    return table;
}

void TProgressBar::ApplyRange() {
    if (!Handle()) return;
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetMin(int value) {
    min_ = value;
    ApplyRange();
}

void TProgressBar::SetMax(int value) {
    max_ = value;
    ApplyRange();
}

void TProgressBar::SetPosition(int value) {
    if (value == position_) return;
    position_ = value;
    if (!Handle()) return;
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
    Application().ProcessMessages();
}

TControl::CreateParams TProgressBar::GetCreateParams() const {
    CreateParams params;
    params.className = PROGRESS_CLASSA;
    if (smooth_) params.style |= PBS_SMOOTH;
    if (orientation_ == TProgressBarOrientation::pbVertical) params.style |= PBS_VERTICAL;
    return params;
}

void TProgressBar::HandleCreated() { ApplyRange(); }

}  // namespace framework
