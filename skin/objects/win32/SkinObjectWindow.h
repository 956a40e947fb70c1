// The control of a skin object tree as a window: repaint requests and the
// question for the skinned form travel as the library's window messages
// (WM_SEOBJECTCHANGED, WM_SEGETFORM) to the window, so that the object
// tree needs no knowledge of the control classes.
#pragma once

#include <windows.h>

#include "skin/objects/SkinObjectControl.h"

namespace skin {

class SkinObjectWindow final : public SkinObjectControl {
public:
    // `biDiMode`: 0 left to right, 1 right to left, other values mixed.
    explicit SkinObjectWindow(HWND window, int biDiMode = 0) : window_(window), biDiMode_(biDiMode) {}

    HWND Window() const { return window_; }
    void SetWindow(HWND window) { window_ = window; }

    void ObjectChanged(TSeSkinObject* object) override;
    SkinnedForm* GetSkinForm() override;
    int BiDiMode() const override { return biDiMode_; }
    unsigned DrawTextBiDiModeFlags(unsigned flags) const override;
    bool IsForm() const override;
    void* Icon() const override;
    void ProcessMessages() override;

private:
    HWND window_;
    int biDiMode_;
};

}  // namespace skin
