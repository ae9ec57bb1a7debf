// The saved strip as it should be, worked out apart from the program: white,
// with each glyph's black pixels at its place, as the user sees them.
#pragma once

#include <QImage>

#include <vector>

namespace testing_support {

inline QImage blankStrip() {
    QImage img(567, 53, QImage::Format_ARGB32);
    img.fill(qRgb(255, 255, 255));
    return img;
}

// Glyphs of the filled slots, from slot 0; those past slot 9 lie off the canvas.
inline QImage expectedStrip(const std::vector<QImage>& glyphs) {
    const int left[] = {8, 57, 113, 170, 227, 284, 340, 397, 454, 510};
    QImage img = blankStrip();
    for (size_t i = 0; i < glyphs.size() && i < 10; ++i)
        for (int y = 0; y < glyphs[i].height(); ++y)
            for (int x = 0; x < glyphs[i].width(); ++x)
                if (qAlpha(glyphs[i].pixel(x, y)) && left[i] + x < 567)
                    img.setPixel(left[i] + x, 8 + y, qRgb(0, 0, 0));
    return img;
}

} // namespace testing_support
