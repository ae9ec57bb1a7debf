// A picture: an image that never changes, shared by every control that holds
// it.
#pragma once

#include <QImage>

#include <memory>

namespace toolkit {

class Picture {
  public:
    Picture() = default;
    Picture(std::shared_ptr<const QImage> image) // NOLINT: converts like the image it holds
        : image_(std::move(image)) {}

    // The image; null for no picture.
    const QImage* get() const { return image_.get(); }
    const QImage& operator*() const { return *image_; }
    const QImage* operator->() const { return image_.get(); }
    explicit operator bool() const { return image_ != nullptr; }
    // Two controls show the same picture when they share it, not when their
    // pixels happen to agree.
    bool operator==(const Picture& other) const { return image_ == other.image_; }

  private:
    std::shared_ptr<const QImage> image_;
};

} // namespace toolkit
