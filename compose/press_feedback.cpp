#include "press_feedback.h"

#include "letter_keys.h"
#include "operations.h"

namespace compose {

std::vector<Faces> allFaces() {
    std::vector<Faces> faces;
    for (const LetterKey& key : kLetterKeys)
        faces.push_back({key.control, "Image1", key.pressedFace, key.upFace});
    faces.insert(faces.end(), kButtonFaces.begin(), kButtonFaces.end());
    return faces;
}

void bindPressFeedback(toolkit::Form& form, toolkit::EventRouter& events) {
    for (const Faces& f : allFaces()) {
        toolkit::Control& control = form.control(f.control);
        const toolkit::Control& pressed = form.control(f.store, f.pressed);
        const toolkit::Control& up = form.control(f.store, f.up);
        events.bind(
            control,
            {
                .press = [&control, &pressed] { toolkit::setPicture(control, pressed.picture); },
                .release = [&control, &up] { toolkit::setPicture(control, up.picture); },
            });
    }
}

} // namespace compose
