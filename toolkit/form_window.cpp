#include "form_window.h"

#include "form_accessibility.h"
#include "rendering.h"

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
    // The pictures are pixel art: at a device pixel ratio above 1 they are
    // drawn from a sharper backing image rather than smoothed.
    const qreal ratio = devicePixelRatioF();
    if (ratio == 1.0) {
        renderForm(p, form_);
        return;
    }
    QImage scaled(form_.clientSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    scaled.setDevicePixelRatio(ratio);
    QPainter sp(&scaled);
    renderForm(sp, form_);
    sp.end();
    p.drawImage(0, 0, scaled);
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
    events_.press(e->position().toPoint(), e->button());
    update();
}

void FormWindow::mouseReleaseEvent(QMouseEvent* e) {
    events_.release(e->position().toPoint(), e->button());
    update();
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* e) {
    events_.doubleClick(e->position().toPoint(), e->button());
    update();
}

void centreOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
}

} // namespace toolkit
