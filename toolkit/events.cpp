#include "events.h"

#include <utility>

namespace toolkit {
namespace {

// point is in the container's drawable coordinates.
Control* hit(Control& container, QPoint point) {
    for (auto it = container.children.rbegin(); it != container.children.rend(); ++it) {
        Control& c = **it;
        if (!c.visible || !isChildWindow(c.kind) || !c.rectInContainer().contains(point)) continue;
        const QPoint inner = point - c.rectInContainer().topLeft();
        if (!c.drawableArea().contains(inner)) return &c;
        Control* below = hit(c, inner - c.drawableArea().topLeft());
        return below ? below : &c;
    }
    for (auto it = container.children.rbegin(); it != container.children.rend(); ++it) {
        Control& c = **it;
        if (c.visible && c.kind == ControlKind::Image && c.rectInContainer().contains(point))
            return &c;
    }
    return nullptr;
}

} // namespace

Control& controlAt(Form& form, QPoint point) {
    Control* c = hit(form.root(), point);
    return c ? *c : form.root();
}

void EventRouter::bind(const Control& control, Handlers h) {
    Handlers& slot = handlers_[&control];
    if (h.press) slot.press = std::move(h.press);
    if (h.release) slot.release = std::move(h.release);
    if (h.click) slot.click = std::move(h.click);
}

void EventRouter::press(QPoint point, Qt::MouseButton button) {
    // A button pressed while it counts as held lost its release on the way.
    if (held_ & button) cancelCapture();
    pressOn(controlAt(form_, point), button);
}

void EventRouter::release(QPoint point, Qt::MouseButton button) {
    releaseOver(controlAt(form_, point), button);
}

void EventRouter::click(Control& control) {
    cancelCapture(); // the action stands on its own, whatever the mouse holds
    pressOn(control, Qt::LeftButton);
    releaseOver(control, Qt::LeftButton);
}

void EventRouter::pressOn(Control& control, Qt::MouseButton button) {
    if (!captured_) captured_ = &control;
    held_ |= button;
    auto it = handlers_.find(captured_);
    if (it != handlers_.end() && it->second.press) it->second.press();
}

void EventRouter::releaseOver(const Control& over, Qt::MouseButton button) {
    if (!captured_ || !(held_ & button)) return;
    held_ &= ~Qt::MouseButtons(button);
    Control* target = captured_;
    if (!held_) captured_ = nullptr;
    auto it = handlers_.find(target);
    if (it == handlers_.end()) return;
    const Handlers h = it->second; // a handler may rebind; keep this run's copy
    if (h.release) h.release();
    // Other buttons still held do not spoil the click: only the left one counts.
    if (button == Qt::LeftButton && h.click && &over == target) h.click();
}

void EventRouter::cancelCapture() {
    for (auto keys = std::exchange(keysDown_, {}); const auto& [key, control] : keys)
        run(*control, &Handlers::release);
    Control* target = std::exchange(captured_, nullptr);
    held_ = {};
    if (target) run(*target, &Handlers::release);
}

void EventRouter::run(const Control& control, std::function<void()> Handlers::*which) {
    auto it = handlers_.find(&control);
    if (it == handlers_.end() || !(it->second.*which)) return;
    const auto handler = it->second.*which; // a handler may rebind; keep this run's copy
    handler();
}

void EventRouter::bindCharacter(QChar character, Control& control) {
    typed_[character] = &control;
}

bool EventRouter::keyPress(QChar character, int key) {
    auto it = typed_.find(character);
    if (it == typed_.end()) return false;
    if (!keysDown_.emplace(key, it->second).second) return true; // repeating
    run(*it->second, &Handlers::press);
    run(*it->second, &Handlers::click);
    return true;
}

void EventRouter::keyRelease(int key) {
    auto it = keysDown_.find(key);
    if (it == keysDown_.end()) return;
    Control& control = *it->second;
    keysDown_.erase(it);
    run(control, &Handlers::release);
}

} // namespace toolkit
