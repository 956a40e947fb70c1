// A bitmap object with a bitmap for each of the hot, focused, pressed and
// disabled states.
#pragma once

#include <memory>

#include "skin/objects/BitmapObject.h"

namespace skin {

class TSeButtonObject : public TSeBitmapObject {
public:
    SE_SKIN_CLASS(TSeButtonObject)

    TSeBitmapLink* BitmapHot() const { return bitmapHot_.get(); }
    TSeBitmapLink* BitmapFocused() const { return bitmapFocused_.get(); }
    TSeBitmapLink* BitmapPressed() const { return bitmapPressed_.get(); }
    TSeBitmapLink* BitmapDisabled() const { return bitmapDisabled_.get(); }
    // The link drawn in the current State: the state's bitmap when it is
    // valid, else Bitmap.
    const TSeBitmapLink& StateBitmap() const;

    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;

private:
    std::unique_ptr<TSeBitmapLink> bitmapHot_;
    std::unique_ptr<TSeBitmapLink> bitmapFocused_;
    std::unique_ptr<TSeBitmapLink> bitmapPressed_;
    std::unique_ptr<TSeBitmapLink> bitmapDisabled_;
};

}  // namespace skin
