#include "letter_keys.h"

#include "operations.h"
#include "strip_history.h"
#include "texts.h"

#include <QCoreApplication>

namespace compose {

QString signName(const LetterKey& key) {
    return QCoreApplication::translate("sign", key.sign);
}

SlotStrip slotStrip(toolkit::Form& form) {
    SlotStrip strip;
    for (int i = 0; i < kSlotCount; ++i)
        strip[size_t(i)] = &form.control("Image3", i);
    return strip;
}

bool writeGlyph(const SlotStrip& strip, const toolkit::Control& glyph, const char* letter) {
    for (int i = 0; i < kVisibleSlots; ++i) {
        toolkit::Control* slot = strip[size_t(i)];
        if (slot->visible) continue;
        // The picture goes in before the slot shows, so its old one never does.
        toolkit::setPicture(*slot, glyph.picture);
        slot->tag = letter;
        slot->visible = true;
        return true;
    }
    return false;
}

int filledSlots(const SlotStrip& strip) {
    int n = 0;
    for (const toolkit::Control* slot : strip)
        n += slot->visible;
    return n;
}

QString writtenLetters(const SlotStrip& strip) {
    QString letters;
    for (const toolkit::Control* slot : strip)
        if (slot->visible) letters += QString::fromStdString(slot->tag);
    return letters;
}

void bindLetterKeys(toolkit::Form& form, toolkit::EventRouter& events,
                    const std::shared_ptr<StripHistory>& history) {
    const SlotStrip strip = history->strip();
    toolkit::MessageSink& messages = form.messages();
    for (const LetterKey& key : kLetterKeys) {
        toolkit::Control& control = form.control(key.control);
        const toolkit::Control& glyph = form.control("Image4", key.glyph);
        control.accessibleName = key.letter;
        control.accessibleDescription = signName(key).toStdString();
        control.toolTip =
            Texts::tr("%1: %2").arg(QLatin1String(key.letter), signName(key)).toStdString();
        const QString what = Texts::tr("Write %1").arg(QLatin1String(key.letter));
        events.bind(control,
                    {.click = [strip, &glyph, history, &messages, what, letter = key.letter] {
                        history->record(what, [&] {
                            if (!writeGlyph(strip, glyph, letter)) messages.beep();
                        });
                    }});
        // Typing the letter, in either case, is a click on its key.
        events.bindCharacter(QLatin1Char(key.letter[0]), control);
    }
}

} // namespace compose
