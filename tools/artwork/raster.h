// Plain pixel containers for the artwork generator. Everything here is
// scalar code, so the same input gives the same bytes on every machine.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace artwork {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Coverage values from 0 (empty) to 1 (fully covered); reads outside give 0.
struct Mask {
    int width = 0, height = 0;
    std::vector<float> v;

    Mask() = default;
    Mask(int w, int h) : width(w), height(h), v(size_t(w) * h, 0.0f) {}
    float at(int x, int y) const {
        return (x < 0 || y < 0 || x >= width || y >= height) ? 0.0f : v[size_t(y) * width + x];
    }
    float& ref(int x, int y) { return v[size_t(y) * width + x]; }
    bool on(int x, int y) const { return at(x, y) >= 0.5f; }
};

struct RgbImage {
    int width = 0, height = 0;
    std::vector<Rgb> px;

    RgbImage() = default;
    RgbImage(int w, int h, Rgb fill = {}) : width(w), height(h), px(size_t(w) * h, fill) {}
    Rgb& at(int x, int y) { return px[size_t(y) * width + x]; }
    const Rgb& at(int x, int y) const { return px[size_t(y) * width + x]; }
};

// A palette picture; transparent is the palette index that shows nothing, or -1.
struct IndexedImage {
    int width = 0, height = 0;
    std::vector<Rgb> palette;
    std::vector<uint8_t> px;
    int transparent = -1;
    uint8_t at(int x, int y) const { return px[size_t(y) * width + x]; }
};

// Coverage of a shape given by a point test, sampled n x n times per pixel.
inline Mask sampleShape(int w, int h, const std::function<bool(double, double)>& inside,
                        int n = 4) {
    Mask m(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int hits = 0;
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i)
                    hits += inside(x + (i + 0.5) / n, y + (j + 0.5) / n) ? 1 : 0;
            m.ref(x, y) = float(hits) / float(n * n);
        }
    return m;
}

inline uint8_t clampByte(double v) {
    return uint8_t(std::clamp(v + 0.5, 0.0, 255.0));
}

inline Rgb mix(Rgb a, Rgb b, double t) {
    return {clampByte(a.r + (b.r - a.r) * t), clampByte(a.g + (b.g - a.g) * t),
            clampByte(a.b + (b.b - a.b) * t)};
}

// Small deterministic noise source (xorshift), so textures repeat byte for byte.
class Noise {
  public:
    explicit Noise(uint32_t seed) : s_(seed ? seed : 1u) {}
    uint32_t next() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    double unit() { return (next() & 0xFFFFFF) / double(0x1000000); }

  private:
    uint32_t s_;
};

} // namespace artwork
