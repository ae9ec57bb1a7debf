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
    std::pair<int, int> size;
    if (format[0] == 'G')
        size = {int(le(b, 6, 2)), int(le(b, 8, 2))};
    else if (format[0] == 'B')
        size = {int(int32_t(le(b, 18, 4))), int(int32_t(le(b, 22, 4)))};
    else
        size = {b[6] ? b[6] : 256, b[7] ? b[7] : 256};
    // Top-down bitmaps store a negative height.
    if (size.second < 0) size.second = -size.second;
    if (size.first <= 0 || size.second <= 0) return std::nullopt;
    return size;
}

} // namespace toolkit
