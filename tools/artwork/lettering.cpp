#include "lettering.h"

#include <algorithm>
#include <vector>

namespace artwork {

Mask lettering(const OutlineFont& font, const std::string& text, int width, int height,
               const TextBox& box) {
    // The tallest letter of the text spans the rows asked for.
    double capHeight = 0;
    for (char c : text)
        if (c != ' ') capHeight = std::max(capHeight, font.bounds(char32_t(c)).y1);
    const double s = box.capRows / capHeight;
    std::vector<double> pen; // font units
    double x = 0, inkLeft = 0, inkRight = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        pen.push_back(x);
        const char32_t c = char32_t(text[i]);
        if (c != U' ') {
            const Box b = font.bounds(c);
            if (i == 0) inkLeft = x + b.x0;
            inkRight = x + b.x1;
        }
        x += font.advance(c);
    }
    const double natural = (inkRight - inkLeft) * s;
    const double target = box.right - box.left + 1;
    const double sx = box.spread ? s : s * target / natural;
    const double gap =
        box.spread && text.size() > 1 ? (target - natural) / double(text.size() - 1) : 0.0;
    Mask m(width, height);
    const double baseline = box.capTop + capHeight * s;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        const double originX = box.left + (pen[i] - inkLeft) * sx + double(i) * gap;
        font.draw(m, char32_t(text[i]), originX, baseline, sx, s);
    }
    return m;
}

} // namespace artwork
