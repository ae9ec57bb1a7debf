// The pictures that frame the window: background tile, three panels, the title
// banner, the window icon, and the two plain white bitmaps.
#include "lettering.h"
#include "pictures.h"

#include <cmath>

namespace artwork {
namespace {

constexpr int kScreenPpm = 3780; // 96 dots per inch
constexpr int kTilePpm = 7874;   // 200 dots per inch

// Smooth value noise from a fixed lattice of random values.
class ValueNoise {
  public:
    ValueNoise(int cells, uint32_t seed) : n_(cells), values_(size_t(cells) * cells) {
        Noise rng(seed);
        for (double& v : values_)
            v = rng.unit();
    }
    double at(double u, double v) const { // u, v in [0, 1)
        const double x = u * n_, y = v * n_;
        const int x0 = int(x), y0 = int(y);
        const double fx = smooth(x - x0), fy = smooth(y - y0);
        auto lattice = [&](int i, int j) { return values_[size_t(j % n_) * n_ + size_t(i % n_)]; };
        const double top = lattice(x0, y0) + (lattice(x0 + 1, y0) - lattice(x0, y0)) * fx;
        const double bottom =
            lattice(x0, y0 + 1) + (lattice(x0 + 1, y0 + 1) - lattice(x0, y0 + 1)) * fx;
        return top + (bottom - top) * fy;
    }

  private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    int n_;
    std::vector<double> values_;
};

RgbImage backgroundTile() {
    constexpr int W = 149, H = 161;
    const ValueNoise coarse(5, 11), mid(13, 23), fine(37, 37);
    Noise grain(4242);
    RgbImage img(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double u = x / double(W), v = y / double(H);
            const double n = 0.5 * coarse.at(u, v) + 0.3 * mid.at(u, v) + 0.2 * fine.at(u, v);
            const double edge = std::min({x, y, W - 1 - x, H - 1 - y}) / 14.0;
            const double shade = 0.78 + 0.22 * std::min(edge, 1.0);
            const double g = grain.unit() - 0.5;
            const double k = (0.72 + 0.62 * n + 0.1 * g) * shade;
            img.at(x, y) = {clampByte(84 * k + 8 * (grain.unit() - 0.5)),
                            clampByte(104 * k + 8 * (grain.unit() - 0.5)),
                            clampByte(23 * k + 10 * n + 6 * (grain.unit() - 0.5))};
        }
    return img;
}

// A field inside a raised green border, with a light line and a glint.
RgbImage panel(int W, int H, Rgb field, bool speckled, uint32_t seed) {
    constexpr int kBorder = 11;
    RgbImage img(W, H, field);
    if (speckled) {
        Noise rng(seed);
        const Rgb a{122, 122, 0}, b{134, 134, 6};
        for (Rgb& p : img.px) {
            const uint32_t r = rng.next() % 100;
            if (r < 7)
                p = a;
            else if (r < 13)
                p = b;
        }
    }
    const Rgb light{96, 196, 64}, mid{0, 128, 0}, dark{0, 62, 0};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int d = std::min({x, y, W - 1 - x, H - 1 - y});
            if (d > kBorder) continue;
            if (d == kBorder) {
                img.at(x, y) = {176, 226, 150};
                continue;
            }
            // Light from the upper left: top and left sides lit, the others in shade.
            const bool lit = (d == x || d == y) && !(d == W - 1 - x || d == H - 1 - y);
            const double t = d / double(kBorder - 1); // 0 at the outer edge
            const double ridge = 1 - std::abs(t - 0.35) / 0.65;
            img.at(x, y) =
                lit ? mix(mid, light, 0.35 + 0.55 * ridge) : mix(mid, dark, 0.3 + 0.6 * ridge);
        }
    for (int j = -1; j <= 1; ++j)
        for (int i = -2; i <= 2; ++i)
            if (std::abs(i) + 2 * std::abs(j) <= 2) img.at(16 + i, 16 + j) = {255, 255, 255};
    return img;
}

RgbImage titleBanner(const Fonts& fonts) {
    constexpr int W = 566, H = 57;
    RgbImage img = panel(W, H, {0, 128, 0}, false, 0);
    const Mask title = lettering(fonts.serifBold, "THE CARTOUCHERY", W, H, {17, 543, 22, 18, true});
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (!title.on(x, y) && title.on(x - 2, y - 2)) img.at(x, y) = {0, 56, 0};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (title.on(x, y)) img.at(x, y) = {255, 0, 0};
    return img;
}

// The design drawn with hard edges, as the 30-pixel original has them.
RgbImage iconDesign(const Fonts& fonts, int size) {
    const double k = size / 30.0;
    const Rgb green{0, 128, 0}, pale{205, 229, 205}, darkEdge{0, 77, 0}, letter{102, 229, 0};
    RgbImage img(size, size, green);
    Mask c(size, size);
    fonts.serifBold.drawInto(c, U'C', 5 * k, 3.5 * k, 19 * k, 23 * k);
    // The letter's dark outline is one pixel wide at 30 pixels.
    const int ring = std::max(1, int(std::lround(k)));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            if (c.on(x, y)) {
                img.at(x, y) = letter;
                continue;
            }
            bool near = false;
            for (int j = -ring; j <= ring && !near; ++j)
                for (int i = -ring; i <= ring && !near; ++i)
                    near = std::abs(i) + std::abs(j) <= ring && c.on(x + i, y + j);
            if (near) img.at(x, y) = {0, 60, 0};
        }
    const int paleWidth = std::max(2, int(std::lround(2 * k))),
              darkWidth = std::max(1, int(std::lround(k)));
    for (int i = 0; i < size; ++i)
        for (int d = 0; d < std::max(paleWidth, darkWidth); ++d) {
            if (d < paleWidth && i < size - darkWidth) img.at(i, d) = img.at(d, i) = pale;
            if (d < darkWidth) img.at(i, size - 1 - d) = img.at(size - 1 - d, i) = darkEdge;
        }
    return img;
}

} // namespace

