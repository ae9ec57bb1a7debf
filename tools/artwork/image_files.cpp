#include "image_files.h"

#include <gif_lib.h>

#include <fstream>
#include <map>
#include <stdexcept>

namespace artwork {
namespace {

void put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

int gifOutput(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

void check(int result, GifFileType* gif, const char* what) {
    if (result != GIF_OK)
        throw std::runtime_error(std::string("giflib failed at ") + what + ": " +
                                 GifErrorString(gif->Error));
}

// Rows of an interlaced GIF go out in four passes.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass])
            rows.push_back(y);
    return rows;
}

// Header and information header shared by both bitmap depths.
Bytes bmpHeaders(int width, int height, int bits, uint32_t tableBytes, uint32_t imageBytes,
                 int ppm) {
    Bytes b;
    const uint32_t offset = 14 + 40 + tableBytes;
    b.push_back('B');
    b.push_back('M');
    put32(b, offset + imageBytes);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, uint32_t(width));
    put32(b, uint32_t(height));
    put16(b, 1);
    put16(b, uint32_t(bits));
    put32(b, 0); // no compression
    put32(b, imageBytes);
    put32(b, uint32_t(ppm));
    put32(b, uint32_t(ppm));
    put32(b, bits == 8 ? 256 : 0);
    put32(b, 0);
    return b;
}

void putRows24(Bytes& b, const RgbImage& image) {
    const int pad = (4 - (image.width * 3) % 4) % 4;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb& p = image.at(x, y);
            b.push_back(p.b);
            b.push_back(p.g);
            b.push_back(p.r);
        }
        b.insert(b.end(), size_t(pad), 0);
    }
}

} // namespace

Bytes encodeGif(const IndexedImage& image, const GifOptions& options) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, gifOutput, &error);
    if (!gif) throw std::runtime_error("giflib could not open an encoder");
    EGifSetGifVersion(gif, true);

    std::vector<GifColorType> colors;
    for (const Rgb& c : image.palette)
        colors.push_back({c.r, c.g, c.b});
    ColorMapObject* map = GifMakeMapObject(int(colors.size()), colors.data());
    check(EGifPutScreenDesc(gif, image.width, image.height, options.colorResolution, 0, map), gif,
          "screen descriptor");
    GifFreeMapObject(map);

    const GifByteType control[4] = {0x01, 0, 0, GifByteType(image.transparent)};
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control), gif, "graphic control");
    check(EGifPutImageDesc(gif, 0, 0, image.width, image.height, options.interlaced, nullptr), gif,
          "image descriptor");
    std::vector<GifPixelType> line(size_t(image.width));
    for (int y : rowOrder(image.height, options.interlaced)) {
        for (int x = 0; x < image.width; ++x)
            line[size_t(x)] = image.at(x, y);
        check(EGifPutLine(gif, line.data(), image.width), gif, "image data");
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        throw std::runtime_error(std::string("giflib failed to close: ") + GifErrorString(error));
    return out;
}

Bytes encodeBmp24(const RgbImage& image, int pixelsPerMetre) {
    const uint32_t rowBytes = uint32_t(image.width * 3 + 3) / 4 * 4;
    Bytes b = bmpHeaders(image.width, image.height, 24, 0, rowBytes * uint32_t(image.height),
                         pixelsPerMetre);
    putRows24(b, image);
    return b;
}

Bytes encodeBmp8(const IndexedImage& image, int pixelsPerMetre) {
    if (image.palette.size() > 256) throw std::runtime_error("over 256 colours for an 8-bit BMP");
    const uint32_t rowBytes = uint32_t(image.width + 3) / 4 * 4;
    Bytes b = bmpHeaders(image.width, image.height, 8, 1024, rowBytes * uint32_t(image.height),
                         pixelsPerMetre);
    for (size_t i = 0; i < 256; ++i) {
        const Rgb c = i < image.palette.size() ? image.palette[i] : Rgb{};
        b.insert(b.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x)
            b.push_back(image.at(x, y));
        b.insert(b.end(), rowBytes - uint32_t(image.width), 0);
    }
    return b;
}

Bytes encodeIco24(const RgbImage& image) {
    const uint32_t xorBytes = uint32_t(image.width * 3 + 3) / 4 * 4 * uint32_t(image.height);
    const uint32_t andBytes = uint32_t((image.width + 31) / 32 * 4) * uint32_t(image.height);
    const uint32_t resource = 40 + xorBytes + andBytes;
    Bytes b;
    put16(b, 0);
    put16(b, 1); // icon
    put16(b, 1); // one image
    b.push_back(uint8_t(image.width));
    b.push_back(uint8_t(image.height));
    b.push_back(0);
    b.push_back(0);
    put16(b, 1);
    put16(b, 24);
    put32(b, resource);
    put32(b, 22);
    put32(b, 40);
    put32(b, uint32_t(image.width));
    put32(b, uint32_t(image.height * 2)); // colour rows and mask rows
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, xorBytes + andBytes);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    putRows24(b, image);
    b.insert(b.end(), andBytes, 0);
    return b;
}

IndexedImage toIndexed(const RgbImage& image) {
    IndexedImage out{image.width, image.height, {}, {}, -1};
    std::map<uint32_t, uint8_t> index;
    out.px.reserve(image.px.size());
    for (const Rgb& p : image.px) {
        const uint32_t key = uint32_t(p.r) << 16 | uint32_t(p.g) << 8 | p.b;
        auto it = index.find(key);
        if (it == index.end()) {
            if (out.palette.size() == 256) throw std::runtime_error("picture has over 256 colours");
            it = index.emplace(key, uint8_t(out.palette.size())).first;
            out.palette.push_back(p);
        }
        out.px.push_back(it->second);
    }
    return out;
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

} // namespace artwork
