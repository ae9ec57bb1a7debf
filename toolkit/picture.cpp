#include "picture.h"

#include <QtGlobal>

namespace toolkit {

struct Picture::Data {
    QImage image;
    std::span<const uint8_t> file; // empty once decoded
    const char* format = nullptr;
    QSize size;
};

Picture::Picture(std::shared_ptr<const QImage> image) {
    if (!image) return;
    d_ = std::make_shared<Data>();
    d_->image = *image; // shares the pixels
    d_->size = image->size();
}

Picture Picture::whenFirstUsed(std::span<const uint8_t> file, const char* format, QSize size) {
    Picture p;
    p.d_ = std::make_shared<Data>();
    p.d_->file = file;
    p.d_->format = format;
    p.d_->size = size;
    return p;
}

QSize Picture::size() const {
    return d_ ? d_->size : QSize();
}

bool Picture::decoded() const {
    return d_ && d_->file.empty();
}

const QImage& Picture::image() const {
    static const QImage none;
    if (!d_) return none;
    if (!d_->file.empty()) {
        d_->image = decodePicture(d_->file, d_->format);
        // The files of the program's own description are checked by its
        // tests; one that fails all the same shows as nothing, not a crash.
        if (d_->image.isNull() || d_->image.size() != d_->size) {
            qWarning("a %s picture of %d x %d pixels cannot be decoded", d_->format,
                     d_->size.width(), d_->size.height());
            d_->image = QImage();
        }
        d_->file = {};
    }
    return d_->image;
}

QImage decodePicture(std::span<const uint8_t> file, const char* format) {
    QImage img = QImage::fromData(file.data(), int(file.size()), format);
    if (img.format() == QImage::Format_Indexed8) img = img.convertToFormat(QImage::Format_RGB32);
    return img;
}

} // namespace toolkit
