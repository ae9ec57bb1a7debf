#include "description_format.h"

#include <algorithm>

namespace toolkit::format {
namespace {

using F = Field;

constexpr Property kForm[] = {
    {0x01, F::Caption},    {0x03, F::BackColour},      {0x19, F::Scale},     {0x22, F::BorderStyle},
    {0x23, F::Picture},    {0x24, F::LinkTopic},       {0x26, F::MaxButton}, {0x27, F::MinButton},
    {0x35, F::ClientArea}, {0x46, F::StartUpPosition},
};
constexpr Property kFrame[] = {
    {0x01, F::Caption}, {0x03, F::BackColour}, {0x04, F::TextColour},    {0x05, F::Position},
    {0x0A, F::Visible}, {0x12, F::TabIndex},   {0x1D, F::UnusedSetting}, {0x22, F::BorderStyle},
};
constexpr Property kPictureBox[] = {
    {0x01, F::BackColour}, {0x03, F::Picture}, {0x05, F::Position},   {0x0A, F::Visible},
    {0x12, F::TabIndex},   {0x1A, F::Scale},   {0x23, F::UnusedFlag},
};
constexpr Property kImage[] = {
    {0x01, F::ArrayIndex}, {0x02, F::Picture}, {0x03, F::Position},
    {0x08, F::Visible},    {0x0A, F::Stretch},
};

} // namespace

std::span<const Property> propertiesOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Form:
        return kForm;
    case ControlKind::Frame:
        return kFrame;
    case ControlKind::PictureBox:
        return kPictureBox;
    case ControlKind::Image:
        return kImage;
    case ControlKind::External:
        return {};
    }
    return {};
}

bool isKnownKind(uint8_t kind) {
    return kind == 0 || kind == 3 || kind == 13 || kind == 24 || kind == 255;
}

uint8_t highestControlNumber(const ControlRecord& r) {
    uint8_t n = r.number;
    for (const ControlRecord& c : r.children)
        n = std::max(n, highestControlNumber(c));
    return n;
}

} // namespace toolkit::format

namespace toolkit {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Form:
        return "window";
    case ControlKind::Frame:
        return "frame";
    case ControlKind::PictureBox:
        return "picture box";
    case ControlKind::Image:
        return "image";
    case ControlKind::External:
        return "external control";
    }
    return "unknown";
}

bool ControlRecord::operator==(const ControlRecord& o) const {
    const bool samePicture =
        (!picture && !o.picture) || (picture && o.picture && *picture == *o.picture);
    return samePicture && number == o.number && name == o.name && index == o.index &&
           kind == o.kind && caption == o.caption && linkTopic == o.linkTopic &&
           backColour == o.backColour && textColour == o.textColour && position == o.position &&
           clientArea == o.clientArea && scale == o.scale && visible == o.visible &&
           stretch == o.stretch && maxButton == o.maxButton && minButton == o.minButton &&
           unusedFlag == o.unusedFlag && tabIndex == o.tabIndex && borderStyle == o.borderStyle &&
           startUpPosition == o.startUpPosition && unusedSetting == o.unusedSetting &&
           external == o.external && children == o.children;
}

} // namespace toolkit
