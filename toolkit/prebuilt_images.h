// Images made at build time from a description built into the program, so
// that its start decodes and scales nothing: the pictures its first frame
// shows, and the scaled copies that its stretched images show. The build tool
// and the program make them with the same two functions, decodePicture and
// stretchedCopy, so a prebuilt image is the very image the program would
// make itself.
#pragma once

#include <QImage>

#include <cstdint>

namespace toolkit {

// Smooth scaling looks best for the framing panels.
QImage stretchedCopy(const QImage& picture, QSize size);

struct PrebuiltImage {
    // Null for a decoded picture; for a stretched copy, the control that
    // shows it, as Control::label() names it ("Image30").
    const char* control;
    uint32_t pictureOffset, pictureLength; // where the picture's file lies in the description
    int width, height;
    QImage::Format format;       // a 32-bit one
    const unsigned char* pixels; // width * 4 bytes a row, top row first
};

} // namespace toolkit
