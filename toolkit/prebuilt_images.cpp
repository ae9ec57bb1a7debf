#include "prebuilt_images.h"

namespace toolkit {

QImage stretchedCopy(const QImage& picture, QSize size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace toolkit
