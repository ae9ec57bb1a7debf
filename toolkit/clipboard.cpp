#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace toolkit {

void copyToClipboard(const QImage& picture, const QString& text) {
    auto* offer = new QMimeData; // the clipboard owns it from here
    offer->setImageData(picture);
    offer->setText(text);
    QGuiApplication::clipboard()->setMimeData(offer);
}

} // namespace toolkit
