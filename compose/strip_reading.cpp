#include "strip_reading.h"

namespace compose {

SignNames signNames(toolkit::Form& form) {
    SignNames names;
    for (const LetterKey& key : kLetterKeys)
        names.emplace_back(form.control("Image4", key.glyph).picture, key.sign);
    return names;
}

std::string stripText(const SlotStrip& strip, const SignNames& names) {
    std::string text;
    int filled = 0;
    for (const toolkit::Control* slot : strip) {
        if (!slot->visible) continue;
        ++filled;
        std::string sign = "unknown sign";
        for (const auto& [picture, name] : names)
            if (picture == slot->picture) sign = name;
        text += (text.empty() ? "" : ", ") + sign;
    }
    if (filled == 0) return "empty";
    if (filled == kSlotCount) text += "; full, the last two signs lie beyond the visible part";
    return text;
}

void bindStripReading(toolkit::Form& form) {
    toolkit::Control& frame = form.control("Frame2");
    frame.accessibleDescription = "the signs written";
    frame.accessibleText = [strip = slotStrip(form), names = signNames(form)] {
        return stripText(strip, names);
    };
}

} // namespace compose
