// Facts read straight from the bytes of GIF, BMP and ICO files, so tests can
// check what a decoder would smooth over.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

QByteArray readAsset(const QString& name);

struct GifFacts {
    std::string error; // empty when the file parsed
    std::string version;
    int width = 0, height = 0;
    bool globalTable = false;
    int colourResolution = 0, tableEntries = 0;
    std::vector<uint32_t> table; // 0xRRGGBB
    int images = 0;
    int imageLeft = -1, imageTop = -1, imageWidth = 0, imageHeight = 0;
    bool localTable = false, interlaced = false;
    int lzwMinimumCodeSize = 0;
    int graphicControls = 0, otherExtensions = 0;
    int transparencyFlag = -1, disposal = -1, delay = -1, transparentIndex = -1;
};
GifFacts gifFacts(const QByteArray& bytes);

struct BmpFacts {
    bool signature = false;
    uint32_t fileSize = 0, dataOffset = 0, infoHeaderSize = 0, compression = 0, coloursUsed = 0;
    int32_t width = 0, height = 0; // positive height: rows stored bottom-up
    int bitsPerPixel = 0;
};
BmpFacts bmpFacts(const QByteArray& bytes);

} // namespace testing_support
