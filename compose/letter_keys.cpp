#include "letter_keys.h"

#include "operations.h"

namespace compose {

SlotStrip slotStrip(toolkit::Form& form) {
    SlotStrip strip;
    for (int i = 0; i < kSlotCount; ++i)
        strip[size_t(i)] = &form.control("Image3", i);
    return strip;
}

void writeGlyph(const SlotStrip& strip, const toolkit::Control& glyph) {
    for (toolkit::Control* slot : strip) {
        if (slot->visible) continue;
        // The picture goes in before the slot shows, so its old one never does.
        toolkit::setPicture(*slot, glyph.picture);
        slot->visible = true;
        return;
    }
}

void bindLetterKeys(toolkit::Form& form, toolkit::EventRouter& events) {
    const SlotStrip strip = slotStrip(form);
    for (const LetterKey& key : kLetterKeys) {
        toolkit::Control& control = form.control(key.control);
        const toolkit::Control& glyph = form.control("Image4", key.glyph);
        control.accessibleName = key.letter;
        control.accessibleDescription = key.sign;
        events.bind(control, {.click = [strip, &glyph] { writeGlyph(strip, glyph); }});
    }
}

} // namespace compose
