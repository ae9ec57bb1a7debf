#include "form_window.h"

#include "form_accessibility.h"
#include "platform.h"
#include "rendering.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

namespace toolkit {

FormWindow::FormWindow(Form& form, EventRouter& events) : form_(form), events_(events) {
    setWindowTitle(form.caption());
    if (!form.icon().isNull()) setWindowIcon(QIcon(QPixmap::fromImage(form.icon())));
    // A fixed-size window with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(form.clientSize());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The window is a fixed picture that reads left to right in every
    // language; menus and dialogs follow the language.
    setLayoutDirection(Qt::LeftToRight);
    installFormAccessibility();
    for (const Command& command : events.commands()) {
        auto* action = new QAction(command.text, this);
        action->setShortcuts(command.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, run = command.run] {
            run();
            changed();
        });
        addAction(action);
        commands_.push_back({action, &command});
    }
    offerCommands();
}

bool FormWindow::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    const auto* help = static_cast<QHelpEvent*>(e);
    const Control& over = controlAt(form_, help->pos());
    if (over.toolTip.empty()) {
        QToolTip::hideText();
        e->ignore();
    } else {
        QToolTip::showText(help->globalPos(), QString::fromStdString(over.toolTip), this,
                           over.rectInWindow());
    }
    return true;
}

QChar typedLetter(const QString& text) {
    const QString base = text.normalized(QString::NormalizationForm_D);
    if (base.isEmpty()) return {};
    const QChar c = base.front().toUpper();
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? c : QChar();
}

namespace {

// What tells a keyboard's keys apart, so that a release finds its press.
int keyOf(const QKeyEvent& e, QChar letter) {
    return e.key() ? e.key() : letter.unicode();
}

} // namespace

void FormWindow::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers m = e->modifiers();
    if (e->key() == Qt::Key_F10 && m == Qt::ShiftModifier) {
        showMenu(mapToGlobal(rect().center()));
        return;
    }
    // Ctrl or Alt alone, or the Meta key, make a shortcut, not a letter; both
    // together are AltGr on Windows, which types.
    const bool shortcut =
        bool(m & Qt::ControlModifier) != bool(m & Qt::AltModifier) || (m & Qt::MetaModifier);
    const QChar letter = shortcut ? QChar() : typedLetter(e->text());
    if (letter.isNull()) return QWidget::keyPressEvent(e);
    // A held key repeats; the press it began has written its letter.
    if (!e->isAutoRepeat() && events_.keyPress(letter, keyOf(*e, letter))) changed();
}

void FormWindow::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    events_.keyRelease(keyOf(*e, typedLetter(e->text())));
    changed();
}

// A right click on a key or button is a press like any other; elsewhere, and
// from the keyboard, it opens the menu.
void FormWindow::contextMenuEvent(QContextMenuEvent* e) {
    if (e->reason() == QContextMenuEvent::Mouse && events_.handles(controlAt(form_, e->pos())))
        return;
    showMenu(e->reason() == QContextMenuEvent::Mouse ? e->globalPos()
                                                     : mapToGlobal(rect().center()));
}

void FormWindow::showMenu(QPoint global) {
    auto* menu = new QMenu(this);
    for (const Offered& offered : commands_) {
        menu->addAction(offered.action);
        if (offered.command->endsGroup) menu->addSeparator();
    }
    platform::popUpMenu(menu, global);
}

void FormWindow::paintEvent(QPaintEvent*) {
    if (!painted_) {
        painted_ = true;
        platform::windowPainted();
    }
    QPainter p(this);
    if (devicePixelRatioF() == 1.0) {
        renderForm(p, form_);
        return;
    }
    // The pictures are pixel art: at any other ratio each window pixel becomes
    // a block of whole device pixels, never a blend of two neighbours.
    if (frame_.size() != form_.clientSize())
        frame_ = QImage(form_.clientSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter fp(&frame_);
    renderForm(fp, form_);
    fp.end();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(rect(), frame_);
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
    events_.buttonsDown(e->buttons() & ~e->button());
    events_.press(e->position().toPoint(), e->button());
    changed();
}

void FormWindow::mouseReleaseEvent(QMouseEvent* e) {
    events_.release(e->position().toPoint(), e->button());
    changed();
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* e) {
    events_.buttonsDown(e->buttons() & ~e->button());
    events_.doubleClick(e->position().toPoint(), e->button());
    changed();
}

void FormWindow::activate(Control& control) {
    // A modal dialog (Save As) keeps the mouse from the window; assistive
    // technology gets no way past it either. The check is made when the
    // click runs, since it may have been queued before the dialog opened.
    if (blockedByModal()) return;
    events_.click(control);
    changed();
}

bool FormWindow::blockedByModal() const {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->window() != window();
}

void FormWindow::changed() {
    update();
    announceAccessibleChanges(*this);
    offerCommands();
}

void FormWindow::offerCommands() {
    for (const Offered& offered : commands_)
        offered.action->setEnabled(!offered.command->enabled || offered.command->enabled());
}

// Another window taking the activation, or this one hiding, takes the mouse
// with it: the release of a held button would never arrive.
void FormWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) {
        events_.cancelCapture();
        changed();
    }
    QWidget::changeEvent(e);
}

void FormWindow::hideEvent(QHideEvent* e) {
    events_.cancelCapture();
    QWidget::hideEvent(e);
}

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
}

} // namespace toolkit
