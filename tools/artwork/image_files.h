// Writers for the three file formats of the picture set.
#pragma once

#include "raster.h"

#include <string>
#include <vector>

namespace artwork {

using Bytes = std::vector<uint8_t>;

struct GifOptions {
    int colorResolution = 8; // bits, as stored in the logical screen descriptor
    bool interlaced = false;
};
// GIF89a with one image over the whole screen, a global colour table and one
// graphic control extension that switches transparency on.
Bytes encodeGif(const IndexedImage& image, const GifOptions& options);

// Uncompressed bottom-up bitmaps with the 40-byte information header.
Bytes encodeBmp24(const RgbImage& image, int pixelsPerMetre);
Bytes encodeBmp8(const IndexedImage& image, int pixelsPerMetre); // 256-entry table

// One-image icon at 24 bits per pixel with an all-clear AND mask.
Bytes encodeIco24(const RgbImage& image);

// Builds a palette picture from an RGB image; fails if it has over 256 colours.
IndexedImage toIndexed(const RgbImage& image);

void writeFile(const std::string& path, const Bytes& bytes);

} // namespace artwork
