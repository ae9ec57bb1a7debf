#include "operations.h"

#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace toolkit {

void setPicture(Control& control, const Picture& picture) {
    control.picture = picture;
    if (control.kind == ControlKind::Image && !control.stretch && picture) {
        control.width = picture->width() * kTwipsPerPixel;
        control.height = picture->height() * kTwipsPerPixel;
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
    return Picture(std::make_shared<const QImage>(box.surface));
}

void savePicture(const Picture& picture, const QString& path) {
    if (!picture) throw SaveError(QStringLiteral("there is no picture to save"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw SaveError(file.errorString());
    if (!picture->convertToFormat(QImage::Format_RGB32).save(&file, "BMP")) {
        file.cancelWriting();
        throw SaveError(file.errorString().isEmpty()
                            ? QStringLiteral("the bitmap could not be written")
                            : file.errorString());
    }
    if (!file.commit()) throw SaveError(file.errorString());
}

} // namespace toolkit
