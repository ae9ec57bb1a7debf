// A review sheet of the whole picture set: each picture enlarged on a
// checkerboard (so transparency shows), with its file name above it.
#include "pictures.h"
#include "sheet_drawing.h"

#include <QImage>

#include <stdexcept>

namespace artwork {
namespace {

constexpr int kSheetWidth = 1600, kMargin = 16;

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
        drawOnChecker(sheet, c.image, c.scale, places[i].x, places[i].y + kLabelHeight);
    }
    if (!sheet.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write " + path);
}

} // namespace artwork
