// Draws InactiveBitmap (when valid) while the window is not active.
#pragma once

#include <memory>

#include "skin/objects/BitmapSkinObject.h"

namespace skin {

class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
public:
    SE_SKIN_CLASS(TSeFormBitmapSkinObject)
    TSeBitmapLink* InactiveBitmap() const { return inactiveBitmap_.get(); }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;

protected:
    const TSeBitmapLink& CurrentBitmap() const override;

private:
    std::unique_ptr<TSeBitmapLink> inactiveBitmap_;
};

}  // namespace skin