// The window icon's design at any size; 30 pixels is the original. Larger
// sizes are drawn four times over and averaged, so their curves are smooth.
RgbImage windowIcon(const Fonts& fonts, int size) {
    if (size <= 30) return iconDesign(fonts, size);
    constexpr int k = 4;
    const RgbImage big = iconDesign(fonts, size * k);
    RgbImage img(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < k; ++j)
                for (int i = 0; i < k; ++i) {
                    const Rgb& p = big.at(x * k + i, y * k + j);
                    r += p.r, g += p.g, b += p.b;
                }
            img.at(x, y) = {uint8_t((r + 8) / 16), uint8_t((g + 8) / 16), uint8_t((b + 8) / 16)};
        }
    return img;
}

std::vector<Asset> framing(const Fonts& fonts) {
    const Rgb olive{128, 128, 0}, green{0, 128, 0}, white{255, 255, 255};
    return {
        {"window.ico", encodeIco24(windowIcon(fonts, 30))},
        {"slot-blank.bmp", encodeBmp24(RgbImage(38, 38, white), kScreenPpm)},
        {"canvas-blank.bmp", encodeBmp24(RgbImage(775, 114, white), kScreenPpm)},
        {"background-tile.bmp", encodeBmp24(backgroundTile(), kTilePpm)},
        {"panel-backdrop.bmp", encodeBmp8(toIndexed(panel(632, 309, olive, true, 7)), kScreenPpm)},
        {"panel-strip.bmp", encodeBmp8(toIndexed(panel(797, 82, green, false, 0)), kScreenPpm)},
        {"panel-buttons.bmp", encodeBmp8(toIndexed(panel(330, 118, olive, true, 9)), kScreenPpm)},
        {"title-banner.bmp", encodeBmp8(toIndexed(titleBanner(fonts)), kScreenPpm)},
    };
}

std::vector<Asset> allPictures(const Fonts& fonts) {
    std::vector<Asset> all;
    for (auto group : {framing, keyFaces, glyphs, buttonFaces}) {
        auto part = group(fonts);
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace artwork
