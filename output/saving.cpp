#include "saving.h"

#include "operations.h"

namespace output {

SaveControls saveControls(toolkit::Form& form) {
    return {compose::slotStrip(form),      &form.control("Picture1"), &form.control("Picture2"),
            &form.dialog("CommonDialog1"), &form.messages(),          form.caption()};
}

void composeStrip(const SaveControls& save) {
    toolkit::paintPicture(*save.canvas, save.blank->picture, 0, 0);
    for (size_t i = 0; i < save.strip.size(); ++i)
        if (save.strip[i]->visible)
            toolkit::paintPicture(*save.canvas, save.strip[i]->picture, kSlotPlaces[i].x,
                                  kSlotPlaces[i].y);
}

void saveStrip(const SaveControls& save) {
    composeStrip(save);
    toolkit::CommonDialog& dialog = *save.dialog;
    if (!dialog.showSave()) return;
    try {
        toolkit::savePicture(toolkit::image(*save.canvas), dialog.fileName);
    } catch (const toolkit::SaveError& e) {
        save.messages->warn(save.caption,
                            QStringLiteral("The picture could not be saved as\n%1\n\n%2")
                                .arg(dialog.fileName, e.reason()));
    }
}

void bindSave(toolkit::Form& form, toolkit::EventRouter& events) {
    toolkit::Control& button = form.control("Image32");
    button.accessibleName = "Save";
    button.accessibleDescription = "saves the strip as a bitmap";
    events.bind(button, {.click = [save = saveControls(form)] { saveStrip(save); }});
}

} // namespace output
