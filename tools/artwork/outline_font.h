// Font outlines through FreeType, rendered into coverage masks at any scale.
#pragma once

#include "raster.h"

#include <memory>
#include <string>

namespace artwork {

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0; // font units, y up
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
};

class OutlineFont {
  public:
    explicit OutlineFont(const std::string& path);
    ~OutlineFont();
    OutlineFont(const OutlineFont&) = delete;
    OutlineFont& operator=(const OutlineFont&) = delete;

    Box bounds(char32_t cp) const;
    double advance(char32_t cp) const; // font units

    // Draws cp with its font origin at (originX, baselineY) of the mask (y down),
    // scaled by sx, sy pixels per font unit. Coverage adds up as a maximum.
    void draw(Mask& mask, char32_t cp, double originX, double baselineY, double sx,
              double sy) const;

    // Draws cp so that its outline's bounding box fills the given pixel rectangle.
    void drawInto(Mask& mask, char32_t cp, double x, double y, double w, double h) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace artwork
