#include "letter_keys.h"

#include "operations.h"

namespace compose {

void writeGlyph(toolkit::Form& form, int glyph) {
    for (int i = 0; i < kSlotCount; ++i) {
        toolkit::Control& slot = form.control("Image3", i);
        if (slot.visible) continue;
        // The picture goes in before the slot shows, so its old one never does.
        toolkit::setPicture(slot, form.control("Image4", glyph).picture);
        slot.visible = true;
        return;
    }
}

void bindLetterKeys(toolkit::Form& form, toolkit::EventRouter& events) {
    for (const LetterKey& key : kLetterKeys) {
        toolkit::Control& control = form.control(key.control);
        control.accessibleName = key.letter;
        events.bind(control, {.click = [&form, glyph = key.glyph] { writeGlyph(form, glyph); }});
    }
}

} // namespace compose
