#include "outline_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BBOX_H

#include <cmath>
#include <stdexcept>

namespace artwork {

struct OutlineFont::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::string path;

    FT_Outline& load(char32_t cp) const {
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0)
            throw std::runtime_error("no outline for U+" + std::to_string(uint32_t(cp)) + " in " +
                                     path);
        return face->glyph->outline;
    }
};

OutlineFont::OutlineFont(const std::string& path) : impl_(std::make_unique<Impl>()) {
    impl_->path = path;
    if (FT_Init_FreeType(&impl_->library) != 0) throw std::runtime_error("FreeType failed");
    if (FT_New_Face(impl_->library, path.c_str(), 0, &impl_->face) != 0)
        throw std::runtime_error("cannot open font " + path);
}

OutlineFont::~OutlineFont() {
    if (impl_->face) FT_Done_Face(impl_->face);
    if (impl_->library) FT_Done_FreeType(impl_->library);
}

Box OutlineFont::bounds(char32_t cp) const {
    FT_BBox b;
    FT_Outline_Get_BBox(&impl_->load(cp), &b);
    return {double(b.xMin), double(b.yMin), double(b.xMax), double(b.yMax)};
}

double OutlineFont::advance(char32_t cp) const {
    impl_->load(cp);
    return double(impl_->face->glyph->advance.x);
}

void OutlineFont::draw(Mask& mask, char32_t cp, double originX, double baselineY, double sx,
                       double sy) const {
    FT_Outline outline;
    const FT_Outline& source = impl_->load(cp);
    FT_Outline_New(impl_->library, FT_UInt(source.n_points), source.n_contours, &outline);
    FT_Outline_Copy(&source, &outline);
    // Font units become 26.6 pixels; y turns from "up from the baseline" into
    // "up from the bottom of the mask", which is what the bitmap expects.
    FT_Matrix m{FT_Fixed(std::lround(sx * 64 * 65536)), 0, 0,
                FT_Fixed(std::lround(sy * 64 * 65536))};
    FT_Outline_Transform(&outline, &m);
    FT_Outline_Translate(&outline, FT_Pos(std::lround(originX * 64)),
                         FT_Pos(std::lround((mask.height - baselineY) * 64)));

    std::vector<unsigned char> buffer(size_t(mask.width) * mask.height, 0);
    FT_Bitmap bitmap{};
    bitmap.rows = unsigned(mask.height);
    bitmap.width = unsigned(mask.width);
    bitmap.pitch = mask.width;
    bitmap.buffer = buffer.data();
    bitmap.num_grays = 256;
    bitmap.pixel_mode = FT_PIXEL_MODE_GRAY;
    FT_Outline_Get_Bitmap(impl_->library, &outline, &bitmap);
    FT_Outline_Done(impl_->library, &outline);
    for (size_t i = 0; i < buffer.size(); ++i)
        mask.v[i] = std::max(mask.v[i], buffer[i] / 255.0f);
}

void OutlineFont::drawInto(Mask& mask, char32_t cp, double x, double y, double w, double h) const {
    const Box b = bounds(cp);
    const double sx = w / b.width(), sy = h / b.height();
    draw(mask, cp, x - b.x0 * sx, y + b.y1 * sy, sx, sy);
}

} // namespace artwork
