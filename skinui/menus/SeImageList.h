// An image list whose images lie side by side in one bitmap, drawn with
// their key pixels left out; a disabled image is drawn from a grey copy.
#pragma once

#include <memory>
#include <string_view>

#include "framework/ImageList.h"
#include "skin/gfx/SeBitmap.h"

namespace skin {
class SkinCanvas;
}

namespace skinui {

class TSeImageList : public framework::TCustomImageList {
public:
    static constexpr std::string_view kClassName = "TSeImageList";
    explicit TSeImageList(framework::TComponent* owner) : TCustomImageList(owner) {}
    std::string_view ClassName() const override { return kClassName; }

    // Takes the images: `strip` holds Count images of Width x Height from
    // the left, Height rows high.
    void SetImages(const skin::TSeBitmap& strip);
    int Count() const override;
    // Image `index` with its top-left corner at (x, y); nothing outside
    // 0 .. Count() - 1.
    void Draw(skin::SkinCanvas& canvas, int index, int x, int y, bool enabled);

private:
    skin::TSeBitmap strip_;
    std::unique_ptr<skin::TSeBitmap> grey_;
};

}  // namespace skinui
