#include "project.h"

#include "clearing.h"
#include "embedded_description.h"
#include "letter_keys.h"
#include "press_feedback.h"
#include "saving.h"
#include "startup_painting.h"
#include "strip_reading.h"

namespace app {

toolkit::Project project() {
    return {
        embeddedDescription(),
        paintBackground,
        [](toolkit::Form& form, toolkit::EventRouter& events) {
            compose::bindPressFeedback(form, events);
            compose::bindLetterKeys(form, events);
            compose::bindClear(form, events);
            compose::bindStripReading(form);
            output::bindSave(form, events);
        },
        QStringLiteral("cartouchery"),
        QStringLiteral(CARTOUCHERY_VERSION),
        QStringLiteral(CARTOUCHERY_APP_ID),
    };
}

} // namespace app
