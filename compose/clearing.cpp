#include "clearing.h"

#include "operations.h"

namespace compose {

void clearStrip(const SlotStrip& strip, toolkit::Control& canvas, const toolkit::Control& blank) {
    for (toolkit::Control* slot : strip)
        slot->visible = false;
    toolkit::paintPicture(canvas, blank.picture, 0, 0);
}

void bindClear(toolkit::Form& form, toolkit::EventRouter& events) {
    toolkit::Control& clear = form.control("Image33");
    clear.accessibleName = "Clear";
    clear.accessibleDescription = "empties the strip";
    events.bind(clear, {.click = [strip = slotStrip(form), &canvas = form.control("Picture1"),
                                  &blank = form.control("Picture2")] {
                    clearStrip(strip, canvas, blank);
                }});
}

} // namespace compose
