#include "clearing.h"

#include "letter_keys.h"
#include "operations.h"

namespace compose {

void clearStrip(toolkit::Form& form) {
    for (int i = 0; i < kSlotCount; ++i)
        form.control("Image3", i).visible = false;
    toolkit::paintPicture(form.control("Picture1"), form.control("Picture2").picture, 0, 0);
}

void bindClear(toolkit::Form& form, toolkit::EventRouter& events) {
    toolkit::Control& clear = form.control("Image33");
    clear.accessibleName = "Clear";
    events.bind(clear, {.click = [&form] { clearStrip(form); }});
}

} // namespace compose
