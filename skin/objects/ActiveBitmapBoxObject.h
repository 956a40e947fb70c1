// A box that draws FocusedBitmap in the hot and focused states when it is valid.
#pragma once

#include <memory>

#include "skin/objects/BitmapBoxObject.h"

namespace skin {

class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
public:
    SE_SKIN_CLASS(TSeActiveBitmapBoxObject)
    TSeBitmapLink* FocusedBitmap() const { return focusedBitmap_.get(); }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;

protected:
    const TSeBitmapLink& CurrentBitmap() const override;

private:
    std::unique_ptr<TSeBitmapLink> focusedBitmap_;
};

}  // namespace skin
