// The Clear button empties the strip and blanks the canvas; Delete does the
// same, and both can be undone.
#pragma once

#include "events.h"
#include "letter_keys.h"

#include <memory>

namespace compose {

// Hides every slot (each keeps its picture) and paints the blank canvas
// picture over the whole canvas.
void clearStrip(const SlotStrip& strip, toolkit::Control& canvas, const toolkit::Control& blank);

class StripHistory;
void bindClear(toolkit::Form& form, toolkit::EventRouter& events,
               const std::shared_ptr<StripHistory>& history);

} // namespace compose
