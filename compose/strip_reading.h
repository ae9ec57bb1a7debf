// What the strip says to a screen reader: the signs of its filled slots in
// order, read from the slots themselves each time it is asked.
#pragma once

#include "letter_keys.h"

#include <string>
#include <utility>
#include <vector>

namespace compose {

// Each glyph picture a key writes, with the sign it shows.
using SignNames = std::vector<std::pair<toolkit::Picture, std::string>>;
SignNames signNames(toolkit::Form& form);

// "foot, vulture, basket with handle"; "empty" for an empty strip. A full
// strip says so.
std::string stripText(const SlotStrip& strip, const SignNames& names);

// The strip's frame reads out the strip.
void bindStripReading(toolkit::Form& form);

} // namespace compose
