#include "file_facts.h"

#include <QFile>

namespace testing_support {

QByteArray readAsset(const QString& name) {
    QFile f(QStringLiteral(CARTOUCHERY_ASSETS_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

namespace {
uint32_t le(const QByteArray& b, qsizetype at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | uint8_t(b.at(at + i));
    return v;
}
} // namespace

GifFacts gifFacts(const QByteArray& b) {
    GifFacts f;
    if (b.size() < 13) return f.error = "shorter than a GIF header", f;
    f.version = b.left(6).toStdString();
    f.width = int(le(b, 6, 2)), f.height = int(le(b, 8, 2));
    const uint8_t packed = uint8_t(b[10]);
    f.globalTable = packed & 0x80;
    f.colourResolution = ((packed >> 4) & 7) + 1;
    f.tableEntries = f.globalTable ? 2 << (packed & 7) : 0;
    qsizetype p = 13;
    for (int i = 0; i < f.tableEntries; ++i, p += 3)
        f.table.push_back(le(b, p + 2, 1) | le(b, p + 1, 1) << 8 | le(b, p, 1) << 16);
    auto skipSubBlocks = [&] {
        while (p < b.size() && uint8_t(b[p]) != 0)
            p += uint8_t(b[p]) + 1;
        ++p;
    };
    while (p < b.size()) {
        const uint8_t tag = uint8_t(b[p++]);
        if (tag == 0x3B) return f;
        if (tag == 0x21) {
            const uint8_t label = uint8_t(b[p++]);
            if (label == 0xF9) {
                ++f.graphicControls;
                const uint8_t gp = uint8_t(b[p + 1]);
                f.transparencyFlag = gp & 1, f.disposal = (gp >> 2) & 7;
                f.delay = int(le(b, p + 2, 2)), f.transparentIndex = uint8_t(b[p + 4]);
            } else {
                ++f.otherExtensions;
            }
            skipSubBlocks();
        } else if (tag == 0x2C) {
            ++f.images;
            f.imageLeft = int(le(b, p, 2)), f.imageTop = int(le(b, p + 2, 2));
            f.imageWidth = int(le(b, p + 4, 2)), f.imageHeight = int(le(b, p + 6, 2));
            const uint8_t ip = uint8_t(b[p + 8]);
            f.localTable = ip & 0x80, f.interlaced = ip & 0x40;
            p += 9;
            f.lzwMinimumCodeSize = uint8_t(b[p++]);
            skipSubBlocks();
        } else {
            return f.error = "unknown block " + std::to_string(tag), f;
        }
    }
    return f.error = "no trailer", f;
}

BmpFacts bmpFacts(const QByteArray& b) {
    BmpFacts f;
    if (b.size() < 54) return f;
    f.signature = b[0] == 'B' && b[1] == 'M';
    f.fileSize = le(b, 2, 4), f.dataOffset = le(b, 10, 4), f.infoHeaderSize = le(b, 14, 4);
    f.width = int32_t(le(b, 18, 4)), f.height = int32_t(le(b, 22, 4));
    f.bitsPerPixel = int(le(b, 28, 2)), f.compression = le(b, 30, 4), f.coloursUsed = le(b, 46, 4);
    return f;
}

} // namespace testing_support
