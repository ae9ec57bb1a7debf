// Drawing a window from the state of its controls.
#pragma once

#include "form.h"

#include <QImage>
#include <QPainter>

namespace toolkit {

// Bottom to top: the window's back colour and persistent image, its shown
// images, then its shown frames and picture boxes (always above the images),
// each with its own images clipped to its drawable area. Among siblings the
// later-stored one lies in front.
void renderForm(QPainter& painter, const Form& form);
QImage renderForm(const Form& form);

} // namespace toolkit
