#pragma once

#include "description.h"

#include <span>
#include <stdexcept>

namespace toolkit {

// A description that cannot be read: says where and what was expected.
class DescriptionError : public std::runtime_error {
  public:
    DescriptionError(size_t offset, const std::string& what);
    size_t offset() const { return offset_; }

  private:
    size_t offset_;
};

enum class PictureStorage {
    Copy,   // pictures own copies of their bytes
    Borrow, // pictures view the input, which must outlive them
};

// Reads a whole description; every length and count is checked against the
// bytes that are there. Identical pictures come back as one shared file.
Description readDescription(std::span<const uint8_t> bytes,
                            PictureStorage storage = PictureStorage::Copy);

} // namespace toolkit
