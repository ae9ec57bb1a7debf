#include "saving.h"

#include "operations.h"

namespace output {

void composeStrip(toolkit::Form& form) {
    toolkit::Control& canvas = form.control("Picture1");
    toolkit::paintPicture(canvas, form.control("Picture2").picture, 0, 0);
    for (int i = 0; i < int(kSlotPlaces.size()); ++i) {
        const toolkit::Control& slot = form.control("Image3", i);
        if (slot.visible)
            toolkit::paintPicture(canvas, slot.picture, kSlotPlaces[size_t(i)].x,
                                  kSlotPlaces[size_t(i)].y);
    }
}

void saveStrip(toolkit::Form& form) {
    composeStrip(form);
    toolkit::CommonDialog& dialog = form.dialog("CommonDialog1");
    if (!dialog.showSave()) return;
    try {
        toolkit::savePicture(toolkit::image(form.control("Picture1")), dialog.fileName);
    } catch (const toolkit::SaveError& e) {
        form.messages().warn(form.caption(),
                             QStringLiteral("The name could not be saved as\n%1\n\n%2")
                                 .arg(dialog.fileName, e.reason()));
    }
}

void bindSave(toolkit::Form& form, toolkit::EventRouter& events) {
    toolkit::Control& save = form.control("Image32");
    save.accessibleName = "Save";
    events.bind(save, {.click = [&form] { saveStrip(form); }});
}

} // namespace output
