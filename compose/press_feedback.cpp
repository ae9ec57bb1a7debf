#include "press_feedback.h"

#include "operations.h"

namespace compose {

void bindPressFeedback(toolkit::Form& form, toolkit::EventRouter& events) {
    for (const Faces& f : kFaces) {
        toolkit::Control& control = form.control(f.control);
        const toolkit::Control& pressed = form.control(f.store, f.pressed);
        const toolkit::Control& up = form.control(f.store, f.up);
        events.bind(control, {
                                 .press = [&] { toolkit::setPicture(control, pressed.picture); },
                                 .release = [&] { toolkit::setPicture(control, up.picture); },
                             });
    }
}

} // namespace compose
