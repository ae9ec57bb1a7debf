// artwork: writes every picture of The Cartouchery's picture set.
//
//   artwork OUT_DIR [--sheet SHEET.png] [--signs SIGNS.png]
//
// Reads the Noto fonts named at build time, writes the 94 different pictures
// (GIF, BMP, ICO) into OUT_DIR, the window icon's design at desktop icon
// sizes into OUT_DIR/icons (PNG), with --sheet a contact sheet PNG, and with
// --signs the glyphs beside their Noto references. The same fonts always
// give the same bytes; assets/ holds the committed output.
#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // lets Qt find its image plugins for the sheet
    std::string sheet, signs;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--sheet")
            sheet = argv[i + 1];
        else if (option == "--signs")
            signs = argv[i + 1];
        else
            argc = 0; // unknown: show the usage
    }
    if (argc < 2 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: artwork OUT_DIR [--sheet SHEET.png] [--signs SIGNS.png]\n");
        return 2;
    }
    try {
        const artwork::Fonts fonts{artwork::OutlineFont(ARTWORK_SERIF_BOLD),
                                   artwork::OutlineFont(ARTWORK_HIEROGLYPHS),
                                   artwork::OutlineFont(ARTWORK_LABELS)};
        const auto pictures = artwork::allPictures(fonts);
        for (const auto& p : pictures)
            artwork::writeFile(std::string(argv[1]) + "/" + p.file, p.bytes);
        const std::string icons = std::string(argv[1]) + "/icons";
        QDir().mkpath(QString::fromStdString(icons));
        for (int size : artwork::kDesktopIconSizes) {
            const artwork::RgbImage icon = artwork::windowIcon(fonts, size);
            QImage png(size, size, QImage::Format_RGB32);
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const artwork::Rgb p = icon.at(x, y);
                    png.setPixel(x, y, qRgb(p.r, p.g, p.b));
                }
            const std::string path = icons + "/cartouchery-" + std::to_string(size) + ".png";
            if (!png.save(QString::fromStdString(path), "PNG"))
                throw std::runtime_error("cannot write " + path);
        }
        if (!sheet.empty()) artwork::writeContactSheet(pictures, fonts, sheet);
        if (!signs.empty()) artwork::writeSignsSheet(pictures, fonts, signs);
        std::printf("wrote %zu pictures to %s\n", pictures.size(), argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
