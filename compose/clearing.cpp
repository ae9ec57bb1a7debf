#include "clearing.h"

#include "operations.h"
#include "strip_history.h"
#include "texts.h"

namespace compose {

void clearStrip(const SlotStrip& strip, toolkit::Control& canvas, const toolkit::Control& blank) {
    for (toolkit::Control* slot : strip)
        slot->visible = false;
    toolkit::paintPicture(canvas, blank.picture, 0, 0);
}

void bindClear(toolkit::Form& form, toolkit::EventRouter& events,
               const std::shared_ptr<StripHistory>& history) {
    toolkit::Control& clear = form.control("Image33");
    const QString text = Texts::tr("Clear");
    clear.accessibleName = text.toStdString();
    clear.accessibleDescription = Texts::tr("empties the strip").toStdString();
    const auto click = [&canvas = form.control("Picture1"), &blank = form.control("Picture2"),
                        history, text] {
        history->record(text, [&] { clearStrip(history->strip(), canvas, blank); });
    };
    events.bind(clear, {.click = click});
    events.addCommand({text, QKeySequence::keyBindings(QKeySequence::Delete), click,
                       [history] { return filledSlots(history->strip()) > 0; }, true});
}

} // namespace compose
