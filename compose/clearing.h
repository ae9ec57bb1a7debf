// The Clear button empties the strip and blanks the canvas.
#pragma once

#include "events.h"
#include "letter_keys.h"

namespace compose {

// Hides every slot (each keeps its picture) and paints the blank canvas
// picture over the whole canvas.
void clearStrip(const SlotStrip& strip, toolkit::Control& canvas, const toolkit::Control& blank);

void bindClear(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace compose
