// Drawing shared by the review sheets: captions, and pictures enlarged on a
// checkerboard so that transparency shows.
#pragma once

#include "outline_font.h"

#include <QImage>

#include <string>

namespace artwork {

inline constexpr int kLabelHeight = 18;

// Grey text, its top at y.
void drawLabel(QImage& sheet, const OutlineFont& font, const std::string& text, int x, int y);

// The picture at scale times its size with its top-left at (x, y), inside a
// thin grey frame.
void drawOnChecker(QImage& sheet, const QImage& picture, int scale, int x, int y);

} // namespace artwork
