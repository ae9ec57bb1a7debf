// What the header of a picture file says: its format and its pixel size.
#pragma once

#include <optional>
#include <span>
#include <utility>

namespace toolkit {

// "GIF", "BMP" or "ICO", as Qt names the formats; null for anything else.
const char* pictureFormat(std::span<const unsigned char> file);

// Width and height in pixels from the header, without decoding.
std::optional<std::pair<int, int>> pictureSize(std::span<const unsigned char> file);

} // namespace toolkit
