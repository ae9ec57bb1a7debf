// Maps a property's field to the member of a control record that holds it,
// so the reader and the writer share one table instead of two switches each.
#pragma once

#include "description_format.h"

namespace toolkit::format {

template <class Record, class Fn> void withField(Record& r, Field field, Fn&& fn) {
    switch (field) {
    case Field::Caption:
        return fn(r.caption);
    case Field::LinkTopic:
        return fn(r.linkTopic);
    case Field::BackColour:
        return fn(r.backColour);
    case Field::TextColour:
        return fn(r.textColour);
    case Field::Position:
        return fn(r.position);
    case Field::ClientArea:
        return fn(r.clientArea);
    case Field::Scale:
        return fn(r.scale);
    case Field::Visible:
        return fn(r.visible);
    case Field::Stretch:
        return fn(r.stretch);
    case Field::MaxButton:
        return fn(r.maxButton);
    case Field::MinButton:
        return fn(r.minButton);
    case Field::UnusedFlag:
        return fn(r.unusedFlag);
    case Field::TabIndex:
        return fn(r.tabIndex);
    case Field::BorderStyle:
        return fn(r.borderStyle);
    case Field::StartUpPosition:
        return fn(r.startUpPosition);
    case Field::UnusedSetting:
        return fn(r.unusedSetting);
    case Field::Picture:
        return fn(r.picture);
    case Field::ArrayIndex:
        return fn(r.index);
    }
}

} // namespace toolkit::format
