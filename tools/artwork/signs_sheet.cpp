// The comparison sheet of the glyph set: for each glyph picture its code and
// name, the picture at 1x and at 4x, and the Noto sign drawn large, so that a
// reviewer can judge whether the small sign still reads as what it shows.
#include "pictures.h"
#include "sheet_drawing.h"

#include <QImage>

#include <cstdio>
#include <stdexcept>

namespace artwork {
namespace {

constexpr int kColumns = 2, kColumnWidth = 760, kMargin = 16;
constexpr int kRowHeight = 200, kReferenceHeight = 160, kReferenceWidth = 300;

// The reference signs side by side, black on white, fitted to the box.
void drawReference(QImage& sheet, const OutlineFont& font, const std::vector<char32_t>& signs,
                   int x, int y) {
    double totalWidth = 0, tallest = 0;
    for (char32_t cp : signs)
        totalWidth += font.bounds(cp).width(),
            tallest = std::max(tallest, font.bounds(cp).height());
    const double gap = 0.1 * tallest * double(signs.size() - 1);
    const double s = std::min(kReferenceHeight / tallest, kReferenceWidth / (totalWidth + gap));
    Mask m(kReferenceWidth, kReferenceHeight);
    double pen = 0;
    for (char32_t cp : signs) {
        const Box b = font.bounds(cp);
        // Signs stand on a common baseline, as they are written.
        font.drawInto(m, cp, pen, kReferenceHeight - b.height() * s, b.width() * s, b.height() * s);
        pen += (b.width() + 0.1 * tallest) * s;
    }
    for (int j = 0; j < m.height; ++j)
        for (int i = 0; i < m.width; ++i) {
            const int v = 255 - int(m.at(i, j) * 255);
            if (v < 255) sheet.setPixel(x + i, y + j, qRgb(v, v, v));
        }
}

} // namespace

void writeSignsSheet(const std::vector<Asset>& assets, const Fonts& fonts,
                     const std::string& path) {
    const auto catalogue = signCatalogue();
    const int rows = (int(catalogue.size()) + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kColumnWidth, rows * kRowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(qRgb(255, 255, 255));
    for (size_t n = 0; n < catalogue.size(); ++n) {
        const SignEntry& sign = catalogue[n];
        char file[32];
        std::snprintf(file, sizeof file, "glyph-%02d.gif", sign.index);
        const Asset* asset = nullptr;
        for (const Asset& a : assets)
            if (a.file == file) asset = &a;
        if (!asset) throw std::runtime_error(std::string("no picture ") + file);
        const QImage glyph = QImage::fromData(asset->bytes.data(), int(asset->bytes.size()))
                                 .convertToFormat(QImage::Format_ARGB32);
        if (glyph.isNull()) throw std::runtime_error(std::string("Qt cannot decode ") + file);

        const int x = int(n) % kColumns * kColumnWidth + kMargin;
        const int y = int(n) / kColumns * kRowHeight + kMargin;
        drawLabel(sheet, fonts.labels,
                  std::to_string(sign.index) + "  " + sign.gardiner + "  " + sign.name, x, y);
        const int top = y + kLabelHeight + 4;
        drawOnChecker(sheet, glyph, 1, x, top);
        drawOnChecker(sheet, glyph, 4, x + 96, top);
        drawReference(sheet, fonts.hieroglyphs, sign.reference, x + 96 + 4 * 78 + 24, top);
    }
    if (!sheet.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write " + path);
}

} // namespace artwork
