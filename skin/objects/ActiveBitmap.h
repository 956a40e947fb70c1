// A bitmap object with a second bitmap for the active window and for hot
// and focused elements.
#pragma once

#include <memory>

#include "skin/objects/BitmapObject.h"

namespace skin {

class TSeActiveBitmap : public TSeBitmapObject {
public:
    SE_SKIN_CLASS(TSeActiveBitmap)

    TSeBitmapLink* ActiveBitmap() const { return activeBitmap_.get(); }
    framework::TFont* ActiveFont() const { return activeFont_.get(); }

    void Assign(const TSeSkinObject& source) override;
    framework::TFont* GetFont() const override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;
    void SetCharset(int charset) override;

private:
    std::unique_ptr<TSeBitmapLink> activeBitmap_;
    std::unique_ptr<framework::TFont> activeFont_;
};

}  // namespace skin
