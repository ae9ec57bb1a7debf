#include "clearing.h"
#include "texts.h"

#include "operations.h"
#include "strip_history.h"

#include <QCoreApplication>

namespace compose {

void clearStrip(const SlotStrip& strip, toolkit::Control& canvas, const toolkit::Control& blank) {
    for (toolkit::Control* slot : strip)
        slot->visible = false;
    toolkit::paintPicture(canvas, blank.picture, 0, 0);
}

void bindClear(toolkit::Form& form, toolkit::EventRouter& events,
               const std::shared_ptr<StripHistory>& history) {
    toolkit::Control& clear = form.control("Image33");
    clear.accessibleName = Texts::tr("Clear").toStdString();
    clear.accessibleDescription = Texts::tr("empties the strip").toStdString();
    const QString text = Texts::tr("Clear");
    const auto click = [strip = slotStrip(form), &canvas = form.control("Picture1"),
                        &blank = form.control("Picture2"), history,
                        text] { history->record(text, [&] { clearStrip(strip, canvas, blank); }); };
    events.bind(clear, {.click = click});
    events.addCommand({text, QKeySequence::keyBindings(QKeySequence::Delete), click,
                       [strip = slotStrip(form)] { return filledSlots(strip) > 0; }, true});
}

} // namespace compose
