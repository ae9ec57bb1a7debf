#include "embedded_description.h"

// Compiled from the array that describe writes at build time.
extern const unsigned char cartouchery_description[];
extern const std::size_t cartouchery_description_size;

namespace app {

std::span<const uint8_t> embeddedDescription() {
    return {cartouchery_description, cartouchery_description_size};
}

} // namespace app
