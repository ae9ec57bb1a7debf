#include "sheet_drawing.h"

namespace artwork {

void drawLabel(QImage& sheet, const OutlineFont& font, const std::string& text, int x, int y) {
    Mask m(int(text.size()) * 9 + 4, kLabelHeight);
    const double s = 11.0 / font.bounds(U'H').y1;
    double pen = 0;
    for (char c : text) {
        font.draw(m, char32_t(c), pen, 13, s, s);
        pen += font.advance(char32_t(c)) * s;
    }
    for (int j = 0; j < m.height; ++j)
        for (int i = 0; i < m.width; ++i) {
            const int v = 255 - int(m.at(i, j) * 255);
            if (v < 255 && x + i < sheet.width() && y + j < sheet.height())
                sheet.setPixel(x + i, y + j, qRgb(v, v, v));
        }
}

void drawOnChecker(QImage& sheet, const QImage& picture, int scale, int x, int y) {
    const int w = picture.width() * scale, h = picture.height() * scale;
    const QRgb frame = qRgb(120, 120, 120);
    for (int k = -1; k <= w; ++k)
        sheet.setPixel(x + k, y - 1, frame), sheet.setPixel(x + k, y + h, frame);
    for (int j = -1; j <= h; ++j)
        sheet.setPixel(x - 1, y + j, frame), sheet.setPixel(x + w, y + j, frame);
    for (int j = 0; j < h; ++j)
        for (int k = 0; k < w; ++k) {
            const bool light = ((k / 8) + (j / 8)) % 2 == 0;
            const QRgb under = light ? qRgb(236, 236, 236) : qRgb(196, 196, 196);
            const QRgb p = picture.pixel(k / scale, j / scale);
            sheet.setPixel(x + k, y + j, qAlpha(p) ? p : under);
        }
}

} // namespace artwork
