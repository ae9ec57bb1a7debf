#include "copying.h"

#include "clipboard.h"
#include "operations.h"
#include "texts.h"

namespace output {

QString stripUnicode(const compose::SlotStrip& strip) {
    QString text;
    for (const toolkit::Control* slot : strip) {
        if (!slot->visible || slot->tag.size() != 1) continue;
        const auto& key = compose::kLetterKeys[size_t(slot->tag[0] - 'A')];
        text += QString::fromUcs4(key.unicode.data(), qsizetype(key.unicode.size()));
    }
    return text;
}

void copyStrip(const SaveControls& save) {
    composeStrip(save);
    toolkit::copyToClipboard(*toolkit::image(*save.canvas), stripUnicode(save.strip));
}

void bindCopy(toolkit::Form& form, toolkit::EventRouter& events) {
    events.addCommand({Texts::tr("Copy"),
                       QKeySequence::keyBindings(QKeySequence::Copy),
                       [save = saveControls(form)] { copyStrip(save); },
                       {},
                       true});
}

} // namespace output
