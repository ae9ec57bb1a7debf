#include "operations.h"

#include "platform.h"

#include <QBuffer>
#include <QPainter>

#include <cmath>

namespace toolkit {

void setPicture(Control& control, const Picture& picture) {
    control.picture = picture;
    if (control.kind == ControlKind::Image && !control.stretch && picture) {
        control.width = picture.size().width() * kTwipsPerPixel;
        control.height = picture.size().height() * kTwipsPerPixel;
    }
}

double toPixels(const Control& target, double value) {
    const double twips = target.unit == ScaleUnit::Centimetre ? value * kTwipsPerCentimetre : value;
    return twips / kTwipsPerPixel;
}

void paintPicture(Control& target, const Picture& picture, double x, double y,
                  std::optional<double> width, std::optional<double> height) {
    if (!target.persistent) throw std::logic_error(target.label() + " keeps no persistent image");
    if (!picture) return;
    const int px = int(std::lround(toPixels(target, x)));
    const int py = int(std::lround(toPixels(target, y)));
    const int pw = width ? int(std::lround(toPixels(target, *width))) : picture->width();
    const int ph = height ? int(std::lround(toPixels(target, *height))) : picture->height();
    if (pw == 0 || ph == 0) return;
    const QRect destination(pw < 0 ? px + pw : px, ph < 0 ? py + ph : py, std::abs(pw),
                            std::abs(ph));
    if (!destination.intersects(target.surface.rect())) return; // clipped away whole

    QImage source = *picture;
    if (std::abs(pw) != source.width() || std::abs(ph) != source.height())
        source = source.scaled(std::abs(pw), std::abs(ph));
    if (pw < 0 || ph < 0) source = source.mirrored(pw < 0, ph < 0);
    QPainter painter(&target.surface);
    painter.drawImage(destination.topLeft(), source);
}

Picture image(const Control& box) {
    return std::make_shared<const QImage>(box.surface);
}

void savePicture(const Picture& picture, const QString& path, const char* format) {
    if (!picture) throw SaveError(QStringLiteral("there is no picture to save"));
    // Encoded in memory first, so a failed write is a failed file write with
    // the system's reason, not a failure somewhere inside the encoder.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!picture->convertToFormat(QImage::Format_RGB32).save(&buffer, format))
        throw SaveError(QStringLiteral("the picture could not be encoded"));

    platform::deliverFile(encoded, path);
}

} // namespace toolkit
