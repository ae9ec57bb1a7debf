// Pixel helpers whose failure messages say which pixel and which colours.
#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

inline std::string rgbText(QRgb c) {
    return QStringLiteral("rgb(%1, %2, %3, alpha %4)")
        .arg(qRed(c))
        .arg(qGreen(c))
        .arg(qBlue(c))
        .arg(qAlpha(c))
        .toStdString();
}

// Compares an image with an expected one and reports the first difference.
inline ::testing::AssertionResult samePixels(const QImage& actual, const QImage& expected,
                                             const std::string& what = "image") {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << what << ": size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y))
                return ::testing::AssertionFailure()
                       << what << ": pixel (" << x << ", " << y << ") is " << rgbText(a.pixel(x, y))
                       << ", expected " << rgbText(e.pixel(x, y));
    return ::testing::AssertionSuccess();
}

inline QImage decode(const QByteArray& bytes) {
    return QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
}

} // namespace testing_support
