#pragma once

#include "prebuilt_images.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace app {

// The window description compiled from layout.json and assets/ at build time.
std::span<const uint8_t> embeddedDescription();

// The pictures its first frame shows and the scaled copies of its stretched
// pictures, made from it at build time.
std::span<const toolkit::PrebuiltImage> prebuiltImages();

} // namespace app
