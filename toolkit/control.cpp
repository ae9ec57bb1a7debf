#include "control.h"

namespace toolkit {

std::string Control::label() const {
    return index ? name + "(" + std::to_string(*index) + ")" : name;
}

QRect Control::rectInContainer() const {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

QRect Control::drawableArea() const {
    const QRect whole(0, 0, width / kTwipsPerPixel, height / kTwipsPerPixel);
    return bordered ? whole.adjusted(2, 2, -2, -2) : whole;
}

QRect Control::rectInWindow() const {
    if (kind == ControlKind::Form) return drawableArea();
    QRect r = rectInContainer();
    for (const Control* c = container; c && c->kind != ControlKind::Form; c = c->container)
        r.translate(c->rectInContainer().topLeft() + c->drawableArea().topLeft());
    return r;
}

} // namespace toolkit
