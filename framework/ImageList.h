// An image list: images of one size, addressed by index. This base knows the
// size and the count; a derived class holds and draws the pixels.
#pragma once

#include <functional>
#include <string_view>

#include "framework/Component.h"

namespace framework {

class TCustomImageList : public TComponent {
public:
    static constexpr std::string_view kClassName = "TCustomImageList";
    explicit TCustomImageList(TComponent* owner) : TComponent(owner) {}
    std::string_view ClassName() const override { return kClassName; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Sizes below 1 become 1.
    void SetSize(int width, int height);
    virtual int Count() const { return 0; }

    // Called after the size or the images changed.
    std::function<void()> onChange;

protected:
    void Changed() {
        if (onChange) onChange();
    }

private:
    int width_ = 16;
    int height_ = 16;
};

inline void TCustomImageList::SetSize(int width, int height) {
    width_ = width < 1 ? 1 : width;
    height_ = height < 1 ? 1 : height;
    Changed();
}

}  // namespace framework
