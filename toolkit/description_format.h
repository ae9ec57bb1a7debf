// Codes of the binary window description: which property code holds which
// setting for each kind of control. A value's encoding follows from the type
// of the record member that holds it.
#pragma once

#include "description.h"

#include <span>

namespace toolkit::format {

inline constexpr uint8_t kMagic[2] = {0xFF, 0xCC};
inline constexpr uint16_t kHeaderBlockLength = 49;
inline constexpr size_t kHeaderSize = 89;
inline constexpr uint8_t kEndOfRecord = 0xFF;
inline constexpr uint8_t kPictureTag[4] = {0x6C, 0x74, 0x00, 0x00};
inline constexpr uint8_t kExternalTag[5] = {0x2D, 0x4C, 0x42, 0x09, 0x00};
inline constexpr uint8_t kExternalLeft = 0x39, kExternalTop = 0x3A;
inline constexpr uint32_t kArrayMemberBit = 0x80000000u;

enum class Structure : uint8_t { ChildrenFollow = 1, ChildrenEnd = 2, SiblingFollows = 3, End = 4 };

enum class Field {
    Caption,
    LinkTopic,
    BackColour,
    TextColour,
    Position,
    ClientArea,
    Scale,
    Visible,
    Stretch,
    MaxButton,
    MinButton,
    UnusedFlag,
    TabIndex,
    BorderStyle,
    StartUpPosition,
    UnusedSetting,
    Picture,
    ArrayIndex,
};

struct Property {
    uint8_t code;
    Field field;
};

// The properties a kind of control can store, in ascending code order.
std::span<const Property> propertiesOf(ControlKind kind);

bool isKnownKind(uint8_t kind);

// The highest control number in a record and its children, as the header stores it.
uint8_t highestControlNumber(const ControlRecord& record);

} // namespace toolkit::format
