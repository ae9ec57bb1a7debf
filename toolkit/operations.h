// The operations handlers use on controls: pictures, painting, saving.
#pragma once

#include "control.h"

#include <QString>

#include <optional>
#include <stdexcept>

namespace toolkit {

// Shares the picture; an image that does not stretch takes its pixel size.
void setPicture(Control& control, const Picture& picture);

// Paints onto the persistent image of a window or picture box, in the
// target's scale unit. Width and height default to the picture's own size; a
// negative one mirrors the picture, with x or y as its far edge. Transparent
// pixels leave the target as it is; painting is clipped to the drawable area.
void paintPicture(Control& target, const Picture& picture, double x, double y,
                  std::optional<double> width = {}, std::optional<double> height = {});

// The persistent image of a picture box, as a picture of its drawable area.
Picture image(const Control& box);

// A length in the control's scale unit, in pixels.
double toPixels(const Control& target, double value);

class SaveError : public std::runtime_error {
  public:
    explicit SaveError(const QString& reason)
        : std::runtime_error(reason.toStdString()), reason_(reason) {}
    const QString& reason() const { return reason_; }

  private:
    QString reason_;
};

// Writes the picture under exactly that path, as a 24-bit Windows bitmap
// ("BMP") or a lossless PNG ("PNG"). The file is replaced whole or not at
// all; throws SaveError with the reason.
void savePicture(const Picture& picture, const QString& path, const char* format = "BMP");

} // namespace toolkit
