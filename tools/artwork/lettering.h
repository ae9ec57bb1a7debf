// Lines of text laid out to fill an exact span of pixel columns.
#pragma once

#include "outline_font.h"

#include <string>

namespace artwork {

struct TextBox {
    int left, right; // first and last pixel column the ink should reach
    int capTop;      // row of the top of a capital
    int capRows;     // height of a capital in rows
    bool spread;     // true: fill the span by letter spacing; false: by widening
};

Mask lettering(const OutlineFont& font, const std::string& text, int width, int height,
               const TextBox& box);

} // namespace artwork
