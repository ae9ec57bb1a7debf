// The 52 key faces: a shaded green disc with a red serif capital. The up face
// looks raised, the pressed face pushed in; the letter's red pixels are the
// same in both, so a swap never moves the letter.
#include "pictures.h"

#include <array>
#include <cmath>

namespace artwork {
namespace {

constexpr int kSize = 60;
constexpr double kCentre = 30.0, kRadius = 24.0;

// Entries 0 to 10 are the disc's shading ramp, 11 the letter, 12 to 14 its
// outline; 15 is the transparent olive.
constexpr std::array<Rgb, 16> kPalette = {{
    {2, 46, 2},
    {2, 62, 2},
    {2, 80, 2},
    {2, 98, 2},
    {2, 112, 2},
    {2, 122, 2},
    {2, 138, 2},
    {2, 154, 2},
    {2, 172, 2},
    {2, 190, 2},
    {2, 210, 2},
    kLetterRed,
    {62, 34, 6},
    {96, 52, 10},
    {2, 30, 2},
    {130, 130, 2},
}};
constexpr uint8_t kRed = 11, kBrown = 13, kDarkBrown = 12, kOutlineGreen = 14, kClear = 15;

// Rows of the letter's red, as the faces are drawn: A sits a row higher, V
// lower, W to Z a row lower than the rest.
int letterTop(char c) {
    if (c == 'A') return 18;
    if (c == 'V') return 22;
    if (c >= 'W') return 20;
    return 19;
}

Mask letterMask(const OutlineFont& font, char c) {
    Mask m(kSize, kSize);
    // Q keeps the height of O; its tail hangs below.
    const Box body = font.bounds(c == 'Q' ? U'O' : char32_t(c));
    const Box own = font.bounds(char32_t(c));
    const double s = 21.0 / body.height();
    // Narrow letters are widened to the width of the I, the narrowest face.
    const double sx = std::max(s, 11.0 / own.width());
    const double baseline = letterTop(c) + body.y1 * s;
    const double originX = kCentre - (own.x0 + own.width() / 2) * sx;
    font.draw(m, char32_t(c), std::round(originX * 4) / 4, baseline, sx, s);
    // The tail of the Q ends at row 44.
    for (int y = 45; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            m.ref(x, y) = 0;
    return m;
}

// Brightness from -1 (darkest) to 1 of a disc pixel; raised lights the upper left.
double shade(double x, double y, bool raised) {
    const double dx = x - kCentre, dy = y - kCentre;
    const double d = std::sqrt(dx * dx + dy * dy);
    const double towardsLight = d > 0 ? -(dx + dy) / (d * std::sqrt(2.0)) : 0.0;
    const double rim = std::clamp((d - 17.0) / 6.0, 0.0, 1.0);
    const double b = towardsLight * (0.95 * rim + 0.22 * d / kRadius);
    return raised ? b : -0.9 * b - 0.08;
}

IndexedImage face(const Mask& letter, bool raised) {
    IndexedImage img{kSize, kSize, {kPalette.begin(), kPalette.end()}, {}, kClear};
    img.px.assign(size_t(kSize) * kSize, kClear);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            // The disc holds the pixels whose centres lie within its radius.
            const double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
            if (dx * dx + dy * dy > kRadius * kRadius) continue;
            uint8_t index;
            if (letter.on(x, y)) {
                index = kRed;
            } else if (letter.on(x - 1, y) || letter.on(x + 1, y) || letter.on(x, y - 1) ||
                       letter.on(x, y + 1)) {
                index = raised ? kBrown : kDarkBrown;
            } else if (letter.on(x - 1, y - 1) || letter.on(x + 1, y - 1) ||
                       letter.on(x - 1, y + 1) || letter.on(x + 1, y + 1)) {
                index = kOutlineGreen;
            } else {
                const double b = shade(x + 0.5, y + 0.5, raised);
                index = uint8_t(std::clamp(std::lround(5 + 5 * b), 0L, 10L));
            }
            img.px[size_t(y) * kSize + x] = index;
        }
    return img;
}

} // namespace

std::vector<Asset> keyFaces(const Fonts& fonts) {
    std::vector<Asset> out;
    const GifOptions options{8, false};
    for (char c = 'A'; c <= 'Z'; ++c) {
        const Mask letter = letterMask(fonts.serifBold, c);
        out.push_back(
            {std::string("key-up-") + c + ".gif", encodeGif(face(letter, true), options)});
        out.push_back(
            {std::string("key-pressed-") + c + ".gif", encodeGif(face(letter, false), options)});
    }
    return out;
}

} // namespace artwork
