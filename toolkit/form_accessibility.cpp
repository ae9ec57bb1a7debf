#include "form_accessibility.h"

#include "form_window.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace toolkit {
namespace {

class ControlAccessible : public QAccessibleInterface {
  public:
    ControlAccessible(FormWindow* window, const Control* control)
        : window_(window), control_(control) {}

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
        return t == QAccessible::Name ? QString::fromStdString(control_->accessibleName)
                                      : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!window_) return {};
        const QRect r = control_->rectInWindow();
        return QRect(window_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !control_->visible;
        return s;
    }

  private:
    QPointer<FormWindow> window_;
    const Control* control_;
};

class FormAccessible : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWindow* window) : QAccessibleWidget(window, QAccessible::Window) {
        for (const Control* c : window->form().controls())
            if (!c->accessibleName.empty()) {
                auto* child = new ControlAccessible(window, c);
                QAccessible::registerAccessibleInterface(child); // Qt owns it from here
                children_.push_back(child);
            }
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
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QAccessibleInterface* c : children_)
            if (c->rect().contains(x, y) && !c->state().invisible) return c;
        return nullptr;
    }

  private:
    std::vector<QAccessibleInterface*> children_;
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

} // namespace toolkit
