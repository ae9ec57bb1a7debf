// The Clear button empties the strip and blanks the canvas.
#pragma once

#include "events.h"

namespace compose {

// Hides every slot (each keeps its picture) and paints the blank canvas
// picture over the whole canvas.
void clearStrip(toolkit::Form& form);

void bindClear(toolkit::Form& form, toolkit::EventRouter& events);

} // namespace compose
