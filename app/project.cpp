#include "project.h"

#include "clearing.h"
#include "copying.h"
#include "embedded_description.h"
#include "help.h"
#include "letter_keys.h"
#include "press_feedback.h"
#include "saving.h"
#include "startup_painting.h"
#include "strip_history.h"
#include "strip_reading.h"

#include <QCoreApplication>

#include <memory>

namespace app {

toolkit::Project project() {
    return {
        embeddedDescription(),
        embeddedDescription(),
        prebuiltImages(),
        paintBackground,
        [](toolkit::Form& form, toolkit::EventRouter& events) {
            // Every change of the strip goes through one history; the
            // handlers that share it keep it alive.
            const auto history = std::make_shared<compose::StripHistory>(compose::slotStrip(form));
            compose::bindPressFeedback(form, events);
            compose::bindLetterKeys(form, events, history);
            // The commands, in the order the menu lists them.
            compose::bindEditing(events, history);
            compose::bindClear(form, events, history);
            compose::bindStripReading(form);
            output::bindCopy(form, events);
            output::bindSave(form, events);
            bindHelp(form, events);
        },
        QStringLiteral("cartouchery"),
        QStringLiteral(CARTOUCHERY_VERSION),
        QT_TRANSLATE_NOOP("Texts", "Writes a name in Egyptian hieroglyphs."),
        QStringLiteral(CARTOUCHERY_APP_ID),
    };
}

} // namespace app
