#include "picture_file.h"

#include <cstdint>
#include <cstring>

namespace toolkit {
namespace {

uint32_t le(std::span<const unsigned char> b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | b[at + size_t(i)];
    return v;
}

} // namespace

const char* pictureFormat(std::span<const unsigned char> b) {
    if (b.size() >= 13 && std::memcmp(b.data(), "GIF8", 4) == 0) return "GIF";
    if (b.size() >= 26 && b[0] == 'B' && b[1] == 'M') return "BMP";
    if (b.size() >= 22 && le(b, 0, 4) == 0x00010000) return "ICO";
    return nullptr;
}

std::optional<std::pair<int, int>> pictureSize(std::span<const unsigned char> b) {
    const char* format = pictureFormat(b);
    if (!format) return std::nullopt;
    int64_t width, height;
    if (format[0] == 'G')
        width = le(b, 6, 2), height = le(b, 8, 2);
    else if (format[0] == 'B')
        width = int32_t(le(b, 18, 4)), height = int32_t(le(b, 22, 4));
    else
        width = b[6] ? b[6] : 256, height = b[7] ? b[7] : 256;
    // Top-down bitmaps store a negative height; the lowest int has no positive twin.
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) return std::nullopt;
    return std::pair{int(width), int(height)};
}

} // namespace toolkit
