// Marks where the skinned form places the control named by LinkControl.
// It draws a placeholder only in the link view state (1).
#pragma once

#include <string>

#include "skin/objects/SkinObject.h"

namespace skin {

class TSeLinkSkinObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeLinkSkinObject)
    const std::string& LinkControl() const { return linkControl_; }
    void SetLinkControl(const std::string& value) { linkControl_ = value; }
    void Assign(const TSeSkinObject& source) override;
    void Draw(SkinCanvas& canvas) override;

private:
    std::string linkControl_;
};

}  // namespace skin
