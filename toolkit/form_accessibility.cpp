#include "form_accessibility.h"

#include "form_window.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <map>

namespace toolkit {
namespace {

// A key or button that can be pressed, or a control that reads out its text.
class ControlAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    ControlAccessible(FormWindow* window, Control* control)
        : window_(window), control_(control), announced_(readOut()) {}

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return readsOut() ? readOut() : QString::fromStdString(control_->accessibleName);
        if (t == QAccessible::Description)
            return QString::fromStdString(control_->accessibleDescription);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!window_) return {};
        const QRect r = control_->rectInWindow();
        return QRect(window_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return readsOut() ? QAccessible::StaticText : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !control_->visible;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface && !readsOut()
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    // Returns at once: the click runs from the event loop, so a modal dialog
    // it opens does not hold the caller until the dialog closes.
    void doAction(const QString& name) override {
        if (name != pressAction() || !window_) return;
        QMetaObject::invokeMethod(
            window_,
            [window = window_, control = control_] {
                if (window) window->activate(*control);
            },
            Qt::QueuedConnection);
    }

    // Tells assistive technology when the text read out has changed.
    void announceChange() {
        if (!readsOut()) return;
        const QString now = readOut();
        if (now == announced_) return;
        announced_ = now;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }

  private:
    bool readsOut() const { return bool(control_->accessibleText); }
    QString readOut() const {
        return readsOut() ? QString::fromStdString(control_->accessibleText()) : QString();
    }

    QPointer<FormWindow> window_;
    Control* control_;
    QString announced_;
};

class FormAccessible : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWindow* window)
        : QAccessibleWidget(window, QAccessible::Window), window_(window) {
        for (Control* c : window->form().controls())
            if (!c->accessibleName.empty() || c->accessibleText) {
                auto* child = new ControlAccessible(window, c);
                // The registry gives the child an id that AT-SPI uses; we
                // still own it, and free it with the window's interface.
                ids_.push_back(QAccessible::registerAccessibleInterface(child));
                children_.push_back(child);
                byControl_[c] = child;
            }
    }
    ~FormAccessible() override {
        // Deleting an id that Qt already freed (at its own shutdown) is a no-op.
        for (QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return int(children_.size()); }
    QAccessibleInterface* child(int i) const override {
        return i >= 0 && i < childCount() ? children_[size_t(i)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (size_t i = 0; i < children_.size(); ++i)
            if (children_[i] == c) return int(i);
        return -1;
    }
    // The mouse's own hit test answers, so a screen reader's pointer and a
    // click always agree; a strip slot answers as the strip that holds it.
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!window_) return nullptr;
        const QPoint p = window_->mapFromGlobal(QPoint(x, y));
        if (!window_->rect().contains(p)) return nullptr;
        for (const Control* c = &controlAt(window_->form(), p); c; c = c->container)
            if (auto it = byControl_.find(c); it != byControl_.end()) return it->second;
        return nullptr;
    }
    void announceChanges() {
        for (ControlAccessible* c : children_)
            c->announceChange();
    }

  private:
    QPointer<FormWindow> window_;
    std::vector<ControlAccessible*> children_;
    std::vector<QAccessible::Id> ids_;
    std::map<const Control*, ControlAccessible*> byControl_;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("toolkit::FormWindow") && object && object->isWidgetType())
        return new FormAccessible(static_cast<FormWindow*>(object));
    return nullptr;
}

} // namespace

void installFormAccessibility() {
    static const bool installed = (QAccessible::installFactory(factory), true);
    (void)installed;
}

void announceAccessibleChanges(FormWindow& window) {
    if (!QAccessible::isActive()) return; // nobody listens: nothing to read out
    if (auto* form = dynamic_cast<FormAccessible*>(QAccessible::queryAccessibleInterface(&window)))
        form->announceChanges();
}

} // namespace toolkit
