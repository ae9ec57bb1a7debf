// Copy: the strip on the clipboard as the picture Save writes and as the
// signs' text in Unicode's Egyptian Hieroglyphs.
#pragma once

#include "saving.h"

namespace output {

// The signs of the filled slots, one code point a sign, in order.
QString stripUnicode(const compose::SlotStrip& strip);

void copyStrip(const SaveControls& save);

void bindCopy(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace output
