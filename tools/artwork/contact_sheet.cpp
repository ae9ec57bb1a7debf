// A review sheet of the whole picture set: each picture enlarged on a
// checkerboard (so transparency shows), with its file name above it.
#include "pictures.h"

#include <QImage>

#include <stdexcept>

namespace artwork {
namespace {

constexpr int kSheetWidth = 1600, kMargin = 16, kLabelHeight = 18;

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

} // namespace

void writeContactSheet(const std::vector<Asset>& assets, const Fonts& fonts,
                       const std::string& path) {
    struct Cell {
        QImage image;
        int scale;
        std::string label;
    };
    std::vector<Cell> cells;
    for (const Asset& a : assets) {
        QImage img = QImage::fromData(a.bytes.data(), int(a.bytes.size()))
                         .convertToFormat(QImage::Format_ARGB32);
        if (img.isNull()) throw std::runtime_error("Qt cannot decode " + a.file);
        // 4x, unless that would not fit the sheet.
        const int scale = std::max(1, std::min(4, (kSheetWidth - 2 * kMargin) / img.width()));
        cells.push_back({img, scale, a.file});
    }
    // Lay the cells out in rows, then paint.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kMargin, y = kMargin + 2, rowHeight = 0;
    for (const Cell& c : cells) {
        const int w = std::max(c.image.width() * c.scale, 9 * int(c.label.size()));
        const int h = c.image.height() * c.scale + kLabelHeight;
        if (x + w > kSheetWidth - kMargin) x = kMargin, y += rowHeight + kMargin, rowHeight = 0;
        places.push_back({x, y});
        x += w + kMargin;
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(qRgb(255, 255, 255));
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& c = cells[i];
        drawLabel(sheet, fonts.labels, c.label, places[i].x, places[i].y);
        const int top = places[i].y + kLabelHeight;
        // A thin frame, so that white pictures show against the sheet.
        const int w = c.image.width() * c.scale, h = c.image.height() * c.scale;
        for (int k = -1; k <= w; ++k)
            sheet.setPixel(places[i].x + k, top - 1, qRgb(120, 120, 120)),
                sheet.setPixel(places[i].x + k, top + h, qRgb(120, 120, 120));
        for (int j = -1; j <= h; ++j)
            sheet.setPixel(places[i].x - 1, top + j, qRgb(120, 120, 120)),
                sheet.setPixel(places[i].x + w, top + j, qRgb(120, 120, 120));
        for (int j = 0; j < c.image.height() * c.scale; ++j)
            for (int k = 0; k < c.image.width() * c.scale; ++k) {
                const bool light = ((k / 8) + (j / 8)) % 2 == 0;
                const QRgb under = light ? qRgb(236, 236, 236) : qRgb(196, 196, 196);
                const QRgb p = c.image.pixel(k / c.scale, j / c.scale);
                sheet.setPixel(places[i].x + k, top + j, qAlpha(p) ? p : under);
            }
    }
    if (!sheet.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write " + path);
}

} // namespace artwork
