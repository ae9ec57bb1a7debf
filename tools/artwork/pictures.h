// The groups of the picture set; each function returns finished files.
#pragma once

#include "image_files.h"
#include "outline_font.h"

#include <string>
#include <vector>

namespace artwork {

struct Asset {
    std::string file; // name inside assets/
    Bytes bytes;
};

struct Fonts {
    OutlineFont serifBold;   // letters of keys, buttons, banner and icon
    OutlineFont hieroglyphs; // outlines of the signs
    OutlineFont labels;      // captions of the contact sheet only
};

std::vector<Asset> keyFaces(const Fonts& fonts);
std::vector<Asset> glyphs(const Fonts& fonts);
std::vector<Asset> buttonFaces(const Fonts& fonts);
std::vector<Asset> framing(const Fonts& fonts); // tile, panels, banner, icon, blanks

// The window icon's design at a desktop icon size, for installing.
RgbImage windowIcon(const Fonts& fonts, int size);
inline constexpr int kDesktopIconSizes[] = {48, 64, 128, 256};

// Every picture of the set, in a fixed order.
std::vector<Asset> allPictures(const Fonts& fonts);

// A PNG with every picture on a checkerboard, each labelled with its file name.
void writeContactSheet(const std::vector<Asset>& assets, const Fonts& fonts,
                       const std::string& path);

// What a glyph picture shows, for the comparison sheet.
struct SignEntry {
    int index; // in the glyph set: glyph-NN.gif
    std::string gardiner;
    std::string name;
    std::vector<char32_t> reference; // Noto signs it is compared with, left to right
};
std::vector<SignEntry> signCatalogue();

// A PNG with every glyph at 1x and 4x beside its Noto reference drawn large.
void writeSignsSheet(const std::vector<Asset>& assets, const Fonts& fonts, const std::string& path);

// Shared look of the letters on keys and buttons.
inline constexpr Rgb kLetterRed{206, 22, 2};

} // namespace artwork
