// How a skin object reaches the control that shows it, and the skinned form
// behind that control. Objects only hold these interfaces; the Windows
// build sends the library's window messages through them
// (SkinObjectWindow.h), and the skinned frame implements SkinnedForm.
#pragma once

#include <cstdint>

namespace skin {

class TSeSkinObject;

// The skinned frame of a form, as system buttons see it.
class SkinnedForm {
public:
    virtual ~SkinnedForm() = default;
    virtual void CloseForm() = 0;
    virtual void ContextHelp() = 0;
    virtual void Minimize() = 0;
    virtual void Maximize() = 0;
    virtual void Restore() = 0;
    virtual void Rollup() = 0;
    virtual void MinToTray() = 0;
    virtual void PopupSystemMenu() = 0;
    // Calls the form's OnCustomAction with `sender` when it is assigned.
    virtual void CustomAction(TSeSkinObject& sender) = 0;
    // A set of TSeBorderIcon bits.
    virtual std::uint32_t BorderIcons() const = 0;
};

class SkinObjectControl {
public:
    virtual ~SkinObjectControl() = default;
    // `object` changed its look: repaint what shows it.
    virtual void ObjectChanged(TSeSkinObject* object) = 0;
    // The skinned form serving this control, or nullptr.
    virtual SkinnedForm* GetSkinForm() = 0;
    // 0 left to right, 1 right to left, other values mixed.
    virtual int BiDiMode() const = 0;
    // Text flags (kText*) adjusted to the control's reading order.
    virtual unsigned DrawTextBiDiModeFlags(unsigned flags) const = 0;
    // True when the control is a form; its icon (a platform icon handle, or
    // nullptr when it has none of its own).
    virtual bool IsForm() const = 0;
    virtual void* Icon() const = 0;
    // Lets pending window messages run (after an object changed its size).
    virtual void ProcessMessages() = 0;
};

}  // namespace skin
