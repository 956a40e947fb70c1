// TSeBitmapLink: a named rectangle of a skin bitmap. It does not own the
// bitmap and must not outlive it. Skin objects store their links as
// "Name" (left out when empty), "Left", "Top", "Right", "Bottom".
#pragma once

#include <cstdint>
#include <string>

#include "framework/Persistent.h"
#include "skin/gfx/Rect.h"

namespace skin {

class TSeBitmap;

class TSeBitmapLink : public framework::TPersistent {
public:
    static constexpr std::string_view kClassName = "TSeBitmapLink";
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    static const framework::PropertyTable& ClassProperties();

    TSeBitmapLink() = default;
    TSeBitmapLink(const TSeBitmapLink&) = default;
    TSeBitmapLink& operator=(const TSeBitmapLink&) = default;
    TSeBitmapLink(TSeBitmap* image, std::string name, const TRect& rect)
        : name_(std::move(name)), left_(rect.Left), top_(rect.Top), right_(rect.Right),
          bottom_(rect.Bottom), image_(image) {}

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }
    void SetLeft(int v) { left_ = v; }
    void SetTop(int v) { top_ = v; }
    void SetRight(int v) { right_ = v; }
    void SetBottom(int v) { bottom_ = v; }
    TRect Rect() const { return TRect{left_, top_, right_, bottom_}; }
    TSeBitmap* Image() const { return image_; }
    void SetImage(TSeBitmap* image) { image_ = image; }

    // Copies the image, the rectangle and the name.
    void Assign(const TSeBitmapLink& other) { *this = other; }
    // An image is set and width x height of the rectangle is above 0. The
    // sign of the product is found without multiplying: two differences of
    // 32-bit edges can multiply past 64 bits.
    bool Valid() const {
        const std::int64_t width = std::int64_t{right_} - left_;
        const std::int64_t height = std::int64_t{bottom_} - top_;
        return image_ != nullptr && ((width > 0 && height > 0) || (width < 0 && height < 0));
    }

private:
    std::string name_;
    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    TSeBitmap* image_ = nullptr;
};

}  // namespace skin
