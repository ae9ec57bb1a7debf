// Mouse events: which control a point hits, and delivery to bound handlers.
#pragma once

#include "form.h"

#include <QKeySequence>
#include <QList>
#include <QPoint>
#include <QString>

#include <functional>
#include <map>
#include <vector>

namespace toolkit {

// The control under a window point, in the order of drawing: frames and
// picture boxes above the window's images, later-stored siblings in front. A
// frame's images count only inside its drawable area. Hidden controls are
// passed over; the window itself is the answer where nothing else is.
Control& controlAt(Form& form, QPoint point);

struct Handlers {
    std::function<void()> press = {}, release = {}, click = {};
};

// Something the user can ask for from the keyboard or the window's menu.
struct Command {
    QString text;                       // as the menu shows it
    QList<QKeySequence> keys;           // the platform's own keys; the first is shown
    std::function<void()> run;          //
    std::function<bool()> enabled = {}; // always, when not given
    bool endsGroup = false;             // a separator follows it in the menu
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

    // Ends a capture whose release will not come (the window lost the mouse
    // and the keyboard): the control gets its release, with no click, and so
    // does every control whose keyboard key is held.
    void cancelCapture();
    // The buttons the window system says are down now. A capture that waits
    // for the release of a button no longer down has lost that release.
    void buttonsDown(Qt::MouseButtons down) {
        if (held_ & ~down) cancelCapture();
    }

    const Control* captured() const { return captured_; }
    // Whether anything is bound to the control's mouse events.
    bool handles(const Control& control) const { return handlers_.count(&control) != 0; }

    // Typing: the character names a control, as a key of the keyboard. Its
    // press is a press and a click at once, so a letter is written when the
    // key goes down; its release lets the control up. A key held down and
    // repeating is one press.
    void bindCharacter(QChar character, Control& control);
    // Whether the character pressed a control; key tells the keyboard's keys apart.
    bool keyPress(QChar character, int key);
    void keyRelease(int key);

    void addCommand(Command command) { commands_.push_back(std::move(command)); }
    const std::vector<Command>& commands() const { return commands_; }

  private:
    void pressOn(Control& control, Qt::MouseButton button);
    void run(const Control& control, std::function<void()> Handlers::*which);
    void releaseOver(const Control& over, Qt::MouseButton button);

    Form& form_;
    std::map<const Control*, Handlers> handlers_;
    Control* captured_ = nullptr;
    Qt::MouseButtons held_;
    std::map<QChar, Control*> typed_;
    std::map<int, Control*> keysDown_;
    std::vector<Command> commands_;
};

} // namespace toolkit
