// The native window that shows a form and feeds it mouse and key events,
// and offers the program's commands by their keys and in a context menu.
#pragma once

#include "events.h"
#include "form.h"

#include <QWidget>

#include <vector>

class QAction;

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
    // The context menu, listing every command with its keys.
    void showMenu(QPoint global);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // After handlers ran: repaint, tell assistive technology what changed,
    // and offer the commands that can run now.
    void changed();
    // Enables each command that can run now.
    void offerCommands();

    Form& form_;
    EventRouter& events_;
    // At a device pixel ratio above 1 the form is rendered here at its own
    // size, then scaled pixel for pixel; made once, not per paint.
    QImage frame_;
    bool painted_ = false;
    struct Offered {
        QAction* action;
        const Command* command;
    };
    std::vector<Offered> commands_;
};

// The letter A to Z that a key's text types, whatever its case or accents (É,
// È and Ê type E, Ñ types N); null for anything else.
QChar typedLetter(const QString& text);

// Places the window in the middle of its screen's available area.
void centreOnScreen(QWidget& window);

} // namespace toolkit
