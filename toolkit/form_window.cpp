#include "form_window.h"

#include "form_accessibility.h"
#include "rendering.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>

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
    installFormAccessibility();
}

void FormWindow::paintEvent(QPaintEvent*) {
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
