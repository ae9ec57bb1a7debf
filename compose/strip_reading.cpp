#include "strip_reading.h"

#include "texts.h"

namespace compose {

SignNames signNames(toolkit::Form& form) {
    SignNames names;
    for (const LetterKey& key : kLetterKeys)
        names.emplace_back(form.control("Image4", key.glyph).picture, signName(key).toStdString());
    return names;
}

std::string stripText(const SlotStrip& strip, const SignNames& names) {
    std::string text;
    int filled = 0;
    for (const toolkit::Control* slot : strip) {
        if (!slot->visible) continue;
        ++filled;
        std::string sign = Texts::tr("unknown sign").toStdString();
        for (const auto& [picture, name] : names)
            if (picture == slot->picture) sign = name;
        text += (text.empty() ? "" : ", ") + sign;
    }
    if (filled == 0) return Texts::tr("empty").toStdString();
    if (filled >= kVisibleSlots)
        return Texts::tr("%1; full").arg(QString::fromStdString(text)).toStdString();
    return text;
}

void bindStripReading(toolkit::Form& form) {
    toolkit::Control& frame = form.control("Frame2");
    frame.accessibleDescription = Texts::tr("the signs written").toStdString();
    frame.accessibleText = [strip = slotStrip(form), names = signNames(form)] {
        return stripText(strip, names);
    };
}

} // namespace compose
