// A picture: an image that never changes, shared by every control that holds
// it. Two controls show the same picture when they share it, not when their
// pixels happen to agree, so pictures compare by identity.
//
// A picture whose file lives for the whole run (a description built into the
// program) waits to be decoded until it is first drawn or read, so that a
// start decodes only what the first frame shows. Its size is known from the
// file's header before that.
#pragma once

#include <QImage>

#include <cstdint>
#include <memory>
#include <span>

namespace toolkit {

class Picture {
  public:
    Picture() = default;
    // A decoded image is a picture.
    Picture(std::shared_ptr<const QImage> image); // NOLINT(google-explicit-constructor)
    // A GIF or BMP file that outlives every copy of the picture, with the
    // size its header gives.
    static Picture whenFirstUsed(std::span<const uint8_t> file, const char* format, QSize size);

    const QImage& operator*() const { return image(); }
    const QImage* operator->() const { return &image(); }
    explicit operator bool() const { return bool(d_); }
    bool operator==(const Picture& other) const { return d_ == other.d_; }
    // What tells two pictures apart, for messages.
    const void* identity() const { return d_.get(); }

    // The pixel size, without decoding.
    QSize size() const;
    bool decoded() const;

  private:
    struct Data;
    const QImage& image() const;
    std::shared_ptr<Data> d_;
};

// Decodes a picture file into a format the painter draws directly (8-bit
// bitmaps are widened); a null image where it cannot be decoded.
QImage decodePicture(std::span<const uint8_t> file, const char* format);

} // namespace toolkit
