// artwork: writes every picture of The Cartouchery's picture set.
//
//   artwork OUT_DIR [--sheet SHEET.png]
//
// Reads the Noto fonts named at build time, writes the 94 different pictures
// (GIF, BMP, ICO) into OUT_DIR and, with --sheet, a contact sheet PNG. The same
// fonts always give the same bytes; assets/ holds the committed output.
#include "pictures.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // lets Qt find its image plugins for the sheet
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--sheet")) {
        std::fprintf(stderr, "usage: artwork OUT_DIR [--sheet SHEET.png]\n");
        return 2;
    }
    try {
        const artwork::Fonts fonts{artwork::OutlineFont(ARTWORK_SERIF_BOLD),
                                   artwork::OutlineFont(ARTWORK_HIEROGLYPHS),
                                   artwork::OutlineFont(ARTWORK_LABELS)};
        const auto pictures = artwork::allPictures(fonts);
        for (const auto& p : pictures) artwork::writeFile(std::string(argv[1]) + "/" + p.file, p.bytes);
        if (argc == 4) artwork::writeContactSheet(pictures, fonts, argv[3]);
        std::printf("wrote %zu pictures to %s\n", pictures.size(), argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
