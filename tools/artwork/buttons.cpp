// The four button faces: a green button with elliptical corners on olive,
// bearing "Save" or "Clear" in red serif letters; raised when up, sunken when
// pressed. The red of a word covers the same pixels in both looks.
#include "lettering.h"
#include "pictures.h"

#include <cmath>

namespace artwork {
namespace {

constexpr int kW = 104, kH = 45;
constexpr Rgb kOlive{128, 128, 0}, kRed{207, 23, 0}, kOutline{0, 52, 0};

// Inside the button's outline: a one-pixel rim all round, corners cut by
// quarter ellipses that leave 19 x 9 pixels of olive.
bool insideButton(int x, int y) {
    const double l = 1, t = 1, r = kW - 1, b = kH - 1, rx = 18, ry = 8;
    const double px = x + 0.5, py = y + 0.5;
    if (px < l || px > r || py < t || py > b) return false;
    const double cx = px < l + rx ? l + rx : (px > r - rx ? r - rx : px);
    const double cy = py < t + ry ? t + ry : (py > b - ry ? b - ry : py);
    const double dx = (px - cx) / rx, dy = (py - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// How far a pixel lies inside the outline, in pixels (small numbers only).
int depth(int x, int y) {
    for (int d = 0; d < 6; ++d)
        for (int j = -d; j <= d; ++j)
            for (int i = -d; i <= d; ++i)
                if (!insideButton(x + i, y + j)) return d;
    return 6;
}

RgbImage face(const Mask& word, bool raised) {
    RgbImage img(kW, kH, kOlive);
    const Rgb light{120, 214, 96}, body{2, 128, 2}, dark{0, 58, 0}, deep{0, 84, 0};
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            if (!insideButton(x, y)) continue;
            const int d = depth(x, y);
            // Which side of the button a bevel pixel belongs to.
            const bool upperLeft = double(x) / kW + double(y) / kH < 1.0;
            const double v = double(y) / kH;
            Rgb c = raised ? mix(mix(body, light, 0.18), body, v) : mix(deep, body, v);
            if (d <= 3) {
                const bool lit = raised ? upperLeft : !upperLeft;
                const double strength = d == 1 ? 1.0 : d == 2 ? 0.7 : 0.4;
                c = mix(c, lit ? light : dark, strength * (raised ? 1.0 : 0.85));
            }
            img.at(x, y) = c;
        }
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            if (word.on(x, y)) {
                img.at(x, y) = kRed;
            } else if (word.on(x - 1, y) || word.on(x + 1, y) || word.on(x, y - 1) ||
                       word.on(x, y + 1) || word.on(x + 1, y + 1)) {
                img.at(x, y) = kOutline;
            }
        }
    return img;
}

} // namespace

std::vector<Asset> buttonFaces(const Fonts& fonts) {
    const Mask save = lettering(fonts.serifBold, "Save", kW, kH, {20, 90, 12, 21, false});
    const Mask clear = lettering(fonts.serifBold, "Clear", kW, kH, {11, 93, 12, 21, false});
    // These bitmaps carry no resolution.
    return {
        {"button-save-pressed.bmp", encodeBmp24(face(save, false), 0)},
        {"button-clear-pressed.bmp", encodeBmp24(face(clear, false), 0)},
        {"button-save-up.bmp", encodeBmp24(face(save, true), 0)},
        {"button-clear-up.bmp", encodeBmp24(face(clear, true), 0)},
    };
}

} // namespace artwork
