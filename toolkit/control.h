// Controls of a window: frames, picture boxes, images and the window itself,
// with the settings that drawing, hit testing and the handlers use.
#pragma once

#include "description.h"
#include "picture.h"

#include <QImage>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace toolkit {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kTwipsPerCentimetre = 567.0;

struct Control {
    std::string name;
    std::optional<int> index;
    ControlKind kind = ControlKind::Image;
    Control* container = nullptr;
    std::vector<Control*> children; // stored order: later ones lie in front

    int left = 0, top = 0, width = 0, height = 0; // twips, in the container
    bool visible = true;
    bool stretch = false;
    bool bordered = false; // fixed single border with a 2-pixel 3-D edge
    QRgb backColour = qRgb(240, 240, 240);
    ScaleUnit unit = ScaleUnit::Twip;
    Picture picture;

    // Forms and picture boxes with a persistent image keep what is painted on
    // them; it covers the drawable area.
    bool persistent = false;
    QImage surface;

    // The scaled copy of the picture of a stretched image, made once per picture.
    mutable Picture stretchedFrom;
    mutable QImage stretched;

    // What screen readers and tests call the control: a key's letter, a button's
    // word. A named control can be pressed through assistive technology.
    std::string accessibleName;
    // What pressing it does, in a few words: the sign a key writes.
    std::string accessibleDescription;
    // A control that reads out what it shows instead (the strip): its text,
    // worked out from the controls each time it is asked.
    std::function<std::string()> accessibleText;
    // What the window shows while the pointer rests on the control.
    std::string toolTip;

    // Whatever the program keeps with the control (a slot: the letter that
    // wrote its picture), so that state stays in the controls.
    std::string tag;

    // "Image3(5)" or "Frame1", as handlers and messages name it.
    std::string label() const;

    QRect rectInContainer() const; // pixels
    QRect drawableArea() const;    // pixels, in the control's own coordinates
    QRect rectInWindow() const;    // pixels, in the window's client area
};

} // namespace toolkit
