// Mouse events: which control a point hits, and delivery to bound handlers.
#pragma once

#include "form.h"

#include <QPoint>

#include <functional>
#include <map>

namespace toolkit {

// The control under a window point, in the order of drawing: frames and
// picture boxes above the window's images, later-stored siblings in front. A
// frame's images count only inside its drawable area. Hidden controls are
// passed over; the window itself is the answer where nothing else is.
Control& controlAt(Form& form, QPoint point);

struct Handlers {
    std::function<void()> press = {}, release = {}, click = {};
};

// A press captures the mouse for the control under it: the release goes to
// that control wherever the pointer is, so a key never stays pressed. A click
// follows when the left button comes up over the same control, whatever other
// buttons are held. Every button gives press and release.
class EventRouter {
  public:
    explicit EventRouter(Form& form) : form_(form) {}

    void bind(const Control& control, Handlers handlers);

    void press(QPoint point, Qt::MouseButton button);
    void release(QPoint point, Qt::MouseButton button);
    // The second press of a double click is a press like any other, so a
    // double click on a key writes two letters.
    void doubleClick(QPoint point, Qt::MouseButton button) { press(point, button); }

    // A left click on the control itself, as assistive technology asks for
    // it: press, release and click, the same handlers as the mouse's.
    void click(Control& control);

    // Ends a capture whose release will not come (the window lost the mouse):
    // the control gets its release, with no click.
    void cancelCapture();
    // The buttons the window system says are down now. A capture that waits
    // for the release of a button no longer down has lost that release.
    void buttonsDown(Qt::MouseButtons down) {
        if (held_ & ~down) cancelCapture();
    }

    const Control* captured() const { return captured_; }

  private:
    void pressOn(Control& control, Qt::MouseButton button);
    void releaseOver(const Control& over, Qt::MouseButton button);

    Form& form_;
    std::map<const Control*, Handlers> handlers_;
    Control* captured_ = nullptr;
    Qt::MouseButtons held_;
};

} // namespace toolkit
