// A box with state bitmaps chosen as TSeButtonObject chooses them.
#pragma once

#include <memory>

#include "skin/objects/BitmapBoxObject.h"

namespace skin {

class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
public:
    SE_SKIN_CLASS(TSeButtonBitmapBoxObject)
    TSeBitmapLink* HotBitmap() const { return hotBitmap_.get(); }
    TSeBitmapLink* FocusedBitmap() const { return focusedBitmap_.get(); }
    TSeBitmapLink* PressedBitmap() const { return pressedBitmap_.get(); }
    TSeBitmapLink* DisabledBitmap() const { return disabledBitmap_.get(); }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;

protected:
    const TSeBitmapLink& CurrentBitmap() const override;

private:
    std::unique_ptr<TSeBitmapLink> hotBitmap_, focusedBitmap_, pressedBitmap_, disabledBitmap_;
};

}  // namespace skin
