// The native window that shows a form and feeds it mouse events.
#pragma once

#include "events.h"
#include "form.h"

#include <QWidget>

namespace toolkit {

class FormWindow : public QWidget {
    Q_OBJECT
  public:
    FormWindow(Form& form, EventRouter& events);

    Form& form() { return form_; }
    // A click asked for by assistive technology: the same path as the mouse's,
    // and like the mouse's it does nothing while a modal dialog is open.
    void activate(Control& control);
    bool blockedByModal() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // After handlers ran: repaint, and tell assistive technology what changed.
    void changed();

    Form& form_;
    EventRouter& events_;
    // At a device pixel ratio above 1 the form is rendered here at its own
    // size, then scaled pixel for pixel; made once, not per paint.
    QImage frame_;
};

// Places the window in the middle of its screen's available area.
void centreOnScreen(QWidget& window);

} // namespace toolkit
