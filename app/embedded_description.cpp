#include "embedded_description.h"

// Compiled from the arrays that describe and prebuild write at build time.
extern const unsigned char cartouchery_description[];
extern const std::size_t cartouchery_description_size;
extern const toolkit::PrebuiltImage cartouchery_prebuilt_images[];
extern const std::size_t cartouchery_prebuilt_image_count;

namespace app {

std::span<const uint8_t> embeddedDescription() {
    return {cartouchery_description, cartouchery_description_size};
}

std::span<const toolkit::PrebuiltImage> prebuiltImages() {
    return {cartouchery_prebuilt_images, cartouchery_prebuilt_image_count};
}

} // namespace app
